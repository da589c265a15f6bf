#include <gtest/gtest.h>

#include "entry/store/PrintFile.h"
#include "entry/store/PrintFileLine.h"
#include "entry/store/ZRNDBm.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

TicketRecord ticket(const QString& title1, const QString& title2, double price,
                    std::initializer_list<qint32> orderQty)
{
    TicketRecord rec;
    rec.Title1 = title1;
    rec.Title2 = title2;
    rec.Supplier = QStringLiteral("  NORTHWIND ");
    rec.Description = QStringLiteral("SHIRT");
    rec.ColourID = QStringLiteral("R");
    rec.Fit = QStringLiteral("L");
    rec.SizeScale = QStringLiteral("KIDS");
    rec.Price = price;
    int p = 0;
    for (qint32 q : orderQty)
        rec.OrderQty[size_t(p++)] = q;
    return rec;
}

class PrintFileTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        ASSERT_TRUE(store.OpenRecordFile()) << store.lastError().toStdString();
    }
    void TearDown() override
    {
        store.CloseRecordFile();
        TempDirTest::TearDown();
    }

    QStringList texts(const QList<PrintFileLine>& lines) const
    {
        QStringList list;
        for (const PrintFileLine& line : lines)
            list << line.text;
        return list;
    }

    ZRNDBm store;
};

} // namespace

TEST_F(PrintFileTest, EachEntryIsItsNumberInQuotesThenCrLf)
{
    EXPECT_EQ(PrintFile::encode({"12"}), QByteArray("\"12\"\r\n"));
    EXPECT_EQ(PrintFile::encode({"3", "7", "3"}), QByteArray("\"3\"\r\n\"7\"\r\n\"3\"\r\n"));
    EXPECT_EQ(PrintFile::encode({}), QByteArray());

    QString error;
    ASSERT_TRUE(PrintFile::save(store, {"12", "4"}, &error)) << error.toStdString();
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"12\"\r\n\"4\"\r\n"));
    // An empty list saves a file of zero bytes, which loads as no lines.
    ASSERT_TRUE(PrintFile::save(store, {}, &error));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("ZRPRT.DAT"))));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")).size(), 0);
    QList<PrintFileLine> lines;
    EXPECT_TRUE(PrintFile::load(store, &lines, &error));
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(PrintFileTest, ItemsAreReadAsTheDataSetsQuotedTextFilesAre)
{
    const struct
    {
        const char* name;
        QByteArray bytes;
        QList<qint32> recNos;
    } cases[] = {
        {"plain", "\"3\"\r\n\"7\"\r\n\"3\"\r\n", {3, 7, 3}},
        {"leading blanks, no quotes", "  12\r\n5", {12, 5}},
        {"a comma ends an item", "\"8\",\"9\"\r\n", {8, 9}},
        {"digits then text", "\"14abc\"\r\n", {14}},
        {"names no record", "\"0\"\r\n\"-4\"\r\n\"abc\"\r\n\"\"\r\n\"6\"\r\n", {6}},
        {"lone LF line ends", "\"1\"\n\"2\"\n", {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PrintFile::decode(c.bytes), c.recNos);
    }
}

TEST_F(PrintFileTest, LoadListsEveryEntryWithUnitsFromItsRecord)
{
    for (qint32 n = 1; n <= 7; ++n) {
        // Record 5 holds no units.
        const TicketRecord rec =
            ticket(QStringLiteral("R%1").arg(n), QStringLiteral("X"), 1.0, {n == 5 ? 0 : 1});
        ASSERT_TRUE(store.PutTicketRecord(rec, n));
    }
    // 99 lies past the end of the record file.
    const QByteArray file("\"3\"\r\n\"5\"\r\n\"7\"\r\n\"99\"\r\n\"3\"\r\n");
    writeBytes(QStringLiteral("ZRPRT.DAT"), file);

    QList<PrintFileLine> lines;
    QString error;
    ASSERT_TRUE(PrintFile::load(store, &lines, &error)) << error.toStdString();
    EXPECT_EQ(texts(lines), (QStringList{"3", "7", "3"}));
    EXPECT_EQ(lines.at(1).subItems.at(0), QStringLiteral("R7 : X"));
    // Loading leaves the file alone; only the next save drops record 5.
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), file);

    // A missing file is an empty list, and nothing to report.
    QFile::remove(path(QStringLiteral("ZRPRT.DAT")));
    EXPECT_TRUE(PrintFile::load(store, &lines, &error));
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(PrintFileTest, LineColumnsComeFromTheRecord)
{
    const struct
    {
        const char* name;
        TicketRecord rec;
        PrintFileLine::PriceForm form;
        QStringList subItems;
    } cases[] = {
        {"units, price and total",
         ticket(QStringLiteral("SUMMER"), QStringLiteral("SALE"), 4.5, {1, 0, 2}),
         PrintFileLine::PriceForm::Money,
         {"SUMMER : SALE", "NORTHWIND", "SHIRT", "R", "L", "KIDS", "4.50", "13.50", "3"}},
        {"blank second title",
         ticket(QStringLiteral("  SUMMER  "), QStringLiteral("   "), 0.4, {2}),
         PrintFileLine::PriceForm::Money,
         {"SUMMER : ", "NORTHWIND", "SHIRT", "R", "L", "KIDS", "0.40", "0.80", "2"}},
        {"accepted ticket: general price form",
         ticket(QStringLiteral("A"), QStringLiteral("B"), 4.5, {2, 0, 3}),
         PrintFileLine::PriceForm::General,
         {"A : B", "NORTHWIND", "SHIRT", "R", "L", "KIDS", "4.5", "22.50", "5"}},
        {"large quantities do not overflow",
         ticket(QStringLiteral("A"), QStringLiteral("B"), 1.0, {2147483647, 2147483647}),
         PrintFileLine::PriceForm::General,
         {"A : B", "NORTHWIND", "SHIRT", "R", "L", "KIDS", "1", "4294967294.00", "4294967294"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PrintFileLine line = PrintFileLine::fromRecord(12, c.rec, c.form);
        EXPECT_EQ(line.text, QStringLiteral("12"));
        EXPECT_EQ(line.subItems, c.subItems);
    }
}

TEST_F(PrintFileTest, ListsOverThirtyTwoThousandEntriesAreKeptWhole)
{
    QStringList entries;
    for (int n = 1; n <= 40000; ++n)
        entries << QString::number(n);
    QString error;
    ASSERT_TRUE(PrintFile::save(store, entries, &error)) << error.toStdString();
    const QList<qint32> read = PrintFile::decode(readBytes(QStringLiteral("ZRPRT.DAT")));
    ASSERT_EQ(read.size(), 40000);
    EXPECT_EQ(read.first(), 1);
    EXPECT_EQ(read.last(), 40000);
}

TEST_F(PrintFileTest, AFailedSaveIsReported)
{
    store.PrintFileName = QStringLiteral("missing/ZRPRT.DAT").leftJustified(30);
    QString error;
    EXPECT_FALSE(PrintFile::save(store, {"1"}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing/ZRPRT.DAT"))) << error.toStdString();
}
