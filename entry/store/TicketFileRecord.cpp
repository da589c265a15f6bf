#include "entry/store/TicketFileRecord.h"

#include "platform/files/RecordBuffer.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

using Int16Fields = std::array<qint16, TicketFileRecord::FieldCount>;
using TextFields = std::array<QString, TicketFileRecord::FieldCount>;

void writeInt16s(RecordBuffer& buffer, int offset, const Int16Fields& values)
{
    for (int i = 0; i < TicketFileRecord::FieldCount; ++i)
        buffer.setInt16(offset + i * 2, values[i]);
}

void readInt16s(const RecordBuffer& buffer, int offset, Int16Fields& values)
{
    for (int i = 0; i < TicketFileRecord::FieldCount; ++i)
        values[i] = buffer.int16(offset + i * 2);
}

void writeTexts(RecordBuffer& buffer, int offset, int width, const TextFields& values)
{
    for (int i = 0; i < TicketFileRecord::FieldCount; ++i)
        buffer.setText(offset + i * width, width, values[i]);
}

void readTexts(const RecordBuffer& buffer, int offset, int width, TextFields& values)
{
    for (int i = 0; i < TicketFileRecord::FieldCount; ++i)
        values[i] = Values::storedField(buffer.text(offset + i * width, width));
}

} // namespace

QByteArray TicketFileRecord::encode() const
{
    RecordBuffer b(Length);
    writeTexts(b, FontNameOffset, FontNameWidth, FontName);
    writeInt16s(b, FontSizeOffset, FontSize);
    writeInt16s(b, FontBoldOffset, FontBold);
    writeInt16s(b, FontItalicOffset, FontItalic);
    writeInt16s(b, FontUnderlineOffset, FontUnderline);
    writeInt16s(b, FontStrikethruOffset, FontStrikethru);
    writeTexts(b, ForeColourOffset, ForeColourWidth, ForeColour);
    writeInt16s(b, ShowFieldOffset, ShowField);
    writeInt16s(b, FieldOffsetOffset, FieldOffset);
    b.setInt16(TicketTypeOffset, TicketType);
    return b.bytes();
}

TicketFileRecord TicketFileRecord::decode(const QByteArray& bytes)
{
    QByteArray data = bytes.left(Length);
    if (data.size() < Length)
        data.append(QByteArray(Length - data.size(), '\0'));
    const RecordBuffer b(data);

    TicketFileRecord r;
    readTexts(b, FontNameOffset, FontNameWidth, r.FontName);
    readInt16s(b, FontSizeOffset, r.FontSize);
    readInt16s(b, FontBoldOffset, r.FontBold);
    readInt16s(b, FontItalicOffset, r.FontItalic);
    readInt16s(b, FontUnderlineOffset, r.FontUnderline);
    readInt16s(b, FontStrikethruOffset, r.FontStrikethru);
    readTexts(b, ForeColourOffset, ForeColourWidth, r.ForeColour);
    readInt16s(b, ShowFieldOffset, r.ShowField);
    readInt16s(b, FieldOffsetOffset, r.FieldOffset);
    r.TicketType = b.int16(TicketTypeOffset);
    return r;
}
