#include "printrun/manager/TicketStats.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>

#include "platform/controls/ComboBox.h"
#include "printrun/manager/StatisticsChart.h"
#include "printrun/manager/StatisticsDatabase.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

const QStringList Months = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
                            QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
                            QStringLiteral("Jul"), QStringLiteral("Aug"), QStringLiteral("Sep"),
                            QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};

class StatisticsChartTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        StatisticsDatabase stats;
        ASSERT_TRUE(stats.CreateStatsDb()) << stats.errorString().toStdString();
    }

    void add(int y, int m, int d, const char* letter, int qty)
    {
        StatisticsDatabase stats;
        ASSERT_TRUE(stats.addPrintedTickets(QDate(y, m, d), QString::fromLatin1(letter), qty))
            << stats.errorString().toStdString();
    }

    // Rows of three years, two letters: the chart's known table.
    void addThreeYears()
    {
        add(2024, 6, 5, "A", 100); // only Overall, the since date and the range
        add(2025, 3, 2, "A", 10);  // year before, March
        add(2025, 3, 20, "B", 7);  // year before, March, letter B
        add(2025, 12, 31, "A", 3); // year before, December
        add(2026, 1, 1, "A", 11);  // first of a month counts in that month
        add(2026, 3, 4, "A", 20);  // two days of March add up
        add(2026, 3, 28, "A", 5);
        add(2026, 3, 28, "B", 8);
        add(2026, 11, 30, "B", 2);
    }

    // Column values of the chart, months 1..12.
    static QList<qint64> column(const StatisticsChart& chart, int c)
    {
        QList<qint64> values;
        for (int row = 1; row <= 12; ++row)
            values << chart.Data(row, c);
        return values;
    }

    static QStringList rowLabels(const StatisticsChart& chart)
    {
        QStringList labels;
        for (int row = 1; row <= chart.RowCount(); ++row)
            labels << chart.RowLabel(row);
        return labels;
    }

    // The month labels with the current month's in capitals.
    static QStringList labelsWithCurrentMonth()
    {
        QStringList labels = Months;
        const int month = QDate::currentDate().month();
        labels[month - 1] = labels[month - 1].toUpper();
        return labels;
    }

    static void chooseType(TicketStats& window, int index)
    {
        window.Combo1->setListIndex(index);
        window.Combo1_Click();
    }
};

} // namespace

TEST_F(StatisticsChartTest, YearComparedWithTheYearBeforeForAllTickets)
{
    addThreeYears();
    TicketStats window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Statistics"));
    ASSERT_EQ(window.Stats(2026), 2026);

    const StatisticsChart& chart = *window.MSChart1;
    EXPECT_EQ(chart.RowCount(), 12);
    EXPECT_EQ(chart.ColumnCount(), 2);
    EXPECT_EQ(chart.ColumnLabel(1), QStringLiteral("2026"));
    EXPECT_EQ(chart.ColumnLabel(2), QStringLiteral("2025"));
    EXPECT_EQ(column(chart, 1), (QList<qint64>{11, 0, 33, 0, 0, 0, 0, 0, 0, 0, 2, 0}));
    EXPECT_EQ(column(chart, 2), (QList<qint64>{0, 0, 17, 0, 0, 0, 0, 0, 0, 0, 0, 3}));
    EXPECT_EQ(rowLabels(chart), labelsWithCurrentMonth());
    EXPECT_EQ(window.HScroll1->minimum(), 2024);
    EXPECT_EQ(window.HScroll1->maximum(), std::max(2026, QDate::currentDate().year()));
    EXPECT_EQ(window.HScroll1->value(), 2026);
    EXPECT_EQ(chart.TitleText(),
              QStringLiteral("Total tickets printed per month in 2026 for ticket "
                             "type (All Tickets) compared with 2025"));
    EXPECT_EQ(chart.FootnoteText(),
              QStringLiteral("All Tickets in 2026 = 46       Overall = 166 ( since 05/06/2024 )"));

    // What is drawn is the grid: one bar set per column, named by its label.
    const QList<QBarSet*> sets = chart.series()->barSets();
    ASSERT_EQ(sets.size(), 2);
    EXPECT_EQ(sets[0]->label(), QStringLiteral("2026"));
    EXPECT_EQ(sets[1]->label(), QStringLiteral("2025"));
    for (int row = 1; row <= 12; ++row) {
        EXPECT_EQ(sets[0]->at(row - 1), double(chart.Data(row, 1))) << row;
        EXPECT_EQ(sets[1]->at(row - 1), double(chart.Data(row, 2))) << row;
    }
}

