#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/store/TicketRunWriter.h"
#include "entry/store/ZRNDBm.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

QByteArray scaleLine(const QByteArray& name, const QList<QByteArray>& sizes)
{
    QByteArray line = '"' + name.leftJustified(10, ' ') + '"';
    for (int n = 0; n < 7; ++n)
        line += ",\"" + (n < sizes.size() ? sizes.at(n) : QByteArray()).leftJustified(6, ' ') + '"';
    return line + "\r\n";
}

TicketRecord ticket(const QString& scale, std::initializer_list<qint32> orderQty)
{
    TicketRecord r;
    r.Title1 = QStringLiteral("SUMMER SALE");
    r.Title2 = QStringLiteral("HALF PRICE");
    r.Fit = QStringLiteral("R");
    r.ColourID = QStringLiteral("BK");
    r.SizeScale = scale;
    r.Supplier = QStringLiteral("NORTHWIND");
    r.Description = QStringLiteral("COTTON SHIRT");
    r.Price = 12.5;
    int position = 0;
    for (qint32 qty : orderQty) {
        r.OrderQty[size_t(position)] = qty;
        r.TotalQty[size_t(position)] = qty;
        ++position;
    }
    return r;
}

class TicketRunWriterTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        writeBytes(QStringLiteral("ZRNZ.DAT"),
                   scaleLine("MENS", {"S", "M", "L", "XL", "XXLONG"}) +
                       scaleLine("KIDS", {"2-3", "4-5", "6-7"}) +
                       scaleLine("SHOES", {"6", "7", "8", "9", "10", "11", "12"}));
        writeBytes(QStringLiteral("ZRPRT.DAT"), "\"1\"\r\n");
        ASSERT_TRUE(store.OpenRecordFile());
    }
    void TearDown() override
    {
        store.CloseRecordFile();
        TempDirTest::TearDown();
    }

    void put(qint32 recNo, const TicketRecord& rec)
    {
        ASSERT_TRUE(store.PutTicketRecord(rec, recNo)) << store.lastError().toStdString();
    }

    // The run file's lines without their CR LF; every line must be 117
    // characters and end in CR LF.
    QList<QByteArray> runLines()
    {
        const QByteArray bytes = readBytes(QStringLiteral("Ticket.run"));
        QList<QByteArray> lines;
        for (qsizetype at = 0; at < bytes.size(); at += 119) {
            EXPECT_EQ(bytes.mid(at + 117, 2), QByteArray("\r\n")) << "line at " << at;
            lines.append(bytes.mid(at, 117));
        }
        return lines;
    }

    ZRNDBm store;
};

} // namespace

TEST_F(TicketRunWriterTest, OneLinePerTicketGroupedBySizePosition)
{
    // 2 at size position 0 and 3 at position 4 give two lines ending 02,
    // then three ending 06; the second entry follows in list order.
    put(1, ticket(QStringLiteral("MENS"), {2, 0, 0, 0, 3}));
    put(2, ticket(QStringLiteral("KIDS"), {0, 1}));
    TicketRunWriter writer(store);
    ASSERT_EQ(writer.CreateTicketRun({{"2", "1"}, {"1", "5"}}), TicketRunWriter::Result::Done);
    EXPECT_EQ(writer.ticketCount(), 6);

    const QList<QByteArray> lines = runLines();
    ASSERT_EQ(lines.size(), 6);
    const struct
    {
        const char* barcode;
        const char* size;
    } expected[] = {{"9000203  ", "4-5 "}, {"9000102  ", "S   "}, {"9000102  ", "S   "},
                    {"9000106  ", "XXLO"}, {"9000106  ", "XXLO"}, {"9000106  ", "XXLO"}};
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(lines[n].mid(76, 9), QByteArray(expected[n].barcode)) << "line " << n;
        EXPECT_EQ(lines[n].mid(50, 4), QByteArray(expected[n].size)) << "line " << n;
    }
    // Identical tickets give identical lines.
    EXPECT_EQ(lines[1], lines[2]);
    EXPECT_EQ(lines[3], lines[5]);
}

