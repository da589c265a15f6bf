#pragma once

#include <QDateTime>

// One row of the statistics table "Stats": tickets printed on a day with a
// layout letter.
struct StatisticsRow
{
    QDateTime Date; // the day of printing, at 00:00:00
    qint64 Qty = 0;
    int TID = 0; // character code of the layout letter, 65 ("A") to 74 ("J")
};
