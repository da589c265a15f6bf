#include <QDate>
#include <gtest/gtest.h>

#include "entry/window/MainFrm.h"
#include "entry/window/TicketRunReport.h"
#include "platform/controls/ListView.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printers.h"
#include "platform/printing/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "tests/platform/printing/PdfRaster.h"

using namespace platform;

// The ticket-run report on the recording printer: every text at its twips,
// fonts, rules, totals and page breaks; and once on the PDF printer.
namespace {

using Call = RecordingPrinter::Call;

const QDate Today(2026, 12, 8);

struct Line
{
    QString rec;
    QStringList subItems; // 1 to 9
};

class TicketRunReportTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        for (const char* header : {"Rec", "Title", "Supplier", "Description", "Clr", "Fit", "Scale",
                                   "PP/Unit", "Total", "Units"})
            m_list.addColumnHeader(QString::fromLatin1(header), 900);
    }

    void add(const QString& rec, const QString& title, const QString& price, const QString& total,
             const QString& units)
    {
        m_list.addItem(rec, {title, "ACME", "JEANS", "BLU", "REG", "WAIST", price, total, units});
    }

    // Runs the report and answers its two boxes.
    void run(Printer& printer)
    {
        m_dialogs.answerMessage(Dialogs::Answer::OK);
        m_dialogs.answerMessage(Dialogs::Answer::OK);
        TicketRunReport(m_list, printer, m_dialogs).run(Today);
    }

    // The texts printed on one line (same page and top), left to right, with
    // their left edges.
    static QList<std::pair<double, QString>> lineAt(const RecordingPrinter& printer, int page,
                                                    double top)
    {
        QList<std::pair<double, QString>> texts;
        for (const Call& call : printer.callsOf(Call::Kind::Text)) {
            if (call.page == page && qAbs(call.rect.top() - top) < 0.01)
                texts << std::make_pair(call.rect.left(), call.text);
        }
        return texts;
    }

    ListView m_list;
    ScriptedDialogs m_dialogs;
};

QList<std::pair<double, QString>> row(const QStringList& values)
{
    const int lefts[] = {200, 1000, 3000, 4500, 6000, 6500, 7000, 8000, 9500, 10500};
    QList<std::pair<double, QString>> texts;
    for (int i = 0; i < values.size(); ++i)
        texts << std::make_pair(double(lefts[i]), values[i]);
    return texts;
}

