#include "platform/database/Database.h"
#include "platform/database/Recordset.h"

#include <QFile>
#include <QFileInfo>

#include "support/TempDirTest.h"

using namespace platform;

namespace {

const QString File = QStringLiteral("Counts.MDB");

class DatabaseTest : public TempDirTest
{
protected:
    // A table of the three field types, with the rows given as
    // (date, long, integer).
    void makeTable(const QList<std::tuple<QDateTime, qint64, int>>& rows = {})
    {
        Database database;
        ASSERT_TRUE(database.create(File)) << database.errorString().toStdString();
        ASSERT_TRUE(database.createTable(QStringLiteral("T"),
                                         {{QStringLiteral("Day"), Database::FieldType::Date},
                                          {QStringLiteral("Count"), Database::FieldType::Long},
                                          {QStringLiteral("Code"), Database::FieldType::Integer}}))
            << database.errorString().toStdString();
        auto records = database.openRecordset(QStringLiteral("T"));
        ASSERT_TRUE(records) << database.errorString().toStdString();
        for (const auto& [day, count, code] : rows) {
            ASSERT_TRUE(records->addNew());
            ASSERT_TRUE(records->setValue(QStringLiteral("Day"), day));
            ASSERT_TRUE(records->setValue(QStringLiteral("Count"), count));
            ASSERT_TRUE(records->setValue(QStringLiteral("Code"), code));
            ASSERT_TRUE(records->update()) << records->errorString().toStdString();
        }
    }

    static QDateTime at(int y, int m, int d, int h = 0, int n = 0, int s = 0)
    {
        return QDateTime(QDate(y, m, d), QTime(h, n, s));
    }

    // The Count column of every row of a query, in order.
    static QList<qint64> counts(Database& database, const QString& query)
    {
        QList<qint64> result;
        auto records = database.openRecordset(query);
        EXPECT_TRUE(records) << database.errorString().toStdString();
        if (!records)
            return result;
        while (!records->eof()) {
            result << records->value(QStringLiteral("count")).toLongLong();
            records->moveNext();
        }
        return result;
    }
};

} // namespace

TEST_F(DatabaseTest, CreatedTableReadsBackTypedValuesInFieldOrder)
{
    makeTable({{at(2026, 12, 8), 5, 65}, {at(2026, 12, 9, 14, 5, 9), 70000, 74}});

    Database database;
    ASSERT_TRUE(database.open(File)) << database.errorString().toStdString();
    EXPECT_EQ(database.tableNames(), QStringList{QStringLiteral("T")});
    auto records = database.openRecordset(QStringLiteral("T"));
    ASSERT_TRUE(records);
    EXPECT_EQ(records->fieldNames(), (QStringList{QStringLiteral("Day"), QStringLiteral("Count"),
                                                  QStringLiteral("Code")}));
    EXPECT_EQ(records->recordCount(), 2);
    ASSERT_FALSE(records->eof());
    EXPECT_EQ(records->value(QStringLiteral("Day")), QVariant(at(2026, 12, 8)));
    EXPECT_EQ(records->value(QStringLiteral("Count")).toLongLong(), 5);
    EXPECT_EQ(records->value(QStringLiteral("CODE")).toInt(), 65);
    ASSERT_TRUE(records->moveNext());
    EXPECT_EQ(records->value(QStringLiteral("day")).toDateTime(), at(2026, 12, 9, 14, 5, 9));
    EXPECT_EQ(records->value(QStringLiteral("Count")).toLongLong(), 70000);
    ASSERT_TRUE(records->moveNext());
    EXPECT_TRUE(records->eof());
    EXPECT_FALSE(records->moveNext());
    EXPECT_TRUE(records->value(QStringLiteral("Count")).isNull());
    ASSERT_TRUE(records->moveFirst());
    EXPECT_EQ(records->value(QStringLiteral("Code")).toInt(), 65);
}

TEST_F(DatabaseTest, DatesAreStoredAsIsoTextNotLocaleText)
{
    makeTable({{at(2026, 3, 1, 7, 8, 9), 1, 65}});
    Database database;
    ASSERT_TRUE(database.open(File));
    auto raw = database.openRecordset(
        QStringLiteral("SELECT typeof(Day) AS kind, CAST(Day AS TEXT) AS text FROM T"));
    ASSERT_TRUE(raw) << database.errorString().toStdString();
    EXPECT_EQ(raw->value(QStringLiteral("kind")).toString(), QStringLiteral("text"));
    EXPECT_EQ(raw->value(QStringLiteral("text")).toString(), QStringLiteral("2026-03-01 07:08:09"));
}

