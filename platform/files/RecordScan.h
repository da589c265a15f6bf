#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

class RecordFile;

// Walks the records 1 to last of a record file in record-number order,
// reading them in large blocks: a scan of the whole file costs a few system
// calls, not several per record. The caller takes the record count once and
// passes it as last.
class RecordScan
{
public:
    // Records read with one system call.
    static constexpr qint64 BlockRecords = 256;

    RecordScan(RecordFile& file, qint64 last);

    // Moves to the next record. False after the last one, or at the first
    // record that cannot be read (failed() then says so, and number() is
    // that record).
    bool next();
    // The record moved to: its number and its recordLength() bytes.
    qint64 number() const { return m_number; }
    const char* record() const;

    bool failed() const { return m_failed; }
    QString errorString() const { return m_error; }

private:
    RecordFile& m_file;
    qint64 m_last;
    qint64 m_number = 0;
    // Records m_blockFirst to m_blockFirst + m_blockCount - 1 are in m_block.
    qint64 m_blockFirst = 1;
    qint64 m_blockCount = 0;
    QByteArray m_block;
    // The last block read came short of what was asked.
    bool m_blockShort = false;
    bool m_failed = false;
    QString m_error;
};

} // namespace platform
