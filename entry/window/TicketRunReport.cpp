#include "entry/window/TicketRunReport.h"

#include "platform/controls/ListView.h"
#include "platform/printing/Printer.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

const int TicketRunReport::ColumnLeft[ColumnCount] = {200,  1000, 3000, 4500, 6000,
                                                      6500, 7000, 8000, 9500, 10500};
const char* const TicketRunReport::ColumnHeading[ColumnCount] = {
    "Record", "Title", "Supplier", "Description", "Clr",
    "Fit",    "Scale", "PP/Unit",  "Total",       "Units"};

namespace {

const QString ReportTitle = QStringLiteral("Print Report");
const QString MoneyMask = QStringLiteral("#####0.00");

// Column of the list's price (sub-item 7), line value (8) and units (9).
constexpr int PriceColumn = 7;
constexpr int ValueColumn = 8;
constexpr int UnitsColumn = 9;

} // namespace

TicketRunReport::TicketRunReport(const ListView& list, Printer& printer, Dialogs& dialogs)
    : m_list(list), m_printer(printer), m_dialogs(dialogs)
{
}

void TicketRunReport::run(const QDate& today)
{
    if (m_list.itemCount() == 0) {
        m_dialogs.message(QStringLiteral("Cant produce report. No tickets in print file."),
                          ReportTitle, Dialogs::Icon::Critical);
        return;
    }
    m_dialogs.message(
        QStringLiteral("Check your printer is ready to print the report then press ok."),
        QStringLiteral("Is printer ready."), Dialogs::Icon::Information);
    printReport(today);
    if (!m_printer.EndDoc()) {
        m_dialogs.message(
            QStringLiteral("The report could not be printed.\r\n\r\n%1").arg(m_printer.errorText()),
            ReportTitle, Dialogs::Icon::Critical);
        return;
    }
    m_dialogs.message(QStringLiteral("Report printed ok."), ReportTitle,
                      Dialogs::Icon::Information);
}

QString TicketRunReport::columnValue(int line, int column) const
{
    if (column == 0)
        return Values::formatNumber(Values::numericValue(m_list.itemText(line)),
                                    QStringLiteral("0000"));
    const QString text = m_list.subItem(line, column);
    if (column == PriceColumn || column == ValueColumn)
        return Values::formatNumber(Values::numericValue(text), MoneyMask);
    return text;
}

void TicketRunReport::printRule()
{
    const double y = m_printer.CurrentY() + 20;
    m_printer.Line(1, y, 20000, y, qint32(0));
}

void TicketRunReport::keepRoomFor(double height)
{
    if (m_printer.CurrentY() + height > m_printer.ScaleHeight())
        m_printer.NewPage();
}

void TicketRunReport::printReport(const QDate& today)
{
    Printer& p = m_printer;
    p.setFontBold(true);
    p.Print(QStringLiteral("Ticket run Report. Printed: ") +
            Values::formatDate(today, QStringLiteral("mm-dd-yyyy")));
    p.Print();

    p.setFontItalic(true);
    for (int column = 0; column < ColumnCount; ++column) {
        p.setCurrentX(ColumnLeft[column]);
        p.Print(QString::fromLatin1(ColumnHeading[column]), false);
    }
    p.Print();
    printRule();
    p.Print();
    p.setFontBold(false);
    p.setFontItalic(false);

    // The value total adds up in single precision and the units total in
    // 32-bit whole numbers.
    float valueTotal = 0;
    qint32 unitsTotal = 0;
    const double lineHeight = p.TextHeight(QString());
    const int lines = m_list.itemCount();
    for (int line = 1; line <= lines; ++line) {
        // A row that would run off the bottom of the page goes onto a new one.
        keepRoomFor(lineHeight);
        for (int column = 0; column < ColumnCount; ++column) {
            p.setCurrentX(ColumnLeft[column]);
            p.Print(columnValue(line, column), false);
        }
        p.Print();
        valueTotal =
            float(double(valueTotal) + Values::numericValue(m_list.subItem(line, ValueColumn)));
        unitsTotal = Values::toInt32(double(unitsTotal) +
                                     Values::numericValue(m_list.subItem(line, UnitsColumn)));
    }

    // The closing rules and the totals stay together on one page: four
    // lines and the 20 twips by which each rule moves the position down.
    keepRoomFor(4 * lineHeight + 40);
    p.Print();
    printRule();
    p.Print();
    p.setFontBold(true);
    p.setFontItalic(true);
    p.setCurrentX(TotalsCaptionLeft);
    p.Print(QStringLiteral("Totals"), false);
    p.setFontBold(false);
    p.setFontItalic(false);
    p.setCurrentX(ValueTotalLeft);
    p.Print(Values::formatNumber(valueTotal, MoneyMask), false);
    p.setCurrentX(UnitsTotalLeft);
    p.Print(Values::signBlank(unitsTotal));
    p.Print();
    printRule();
}
