#include "entry/store/TicketRecord.h"

#include <QtEndian>
#include <algorithm>

#include "platform/files/Ansi.h"
#include "platform/files/RecordBuffer.h"

using namespace platform;

namespace {

// A number straight from the record's bytes, little-endian.
template <typename T> T number(const char* record, int offset)
{
    return qFromLittleEndian<T>(record + offset);
}

// A text field decoded in one step. A field of NULs only was never written
// and reads as empty.
QString readText(const char* record, int offset, int width)
{
    const char* field = record + offset;
    if (std::all_of(field, field + width, [](char c) { return c == '\0'; }))
        return QString();
    return Ansi::decode(QByteArrayView(field, width));
}

template <std::size_t N>
void readQuantities(const char* record, int offset, std::array<qint32, N>& quantities)
{
    for (std::size_t i = 0; i < N; ++i)
        quantities[i] = number<qint32>(record, offset + int(i) * 4);
}

// RecordBuffer has no 64-bit integer; a reserved 8-byte field is kept as its
// raw little-endian bits in two halves.
void writeInt64(RecordBuffer& buffer, int offset, qint64 value)
{
    const quint64 bits = quint64(value);
    buffer.setInt32(offset, qint32(quint32(bits & 0xFFFFFFFFu)));
    buffer.setInt32(offset + 4, qint32(quint32(bits >> 32)));
}

template <std::size_t N>
void writeQuantities(RecordBuffer& buffer, int offset, const std::array<qint32, N>& quantities)
{
    for (std::size_t i = 0; i < N; ++i)
        buffer.setInt32(offset + int(i) * 4, quantities[i]);
}

} // namespace

QByteArray TicketRecord::encode() const
{
    RecordBuffer b(Length);
    b.setText(Title1Offset, Title1Width, Title1);
    b.setText(Title2Offset, Title2Width, Title2);
    b.setText(FitOffset, FitWidth, Fit);
    b.setText(ColourIDOffset, ColourIDWidth, ColourID);
    b.setInt32(Spare1Offset, Spare1);
    b.setInt32(Spare2Offset, Spare2);
    b.setText(SizeScaleOffset, SizeScaleWidth, SizeScale);
    writeQuantities(b, TotalQtyOffset, TotalQty);
    writeQuantities(b, SpareQtyOffset, SpareQty);
    writeQuantities(b, OrderQtyOffset, OrderQty);
    b.setText(SupplierOffset, SupplierWidth, Supplier);
    b.setText(DescriptionOffset, DescriptionWidth, Description);
    writeInt64(b, Spare3Offset, Spare3);
    b.setFloat64(PriceOffset, Price);
    writeInt64(b, Spare4Offset, Spare4);
    b.setFloat64(DateCreatedOffset, DateCreated);
    b.setFloat64(DateLastUsedOffset, DateLastUsed);
    b.setInt32(Spare5Offset, Spare5);
    b.setInt32(Spare6Offset, Spare6);
    b.setInt32(Spare7Offset, Spare7);
    writeInt64(b, Spare8Offset, Spare8);
    writeInt64(b, Spare9Offset, Spare9);
    b.setInt32(Spare10Offset, Spare10);
    b.setInt16(Spare11Offset, Spare11);
    b.setInt16(Spare12Offset, Spare12);
    writeInt64(b, Spare13Offset, Spare13);
    b.setInt32(Spare14Offset, Spare14);
    writeInt64(b, Spare15Offset, Spare15);
    b.setInt16(Spare16Offset, Spare16);
    b.setInt16(DeleteMarkOffset, DeleteMark);
    return b.bytes();
}

TicketRecord TicketRecord::decode(QByteArrayView bytes)
{
    std::array<char, Length> padded;
    const char* b = bytes.data();
    if (bytes.size() < Length) {
        std::fill(std::copy(bytes.begin(), bytes.end(), padded.begin()), padded.end(), '\0');
        b = padded.data();
    }

    TicketRecord r;
    r.Title1 = readText(b, Title1Offset, Title1Width);
    r.Title2 = readText(b, Title2Offset, Title2Width);
    r.Fit = readText(b, FitOffset, FitWidth);
    r.ColourID = readText(b, ColourIDOffset, ColourIDWidth);
    r.Spare1 = number<qint32>(b, Spare1Offset);
    r.Spare2 = number<qint32>(b, Spare2Offset);
    r.SizeScale = readText(b, SizeScaleOffset, SizeScaleWidth);
    readQuantities(b, TotalQtyOffset, r.TotalQty);
    readQuantities(b, SpareQtyOffset, r.SpareQty);
    readQuantities(b, OrderQtyOffset, r.OrderQty);
    r.Supplier = readText(b, SupplierOffset, SupplierWidth);
    r.Description = readText(b, DescriptionOffset, DescriptionWidth);
    r.Spare3 = number<qint64>(b, Spare3Offset);
    r.Price = number<double>(b, PriceOffset);
    r.Spare4 = number<qint64>(b, Spare4Offset);
    r.DateCreated = number<double>(b, DateCreatedOffset);
    r.DateLastUsed = number<double>(b, DateLastUsedOffset);
    r.Spare5 = number<qint32>(b, Spare5Offset);
    r.Spare6 = number<qint32>(b, Spare6Offset);
    r.Spare7 = number<qint32>(b, Spare7Offset);
    r.Spare8 = number<qint64>(b, Spare8Offset);
    r.Spare9 = number<qint64>(b, Spare9Offset);
    r.Spare10 = number<qint32>(b, Spare10Offset);
    r.Spare11 = number<qint16>(b, Spare11Offset);
    r.Spare12 = number<qint16>(b, Spare12Offset);
    r.Spare13 = number<qint64>(b, Spare13Offset);
    r.Spare14 = number<qint32>(b, Spare14Offset);
    r.Spare15 = number<qint64>(b, Spare15Offset);
    r.Spare16 = number<qint16>(b, Spare16Offset);
    r.DeleteMark = number<qint16>(b, DeleteMarkOffset);
    return r;
}
