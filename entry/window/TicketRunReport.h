#pragma once

#include <QDate>
#include <QString>

namespace platform {
class Dialogs;
class ListView;
class Printer;
} // namespace platform

// The ticket-run report: the lines of the print-file list, in display order,
// as one printed document - a dated title, column headings, one row per line
// and a totals row. It reads the list only.
class TicketRunReport
{
public:
    TicketRunReport(const platform::ListView& list, platform::Printer& printer,
                    platform::Dialogs& dialogs);

    // Refuses an empty list, asks the user to ready the printer, prints the
    // report dated `today` and says whether it went out.
    void run(const QDate& today);

    // Left edges (twips) of the report's columns, and their headings.
    static constexpr int ColumnCount = 10;
    static const int ColumnLeft[ColumnCount];
    static const char* const ColumnHeading[ColumnCount];
    // Where the totals row prints its caption, the value and the units.
    static constexpr int TotalsCaptionLeft = 8000;
    static constexpr int ValueTotalLeft = 9500;
    static constexpr int UnitsTotalLeft = 10500;

private:
    void printReport(const QDate& today);
    void printRule();
    // Starts a new page when `height` twips no longer fit below the
    // current position.
    void keepRoomFor(double height);
    QString columnValue(int line, int column) const;

    const platform::ListView& m_list;
    platform::Printer& m_printer;
    platform::Dialogs& m_dialogs;
};
