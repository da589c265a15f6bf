#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/store/ZRNDBm.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

TicketRecord newTicket(const QString& title, qint32 qty)
{
    TicketRecord r;
    r.Title1 = title;
    r.Title2 = QStringLiteral("T2");
    r.Fit = QStringLiteral("F");
    r.ColourID = QStringLiteral("RED");
    r.SizeScale = QStringLiteral("MENS");
    r.Supplier = QStringLiteral("SUP");
    r.Description = QStringLiteral("DESC");
    r.Price = 9.5;
    r.DateCreated = 45100;
    r.DateLastUsed = 45100;
    r.TotalQty[0] = qty;
    r.OrderQty[0] = qty;
    return r;
}

class RecordFileStore : public TempDirTest
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

    void putRecords(int count)
    {
        for (int n = 1; n <= count; ++n)
            ASSERT_TRUE(store.PutTicketRecord(newTicket(QStringLiteral("R%1").arg(n), n), n));
    }

    void setMark(qint32 recNo, qint16 mark)
    {
        TicketRecord r = store.GetTicketRecord(recNo);
        r.DeleteMark = mark;
        ASSERT_TRUE(store.PutTicketRecord(r, recNo));
    }

    ZRNDBm store;
};

} // namespace

TEST(ZRNDBmNames, DefaultsAreThirtyCharacterFields)
{
    ZRNDBm store;
    const QString expected[][2] = {
        {store.RecordFileName, "ZRNDB.DAT"}, {store.HistoryFileName, "ZRNH.DAT"},
        {store.ScaleFileName, "ZRNZ.DAT"},   {store.ColourFileName, "ZRCOL.DAT"},
        {store.PrintFileName, "ZRPRT.DAT"},  {store.LastRecordFileName, "ZRLR.DAT"},
        {store.DataInUseName, "Untitled."},  {store.TicketFileName, "tfile.tm"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(e[0], e[1].leftJustified(30, QLatin1Char(' ')));
}

TEST_F(RecordFileStore, NewDataSetNumbering)
{
    EXPECT_TRUE(QFile::exists(path("ZRNDB.DAT")));
    EXPECT_EQ(store.GetRecordNo(0), 0);
    EXPECT_EQ(store.GetRecordNo(1), 1);
    EXPECT_EQ(store.GetRecordNo(2), 1);
    EXPECT_EQ(store.GetRecordNo(3), 0);
}

TEST_F(RecordFileStore, OtherModesGiveZero)
{
    putRecords(3);
    for (qint16 mode : {4, 5, -1, 100, -32768})
        EXPECT_EQ(store.GetRecordNo(mode), 0) << "mode " << mode;
}

TEST_F(RecordFileStore, FreeSlotIsLowestMarkedRecord)
{
    putRecords(5);
    setMark(2, 1);
    setMark(4, 1);
    EXPECT_EQ(store.GetRecordNo(0), 5);
    EXPECT_EQ(store.GetRecordNo(2), 2);
    setMark(2, 0);
    EXPECT_EQ(store.GetRecordNo(2), 4);
    setMark(4, 0);
    EXPECT_EQ(store.GetRecordNo(2), 6);
    // Only the value 1 marks a slot.
    setMark(3, -1);
    EXPECT_EQ(store.GetRecordNo(2), 6);
    // The last record is scanned too: it is reused, and the file stays as
    // long as it was.
    setMark(5, 1);
    EXPECT_EQ(store.GetRecordNo(2), 5);
    ASSERT_TRUE(store.PutTicketRecord(newTicket(QStringLiteral("NEW"), 1), 5));
    EXPECT_EQ(store.GetRecordNo(0), 5);
    EXPECT_EQ(store.GetRecordNo(2), 6);
}

TEST_F(RecordFileStore, ReusedSlotHoldsOnlyTheNewRecord)
{
    putRecords(3);
    TicketRecord old = store.GetTicketRecord(2);
    for (int i = 0; i < 7; ++i) {
        old.TotalQty[i] = 50;
        old.OrderQty[i] = 40;
    }
    old.Price = 99.99;
    old.DeleteMark = 1;
    ASSERT_TRUE(store.PutTicketRecord(old, 2));
    const qint32 slot = store.GetRecordNo(2);
    ASSERT_EQ(slot, 2);

    TicketRecord fresh;
    fresh.Title1 = QStringLiteral("NEW");
    fresh.Title2 = QStringLiteral("ONE");
    fresh.Fit = QStringLiteral("S");
    fresh.ColourID = QStringLiteral("BLU");
    fresh.SizeScale = QStringLiteral("KIDS");
    fresh.Supplier = QStringLiteral("ACME");
    fresh.Description = QStringLiteral("HAT");
    fresh.OrderQty[1] = 3;
    fresh.TotalQty[1] = 3;
    ASSERT_TRUE(store.PutTicketRecord(fresh, slot));

    const QByteArray onDisk = readBytes("ZRNDB.DAT").mid(581, 581);
    EXPECT_EQ(onDisk, fresh.encode());
    // Outside the text fields only the two quantities are non-zero.
    QByteArray numbers = onDisk;
    for (auto [offset, width] : {std::pair{0, 41}, {49, 10}, {431, 50}})
        numbers.replace(offset, width, QByteArray(width, '\0'));
    QByteArray expected(581, '\0');
    qToLittleEndian<qint32>(3, expected.data() + 59 + 4);
    qToLittleEndian<qint32>(3, expected.data() + 307 + 4);
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(store.GetRecordNo(2), 4);
}

TEST_F(RecordFileStore, LastRecordFileHoldsDigitsAndCrLf)
{
    putRecords(9);
    // Any kind of write counts, including a mark on an old record.
    setMark(7, 1);
    EXPECT_EQ(readBytes("ZRLR.DAT"), QByteArray("7\r\n"));
    EXPECT_EQ(store.GetRecordNo(3), 7);
    ASSERT_TRUE(store.PutTicketRecord(newTicket(QStringLiteral("X"), 1), 10));
    EXPECT_EQ(readBytes("ZRLR.DAT"), QByteArray("10\r\n"));
    EXPECT_EQ(store.GetRecordNo(3), 10);
}

TEST_F(RecordFileStore, UnwritableLastRecordFileFailsTheSaveAfterTheRecordIsWritten)
{
    putRecords(2);
    // A folder where the last-record file belongs cannot be replaced.
    ASSERT_TRUE(QFile::remove(QStringLiteral("ZRLR.DAT")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ZRLR.DAT")));
    const TicketRecord rec = newTicket(QStringLiteral("THIRD"), 3);
    EXPECT_FALSE(store.PutTicketRecord(rec, 3));
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("ZRLR.DAT")));
    EXPECT_TRUE(QFileInfo(QStringLiteral("ZRLR.DAT")).isDir());
    // The record is written once, under its number.
    EXPECT_EQ(store.GetRecordNo(0), 3);
    EXPECT_EQ(store.GetTicketRecord(3).Title1, QStringLiteral("THIRD").leftJustified(16));
    EXPECT_EQ(store.GetRecordNo(2), 4);
}

TEST_F(RecordFileStore, LastRecordFileWithoutNumberGivesZero)
{
    const QByteArray contents[] = {"", "\r\n", "abc\r\n", "-4\r\n", "0\r\n"};
    for (const QByteArray& c : contents) {
        writeBytes("ZRLR.DAT", c);
        EXPECT_EQ(store.GetRecordNo(3), 0) << c.toStdString();
    }
    writeBytes("ZRLR.DAT", " 12\r\n");
    EXPECT_EQ(store.GetRecordNo(3), 12);
}

TEST_F(RecordFileStore, OutOfRangeRecordNumbersAreRefused)
{
    putRecords(3);
    writeBytes("ZRLR.DAT", "3\r\n");
    const QByteArray before = readBytes("ZRNDB.DAT");

    for (qint32 recNo : {0, -1, 4, 1000}) {
        bool ok = true;
        const TicketRecord r = store.GetTicketRecord(recNo, &ok);
        EXPECT_FALSE(ok) << "read " << recNo;
        EXPECT_EQ(r, TicketRecord()) << "read " << recNo;
        EXPECT_FALSE(store.lastError().isEmpty());
    }
    for (qint32 recNo : {0, -5, 5, 100}) {
        EXPECT_FALSE(store.PutTicketRecord(newTicket(QStringLiteral("BAD"), 1), recNo))
            << "write " << recNo;
        EXPECT_FALSE(store.lastError().isEmpty());
    }
    EXPECT_EQ(readBytes("ZRNDB.DAT"), before);
    EXPECT_EQ(readBytes("ZRLR.DAT"), QByteArray("3\r\n"));
    // Appending right after the last record is allowed.
    EXPECT_TRUE(store.PutTicketRecord(newTicket(QStringLiteral("OK"), 1), 4));
    EXPECT_EQ(store.GetRecordNo(0), 4);
}

TEST_F(RecordFileStore, PartialTrailingRecordIsNotCounted)
{
    putRecords(2);
    store.CloseRecordFile();
    QByteArray bytes = readBytes("ZRNDB.DAT");
    // A fragment one byte short of a record, which would read as a marked
    // record if it were padded and counted.
    QByteArray fragment(580, '\0');
    fragment[579] = 1;
    bytes += fragment;
    writeBytes("ZRNDB.DAT", bytes);
    ASSERT_TRUE(store.OpenRecordFile());

    EXPECT_EQ(store.GetRecordNo(0), 2);
    EXPECT_EQ(store.GetRecordNo(1), 3);
    EXPECT_EQ(store.GetRecordNo(2), 3);
    bool ok = true;
    store.GetTicketRecord(3, &ok);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(store.PutTicketRecord(newTicket(QStringLiteral("GAP"), 1), 4));
    EXPECT_EQ(readBytes("ZRNDB.DAT"), bytes);
}

TEST_F(RecordFileStore, ClosedFileIsReportedNotUsed)
{
    putRecords(1);
    store.CloseRecordFile();
    EXPECT_FALSE(store.isRecordFileOpen());
    bool ok = true;
    store.GetTicketRecord(1, &ok);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(store.PutTicketRecord(newTicket(QStringLiteral("X"), 1), 1));
    EXPECT_EQ(store.GetRecordNo(0), 0);
    EXPECT_EQ(store.GetRecordNo(3), 1); // the last-record file needs no open record file
}

TEST_F(RecordFileStore, FileNamesAreUsedWithoutTrailingBlanks)
{
    store.CloseRecordFile();
    store.RecordFileName = QStringLiteral("set.zr1").leftJustified(30);
    store.LastRecordFileName = QStringLiteral("set.zr6").leftJustified(30);
    ASSERT_TRUE(store.OpenRecordFile());
    ASSERT_TRUE(store.PutTicketRecord(newTicket(QStringLiteral("A"), 1), 1));
    EXPECT_EQ(readBytes("set.zr1").size(), 581);
    EXPECT_EQ(readBytes("set.zr6"), QByteArray("1\r\n"));
}

TEST_F(RecordFileStore, FullFileHandsOutNoNumberPastTheBarcodesFourDigits)
{
    // 9,999 live records (all-zero records carry no deletion mark).
    store.CloseRecordFile();
    writeBytes("ZRNDB.DAT", QByteArray(qsizetype(ZRNDBm::MaxRecords) * 581, '\0'));
    writeBytes("ZRLR.DAT", "9999\r\n");
    ASSERT_TRUE(store.OpenRecordFile());
    const QByteArray before = readBytes("ZRNDB.DAT");

    EXPECT_EQ(store.GetRecordNo(0), 9999);
    for (qint16 mode : {1, 2}) {
        EXPECT_EQ(store.GetRecordNo(mode), 0) << mode;
        EXPECT_TRUE(store.lastError().contains(QStringLiteral("full"))) << mode;
    }
    EXPECT_FALSE(store.PutTicketRecord(newTicket(QStringLiteral("NEW"), 1), 10000));
    EXPECT_EQ(readBytes("ZRNDB.DAT"), before);
    EXPECT_EQ(readBytes("ZRLR.DAT"), QByteArray("9999\r\n"));

    // A record marked for deletion makes room again.
    setMark(4321, 1);
    EXPECT_EQ(store.GetRecordNo(2), 4321);
}
