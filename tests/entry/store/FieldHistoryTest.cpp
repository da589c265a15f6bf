#include <QFile>
#include <gtest/gtest.h>

#include "entry/store/FieldHistory.h"
#include "entry/store/ZRNDBm.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

// One 91-byte history record: the five fields blank-padded (an empty field
// as zero bytes), then three zero bytes.
QByteArray historyRecord(const QByteArray& title1, const QByteArray& title2,
                         const QByteArray& supplier, const QByteArray& description,
                         const QByteArray& fit)
{
    const QByteArray fields[] = {title1, title2, supplier, description, fit};
    const int widths[] = {16, 16, 25, 25, 6};
    QByteArray record;
    for (int n = 0; n < 5; ++n)
        record += fields[n].isNull() ? QByteArray(widths[n], '\0')
                                     : fields[n].leftJustified(widths[n], ' ', true);
    return record + QByteArray(3, '\0');
}

QByteArray numberedRecords(int first, int last)
{
    QByteArray bytes;
    for (int n = first; n <= last; ++n) {
        const QByteArray tag = QByteArray::number(n);
        bytes += historyRecord("T" + tag, "U" + tag, "S" + tag, "D" + tag, "F" + tag);
    }
    return bytes;
}

class FieldHistoryTest : public TempDirTest
{
protected:
    // Adds text as an accepted ticket does.
    void add(FieldHistory::List list, const QString& text)
    {
        if (history.takesNewValue(list, text))
            history.pushNewValue(list, text);
    }

    FieldHistory history;
};

} // namespace

TEST_F(FieldHistoryTest, SaveWritesTwentyRecordsWithEmptyRowsAsZeroBytes)
{
    add(FieldHistory::Title1, QStringLiteral("SUMMER SALE"));
    add(FieldHistory::Title2, QStringLiteral("  HALF PRICE"));
    add(FieldHistory::Supplier, QStringLiteral("NORTHWIND TRADING"));
    add(FieldHistory::Description, QStringLiteral("A DESCRIPTION LONGER THAN ITS FIELD"));
    // No fit: its field stays zero bytes.
    QString error;
    ASSERT_TRUE(history.save(QStringLiteral("ZRNH.DAT"), &error)) << error.toStdString();

    const QByteArray expected = historyRecord("SUMMER SALE", "  HALF PRICE", "NORTHWIND TRADING",
                                              "A DESCRIPTION LONGER THAN ITS FIELD", QByteArray()) +
                                QByteArray(19 * 91, '\0');
    EXPECT_EQ(readBytes(QStringLiteral("ZRNH.DAT")), expected);
}

TEST_F(FieldHistoryTest, LoadCreatesAMissingFileAndShowsNothing)
{
    QString error;
    ASSERT_TRUE(history.load(QStringLiteral("ZRNH.DAT"), &error)) << error.toStdString();
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("ZRNH.DAT"))));
    EXPECT_EQ(readBytes(QStringLiteral("ZRNH.DAT")).size(), 0);
    for (int list = 0; list < FieldHistory::ListCount; ++list)
        EXPECT_TRUE(history.shownEntries(FieldHistory::List(list)).isEmpty());
}

TEST_F(FieldHistoryTest, RowsBeyondTheTwentyInUseStayInTheFileUnchanged)
{
    const QByteArray original = numberedRecords(1, 30);
    writeBytes(QStringLiteral("ZRNH.DAT"), original);
    ASSERT_TRUE(history.load(QStringLiteral("ZRNH.DAT"), nullptr));

    QStringList twenty;
    for (int n = 1; n <= 20; ++n)
        twenty << QStringLiteral("S%1").arg(n);
    EXPECT_EQ(history.shownEntries(FieldHistory::Supplier), twenty);

    add(FieldHistory::Supplier, QStringLiteral("NEWCOMER"));
    ASSERT_TRUE(history.save(QStringLiteral("ZRNH.DAT"), nullptr));
    const QByteArray saved = readBytes(QStringLiteral("ZRNH.DAT"));
    ASSERT_EQ(saved.size(), original.size());
    // Row 20 was pushed out; rows 21 to 30 are the file's own.
    EXPECT_EQ(saved.mid(0, 91), historyRecord("T1", "U1", "NEWCOMER", "D1", "F1"));
    EXPECT_EQ(saved.mid(19 * 91, 91), historyRecord("T20", "U20", "S19", "D20", "F20"));
    EXPECT_EQ(saved.mid(20 * 91), original.mid(20 * 91));
}

