#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform {

// A random-access file of fixed-length records numbered from 1. Record n
// lies at (n - 1) x length. A partial last record is not counted.
class RecordFile
{
public:
    explicit RecordFile(int recordLength);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens for read and write, creating the file when missing. An existing
    // file that may only be read is opened for reading; writes then fail.
    bool open(const QString& name);
    void close();
    bool isOpen() const;

    int recordLength() const { return m_recordLength; }
    qint64 count() const;

    // Reads record n (1..count). False, with errorString(), when n is out of
    // range or the read fails.
    bool read(qint64 n, QByteArray& record);
    // Reads records first to first + n - 1 into bytes with one seek and one
    // read, without asking the file's size: the caller took the count once.
    // False, with errorString() naming the first record missing, when not
    // all could be read; bytes then holds the whole records that were.
    bool readBlock(qint64 first, qint64 n, QByteArray& bytes);
    // Writes record n (1..count + 1; count + 1 appends). The record must be
    // exactly recordLength() bytes.
    bool write(qint64 n, const QByteArray& record);

    QString errorString() const { return m_error; }

private:
    int m_recordLength;
    QFile m_file;
    QString m_error;
};

} // namespace platform
