#pragma once

#include <QString>
#include <QStringList>

#include "entry/store/TicketRecord.h"

// One line of the print-file list: the record number as the item text, and
// nine sub-items taken from the record: Title, Supplier, Description, Clr,
// Fit, Scale, PP/Unit, Total and Units.
struct PrintFileLine
{
    // How the PP/Unit column shows the price: with two decimals, or in
    // general number form (a ticket just accepted shows 4.5, not 4.50).
    enum class PriceForm
    {
        Money,
        General
    };

    static constexpr int SubItemCount = 9;

    qint32 recNo = 0;
    QString text;
    QStringList subItems;
    qint64 units = 0;

    // The tickets an entry gives: OrderQty over the seven size positions.
    // Summed in 64 bits, so that no quantities can overflow the total.
    static qint64 unitsOf(const TicketRecord& rec);
    static PrintFileLine fromRecord(qint32 recNo, const TicketRecord& rec,
                                    PriceForm priceForm = PriceForm::Money);
};