TEST_F(FieldHistoryTest, TwentyOneSuppliersKeepTheTwentyNewestNewestFirst)
{
    QStringList newestFirst;
    for (int n = 1; n <= 21; ++n) {
        add(FieldHistory::Supplier, QStringLiteral("SUPPLIER %1").arg(n));
        newestFirst.prepend(QStringLiteral("SUPPLIER %1").arg(n));
    }
    newestFirst.removeLast();
    EXPECT_EQ(history.shownEntries(FieldHistory::Supplier), newestFirst);
}

TEST_F(FieldHistoryTest, WhichTextsJoinTheList)
{
    for (int n = 1; n <= 10; ++n)
        add(FieldHistory::Title1, QStringLiteral("TITLE %1").arg(n));
    const QStringList before = history.shownEntries(FieldHistory::Title1);
    ASSERT_EQ(before.at(6), QStringLiteral("TITLE 4"));

    const struct
    {
        const char* text;
        bool joins;
    } cases[] = {
        {"TITLE 4", false},      // already row 7: keeps its place
        {"   TITLE 4  ", false}, // blanks around still match
        {"Title 4", true},       // letter case counts
        {"", false},             // nothing typed
        {"      ", false},       // blanks only
        {"TITLE 11", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(history.takesNewValue(FieldHistory::Title1, QString::fromLatin1(c.text)),
                  c.joins);
    }
    add(FieldHistory::Title1, QStringLiteral("TITLE 4"));
    EXPECT_EQ(history.shownEntries(FieldHistory::Title1), before);
}

TEST_F(FieldHistoryTest, ANewValueIsStoredAsTypedCutToItsWidth)
{
    add(FieldHistory::Title2, QStringLiteral("  LEADING"));
    add(FieldHistory::Fit, QStringLiteral("REGULAR FIT"));
    EXPECT_EQ(history.HistTitle2[1], QStringLiteral("  LEADING       "));
    EXPECT_EQ(history.HistFit[1], QStringLiteral("REGULA"));
    EXPECT_EQ(history.shownEntries(FieldHistory::Title2), QStringList{"LEADING"});
}

TEST_F(FieldHistoryTest, RowCountIsTheRoundedQuotientOfTheFileLength)
{
    const QByteArray records = numberedRecords(1, 60);
    const struct
    {
        int bytes;
        int rows;
    } cases[] = {
        {45, 0},                                    // under half a record
        {46, 1},                                    // over half: read as if padded with zero bytes
        {91, 1}, {136, 1}, {137, 2}, {60 * 91, 50}, // 50 rows at most
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        writeBytes(QStringLiteral("ZRNH.DAT"), records.left(c.bytes));
        FieldHistory loaded;
        loaded.HistoryRows = FieldHistory::MaxRow;
        ASSERT_TRUE(loaded.load(QStringLiteral("ZRNH.DAT"), nullptr));
        EXPECT_EQ(loaded.shownEntries(FieldHistory::Title1).size(), c.rows);
    }
    // 46 bytes hold Title1, Title2 and the start of Supplier, and no more.
    writeBytes(QStringLiteral("ZRNH.DAT"), records.left(91 + 46));
    FieldHistory partial;
    ASSERT_TRUE(partial.load(QStringLiteral("ZRNH.DAT"), nullptr));
    EXPECT_EQ(partial.shownEntries(FieldHistory::Title2), (QStringList{"U1", "U2"}));
    EXPECT_EQ(partial.shownEntries(FieldHistory::Supplier), (QStringList{"S1", "S2"}));
    EXPECT_EQ(partial.shownEntries(FieldHistory::Description), QStringList{"D1"});
}

TEST_F(FieldHistoryTest, StoreLoadsAndSavesTheDataSetsHistoryFile)
{
    ZRNDBm store;
    store.HistoryFileName = QStringLiteral("SHOP.zr2").leftJustified(30);
    writeBytes(QStringLiteral("SHOP.zr2"), numberedRecords(1, 3));
    ASSERT_TRUE(store.LoadFieldHistory());
    EXPECT_EQ(store.History.shownEntries(FieldHistory::Fit), (QStringList{"F1", "F2", "F3"}));
    ASSERT_TRUE(store.SaveFieldHistory());
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr2")),
              numberedRecords(1, 3) + QByteArray(17 * 91, '\0'));

    // A history file in a folder that does not exist cannot be saved.
    store.HistoryFileName = QStringLiteral("missing/ZRNH.DAT").leftJustified(30);
    EXPECT_FALSE(store.SaveFieldHistory());
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("missing/ZRNH.DAT")));
}
