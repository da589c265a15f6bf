#include "entry/store/PrintFileLine.h"

#include "platform/runtime/Values.h"

using namespace platform;

qint64 PrintFileLine::unitsOf(const TicketRecord& rec)
{
    qint64 units = 0;
    for (int p = 0; p < 7; ++p)
        units += rec.OrderQty[size_t(p)];
    return units;
}

PrintFileLine PrintFileLine::fromRecord(qint32 recNo, const TicketRecord& rec, PriceForm priceForm)
{
    const QString money = QStringLiteral("######0.00");
    PrintFileLine line;
    line.recNo = recNo;
    line.text = QString::number(recNo);
    line.units = unitsOf(rec);
    line.subItems = {
        Values::trimBlanks(rec.Title1) + QStringLiteral(" : ") + Values::trimBlanks(rec.Title2),
        Values::trimBlanks(rec.Supplier),
        Values::trimBlanks(rec.Description),
        Values::trimBlanks(rec.ColourID),
        Values::trimBlanks(rec.Fit),
        Values::trimBlanks(rec.SizeScale),
        priceForm == PriceForm::General ? Values::generalNumber(rec.Price)
                                        : Values::formatNumber(rec.Price, money),
        Values::formatNumber(double(line.units) * rec.Price, money),
        QString::number(line.units),
    };
    return line;
}
