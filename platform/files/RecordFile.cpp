#include "platform/files/RecordFile.h"

#include "platform/files/FileNames.h"

namespace platform {

RecordFile::RecordFile(int recordLength) : m_recordLength(recordLength)
{
    Q_ASSERT(recordLength > 0);
}

RecordFile::~RecordFile()
{
    close();
}

bool RecordFile::open(const QString& name)
{
    close();
    m_error.clear();
    m_file.setFileName(FileNames::resolve(name));
    // Unbuffered, so every write reaches the file at once and a short write
    // is seen by the write itself.
    if (m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return true;
    const QString readWriteError = m_file.errorString();
    // An existing file that may only be read can still be looked at.
    if (m_file.exists() && m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return true;
    m_error = QStringLiteral("Cannot open \"%1\": %2").arg(m_file.fileName(), readWriteError);
    return false;
}

void RecordFile::close()
{
    if (m_file.isOpen())
        m_file.close();
}

bool RecordFile::isOpen() const
{
    return m_file.isOpen();
}

qint64 RecordFile::count() const
{
    if (!m_file.isOpen() || m_recordLength <= 0)
        return 0;
    return m_file.size() / m_recordLength;
}

bool RecordFile::read(qint64 n, QByteArray& record)
{
    m_error.clear();
    if (!m_file.isOpen()) {
        m_error = QStringLiteral("The record file is not open.");
        return false;
    }
    const qint64 records = count();
    if (n < 1 || n > records) {
        m_error = QStringLiteral("Record %1 is outside 1 to %2 in \"%3\".")
                      .arg(n)
                      .arg(records)
                      .arg(m_file.fileName());
        return false;
    }
    if (!m_file.seek((n - 1) * m_recordLength)) {
        m_error = QStringLiteral("Cannot reach record %1 in \"%2\": %3")
                      .arg(n)
                      .arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    QByteArray bytes(m_recordLength, '\0');
    qint64 done = 0;
    while (done < m_recordLength) {
        const qint64 got = m_file.read(bytes.data() + done, m_recordLength - done);
        if (got <= 0)
            break;
        done += got;
    }
    if (done != m_recordLength) {
        m_error = QStringLiteral("Cannot read record %1 of \"%2\": %3")
                      .arg(n)
                      .arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    record = bytes;
    return true;
}

bool RecordFile::readBlock(qint64 first, qint64 n, QByteArray& bytes)
{
    m_error.clear();
    bytes.resize(0);
    if (!m_file.isOpen()) {
        m_error = QStringLiteral("The record file is not open.");
        return false;
    }
    if (first < 1 || n < 1) {
        m_error = QStringLiteral("Records %1 to %2 are outside \"%3\".")
                      .arg(first)
                      .arg(first + n - 1)
                      .arg(m_file.fileName());
        return false;
    }
    if (!m_file.seek((first - 1) * m_recordLength)) {
        m_error = QStringLiteral("Cannot reach record %1 in \"%2\": %3")
                      .arg(first)
                      .arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    const qint64 wanted = n * m_recordLength;
    bytes.resize(wanted);
    qint64 done = 0;
    while (done < wanted) {
        const qint64 got = m_file.read(bytes.data() + done, wanted - done);
        if (got <= 0)
            break;
        done += got;
    }
    if (done == wanted)
        return true;
    // Whole records read stay; the first one missing is named.
    const qint64 whole = done / m_recordLength;
    bytes.resize(whole * m_recordLength);
    m_error = QStringLiteral("Cannot read record %1 of \"%2\": %3")
                  .arg(first + whole)
                  .arg(m_file.fileName(), m_file.errorString());
    return false;
}

bool RecordFile::write(qint64 n, const QByteArray& record)
{
    m_error.clear();
    if (!m_file.isOpen()) {
        m_error = QStringLiteral("The record file is not open.");
        return false;
    }
    if (!m_file.isWritable()) {
        m_error = QStringLiteral("\"%1\" may only be read.").arg(m_file.fileName());
        return false;
    }
    if (record.size() != m_recordLength) {
        m_error = QStringLiteral("A record of %1 bytes does not fit \"%2\" (records of %3 bytes).")
                      .arg(record.size())
                      .arg(m_file.fileName())
                      .arg(m_recordLength);
        return false;
    }
    const qint64 records = count();
    if (n < 1 || n > records + 1) {
        m_error = QStringLiteral("Record %1 is outside 1 to %2 in \"%3\".")
                      .arg(n)
                      .arg(records + 1)
                      .arg(m_file.fileName());
        return false;
    }
    const qint64 oldSize = m_file.size();
    const qint64 offset = (n - 1) * m_recordLength;
    if (!m_file.seek(offset)) {
        m_error = QStringLiteral("Cannot reach record %1 in \"%2\": %3")
                      .arg(n)
                      .arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    const qint64 written = m_file.write(record);
    if (written != m_recordLength || !m_file.flush()) {
        m_error = QStringLiteral("Cannot write record %1 of \"%2\": %3")
                      .arg(n)
                      .arg(m_file.fileName(), m_file.errorString());
        // A failed append must not leave a piece of a record behind.
        if (offset >= oldSize - oldSize % m_recordLength)
            m_file.resize(oldSize);
        return false;
    }
    return true;
}

} // namespace platform
