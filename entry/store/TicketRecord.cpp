#include "entry/store/TicketRecord.h"

#include "platform/files/RecordBuffer.h"
#include "platform/runtime/Values.h"

namespace {

// RecordBuffer has no 64-bit integer; a reserved 8-byte field is kept as its
// raw little-endian bits in two halves.
qint64 readInt64(const RecordBuffer& buffer, int offset)
{
    const quint64 low = quint32(buffer.int32(offset));
    const quint64 high = quint32(buffer.int32(offset + 4));
    return qint64((high << 32) | low);
}

void writeInt64(RecordBuffer& buffer, int offset, qint64 value)
{
    const quint64 bits = quint64(value);
    buffer.setInt32(offset, qint32(quint32(bits & 0xFFFFFFFFu)));
    buffer.setInt32(offset + 4, qint32(quint32(bits >> 32)));
}

QString readText(const RecordBuffer& buffer, int offset, int width)
{
    return Values::storedField(buffer.text(offset, width));
}

template <std::size_t N>
void readQuantities(const RecordBuffer& buffer, int offset, std::array<qint32, N>& quantities)
{
    for (std::size_t i = 0; i < N; ++i)
        quantities[i] = buffer.int32(offset + int(i) * 4);
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

TicketRecord TicketRecord::decode(const QByteArray& bytes)
{
    QByteArray data = bytes.left(Length);
    if (data.size() < Length)
        data.append(QByteArray(Length - data.size(), '\0'));
    const RecordBuffer b(data);

    TicketRecord r;
    r.Title1 = readText(b, Title1Offset, Title1Width);
    r.Title2 = readText(b, Title2Offset, Title2Width);
    r.Fit = readText(b, FitOffset, FitWidth);
    r.ColourID = readText(b, ColourIDOffset, ColourIDWidth);
    r.Spare1 = b.int32(Spare1Offset);
    r.Spare2 = b.int32(Spare2Offset);
    r.SizeScale = readText(b, SizeScaleOffset, SizeScaleWidth);
    readQuantities(b, TotalQtyOffset, r.TotalQty);
    readQuantities(b, SpareQtyOffset, r.SpareQty);
    readQuantities(b, OrderQtyOffset, r.OrderQty);
    r.Supplier = readText(b, SupplierOffset, SupplierWidth);
    r.Description = readText(b, DescriptionOffset, DescriptionWidth);
    r.Spare3 = readInt64(b, Spare3Offset);
    r.Price = b.float64(PriceOffset);
    r.Spare4 = readInt64(b, Spare4Offset);
    r.DateCreated = b.float64(DateCreatedOffset);
    r.DateLastUsed = b.float64(DateLastUsedOffset);
    r.Spare5 = b.int32(Spare5Offset);
    r.Spare6 = b.int32(Spare6Offset);
    r.Spare7 = b.int32(Spare7Offset);
    r.Spare8 = readInt64(b, Spare8Offset);
    r.Spare9 = readInt64(b, Spare9Offset);
    r.Spare10 = b.int32(Spare10Offset);
    r.Spare11 = b.int16(Spare11Offset);
    r.Spare12 = b.int16(Spare12Offset);
    r.Spare13 = readInt64(b, Spare13Offset);
    r.Spare14 = b.int32(Spare14Offset);
    r.Spare15 = readInt64(b, Spare15Offset);
    r.Spare16 = b.int16(Spare16Offset);
    r.DeleteMark = b.int16(DeleteMarkOffset);
    return r;
}
