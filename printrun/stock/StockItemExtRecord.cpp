#include "printrun/stock/StockItemExtRecord.h"

#include "platform/files/RecordBuffer.h"

using namespace platform;

StockItemExtRecord::StockItemExtRecord()
{
    assign(QByteArray());
}

StockItemExtRecord StockItemExtRecord::fromBytes(const QByteArray& bytes)
{
    StockItemExtRecord record;
    record.assign(bytes);
    return record;
}

void StockItemExtRecord::assign(const QByteArray& bytes)
{
    QByteArray image = bytes.left(Length);
    image.append(QByteArray(Length - image.size(), '\0'));
    const RecordBuffer buffer(image);

    for (int k = 0; k < static_cast<int>(Code.size()); ++k)
        Code[k] = buffer.text(k * CodeWidth, CodeWidth);
    Memo = buffer.text(24, MemoWidth);
    Reserved1 = buffer.text(84, 13);
    Reserved2 = buffer.text(97, 17);
}
