#include "printrun/stock/StockColourRecord.h"

#include "platform/files/RecordBuffer.h"

using namespace platform;

StockColourRecord::StockColourRecord()
{
    assign(QByteArray());
}

StockColourRecord StockColourRecord::fromBytes(const QByteArray& bytes)
{
    StockColourRecord record;
    record.assign(bytes);
    return record;
}

void StockColourRecord::assign(const QByteArray& bytes)
{
    QByteArray image = bytes.left(Length);
    image.append(QByteArray(Length - image.size(), '\0'));
    const RecordBuffer buffer(image);
    ColourCode = buffer.text(0, 3);
    ColourName = buffer.text(3, 15);
}
