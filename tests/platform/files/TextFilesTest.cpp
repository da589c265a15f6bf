#include "platform/files/TextFileReader.h"
#include "platform/files/TextFileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>

#include "FileSizeLimit.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class TextFilesTest : public TempDirTest
{
protected:
    QStringList entries() const
    {
        return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
};

QStringList allItems(const QByteArray& bytes)
{
    TextFileReader reader;
    reader.setData(bytes);
    QStringList items;
    while (!reader.atEnd() && items.size() < 100)
        items.append(reader.readItem());
    return items;
}

} // namespace

TEST(TextFileReaderTest, ItemRules)
{
    const struct
    {
        QByteArray input;
        QStringList expected;
    } cases[] = {
        {"\"KIDS      \",\"2-3   \"\r\n", {"KIDS      ", "2-3   "}},
        {"  12 , abc\r\n", {"12", "abc"}},
        {"\"a,b\",c\r\n", {"a,b", "c"}},
        {"\"3\"\r\n", {"3"}},
        {"\"ab\" junk ,x\n", {"ab", "x"}},
        {"\t \"q\"\t\r\n", {"q"}},
        {"a\rb\nc\r\n", {"a", "b", "c"}},
        {"\r\n\r\n\"x\"\r\n\r\n  \r\n", {"x"}},
        {"a,,b", {"a", "", "b"}},
        {",b\r\n", {"", "b"}},
        {"a,\r\nb", {"a", "b"}},
        {"\"\",\"\"\r\n", {"", ""}},
        {"\"open\r\nnext\r\n", {"open", "next"}},
        {"", {}},
        {"\xA3"
         "5,\x80"
         "3\r\n",
         {"£5", "€3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        EXPECT_EQ(allItems(c.input), c.expected);
    }
}

TEST(TextFileReaderTest, LinesEndAtAnyLineEnd)
{
    TextFileReader reader;
    reader.setData("one, \"two\"\r\nthree\nfour\rfive");
    EXPECT_EQ(reader.readLine(), QStringLiteral("one, \"two\""));
    EXPECT_EQ(reader.readLine(), QStringLiteral("three"));
    EXPECT_EQ(reader.readLine(), QStringLiteral("four"));
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), QStringLiteral("five"));
    EXPECT_TRUE(reader.atEnd());
}

TEST_F(TextFilesTest, OpenFindsTheFileInAnyCaseAndRefusesWhatIsNotAFile)
{
    writeBytes(QStringLiteral("Ticket.run"), "\"0012\"\r\n");
    TextFileReader reader;
    ASSERT_TRUE(reader.open(QStringLiteral("ticket.RUN")));
    EXPECT_EQ(reader.readItem(), QStringLiteral("0012"));

    EXPECT_FALSE(reader.open(QStringLiteral("missing.run")));
    EXPECT_TRUE(reader.atEnd());
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Folder")));
    EXPECT_FALSE(reader.open(QStringLiteral("folder")));
}

TEST_F(TextFilesTest, WriterLinesAreExactBytes)
{
    TextFileWriter writer;
    writer.writeQuoted({QStringLiteral("KIDS      "), QStringLiteral("2-3   ")});
    writer.writeQuoted({QStringLiteral("12")});
    writer.writeLine(QStringLiteral("7"));
    writer.writeLine(QString());
    const QByteArray expected("\"KIDS      \",\"2-3   \"\r\n\"12\"\r\n7\r\n\r\n");
    EXPECT_EQ(writer.data(), expected);
    ASSERT_TRUE(writer.commit(QStringLiteral("ZRNZ.DAT"))) << writer.errorString().toStdString();
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), expected);

    TextFileWriter empty;
    ASSERT_TRUE(empty.commit(QStringLiteral("Print.dat")));
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("Print.dat")));
    EXPECT_EQ(readBytes(QStringLiteral("Print.dat")), QByteArray());
}