TEST_F(DatabaseTest, EditAndUpdateChangeTheStoredRowOnly)
{
    makeTable({{at(2026, 1, 1), 1, 65}, {at(2026, 1, 2), 2, 65}, {at(2026, 1, 3), 3, 66}});
    {
        Database database;
        ASSERT_TRUE(database.open(File));
        auto records = database.openRecordset(
            QStringLiteral("SELECT * FROM T WHERE Day = #01/02/2026 00:00:00#AND Code = 65"));
        ASSERT_TRUE(records) << database.errorString().toStdString();
        ASSERT_EQ(records->recordCount(), 1);
        ASSERT_TRUE(records->moveFirst());
        ASSERT_TRUE(records->edit());
        ASSERT_TRUE(records->setValue(QStringLiteral("Count"),
                                      records->value(QStringLiteral("Count")).toLongLong() + 40));
        EXPECT_EQ(records->value(QStringLiteral("Count")).toLongLong(), 42);
        ASSERT_TRUE(records->update()) << records->errorString().toStdString();
        EXPECT_EQ(records->value(QStringLiteral("Count")).toLongLong(), 42);
    }
    Database database;
    ASSERT_TRUE(database.open(File));
    EXPECT_EQ(counts(database, QStringLiteral("T")), (QList<qint64>{1, 42, 3}));
}

TEST_F(DatabaseTest, AddNewOnAnEmptyQueryAddsARowAndStaysAtTheEnd)
{
    makeTable({{at(2026, 1, 1), 1, 65}});
    Database database;
    ASSERT_TRUE(database.open(File));
    auto records = database.openRecordset(QStringLiteral("SELECT * FROM T WHERE Code = 66"));
    ASSERT_TRUE(records);
    EXPECT_EQ(records->recordCount(), 0);
    EXPECT_TRUE(records->eof());
    EXPECT_FALSE(records->edit());
    ASSERT_TRUE(records->addNew());
    EXPECT_TRUE(records->value(QStringLiteral("Count")).isNull());
    ASSERT_TRUE(records->setValue(QStringLiteral("Day"), QDate(2026, 1, 5)));
    ASSERT_TRUE(records->setValue(QStringLiteral("Count"), 7));
    ASSERT_TRUE(records->setValue(QStringLiteral("Code"), 66));
    ASSERT_TRUE(records->update()) << records->errorString().toStdString();
    EXPECT_EQ(records->recordCount(), 1);
    EXPECT_TRUE(records->eof());

    auto again = database.openRecordset(QStringLiteral("SELECT * FROM T WHERE Code = 66"));
    ASSERT_TRUE(again);
    ASSERT_EQ(again->recordCount(), 1);
    EXPECT_EQ(again->value(QStringLiteral("Day")).toDateTime(), at(2026, 1, 5));
    EXPECT_EQ(again->value(QStringLiteral("Count")).toLongLong(), 7);
}

TEST_F(DatabaseTest, QueryByDateRangeUsesJetLiteralsAndSortsByDate)
{
    // Inserted out of order, across a year end, with a time of day on the
    // last day of the range.
    makeTable({{at(2026, 3, 31, 23, 59, 59), 4, 65},
               {at(2026, 2, 28), 1, 65},
               {at(2026, 3, 1), 2, 65},
               {at(2025, 12, 15), 9, 65},
               {at(2026, 4, 1), 5, 65},
               {at(2026, 3, 15), 3, 66}});
    Database database;
    ASSERT_TRUE(database.open(File));
    EXPECT_EQ(counts(database, QStringLiteral("SELECT * FROM T WHERE Day >= #03/01/2026# AND Day < "
                                              "#04/01/2026# ORDER BY Day")),
              (QList<qint64>{2, 3, 4}));
    EXPECT_EQ(counts(database, QStringLiteral("SELECT * FROM T ORDER BY DAY")),
              (QList<qint64>{9, 1, 2, 3, 4, 5}));
    EXPECT_EQ(counts(database, QStringLiteral("SELECT * FROM T WHERE Day = #03/31/2026 23:59:59#")),
              (QList<qint64>{4}));
}

