#include <QFile>
#include <gtest/gtest.h>

#include "entry/store/RecordListRow.h"
#include "entry/store/StoreView.h"
#include "entry/store/TicketRecord.h"
#include "entry/store/ZRNDBm.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class RecordingView : public StoreView
{
public:
    void showDataInUse(const QString&) override {}
    void clearRecordList() override { rows.clear(); }
    void addRecordListRow(const RecordListRow& row) override { rows << row; }
    void endRecordList() override { endedAfter << rows.size(); }

    // The record numbers listed, as numbers.
    QList<int> numbers() const
    {
        QList<int> result;
        for (const RecordListRow& row : rows)
            result << row.text.toInt();
        return result;
    }

    QList<RecordListRow> rows;
    // The rows listed each time a search said it had ended.
    QList<qsizetype> endedAfter;
};

TicketRecord ticket(const QString& supplier)
{
    TicketRecord r;
    r.Title1 = QStringLiteral("TOP");
    r.Title2 = QStringLiteral("LINE2");
    r.Supplier = supplier;
    r.Description = QStringLiteral("SHIRT");
    r.ColourID = QStringLiteral("RED");
    r.Fit = QStringLiteral("R");
    r.SizeScale = QStringLiteral("MENS");
    r.Price = 9.99;
    r.DateCreated = 45100;
    r.DateLastUsed = 45100;
    return r;
}

class RecordSearchTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        store.setView(&view);
        ASSERT_TRUE(store.OpenRecordFile()) << store.lastError().toStdString();
    }
    void TearDown() override
    {
        store.CloseRecordFile();
        TempDirTest::TearDown();
    }
    void put(const QList<TicketRecord>& records)
    {
        for (const TicketRecord& r : records)
            ASSERT_TRUE(store.PutTicketRecord(r, store.GetRecordNo(1)));
    }
    QList<int> search(int fieldNo, const QString& text, int dateMode = 0, double date = 0)
    {
        bool ok = false;
        const qint32 count =
            store.SearchRecords(qint16(fieldNo), text, qint16(dateMode), date, &ok);
        EXPECT_TRUE(ok);
        EXPECT_EQ(count, view.rows.size());
        return view.numbers();
    }

    RecordingView view;
    ZRNDBm store;
};

} // namespace

TEST_F(RecordSearchTest, SupplierPrefixAndExactIgnoreCaseAndBlanks)
{
    put({ticket("RED BRAND"), ticket("Redwood"), ticket("red"), ticket("ReD"), ticket("BLUE"),
         ticket("RE"), ticket("  red  ")});
    EXPECT_EQ(search(4, QStringLiteral("  red*  ")), (QList<int>{1, 2, 3, 4, 7}));
    EXPECT_EQ(search(4, QStringLiteral("red")), (QList<int>{3, 4, 7}));
    // Only a final star asks for a prefix.
    EXPECT_EQ(search(4, QStringLiteral("r*d")), QList<int>{});
}

TEST_F(RecordSearchTest, StarAloneListsEveryRecordForEveryField)
{
    TicketRecord blank;
    put({ticket("A"), blank, ticket("C")});
    for (int fieldNo = 1; fieldNo <= 9; ++fieldNo)
        EXPECT_EQ(search(fieldNo, QStringLiteral("*")), (QList<int>{1, 2, 3})) << fieldNo;
}

TEST_F(RecordSearchTest, EachTextFieldIsSearchedByItsNumber)
{
    TicketRecord r;
    r.Title1 = QStringLiteral("t1");
    r.Title2 = QStringLiteral("t2");
    r.Supplier = QStringLiteral("sup");
    r.Description = QStringLiteral("desc");
    r.ColourID = QStringLiteral("clr");
    r.Fit = QStringLiteral("fit");
    r.SizeScale = QStringLiteral("scale");
    put({ticket("X"), r});
    const char* values[] = {"T1", "T2", "SUP", "DESC", "CLR", "FIT", "SCALE"};
    for (int fieldNo = 2; fieldNo <= 8; ++fieldNo)
        EXPECT_EQ(search(fieldNo, QString::fromLatin1(values[fieldNo - 2])), QList<int>{2})
            << fieldNo;
    EXPECT_EQ(search(10, QStringLiteral("*")), QList<int>{});
    EXPECT_EQ(search(-1, QString()), QList<int>{});
}