TEST_F(StatisticsChartTest, OneLetterCountsOnlyItsRows)
{
    addThreeYears();
    TicketStats window;
    chooseType(window, 2);           // "B"
    window.HScroll1->setValue(2026); // fills through the scroll bar's change
    const StatisticsChart& chart = *window.MSChart1;
    EXPECT_EQ(column(chart, 1), (QList<qint64>{0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 2, 0}));
    EXPECT_EQ(column(chart, 2), (QList<qint64>{0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(chart.TitleText(),
              QStringLiteral("Total tickets printed per month in 2026 for ticket "
                             "type (B) compared with 2025"));
    EXPECT_EQ(chart.FootnoteText(),
              QStringLiteral("B in 2026 = 10       Overall = 17 ( since 05/06/2024 )"));
}

TEST_F(StatisticsChartTest, LetterWithoutRowsShowsZerosButKeepsRangeAndSinceDate)
{
    add(2025, 2, 14, "A", 9);
    add(2026, 5, 1, "A", 4);
    TicketStats window;
    chooseType(window, 3); // "C"
    window.Stats(2026);
    const StatisticsChart& chart = *window.MSChart1;
    EXPECT_EQ(column(chart, 1), QList<qint64>(12, 0));
    EXPECT_EQ(column(chart, 2), QList<qint64>(12, 0));
    EXPECT_EQ(chart.FootnoteText(),
              QStringLiteral("C in 2026 = 0       Overall = 0 ( since 14/02/2025 )"));
    EXPECT_EQ(window.HScroll1->minimum(), 2025);
}

TEST_F(StatisticsChartTest, MovingTheYearComparesThatYearWithTheOneBefore)
{
    addThreeYears();
    TicketStats window;
    window.Stats(2026);
    window.HScroll1->setValue(2025);
    const StatisticsChart& chart = *window.MSChart1;
    EXPECT_EQ(chart.ColumnLabel(1), QStringLiteral("2025"));
    EXPECT_EQ(chart.ColumnLabel(2), QStringLiteral("2024"));
    EXPECT_EQ(column(chart, 1), (QList<qint64>{0, 0, 17, 0, 0, 0, 0, 0, 0, 0, 0, 3}));
    EXPECT_EQ(column(chart, 2), (QList<qint64>{0, 0, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rowLabels(chart), labelsWithCurrentMonth());
    EXPECT_EQ(chart.FootnoteText(),
              QStringLiteral("All Tickets in 2025 = 20       Overall = 166 ( since 05/06/2024 )"));
}

TEST_F(StatisticsChartTest, OpensOnTheCurrentYearForAllTickets)
{
    const QDate today = QDate::currentDate();
    add(today.year(), today.month(), 1, "D", 6);
    add(today.year() - 1, today.month(), 1, "A", 2);
    TicketStats window;
    EXPECT_EQ(window.Combo1->ListCount(), 11);
    EXPECT_EQ(window.Combo1->Text(), QStringLiteral("All Tickets"));
    EXPECT_EQ(window.Combo1->List(10), QStringLiteral("J"));
    EXPECT_EQ(window.HScroll1->value(), today.year());
    EXPECT_EQ(window.MSChart1->Data(today.month(), 1), 6);
    EXPECT_EQ(window.MSChart1->Data(today.month(), 2), 2);
    EXPECT_EQ(window.MSChart1->TitleText(),
              QStringLiteral("Total tickets printed per month in %1 for ticket type (All Tickets) "
                             "compared with %2")
                  .arg(today.year())
                  .arg(today.year() - 1));
}

TEST_F(StatisticsChartTest, EmptyTableShowsOnlyZeros)
{
    TicketStats window;
    const StatisticsChart& chart = *window.MSChart1;
    EXPECT_EQ(column(chart, 1), QList<qint64>(12, 0));
    EXPECT_EQ(column(chart, 2), QList<qint64>(12, 0));
    EXPECT_EQ(rowLabels(chart), Months);
    EXPECT_EQ(window.HScroll1->value(), QDate::currentDate().year());
    EXPECT_TRUE(chart.TitleText().isEmpty());
}

TEST_F(StatisticsChartTest, AYearWithoutRowsStaysShownAndInRange)
{
    add(2023, 4, 4, "A", 1);
    add(2024, 4, 4, "A", 2);
    TicketStats window;
    const int year = QDate::currentDate().year();
    EXPECT_EQ(window.HScroll1->value(), year);
    EXPECT_EQ(window.HScroll1->minimum(), 2023);
    EXPECT_EQ(window.HScroll1->maximum(), year);
    EXPECT_EQ(window.MSChart1->ColumnLabel(1), QString::number(year));
}

TEST_F(StatisticsChartTest, UnreadableDatabaseIsReported)
{
    QFile::remove(path(QStringLiteral("Brevox.MDB")));
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    TicketStats window;
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("Statistics"));
    EXPECT_EQ(dialogs.messages()[0].icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(dialogs.messages()[0].text.startsWith(
        QStringLiteral("Unable to read the ticket statistics.")));
    EXPECT_EQ(column(*window.MSChart1, 1), QList<qint64>(12, 0));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Brevox.MDB")))); // the chart never writes
}

TEST_F(StatisticsChartTest, ResizeKeepsTheChartAboveTheYearAndTypeControls)
{
    TicketStats window;
    window.resize(9000 / 15, 6000 / 15);
    window.Form_Resize();
    const int outerHeight = window.frameGeometry().height() * 15;
    EXPECT_EQ(window.MSChart1->Left(), 0);
    EXPECT_EQ(window.MSChart1->Top(), 0);
    EXPECT_EQ(window.MSChart1->Width(), window.frameGeometry().width() * 15 - 120);
    EXPECT_EQ(window.MSChart1->Height(), outerHeight - 1000);
    EXPECT_EQ(window.HScroll1->Top(), outerHeight - 1000);
    EXPECT_EQ(window.Combo1->Top(), outerHeight - 1000);

    // A window of 3000 twips or less keeps the last layout.
    window.resize(9000 / 15, 2700 / 15);
    window.Form_Resize();
    EXPECT_EQ(window.HScroll1->Top(), outerHeight - 1000);
}

TEST_F(StatisticsChartTest, GrabbedWindowShowsTheBars)
{
    addThreeYears();
    TicketStats window;
    window.Stats(2026);
    window.Show();
    QCoreApplication::processEvents();
    const QPixmap picture = window.grab();
    const QString file =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("TicketStats.png"));
    ASSERT_TRUE(picture.save(file)) << file.toStdString();

    // Both series' colours appear: bars were drawn, not an empty plot.
    const QImage image = picture.toImage();
    const QList<QBarSet*> sets = window.MSChart1->series()->barSets();
    ASSERT_EQ(sets.size(), 2);
    for (QBarSet* set : sets) {
        const QRgb colour = set->color().rgb();
        int pixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                pixels += image.pixel(x, y) == colour ? 1 : 0;
        }
        EXPECT_GT(pixels, 50) << set->label().toStdString();
    }
}
