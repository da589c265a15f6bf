#include "platform/files/RecordScan.h"

#include "platform/files/RecordFile.h"

namespace platform {

RecordScan::RecordScan(RecordFile& file, qint64 last) : m_file(file), m_last(last) {}

bool RecordScan::next()
{
    if (m_failed || m_number >= m_last)
        return false;
    ++m_number;
    if (m_number < m_blockFirst + m_blockCount)
        return true;
    // The block before came short: this record is the first missing one.
    if (m_blockShort) {
        m_failed = true;
        return false;
    }
    m_blockFirst = m_number;
    const qint64 wanted = qMin(BlockRecords, m_last - m_number + 1);
    m_blockShort = !m_file.readBlock(m_blockFirst, wanted, m_block);
    m_blockCount = m_block.size() / m_file.recordLength();
    if (m_blockShort)
        m_error = m_file.errorString();
    if (m_blockCount == 0) {
        m_failed = true;
        return false;
    }
    return true;
}

const char* RecordScan::record() const
{
    return m_block.constData() + (m_number - m_blockFirst) * m_file.recordLength();
}

} // namespace platform