TEST_F(TextFilesTest, QuotesAndLineBreaksInsideAnItemCannotSplitIt)
{
    TextFileWriter writer;
    writer.writeQuoted({QStringLiteral("5\" X,"), QStringLiteral("a\r\nb"), QStringLiteral("z")});
    EXPECT_EQ(writer.data(), QByteArray("\"5' X,\",\"a  b\",\"z\"\r\n"));
    EXPECT_EQ(allItems(writer.data()),
              (QStringList{QStringLiteral("5' X,"), QStringLiteral("a  b"), QStringLiteral("z")}));
}

TEST_F(TextFilesTest, PoundAndEuroRoundTripAsSingleBytes)
{
    TextFileWriter writer;
    writer.writeQuoted({QStringLiteral("£"), QStringLiteral("€")});
    ASSERT_TRUE(writer.commit(QStringLiteral("Brevox.ps")));
    EXPECT_EQ(readBytes(QStringLiteral("Brevox.ps")), QByteArray("\"\xA3\",\"\x80\"\r\n"));

    TextFileReader reader;
    ASSERT_TRUE(reader.open(QStringLiteral("brevox.PS")));
    EXPECT_EQ(reader.readItem(), QStringLiteral("£"));
    EXPECT_EQ(reader.readItem(), QStringLiteral("€"));
    EXPECT_TRUE(reader.atEnd());
}

TEST_F(TextFilesTest, CommitReplacesTheFileSpeltInAnotherCase)
{
    writeBytes(QStringLiteral("TICKET.RUN"), "old\r\n");
    TextFileWriter writer;
    writer.writeLine(QStringLiteral("new"));
    ASSERT_TRUE(writer.commit(QStringLiteral("Ticket.run")));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("TICKET.RUN")});
    EXPECT_EQ(readBytes(QStringLiteral("TICKET.RUN")), QByteArray("new\r\n"));
}

TEST_F(TextFilesTest, FailedRewriteKeepsTheOldFile)
{
    const QByteArray old("\"KIDS      \",\"2-3   \"\r\n");
    writeBytes(QStringLiteral("ZRNZ.DAT"), old);
    TextFileWriter writer;
    for (int i = 0; i < 200; ++i)
        writer.writeQuoted({QStringLiteral("SCALE%1").arg(i, 5), QStringLiteral("S     ")});

    // The new file cannot be completed: the old one stays whole.
    {
        FileSizeLimit limit(old.size() + 10);
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(writer.commit(QStringLiteral("zrnz.dat")));
        EXPECT_FALSE(writer.errorString().isEmpty());
    }
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), old);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("ZRNZ.DAT")});

    if (geteuid() != 0) {
        // A folder that may not be written (root would ignore this).
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("locked")));
        writeBytes(QStringLiteral("locked/ZRNZ.DAT"), old);
        ASSERT_TRUE(QFile::setPermissions(QStringLiteral("locked"),
                                          QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        EXPECT_FALSE(writer.commit(QStringLiteral("locked/zrnz.dat")));
        EXPECT_FALSE(writer.errorString().isEmpty());
        QFile::setPermissions(QStringLiteral("locked"), QFileDevice::ReadOwner |
                                                            QFileDevice::WriteOwner |
                                                            QFileDevice::ExeOwner);
        EXPECT_EQ(readBytes(QStringLiteral("locked/ZRNZ.DAT")), old);
    }
}

TEST_F(TextFilesTest, CommitToAFolderOrMissingFolderIsReported)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("Ticket.run/inside")));
    TextFileWriter writer;
    writer.writeLine(QStringLiteral("1"));
    EXPECT_FALSE(writer.commit(QStringLiteral("TICKET.RUN")));
    EXPECT_FALSE(writer.errorString().isEmpty());
    EXPECT_TRUE(QFileInfo(QStringLiteral("Ticket.run/inside")).isDir());

    EXPECT_FALSE(writer.commit(QStringLiteral("nowhere\\Ticket.run")));
    EXPECT_FALSE(writer.errorString().isEmpty());
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Ticket.run")});
}