TEST_F(TicketRunReportTest, EveryLineLandsInItsColumnsBelowTitleHeadingsAndRule)
{
    add("7", "T : 2", "5", "10", "3");
    add("12345", "SUMMER DRESS", "2.5", "1234.5", "1");
    RecordingPrinter printer;
    const double h = printer.TextHeight(QString());
    run(printer);

    // Title, bold, at the left edge; then an empty line.
    const auto title = lineAt(printer, 1, 0);
    ASSERT_EQ(title.size(), 1);
    EXPECT_EQ(title[0].second, QStringLiteral("Ticket run Report. Printed: 12-08-2026"));
    EXPECT_EQ(title[0].first, 0);
    EXPECT_TRUE(printer.calls()[0].font.bold);
    EXPECT_FALSE(printer.calls()[0].font.italic);

    // Headings in bold italic, two lines down.
    EXPECT_EQ(lineAt(printer, 1, 2 * h), row({"Record", "Title", "Supplier", "Description", "Clr",
                                              "Fit", "Scale", "PP/Unit", "Total", "Units"}));
    for (const Call& call : printer.callsOf(Call::Kind::Text)) {
        if (call.rect.top() == 2 * h) {
            EXPECT_TRUE(call.font.bold && call.font.italic) << qPrintable(call.text);
        }
    }

    // The rule: black, 20 twips below the top of the line after the
    // headings; the rows follow one line below the rule.
    const auto rules = printer.callsOf(Call::Kind::Line);
    ASSERT_EQ(rules.size(), 3);
    EXPECT_EQ(rules[0].line, QLineF(1, 3 * h + 20, 20000, 3 * h + 20));
    EXPECT_EQ(rules[0].colour, 0);

    const double firstRow = 4 * h + 20;
    EXPECT_EQ(lineAt(printer, 1, firstRow),
              row({"0007", "T : 2", "ACME", "JEANS", "BLU", "REG", "WAIST", "5.00", "10.00", "3"}));
    EXPECT_EQ(lineAt(printer, 1, firstRow + h),
              row({"12345", "SUMMER DRESS", "ACME", "JEANS", "BLU", "REG", "WAIST", "2.50",
                   "1234.50", "1"}));
    for (const Call& call : printer.callsOf(Call::Kind::Text)) {
        if (call.rect.top() >= firstRow && call.rect.top() < firstRow + 2 * h) {
            EXPECT_FALSE(call.font.bold || call.font.italic) << qPrintable(call.text);
        }
    }

    // An empty line, the rule, an empty line, the totals, an empty line and
    // the last rule.
    const double afterRows = firstRow + 2 * h;
    EXPECT_EQ(rules[1].line, QLineF(1, afterRows + h + 20, 20000, afterRows + h + 20));
    const double totalsTop = afterRows + 2 * h + 20;
    const auto totals = lineAt(printer, 1, totalsTop);
    EXPECT_EQ(totals, (QList<std::pair<double, QString>>{
                          {8000, "Totals"}, {9500, "1244.50"}, {10500, " 4"}}));
    EXPECT_EQ(rules[2].line, QLineF(1, totalsTop + 2 * h + 20, 20000, totalsTop + 2 * h + 20));
    const auto texts = printer.callsOf(Call::Kind::Text);
    EXPECT_TRUE(texts[texts.size() - 3].font.bold && texts[texts.size() - 3].font.italic);
    EXPECT_FALSE(texts[texts.size() - 2].font.bold || texts[texts.size() - 1].font.italic);

    // One document of one page, then the confirmation.
    EXPECT_EQ(printer.endedDocuments(), 1);
    EXPECT_EQ(printer.pagesPerDocument(), QList<int>{1});
    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages()[0].text,
              QStringLiteral("Check your printer is ready to print the report then press ok."));
    EXPECT_EQ(m_dialogs.messages()[0].title, QStringLiteral("Is printer ready."));
    EXPECT_EQ(m_dialogs.messages()[0].icon, Dialogs::Icon::Information);
    EXPECT_EQ(m_dialogs.messages()[1].text, QStringLiteral("Report printed ok."));
    EXPECT_EQ(m_dialogs.messages()[1].title, QStringLiteral("Print Report"));
    EXPECT_EQ(m_dialogs.messages()[1].icon, Dialogs::Icon::Information);
}

TEST_F(TicketRunReportTest, TotalsAddTheValuesAndUnitsOfEveryLine)
{
    const struct
    {
        const char* name;
        QList<std::pair<const char*, const char*>> lines; // total, units
        const char* value;
        const char* units;
    } cases[] = {
        {"two lines", {{"10.00", "3"}, {"2.50", "1"}}, "12.50", " 4"},
        {"units round after each line", {{"1", "2.5"}, {"1", "2.5"}}, "2.00", " 4"},
        {"negative units keep their sign", {{"0", "-5"}}, "0.00", "-5"},
        {"single precision", {{"0.1", "1"}, {"0.2", "1"}, {"0.3", "1"}}, "0.60", " 3"},
        {"text that is no number counts 0", {{"abc", "x"}}, "0.00", " 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_list.clearItems();
        for (const auto& line : c.lines)
            add("1", "T", "1", QString::fromLatin1(line.first), QString::fromLatin1(line.second));
        RecordingPrinter printer;
        run(printer);
        const QStringList texts = printer.texts();
        ASSERT_GE(texts.size(), 3);
        EXPECT_EQ(texts.mid(texts.size() - 3), (QStringList{"Totals", QString::fromLatin1(c.value),
                                                            QString::fromLatin1(c.units)}));
    }
}

TEST_F(TicketRunReportTest, EmptyListIsRefusedWithoutTouchingThePrinter)
{
    RecordingPrinter printer;
    m_dialogs.answerMessage(Dialogs::Answer::OK);
    TicketRunReport(m_list, printer, m_dialogs).run(Today);

    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].text,
              QStringLiteral("Cant produce report. No tickets in print file."));
    EXPECT_EQ(m_dialogs.messages()[0].title, QStringLiteral("Print Report"));
    EXPECT_EQ(m_dialogs.messages()[0].icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(printer.calls().isEmpty());
    EXPECT_TRUE(printer.pagesPerDocument().isEmpty());
}