TEST_F(RecordSearchTest, EmptyTextExactFindsBlankFields)
{
    TicketRecord noTitle2 = ticket("A");
    noTitle2.Title2 = QStringLiteral("   ");
    TicketRecord neverWritten = ticket("B");
    neverWritten.Title2 = QString(16, QChar(0));
    put({ticket("X"), noTitle2, neverWritten});
    EXPECT_EQ(search(3, QString()), (QList<int>{2, 3}));
}

TEST_F(RecordSearchTest, RecordNumberExactAndPrefix)
{
    QList<TicketRecord> records;
    for (int n = 1; n <= 125; ++n)
        records << ticket("S");
    put(records);
    for (const char* text : {"12", "0012", "12.0", " 12 "})
        EXPECT_EQ(search(1, QString::fromLatin1(text)), QList<int>{12}) << text;
    EXPECT_EQ(search(1, QStringLiteral("12*")), (QList<int>{12, 120, 121, 122, 123, 124, 125}));
    // An empty text reads as 0, which numbers no record.
    EXPECT_EQ(search(1, QString()), QList<int>{});
    EXPECT_EQ(search(1, QStringLiteral("012*")), QList<int>{});
}

TEST_F(RecordSearchTest, PriceExactByValuePrefixByText)
{
    const double prices[] = {12.5, 12.55, 12.05, 3, 0, 125};
    QList<TicketRecord> records;
    for (double price : prices) {
        TicketRecord r = ticket("S");
        r.Price = price;
        records << r;
    }
    put(records);
    const struct
    {
        const char* text;
        QList<int> expected;
    } cases[] = {
        {"12.50", {1}},       {"12.5", {1}}, {"12.5*", {1, 2}}, {"12.50*", {}},
        {"3", {4}},           {"3.00", {4}}, {"", {5}},         {"12*", {1, 2, 3, 6}},
        {"1*", {1, 2, 3, 6}}, {"125*", {6}}, {"0*", {5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search(9, QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST_F(RecordSearchTest, DateModesCompareCreatedOrLastUsed)
{
    QList<TicketRecord> records;
    const double created[] = {45100, 45101, 45102};
    const double used[] = {45102, 45101, 45100};
    for (int n = 0; n < 3; ++n) {
        TicketRecord r = ticket("S");
        r.DateCreated = created[n];
        r.DateLastUsed = used[n];
        records << r;
    }
    put(records);
    const QList<int> expected[] = {{1, 2, 3}, {1}, {3}, {2}, {3}, {1}, {2}, {1, 2, 3}};
    for (int mode = 0; mode <= 7; ++mode)
        EXPECT_EQ(search(0, QString(), mode, 45101), expected[mode]) << mode;
    // A date with a time of day never equals a stored whole day.
    EXPECT_EQ(search(0, QString(), 3, 45101.5), QList<int>{});
    EXPECT_EQ(search(0, QString(), 1, 45101.5), (QList<int>{1, 2}));
    // The date test only narrows what the field test let through.
    EXPECT_EQ(search(1, QStringLiteral("3"), 1, 45101), QList<int>{});
}

TEST_F(RecordSearchTest, RowsCarryFormattedFieldsAndMarkIcons)
{
    TicketRecord live = ticket(" Smith & Co ");
    live.Title1 = QStringLiteral("  Mens ");
    live.Title2 = QStringLiteral("Shirt");
    live.Price = 1234.5;
    TicketRecord marked = ticket("X");
    marked.Price = 0.5;
    marked.DeleteMark = 1;
    put({live, marked});
    EXPECT_EQ(search(0, QString()), (QList<int>{1, 2}));
    const RecordListRow first{
        QStringLiteral("000001"),
        {"Mens : Shirt", "Smith & Co", "SHIRT", "RED", "R", "MENS", "1234.50"},
        RecordListRow::LiveIcon};
    EXPECT_EQ(view.rows.at(0), first);
    EXPECT_EQ(view.rows.at(1).subItems.at(6), QStringLiteral("0.50"));
    EXPECT_EQ(view.rows.at(1).smallIcon, RecordListRow::MarkedIcon);
}

TEST_F(RecordSearchTest, UnreadableFileEmptiesTheListAndSaysSo)
{
    put({ticket("A"), ticket("B")});
    EXPECT_EQ(search(0, QString()).size(), 2);
    store.CloseRecordFile();
    bool ok = true;
    EXPECT_EQ(store.SearchRecords(0, QString(), 0, 0, &ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(view.rows.isEmpty());
}

TEST_F(RecordSearchTest, EmptyFileListsNothing)
{
    EXPECT_EQ(search(0, QString()), QList<int>{});
    bool ok = false;
    EXPECT_EQ(store.FieldValues(6, &ok), QStringList{});
    EXPECT_TRUE(ok);
}

TEST_F(RecordSearchTest, FieldValuesAreDistinctInFirstOrder)
{
    const char* fits[] = {"L", "", "R", "L ", "l"};
    QList<TicketRecord> records;
    for (const char* fit : fits) {
        TicketRecord r = ticket("S");
        r.Fit = QString::fromLatin1(fit);
        records << r;
    }
    records[2].DeleteMark = 1; // marked records take part too
    put(records);
    bool ok = false;
    EXPECT_EQ(store.FieldValues(6, &ok), (QStringList{"L", "R", "l"}));
    EXPECT_TRUE(ok);
    store.CloseRecordFile();
    EXPECT_EQ(store.FieldValues(6, &ok), QStringList{});
    EXPECT_FALSE(ok);
    EXPECT_FALSE(store.lastError().isEmpty());
}

TEST_F(RecordSearchTest, FieldValueNumbersNameTheTextFields)
{
    TicketRecord r;
    r.Title1 = QStringLiteral("t1");
    r.Title2 = QStringLiteral("t2");
    r.Supplier = QStringLiteral("sup");
    r.Description = QStringLiteral("desc");
    r.ColourID = QStringLiteral("clr");
    r.Fit = QStringLiteral("fit");
    r.SizeScale = QStringLiteral("scale");
    put({r});
    const char* values[] = {"t1", "t2", "sup", "desc", "clr", "fit", "scale"};
    for (int fieldNo = 1; fieldNo <= 7; ++fieldNo)
        EXPECT_EQ(store.FieldValues(qint16(fieldNo)),
                  QStringList{QString::fromLatin1(values[fieldNo - 1])})
            << fieldNo;
    EXPECT_EQ(store.FieldValues(8), QStringList{});
}

TEST_F(RecordSearchTest, LargeFileIsSearchedWholeAndInOrder)
{
    // Records on both sides of the read blocks' edges.
    const QList<int> needles = {1, 255, 256, 257, 512, 513, 700};
    QByteArray bytes;
    for (int n = 1; n <= 700; ++n) {
        TicketRecord r =
            ticket(needles.contains(n) ? QStringLiteral("NEEDLE") : QStringLiteral("HAY"));
        r.DeleteMark = n == 513 || n == 600 ? 1 : 0;
        bytes += r.encode();
    }
    writeBytes(QStringLiteral("ZRNDB.DAT"), bytes);

    EXPECT_EQ(search(4, QStringLiteral("needle")), needles);
    EXPECT_EQ(view.rows.at(5).smallIcon, RecordListRow::MarkedIcon);
    EXPECT_EQ(view.endedAfter, QList<qsizetype>{needles.size()});
    EXPECT_EQ(search(0, QString()).size(), 700);
    EXPECT_EQ(store.GetRecordNo(2), 513);
}