TEST_F(TicketRunWriterTest, RecordFieldsLandInTheirColumns)
{
    TicketRecord rec = ticket(QStringLiteral("MENS"), {0, 1});
    rec.Description = QStringLiteral("COTTON SHIRT LONG SLV");  // 21: first 12 only
    rec.Supplier = QStringLiteral("NORTHWIND TRADING COMPANY"); // 25: first 16 only
    rec.Title1 = QStringLiteral("SALE, NOW ON");                // the comma becomes a blank
    rec.Fit = QStringLiteral("REG");
    for (qint32 recNo = 1; recNo <= 12; ++recNo)
        put(recNo, rec);
    TicketRunWriter writer(store);
    ASSERT_EQ(writer.CreateTicketRun({{"12", "1"}}), TicketRunWriter::Result::Done);
    const QList<QByteArray> lines = runLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QByteArray(">"
                                   "00  "
                                   "000 "
                                   "         "
                                   "BK .COTTON SHIRT"
                                   "NORTHWIND TRADIN"
                                   "M   "
                                   "RE"
                                   "12.50     "
                                   "          "
                                   "9001203  "
                                   "SALE  NOW ON    "
                                   "HALF PRICE      "));
}

TEST(TicketRunLineFor, PricesAndRecordNumbers)
{
    TicketRecord rec;
    const struct
    {
        double price;
        qint32 recNo;
        int position;
        const char* sell;
        const char* barcode;
    } rows[] = {
        {5, 1, 0, "5.00      ", "9000102  "},
        {0.4, 9999, 6, "0.40      ", "9999908  "},
        {1234567.89, 12, 1, "1234567.89", "9001203  "},
        // Ten million or more is cut to the first ten characters.
        {12345678.9, 345, 3, "12345678.9", "9034505  "},
        // Record 10000 needs five digits: still inside the field.
        {1, 10000, 0, "1.00      ", "91000002 "},
    };
    for (const auto& row : rows) {
        rec.Price = row.price;
        const QString text = TicketRunWriter::lineFor(rec, row.recNo, row.position, {}).toText();
        EXPECT_EQ(text.mid(56, 10), QString::fromLatin1(row.sell)) << row.price;
        EXPECT_EQ(text.mid(76, 9), QString::fromLatin1(row.barcode)) << row.recNo;
    }
}

TEST(TicketRunLineFor, ShortColourIdKeepsItsBlanksBeforeTheStop)
{
    TicketRecord rec;
    rec.ColourID = QStringLiteral("R");
    rec.Description = QStringLiteral("TEE");
    const QString text = TicketRunWriter::lineFor(rec, 1, 0, {}).toText();
    EXPECT_EQ(text.mid(18, 16), QStringLiteral("R  .TEE         "));
}

TEST(TicketRunSizes, ScaleLookUp)
{
    const QList<SizeScaleFile::Scale> scales = {
        {QStringLiteral("MENS      "), {"S", "M", "L", "", "", "", ""}},
        {QStringLiteral("mens      "), {"s", "m", "l", "", "", "", ""}},
        {QStringLiteral("KIDS      "), {"2-3", "4-5", "", "", "", "", ""}},
    };
    EXPECT_EQ(TicketRunWriter::sizesOfScale(scales, QStringLiteral("  KIDS  ")).value(1), "4-5");
    // Letter case counts.
    EXPECT_EQ(TicketRunWriter::sizesOfScale(scales, QStringLiteral("mens")).value(0), "s");
    // An unknown scale takes the file's last line.
    EXPECT_EQ(TicketRunWriter::sizesOfScale(scales, QStringLiteral("SHOES")).value(0), "2-3");
    // No scale, or no scales at all: blank sizes, never another record's.
    EXPECT_EQ(TicketRunWriter::sizesOfScale(scales, QStringLiteral("   ")),
              QStringList(7, QString()));
    EXPECT_EQ(TicketRunWriter::sizesOfScale({}, QStringLiteral("MENS")), QStringList(7, QString()));
}

TEST_F(TicketRunWriterTest, BlankScaleDoesNotTakeThePreviousEntrysSizes)
{
    put(1, ticket(QStringLiteral("SHOES"), {1}));
    put(2, ticket(QString(), {1}));
    TicketRunWriter writer(store);
    ASSERT_EQ(writer.CreateTicketRun({{"1", "1"}, {"2", "1"}}), TicketRunWriter::Result::Done);
    const QList<QByteArray> lines = runLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].mid(50, 4), QByteArray("6   "));
    EXPECT_EQ(lines[1].mid(50, 4), QByteArray("    "));
}

