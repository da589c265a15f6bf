#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Little-endian numbers and Windows-1252 fixed-width text inside one record.
class RecordBuffer
{
public:
    explicit RecordBuffer(int length);
    explicit RecordBuffer(const QByteArray& bytes);

    const QByteArray& bytes() const { return m_bytes; }

    qint16 int16(int offset) const;
    qint32 int32(int offset) const;
    double float64(int offset) const;
    // The field's text as stored (NULs kept; see Values::storedField).
    QString text(int offset, int width) const;

    void setInt16(int offset, qint16 value);
    void setInt32(int offset, qint32 value);
    void setFloat64(int offset, double value);
    // Cut to width or padded with blanks.
    void setText(int offset, int width, const QString& value);

private:
    QByteArray m_bytes;
};

} // namespace platform
