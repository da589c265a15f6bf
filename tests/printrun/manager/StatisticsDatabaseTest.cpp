#include "printrun/manager/StatisticsDatabase.h"

#include <QFile>
#include <QFileInfo>

#include "platform/database/Database.h"
#include "platform/database/Recordset.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class StatisticsDatabaseTest : public TempDirTest
{
protected:
    // Every row as "yyyy-MM-dd letter qty", in stored order.
    static QStringList rows()
    {
        QStringList result;
        Database database;
        EXPECT_TRUE(database.open(StatisticsDatabase::filePath()))
            << database.errorString().toStdString();
        auto records = database.openRecordset(QStringLiteral("Stats"));
        EXPECT_TRUE(records) << database.errorString().toStdString();
        if (!records)
            return result;
        while (!records->eof()) {
            result << QStringLiteral("%1 %2 %3")
                          .arg(records->value(QStringLiteral("Date"))
                                   .toDateTime()
                                   .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                               QString(QChar(records->value(QStringLiteral("TID")).toInt())))
                          .arg(records->value(QStringLiteral("Qty")).toLongLong());
            records->moveNext();
        }
        return result;
    }
};

} // namespace

TEST_F(StatisticsDatabaseTest, CreateStatsDbMakesAnEmptyStatsTableOfThreeTypedFields)
{
    StatisticsDatabase stats;
    ASSERT_TRUE(stats.CreateStatsDb()) << stats.errorString().toStdString();
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("Brevox.MDB")));
    EXPECT_TRUE(StatisticsDatabase::exists());

    Database database;
    ASSERT_TRUE(database.open(QStringLiteral("Brevox.MDB")));
    EXPECT_EQ(database.tableNames(), QStringList{QStringLiteral("Stats")});
    auto types = database.openRecordset(
        QStringLiteral("SELECT name, type FROM pragma_table_info('Stats') ORDER BY cid"));
    ASSERT_TRUE(types) << database.errorString().toStdString();
    QStringList fields;
    while (!types->eof()) {
        fields << types->value(QStringLiteral("name")).toString() + u':' +
                      types->value(QStringLiteral("type")).toString();
        types->moveNext();
    }
    EXPECT_EQ(fields, (QStringList{QStringLiteral("Date:DATETIME"), QStringLiteral("Qty:INTEGER"),
                                   QStringLiteral("TID:SMALLINT")}));
    auto records = database.openRecordset(QStringLiteral("Stats"));
    ASSERT_TRUE(records);
    EXPECT_EQ(records->recordCount(), 0);
}

TEST_F(StatisticsDatabaseTest, CreateStatsDbNeverOverwritesAnExistingFile)
{
    // Looked up without regard to case, as the program spells it both ways.
    writeBytes(QStringLiteral("brevox.mdb"), QByteArray("keep me"));
    EXPECT_TRUE(StatisticsDatabase::exists());
    StatisticsDatabase stats;
    EXPECT_FALSE(stats.CreateStatsDb());
    EXPECT_FALSE(stats.errorString().isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("brevox.mdb")), QByteArray("keep me"));
}

TEST_F(StatisticsDatabaseTest, JetDateLiteral)
{
    struct Case
    {
        const char* name;
        QVariant value;
        const char* expected;
    };
    const Case cases[] = {
        {"midnight", QDate(2026, 12, 8), "#12/08/2026 00:00:00#"},
        {"time kept", QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)), "#12/08/2026 14:05:09#"},
        {"month first", QDate(2025, 1, 3), "#01/03/2025 00:00:00#"},
        {"invalid date", QDate(), "#01/01/1900#"},
        {"text", QStringLiteral("08/12/2026"), "#01/01/1900#"},
        {"nothing", QVariant(), "#01/01/1900#"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StatisticsDatabase::JetDateLiteral(c.value), QString::fromLatin1(c.expected))
            << c.name;
}

TEST_F(StatisticsDatabaseTest, PrintedTicketsAddToTheRowOfTheirDayAndLetter)
{
    StatisticsDatabase stats;
    ASSERT_TRUE(stats.CreateStatsDb());
    struct Run
    {
        QDate day;
        const char* letter;
        int printed;
    };
    const Run runs[] = {
        {QDate(2026, 12, 8), "A", 5},  {QDate(2026, 12, 8), "A", 3}, {QDate(2026, 12, 8), "B", 2},
        {QDate(2026, 12, 9), "A", 1},  {QDate(2026, 12, 8), "J", 4}, {QDate(2026, 12, 8), "B", 0},
        {QDate(2026, 12, 8), "A", 12},
    };
    for (const Run& run : runs)
        ASSERT_TRUE(stats.addPrintedTickets(run.day, QString::fromLatin1(run.letter), run.printed))
            << stats.errorString().toStdString();

    EXPECT_EQ(rows(), (QStringList{QStringLiteral("2026-12-08 00:00:00 A 20"),
                                   QStringLiteral("2026-12-08 00:00:00 B 2"),
                                   QStringLiteral("2026-12-09 00:00:00 A 1"),
                                   QStringLiteral("2026-12-08 00:00:00 J 4")}));
}