TEST_F(TicketRunWriterTest, EmptyListGivesEmptyRunAndDeletesPrintFile)
{
    TicketRunWriter writer(store);
    EXPECT_EQ(writer.CreateTicketRun({}), TicketRunWriter::Result::Done);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Ticket.run"))));
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")).size(), 0);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("ZRPRT.DAT"))));
}

TEST_F(TicketRunWriterTest, PrintFileThatCannotBeDeletedIsKeptAfterTheRun)
{
    // A folder with something in it stands where the print file belongs.
    QFile::remove(path(QStringLiteral("ZRPRT.DAT")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ZRPRT.DAT")));
    writeBytes(QStringLiteral("ZRPRT.DAT/kept"), "kept\r\n");
    put(1, ticket(QStringLiteral("MENS"), {2, 1}));
    TicketRunWriter writer(store);
    EXPECT_EQ(writer.CreateTicketRun({{"1", "3"}}), TicketRunWriter::Result::PrintFileKept);
    EXPECT_TRUE(writer.lastError().contains(QStringLiteral("ZRPRT.DAT")));
    EXPECT_EQ(runLines().size(), 3);
    EXPECT_EQ(writer.ticketCount(), 3);
}

TEST_F(TicketRunWriterTest, EntriesWithoutUnitsGiveNoLine)
{
    put(1, ticket(QStringLiteral("MENS"), {4}));
    TicketRunWriter writer(store);
    // The units column decides, not the record: "0" and "-2" give nothing.
    ASSERT_EQ(writer.CreateTicketRun({{"1", "0"}, {"1", "-2"}, {"1", " 4"}}),
              TicketRunWriter::Result::Done);
    EXPECT_EQ(runLines().size(), 4);
}

TEST_F(TicketRunWriterTest, WaitingRunIsReplacedUnderOneName)
{
    writeBytes(QStringLiteral("ticket.run"), "old waiting run\r\n");
    put(1, ticket(QStringLiteral("MENS"), {1}));
    TicketRunWriter writer(store);
    ASSERT_EQ(writer.CreateTicketRun({{"1", "1"}}), TicketRunWriter::Result::Done);
    const QStringList runs =
        QDir(m_dir.path()).entryList({QStringLiteral("*.run")}, QDir::Files | QDir::CaseSensitive);
    EXPECT_EQ(runs, QStringList{QStringLiteral("Ticket.run")});
    EXPECT_EQ(runLines().size(), 1);
}

TEST_F(TicketRunWriterTest, MissingScaleFileRefusesAndKeepsEverything)
{
    put(1, ticket(QStringLiteral("MENS"), {1}));
    writeBytes(QStringLiteral("Ticket.run"), "waiting\r\n");
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("ZRNZ.DAT"))));
    TicketRunWriter writer(store);
    EXPECT_EQ(writer.CreateTicketRun({{"1", "1"}}), TicketRunWriter::Result::Refused);
    EXPECT_TRUE(writer.lastError().contains(QStringLiteral("ZRNZ.DAT")));
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")), QByteArray("waiting\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"1\"\r\n"));
}

TEST_F(TicketRunWriterTest, UnreadableRecordRefusesAndKeepsEverything)
{
    put(1, ticket(QStringLiteral("MENS"), {1}));
    TicketRunWriter writer(store);
    for (const char* text : {"7", "0", "abc"}) {
        EXPECT_EQ(writer.CreateTicketRun({{"1", "1"}, {text, "1"}}),
                  TicketRunWriter::Result::Refused)
            << text;
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run")))) << text;
        EXPECT_TRUE(QFile::exists(path(QStringLiteral("ZRPRT.DAT")))) << text;
    }
}

TEST_F(TicketRunWriterTest, OversizedOrderOfAnOlderRecordRefusesTheRun)
{
    put(1, ticket(QStringLiteral("MENS"), {1}));
    put(2, ticket(QStringLiteral("MENS"), {0, 10000}));
    writeBytes(QStringLiteral("Ticket.run"), "waiting\r\n");
    TicketRunWriter writer(store);
    EXPECT_EQ(writer.CreateTicketRun({{"1", "1"}, {"2", "10000"}}),
              TicketRunWriter::Result::Refused);
    EXPECT_TRUE(writer.lastError().contains(QStringLiteral("10000")))
        << writer.lastError().toStdString();
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")), QByteArray("waiting\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"1\"\r\n"));
}
