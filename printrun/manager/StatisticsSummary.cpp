#include "printrun/manager/StatisticsSummary.h"

#include <algorithm>

StatisticsSummary::StatisticsSummary(const QList<StatisticsRow>& rows, int year, int typeCode,
                                     const QDate& today)
    : m_earliest(today)
{
    for (const StatisticsRow& row : rows) {
        const QDate day = row.Date.date();
        if (!day.isValid())
            continue;
        if (day < m_earliest)
            m_earliest = day;
        const int y = day.year();
        m_firstYear = std::min(m_firstYear, y);
        m_lastYear = std::max(m_lastYear, y);
        const bool counts = typeCode == 0 || row.TID == typeCode;
        if (!counts)
            continue;
        m_overall += row.Qty;
        if (y == year) {
            m_yearTotal += row.Qty;
            m_cells[day.month() - 1][0] += row.Qty;
        } else if (y == year - 1) {
            m_cells[day.month() - 1][1] += row.Qty;
        }
    }
}

qint64 StatisticsSummary::cell(int month, int column) const
{
    if (month < 1 || month > 12 || column < 1 || column > 2)
        return 0;
    return m_cells[month - 1][column - 1];
}