TEST_F(StatisticsDatabaseTest, CountIsStoredWhenTheDatabaseWentMissing)
{
    StatisticsDatabase stats;
    ASSERT_TRUE(stats.addPrintedTickets(QDate(2026, 3, 1), QStringLiteral("C"), 7))
        << stats.errorString().toStdString();
    EXPECT_EQ(rows(), QStringList{QStringLiteral("2026-03-01 00:00:00 C 7")});
}

TEST_F(StatisticsDatabaseTest, AnEmptyFileGetsItsTableBackOnTheNextCount)
{
    writeBytes(QStringLiteral("Brevox.MDB"), QByteArray());
    StatisticsDatabase stats;
    ASSERT_TRUE(stats.addPrintedTickets(QDate(2026, 3, 1), QStringLiteral("A"), 2))
        << stats.errorString().toStdString();
    EXPECT_EQ(rows(), QStringList{QStringLiteral("2026-03-01 00:00:00 A 2")});
}

TEST_F(StatisticsDatabaseTest, CountsThatCannotBeStoredAreRefusedAndChangeNothing)
{
    StatisticsDatabase stats;
    ASSERT_TRUE(stats.CreateStatsDb());
    ASSERT_TRUE(stats.addPrintedTickets(QDate(2026, 3, 1), QStringLiteral("A"), 2147483000));

    struct Case
    {
        const char* name;
        QDate day;
        QString letter;
        int printed;
    };
    const Case cases[] = {
        {"past the 32-bit count", QDate(2026, 3, 1), QStringLiteral("A"), 1000},
        {"letter past J", QDate(2026, 3, 1), QStringLiteral("K"), 1},
        {"lower-case letter", QDate(2026, 3, 1), QStringLiteral("a"), 1},
        {"no letter", QDate(2026, 3, 1), QString(), 1},
        {"two letters", QDate(2026, 3, 1), QStringLiteral("AB"), 1},
        {"no day", QDate(), QStringLiteral("A"), 1},
        {"negative count", QDate(2026, 3, 1), QStringLiteral("A"), -1},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(stats.addPrintedTickets(c.day, c.letter, c.printed)) << c.name;
        EXPECT_FALSE(stats.errorString().isEmpty()) << c.name;
    }
    EXPECT_EQ(rows(), QStringList{QStringLiteral("2026-03-01 00:00:00 A 2147483000")});
}

TEST_F(StatisticsDatabaseTest, AFileOfAnotherKindIsReportedAndKept)
{
    const QByteArray jet = QByteArray("\0\1\0\0Standard Jet DB\0", 20) + QByteArray(4000, '\0');
    writeBytes(QStringLiteral("Brevox.MDB"), jet);
    StatisticsDatabase stats;
    EXPECT_FALSE(stats.addPrintedTickets(QDate(2026, 3, 1), QStringLiteral("A"), 2));
    EXPECT_TRUE(stats.errorString().contains(QStringLiteral("Brevox.MDB")))
        << stats.errorString().toStdString();
    QList<StatisticsRow> read;
    EXPECT_FALSE(stats.readAll(read));
    EXPECT_EQ(readBytes(QStringLiteral("Brevox.MDB")), jet);
}

TEST_F(StatisticsDatabaseTest, ReadAllGivesRowsInDateOrder)
{
    StatisticsDatabase stats;
    ASSERT_TRUE(stats.CreateStatsDb());
    ASSERT_TRUE(stats.addPrintedTickets(QDate(2026, 1, 10), QStringLiteral("B"), 3));
    ASSERT_TRUE(stats.addPrintedTickets(QDate(2025, 12, 31), QStringLiteral("A"), 4));
    ASSERT_TRUE(stats.addPrintedTickets(QDate(2026, 1, 2), QStringLiteral("A"), 5));
    QList<StatisticsRow> read;
    ASSERT_TRUE(stats.readAll(read)) << stats.errorString().toStdString();
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[0].Date, QDateTime(QDate(2025, 12, 31), QTime(0, 0)));
    EXPECT_EQ(read[0].Qty, 4);
    EXPECT_EQ(read[0].TID, 65);
    EXPECT_EQ(read[1].Date.date(), QDate(2026, 1, 2));
    EXPECT_EQ(read[2].Date.date(), QDate(2026, 1, 10));
    EXPECT_EQ(read[2].TID, 66);
}