TEST_F(TicketRunReportTest, RowsFollowTheListsDisplayOrder)
{
    add("3", "CHARLIE", "1", "1", "1");
    add("1", "ALPHA", "1", "1", "1");
    add("2", "BRAVO", "1", "1", "1");
    m_list.setSortKey(1);
    m_list.setSorted(true);
    RecordingPrinter printer;
    run(printer);

    QStringList records;
    for (const Call& call : printer.callsOf(Call::Kind::Text)) {
        if (call.rect.left() == 200 && call.text != QStringLiteral("Record"))
            records << call.text;
    }
    EXPECT_EQ(records, (QStringList{"0001", "0002", "0003"}));
}

TEST_F(TicketRunReportTest, LongTitleRunsIntoTheNextColumnUncut)
{
    const QString title = QStringLiteral("A VERY LONG TITLE THAT RUNS ON");
    add("1", title, "1", "1", "1");
    RecordingPrinter printer;
    run(printer);
    for (const Call& call : printer.callsOf(Call::Kind::Text)) {
        if (call.text == title) {
            EXPECT_EQ(call.rect.left(), 1000);
            EXPECT_GT(call.rect.right(), 3000);
            return;
        }
    }
    FAIL() << "title not printed";
}

TEST_F(TicketRunReportTest, RowsPastTheBottomOfThePageContinueOnTheNext)
{
    const int lines = 40;
    for (int i = 1; i <= lines; ++i)
        add(QString::number(i), QStringLiteral("T"), "1", "2", "1");
    // A printable area of 4000 twips: 17 lines a page.
    RecordingPrinter printer(QStringLiteral("Small"), QMarginsF(0, 6000, 0, 16838 - 10000));
    ASSERT_NEAR(printer.ScaleHeight(), 4000, 1);
    const double h = printer.TextHeight(QString());
    run(printer);

    QList<Call> records;
    for (const Call& call : printer.callsOf(Call::Kind::Text)) {
        if (call.rect.left() == 200 && call.text != QStringLiteral("Record"))
            records << call;
    }
    ASSERT_EQ(records.size(), lines);
    int page = 1;
    for (int i = 0; i < lines; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(records[i].text, QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0')));
        // Nothing runs off the bottom of the printable area.
        EXPECT_LE(records[i].rect.bottom(), 4000);
        if (records[i].page != page) {
            EXPECT_EQ(records[i].page, page + 1);
            // A new page starts at its top.
            EXPECT_EQ(records[i].rect.top(), 0);
            page = records[i].page;
        } else if (i > 0) {
            EXPECT_DOUBLE_EQ(records[i].rect.top(), records[i - 1].rect.top() + h);
        }
    }
    EXPECT_GE(page, 3);

    // The closing rules and the totals stand together on one page, inside it.
    const auto rules = printer.callsOf(Call::Kind::Line);
    ASSERT_EQ(rules.size(), 3);
    EXPECT_EQ(rules[1].page, rules[2].page);
    EXPECT_LE(rules[2].line.y1(), 4000);
    const auto texts = printer.callsOf(Call::Kind::Text);
    EXPECT_EQ(texts.last().text, QStringLiteral(" 40"));
    EXPECT_EQ(texts.last().page, rules[2].page);
    EXPECT_EQ(texts[texts.size() - 2].text, QStringLiteral("80.00"));
    EXPECT_EQ(printer.pagesPerDocument(), QList<int>{rules[2].page});
    EXPECT_EQ(printer.endedDocuments(), 1);
}

TEST_F(TicketRunReportTest, PrinterFailureIsReportedInsteadOfSuccess)
{
    add("1", "T", "1", "1", "1");
    RecordingPrinter printer;
    printer.failNextDocument(QStringLiteral("The printer is out of paper."));
    run(printer);

    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(
        m_dialogs.messages()[1].text,
        QStringLiteral("The report could not be printed.\r\n\r\nThe printer is out of paper."));
    EXPECT_EQ(m_dialogs.messages()[1].title, QStringLiteral("Print Report"));
    EXPECT_EQ(m_dialogs.messages()[1].icon, Dialogs::Icon::Critical);
}

TEST_F(TicketRunReportTest, PrintReportButtonPrintsOnTheCurrentPrinter)
{
    Printers printers({QStringLiteral("Recorder")}, QStringLiteral("Recorder"),
                      [](const QString& name) { return std::make_unique<RecordingPrinter>(name); });
    Printers::install(&printers);
    {
        MainFrm frm;
        frm.Form_Load();
        frm.ListView2->clearItems();
        frm.ListView2->addItem("7",
                               {"T : 2", "SUPP", "DESC", "RED", "S", "KIDS", "9.99", "19.98", "2"});
        m_dialogs.answerMessage(Dialogs::Answer::OK);
        m_dialogs.answerMessage(Dialogs::Answer::OK);
        const QDate before = QDate::currentDate();
        frm.Command10_Click();
        const QDate after = QDate::currentDate();

        auto& printer = static_cast<RecordingPrinter&>(printers.current());
        ASSERT_FALSE(printer.texts().isEmpty());
        const QString title = printer.texts().first();
        EXPECT_TRUE(title == QStringLiteral("Ticket run Report. Printed: ") +
                                 before.toString(QStringLiteral("MM-dd-yyyy")) ||
                    title == QStringLiteral("Ticket run Report. Printed: ") +
                                 after.toString(QStringLiteral("MM-dd-yyyy")))
            << qPrintable(title);
        EXPECT_TRUE(printer.texts().contains(QStringLiteral("19.98")));
        EXPECT_EQ(printer.endedDocuments(), 1);
        EXPECT_EQ(m_dialogs.messages().last().text, QStringLiteral("Report printed ok."));
        // The report changes nothing in the list.
        EXPECT_EQ(frm.ListView2->itemCount(), 1);
    }
    Printers::install(nullptr);
}

TEST_F(TicketRunReportTest, ReportOnThePdfPrinterPutsInkInItsRows)
{
    REQUIRE_PDFTOPPM();
    add("7", "T : 2", "5", "10", "3");
    add("12345", "SUMMER DRESS", "2.5", "1234.5", "1");
    add("42", "WINTER COAT", "89.99", "179.98", "2");
    PdfPrinter printer;
    const double h = printer.TextHeight(QString());
    run(printer);
    ASSERT_EQ(m_dialogs.messages().last().text, QStringLiteral("Report printed ok."));
    ASSERT_EQ(PdfRaster::pageCount(printer.lastFile()), 1);

    QString png;
    const QImage page = PdfRaster::page(printer.lastFile(), 100, 1, &png);
    ASSERT_FALSE(page.isNull());
    PdfRaster::keep(png);
    const auto px = [](double twips) { return int(PdfRaster::pixels(twips, 100)); };
    // Each rule spans the page at its twips.
    for (double y : {3 * h + 20, 4 * h + 20 + 4 * h + 20, 4 * h + 20 + 7 * h + 40}) {
        const QRect band(0, px(y) - 2, page.width(), 5);
        const QRect ink = PdfRaster::inkBounds(page, band);
        EXPECT_LE(ink.left(), 1) << y;
        EXPECT_GE(ink.right(), page.width() - 2) << y;
    }
    // Each row has ink in each column, starting at the column's left edge;
    // the space left of the record column stays white.
    const int lefts[] = {200, 1000, 3000, 4500, 6000, 6500, 7000, 8000, 9500, 10500};
    for (int line = 0; line < 3; ++line) {
        const double top = 4 * h + 20 + line * h;
        for (int left : lefts) {
            const QRect cell(px(left), px(top), px(400), px(h));
            const QRect ink = PdfRaster::inkBounds(page, cell);
            ASSERT_FALSE(ink.isEmpty()) << line << " " << left;
            EXPECT_LE(ink.left(), px(left) + 2) << line << " " << left;
        }
        EXPECT_TRUE(
            PdfRaster::inkBounds(page, QRect(0, px(top) + 1, px(200) - 1, px(h) - 2)).isEmpty());
    }
    // The totals row: "Totals", the value and the units after a blank.
    const double totalsTop = 4 * h + 20 + 5 * h + 20;
    for (int left : {8000, 9500}) {
        const QRect ink =
            PdfRaster::inkBounds(page, QRect(px(left), px(totalsTop), px(600), px(h)));
        ASSERT_FALSE(ink.isEmpty()) << left;
        EXPECT_LE(ink.left(), px(left) + 2);
    }
    const QRect units = PdfRaster::inkBounds(page, QRect(px(10500), px(totalsTop), px(600), px(h)));
    ASSERT_FALSE(units.isEmpty());
    EXPECT_GE(units.left(), px(10500 + printer.TextWidth(QStringLiteral(" "))) - 1);
}

} // namespace
