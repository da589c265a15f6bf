#include "platform/files/RecordFile.h"
#include "platform/files/RecordBuffer.h"
#include "platform/files/RecordScan.h"

#include <QDir>
#include <QFileInfo>

#include "FileSizeLimit.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

constexpr int Length = 581;

QByteArray record(char fill)
{
    return QByteArray(Length, fill);
}

class RecordFileTest : public TempDirTest
{
};

} // namespace

TEST_F(RecordFileTest, WritesAppendAndOverwriteInPlace)
{
    RecordFile file(Length);
    ASSERT_TRUE(file.open(QStringLiteral("ZRNDB.DAT"))) << file.errorString().toStdString();
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("ZRNDB.DAT")));
    EXPECT_EQ(file.count(), 0);
    ASSERT_TRUE(file.write(1, record('a')));
    ASSERT_TRUE(file.write(2, record('b')));
    ASSERT_TRUE(file.write(3, record('c')));
    ASSERT_TRUE(file.write(2, record('B')));
    EXPECT_EQ(file.count(), 3);

    // Visible to another reader straight away.
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), record('a') + record('B') + record('c'));

    QByteArray got;
    ASSERT_TRUE(file.read(2, got));
    EXPECT_EQ(got, record('B'));
    ASSERT_TRUE(file.read(3, got));
    EXPECT_EQ(got, record('c'));
}

TEST_F(RecordFileTest, PartialLastRecordIsNotCountedAndIsReplacedByAppend)
{
    writeBytes(QStringLiteral("ZRNDB.DAT"), record('a') + record('b') + QByteArray(100, 'x'));
    RecordFile file(Length);
    ASSERT_TRUE(file.open(QStringLiteral("ZRNDB.DAT")));
    EXPECT_EQ(file.count(), 2);

    QByteArray got;
    EXPECT_FALSE(file.read(3, got));

    ASSERT_TRUE(file.write(3, record('c')));
    EXPECT_EQ(file.count(), 3);
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), record('a') + record('b') + record('c'));
}

TEST_F(RecordFileTest, OutOfRangeOrWrongLengthIsRefusedAndChangesNothing)
{
    const QByteArray original = record('a') + record('b');
    writeBytes(QStringLiteral("ZRNDB.DAT"), original);
    RecordFile file(Length);
    ASSERT_TRUE(file.open(QStringLiteral("ZRNDB.DAT")));

    for (const qint64 n : {qint64(0), qint64(-1), qint64(3), qint64(4), qint64(1) << 40}) {
        SCOPED_TRACE(n);
        QByteArray got("untouched");
        EXPECT_FALSE(file.read(n, got));
        EXPECT_FALSE(file.errorString().isEmpty());
        EXPECT_EQ(got, QByteArray("untouched"));
        if (n != 3) {
            EXPECT_FALSE(file.write(n, record('z')));
            EXPECT_FALSE(file.errorString().isEmpty());
        }
    }
    for (const int size : {0, Length - 1, Length + 1}) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(file.write(1, QByteArray(size, 'z')));
        EXPECT_FALSE(file.write(3, QByteArray(size, 'z')));
        EXPECT_FALSE(file.errorString().isEmpty());
    }
    EXPECT_EQ(file.count(), 2);
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), original);
}

TEST_F(RecordFileTest, OpensExistingFileSpeltInAnotherCase)
{
    writeBytes(QStringLiteral("ZRNDB.DAT"), record('a'));
    RecordFile file(Length);
    ASSERT_TRUE(file.open(QStringLiteral("zrndb.dat")));
    EXPECT_EQ(file.count(), 1);
    ASSERT_TRUE(file.write(2, record('b')));
    file.close();
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{QStringLiteral("ZRNDB.DAT")});
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")).size(), 2 * Length);
}

TEST_F(RecordFileTest, ShortWriteIsReportedAndLeavesNoPieceBehind)
{
    RecordFile file(Length);
    ASSERT_TRUE(file.open(QStringLiteral("ZRNDB.DAT")));
    ASSERT_TRUE(file.write(1, record('a')));
    {
        FileSizeLimit limit(Length + 100);
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(file.write(2, record('b')));
        EXPECT_FALSE(file.errorString().isEmpty());
    }
    EXPECT_EQ(file.count(), 1);
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), record('a'));
}

