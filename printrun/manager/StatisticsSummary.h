#pragma once

#include <QDate>
#include <QList>
#include <array>

#include "printrun/manager/StatisticsRow.h"

// The monthly figures of the statistics chart, worked out from the rows of
// "Stats": tickets per month of the chosen year (column 1) and of the year
// before (column 2), the year's total and the overall total of the chosen
// ticket type, and, from every row whatever its type, the earliest day and
// the first and last years.
class StatisticsSummary
{
public:
    // `typeCode` 0 counts every row; otherwise only rows whose TID equals it.
    // `today` is where the earliest day starts. Rows without a valid date
    // are left out.
    StatisticsSummary(const QList<StatisticsRow>& rows, int year, int typeCode, const QDate& today);

    // Month 1..12, column 1 (the year) or 2 (the year before); 0 outside.
    qint64 cell(int month, int column) const;
    qint64 yearTotal() const { return m_yearTotal; }
    qint64 overall() const { return m_overall; }
    QDate earliest() const { return m_earliest; }
    // 9999 and 0 when there are no rows.
    int firstYear() const { return m_firstYear; }
    int lastYear() const { return m_lastYear; }

private:
    std::array<std::array<qint64, 2>, 12> m_cells{};
    qint64 m_yearTotal = 0;
    qint64 m_overall = 0;
    QDate m_earliest;
    int m_firstYear = 9999;
    int m_lastYear = 0;
};
