#include "printrun/stock/StockItemRecord.h"

#include "platform/files/RecordBuffer.h"

using namespace platform;

StockItemRecord::StockItemRecord()
{
    assign(QByteArray());
}

StockItemRecord StockItemRecord::fromBytes(const QByteArray& bytes)
{
    StockItemRecord record;
    record.assign(bytes);
    return record;
}

void StockItemRecord::assign(const QByteArray& bytes)
{
    QByteArray image = bytes.left(Length);
    image.append(QByteArray(Length - image.size(), '\0'));
    const RecordBuffer buffer(image);

    DeptID = buffer.int16(0);
    GroupID = buffer.int16(2);
    Stock = image.mid(4, 14);
    Sales = image.mid(18, 14);
    Supplier = buffer.text(32, 14);
    Description = buffer.text(46, 14);
    cost = image.mid(60, 4);
    Sell = image.mid(64, 4);
    Created = buffer.text(68, 5);
    BSScale = buffer.int16(73);
    PrevSell = buffer.int16(75);
    LastPurchase = buffer.text(77, 5);
    FirstOrder = buffer.int16(82);
    MarkDowns = image.mid(84, 4);
    SalesVal = image.mid(88, 4);
    Faults = buffer.int16(92);
    SecOrder = buffer.int16(94);
    Orders = image.mid(96, 14);
    DayDat = buffer.int16(110);
    Days = buffer.int16(112);
    CostPerOrder = image.mid(114, 4);
    WSUnits = buffer.int16(118);
    OrderDate = buffer.text(120, 5);
    VAT = buffer.int16(125);
}
