#pragma once

#include <QString>
#include <QStringList>

struct TicketRecord;

// One row of the records screen's list: the record number in six digits,
// the record's fields and the small icon that says whether it is marked.
struct RecordListRow
{
    // Small-icon indexes of the window's image list.
    static constexpr int LiveIcon = 1;
    static constexpr int MarkedIcon = 6;

    QString text;
    // Title, Supplier, Description, Clr, Fit, Scale, PP/Unit.
    QStringList subItems;
    int smallIcon = LiveIcon;

    static RecordListRow fromRecord(qint32 recNo, const TicketRecord& rec);

    bool operator==(const RecordListRow&) const = default;
};
