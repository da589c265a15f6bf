#include "entry/store/RecordListRow.h"

#include "entry/store/TicketRecord.h"
#include "platform/runtime/Values.h"

using namespace platform;

RecordListRow RecordListRow::fromRecord(qint32 recNo, const TicketRecord& rec)
{
    using Values::trimBlanks;
    RecordListRow row;
    // Six digits at least, leading zeros: the "000000" mask, without
    // reading the mask for every row.
    row.text = recNo >= 0 ? QString::number(recNo).rightJustified(6, QLatin1Char('0'))
                          : Values::formatNumber(recNo, QStringLiteral("000000"));
    row.subItems = {trimBlanks(rec.Title1) + QStringLiteral(" : ") + trimBlanks(rec.Title2),
                    trimBlanks(rec.Supplier),
                    trimBlanks(rec.Description),
                    trimBlanks(rec.ColourID),
                    trimBlanks(rec.Fit),
                    trimBlanks(rec.SizeScale),
                    Values::formatNumber(rec.Price, QStringLiteral("######0.00"))};
    row.smallIcon = rec.DeleteMark == 1 ? MarkedIcon : LiveIcon;
    return row;
}