TEST_F(DatabaseTest, ValuesAreCheckedAgainstTheFieldType)
{
    makeTable();
    Database database;
    ASSERT_TRUE(database.open(File));
    auto records = database.openRecordset(QStringLiteral("T"));
    ASSERT_TRUE(records);
    EXPECT_FALSE(records->setValue(QStringLiteral("Count"), 1)); // not editing
    ASSERT_TRUE(records->addNew());

    struct Case
    {
        const char* field;
        QVariant value;
        bool accepted;
    };
    const Case cases[] = {
        {"Code", 32767, true},
        {"Code", 32768, false},
        {"Code", -32769, false},
        {"Count", qint64(2147483647), true},
        {"Count", qint64(2147483648LL), false},
        {"Count", QStringLiteral("12"), false},
        {"Count", 2.5, true},
        {"Day", QStringLiteral("08/12/2026"), false},
        {"Day", QDate(), false},
        {"Day", 46000, false},
        {"Nope", 1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(records->setValue(QString::fromLatin1(c.field), c.value), c.accepted)
            << c.field << " = " << c.value.toString().toStdString();
    }
    // A fraction rounds half to even, as the whole-number fields always have.
    EXPECT_EQ(records->value(QStringLiteral("Count")).toLongLong(), 2);
    EXPECT_EQ(records->value(QStringLiteral("Code")).toInt(), 32767);
}

TEST_F(DatabaseTest, QueriesThatAreNotOneTableCannotBeUpdated)
{
    makeTable({{at(2026, 1, 1), 1, 65}, {at(2026, 1, 2), 2, 66}});
    Database database;
    ASSERT_TRUE(database.open(File));
    auto total = database.openRecordset(QStringLiteral("SELECT sum(Count) AS total FROM T"));
    ASSERT_TRUE(total) << database.errorString().toStdString();
    EXPECT_EQ(total->value(QStringLiteral("total")).toLongLong(), 3);
    EXPECT_FALSE(total->edit());
    EXPECT_FALSE(total->addNew());

    auto records = database.openRecordset(QStringLiteral("T"));
    ASSERT_TRUE(records);
    EXPECT_FALSE(records->update()); // without edit or add new
}

TEST_F(DatabaseTest, BadSourcesAndFilesAreRefusedWithAReason)
{
    Database database;
    EXPECT_FALSE(database.open(File));
    EXPECT_TRUE(database.errorString().contains(QStringLiteral("no such file")));
    EXPECT_FALSE(QFileInfo::exists(File)); // opening never creates

    // A file of another kind (a Jet file left by an old installation, say)
    // is neither opened nor changed.
    const QByteArray other = QByteArray("\0\1\0\0Standard Jet DB", 19) + QByteArray(2000, 'x');
    writeBytes(File, other);
    EXPECT_FALSE(database.open(File));
    EXPECT_FALSE(database.errorString().isEmpty());
    EXPECT_FALSE(database.create(File));
    EXPECT_EQ(readBytes(File), other);

    QFile::remove(path(File));
    makeTable();
    ASSERT_TRUE(database.open(File));
    EXPECT_FALSE(database.openRecordset(QStringLiteral("Missing")));
    EXPECT_TRUE(database.errorString().contains(QStringLiteral("Missing")));
    EXPECT_FALSE(
        database.openRecordset(QStringLiteral("SELECT * FROM T WHERE Day = #13/01/2026#")));
    EXPECT_TRUE(database.errorString().contains(QStringLiteral("#13/01/2026#")));
    EXPECT_FALSE(database.openRecordset(QStringLiteral("SELECT * FROM T; DROP TABLE T")));
    EXPECT_EQ(database.tableNames(), QStringList{QStringLiteral("T")});
}

TEST_F(DatabaseTest, RecordsetOutlivingItsDatabaseFailsCleanly)
{
    makeTable({{at(2026, 1, 1), 1, 65}});
    auto database = std::make_unique<Database>();
    ASSERT_TRUE(database->open(File));
    auto records = database->openRecordset(QStringLiteral("T"));
    ASSERT_TRUE(records);
    database.reset();
    ASSERT_TRUE(records->edit());
    ASSERT_TRUE(records->setValue(QStringLiteral("Count"), 9));
    EXPECT_FALSE(records->update());
    EXPECT_TRUE(records->errorString().contains(QStringLiteral("closed")));
}