TEST_F(RecordFileTest, UnusableFileOrClosedFileIsReported)
{
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ZRNDB.DAT")));
    RecordFile file(Length);
    EXPECT_FALSE(file.open(QStringLiteral("zrndb.dat")));
    EXPECT_FALSE(file.errorString().isEmpty());
    EXPECT_FALSE(file.isOpen());

    QByteArray got;
    EXPECT_FALSE(file.read(1, got));
    EXPECT_FALSE(file.write(1, record('a')));
    EXPECT_FALSE(file.errorString().isEmpty());
    EXPECT_EQ(file.count(), 0);
}

TEST_F(RecordFileTest, ScanVisitsEveryRecordInOrderAcrossBlocks)
{
    // More records than two blocks hold, each marked with its own number.
    constexpr int Small = 6;
    constexpr int Records = int(RecordScan::BlockRecords) * 2 + 7;
    QByteArray bytes;
    for (int n = 1; n <= Records; ++n)
        bytes += QByteArray::number(n).rightJustified(Small, '0');
    writeBytes(QStringLiteral("SCAN.DAT"), bytes);
    RecordFile file(Small);
    ASSERT_TRUE(file.open(QStringLiteral("SCAN.DAT")));

    for (const int last : {0, 1, int(RecordScan::BlockRecords), Records}) {
        RecordScan scan(file, last);
        int seen = 0;
        while (scan.next()) {
            ++seen;
            ASSERT_EQ(scan.number(), seen);
            ASSERT_EQ(QByteArray(scan.record(), Small), bytes.mid((seen - 1) * Small, Small));
        }
        EXPECT_EQ(seen, last);
        EXPECT_FALSE(scan.failed());
    }
}

TEST_F(RecordFileTest, ScanPastTheEndStopsAtTheFirstMissingRecord)
{
    writeBytes(QStringLiteral("ZRNDB.DAT"), record('a') + record('b') + record('c'));
    RecordFile file(Length);
    ASSERT_TRUE(file.open(QStringLiteral("ZRNDB.DAT")));
    // The file shrank after its count was taken.
    RecordScan scan(file, 5);
    QByteArray seen;
    while (scan.next())
        seen += scan.record()[0];
    EXPECT_EQ(seen, "abc");
    EXPECT_TRUE(scan.failed());
    EXPECT_EQ(scan.number(), 4);
    EXPECT_TRUE(scan.errorString().contains(QStringLiteral("record 4")))
        << scan.errorString().toStdString();
}

TEST(RecordBufferTest, NumbersAreLittleEndian)
{
    RecordBuffer buffer(16);
    buffer.setInt16(0, -2);
    buffer.setInt32(2, 0x01020304);
    buffer.setFloat64(6, 1.0);
    EXPECT_EQ(buffer.bytes(), QByteArray("\xFE\xFF\x04\x03\x02\x01"
                                         "\x00\x00\x00\x00\x00\x00\xF0\x3F\x00\x00",
                                         16));

    const RecordBuffer read(QByteArray("\x39\x30\xFF\xFF\xFF\xFF"
                                       "\x00\x00\x00\x00\x00\x00\x12\x40",
                                       14));
    EXPECT_EQ(read.int16(0), 12345);
    EXPECT_EQ(read.int32(2), -1);
    EXPECT_EQ(read.float64(6), 4.5);
}

TEST(RecordBufferTest, TextIsCutOrPaddedInWindows1252)
{
    RecordBuffer buffer(12);
    buffer.setText(0, 6, QStringLiteral("£4 €"));
    buffer.setText(6, 4, QStringLiteral("TOOLONG"));
    EXPECT_EQ(buffer.bytes().left(10), QByteArray("\xA3"
                                                  "4 \x80  TOOL"));
    EXPECT_EQ(buffer.text(0, 6), QStringLiteral("£4 €  "));
    // Never-written bytes read back as NULs, not as blanks.
    EXPECT_EQ(buffer.text(10, 2), QString(2, QChar(0)));
}

TEST(RecordBufferTest, FieldOutsideTheRecordIsCaught)
{
    RecordBuffer buffer(8);
#ifdef QT_NO_DEBUG
    EXPECT_EQ(buffer.int32(6), 0);
    EXPECT_EQ(buffer.float64(-1), 0.0);
    EXPECT_EQ(buffer.text(4, 10), QString());
    buffer.setText(4, 10, QStringLiteral("x"));
    buffer.setInt16(7, 1);
    EXPECT_EQ(buffer.bytes(), QByteArray(8, '\0'));
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(buffer.int32(6), "outside the record");
    EXPECT_DEATH(buffer.setText(4, 10, QStringLiteral("x")), "outside the record");
#endif
}
