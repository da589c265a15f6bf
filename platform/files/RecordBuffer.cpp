#include "platform/files/RecordBuffer.h"

#include "platform/files/Ansi.h"

#include <QtEndian>

namespace platform {

namespace {

// An offset outside the record is a fault of the caller's layout.
bool fits(const QByteArray& bytes, int offset, int size)
{
    const bool ok = offset >= 0 && size >= 0 && offset <= bytes.size() - size;
    Q_ASSERT_X(ok, "RecordBuffer", "field outside the record");
    return ok;
}

} // namespace

RecordBuffer::RecordBuffer(int length) : m_bytes(qMax(length, 0), '\0') {}

RecordBuffer::RecordBuffer(const QByteArray& bytes) : m_bytes(bytes) {}

qint16 RecordBuffer::int16(int offset) const
{
    if (!fits(m_bytes, offset, 2))
        return 0;
    return qFromLittleEndian<qint16>(m_bytes.constData() + offset);
}

qint32 RecordBuffer::int32(int offset) const
{
    if (!fits(m_bytes, offset, 4))
        return 0;
    return qFromLittleEndian<qint32>(m_bytes.constData() + offset);
}

double RecordBuffer::float64(int offset) const
{
    if (!fits(m_bytes, offset, 8))
        return 0.0;
    return qFromLittleEndian<double>(m_bytes.constData() + offset);
}

QString RecordBuffer::text(int offset, int width) const
{
    if (!fits(m_bytes, offset, width))
        return QString();
    return Ansi::decode(QByteArrayView(m_bytes).sliced(offset, width));
}

void RecordBuffer::setInt16(int offset, qint16 value)
{
    if (fits(m_bytes, offset, 2))
        qToLittleEndian<qint16>(value, m_bytes.data() + offset);
}

void RecordBuffer::setInt32(int offset, qint32 value)
{
    if (fits(m_bytes, offset, 4))
        qToLittleEndian<qint32>(value, m_bytes.data() + offset);
}

void RecordBuffer::setFloat64(int offset, double value)
{
    if (fits(m_bytes, offset, 8))
        qToLittleEndian<double>(value, m_bytes.data() + offset);
}

void RecordBuffer::setText(int offset, int width, const QString& value)
{
    if (!fits(m_bytes, offset, width))
        return;
    const QByteArray encoded = Ansi::encode(value).left(width);
    char* field = m_bytes.data() + offset;
    std::copy(encoded.constBegin(), encoded.constEnd(), field);
    std::fill(field + encoded.size(), field + width, ' ');
}

} // namespace platform
