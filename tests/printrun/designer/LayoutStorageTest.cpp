#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include "printrun/designer/CurrencyFiles.h"
#include "printrun/designer/PrintRunLayoutDefaults.h"
#include "printrun/designer/ticketbas.h"
#include "support/TempDirTest.h"

namespace {

QByteArray int16s(qint16 value, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i) {
        char le[2];
        qToLittleEndian(value, le);
        out.append(le, 2);
    }
    return out;
}

// A default layout record built byte by byte: every field in one font and
// size, fields before `shown` shown, black, no effects, no offsets.
QByteArray defaultRecordBytes(const QByteArray& font, qint16 size, int shown, qint16 type)
{
    QByteArray out;
    for (int i = 0; i < 10; ++i)
        out += font.leftJustified(20, ' ');
    out += int16s(size, 10);
    out += QByteArray(80, '\0');
    for (int i = 0; i < 10; ++i)
        out += "0         ";
    out += int16s(-1, shown) + int16s(0, 10 - shown);
    out += QByteArray(20, '\0');
    out += int16s(type, 1);
    return out;
}

const QByteArray Pound("\xA3");
const QByteArray Euro("\x80");

class LayoutStorageTest : public TempDirTest
{
protected:
    TicketFileRecord euroLayout() const
    {
        TicketFileRecord rec = PrintRunLayoutDefaults::layout(1);
        rec.TicketType = 2;
        return rec;
    }
    ticketbas store;
};

TEST_F(LayoutStorageTest, DefaultsWriteArialSwingTagsAndSmallFontsLabels)
{
    ASSERT_TRUE(store.SetupTicketFileDefaults());

    const QByteArray file = readBytes("tfile.tm");
    ASSERT_EQ(file.size(), 4420);
    const QByteArray swing = defaultRecordBytes("Arial", 8, 9, 0);
    const QByteArray label = defaultRecordBytes("Small Fonts", 6, 4, 1);
    for (int rec = 0; rec < 10; ++rec)
        EXPECT_EQ(file.mid(rec * 442, 442), rec < 5 ? swing : label) << "record " << rec + 1;
    EXPECT_EQ(store.TicketBuffer, TicketFileRecord::decode(label));
    // No default is of the dual-currency type, so no rate file is written.
    EXPECT_FALSE(QFile::exists(path("Euro.Dat")));
}

TEST_F(LayoutStorageTest, LoadingAMissingRecordGivesThatLettersDefault)
{
    ASSERT_TRUE(store.SaveTicketFile(1, euroLayout()));
    ASSERT_EQ(readBytes("tfile.tm").size(), 442);

    TicketFileRecord rec;
    EXPECT_FALSE(store.LoadTicketFile(7, rec));
    EXPECT_FALSE(store.lastError().isEmpty());
    EXPECT_EQ(rec, PrintRunLayoutDefaults::layout(7));
    // The file is neither created nor lengthened by a failed load.
    EXPECT_EQ(readBytes("tfile.tm").size(), 442);
    QFile::remove(path("tfile.tm"));
    EXPECT_FALSE(store.LoadTicketFile(3, rec));
    EXPECT_EQ(rec, PrintRunLayoutDefaults::layout(3));
    EXPECT_FALSE(QFile::exists(path("tfile.tm")));
}

TEST_F(LayoutStorageTest, RecordNumberZeroReadsAndWritesNothing)
{
    ASSERT_TRUE(store.SetupTicketFileDefaults());
    const QByteArray before = readBytes("tfile.tm");
    TicketFileRecord rec = euroLayout();
    rec.FontSize[3] = 41;

    EXPECT_TRUE(store.LoadTicketFile(0, rec));
    EXPECT_EQ(rec.FontSize[3], 41);
    EXPECT_FALSE(store.SaveTicketFile(0, rec));
    EXPECT_FALSE(store.SaveTicketFile(-2, rec));
    EXPECT_EQ(readBytes("tfile.tm"), before);
    // The record held is of type 2, so its files are still read.
    EXPECT_TRUE(QFile::exists(path("Symbol.Dat")));
}

TEST_F(LayoutStorageTest, LoadingATypeTwoLayoutCreatesTheSymbolFile)
{
    ASSERT_TRUE(store.SaveTicketFile(4, euroLayout()));
    QFile::remove(path("Euro.Dat"));
    store.ExchangeRate = 3.5f;
    store.CurrencySymbol1 = QStringLiteral("$");

    ASSERT_TRUE(store.LoadTicketFile(4, store.TicketBuffer));
    EXPECT_EQ(readBytes("Symbol.Dat"), Pound + "\r\n" + Euro + "\r\n");
    EXPECT_EQ(store.CurrencySymbol1, QStringLiteral("\u00A3"));
    EXPECT_EQ(store.CurrencySymbol2, QStringLiteral("\u20AC"));
    EXPECT_EQ(store.ExchangeRate, 0.0f); // no "Euro.Dat"
}

TEST_F(LayoutStorageTest, LoadingOtherTypesLeavesTheCurrencyFilesAlone)
{
    ASSERT_TRUE(store.SetupTicketFileDefaults());
    writeBytes("Euro.Dat", " 2.5 \r\n");
    store.ExchangeRate = 7;
    store.CurrencySymbol1 = QStringLiteral("$");

    ASSERT_TRUE(store.LoadTicketFile(1, store.TicketBuffer));
    EXPECT_EQ(store.ExchangeRate, 7.0f);
    EXPECT_EQ(store.CurrencySymbol1, QStringLiteral("$"));
    EXPECT_FALSE(QFile::exists(path("Symbol.Dat")));
}

TEST_F(LayoutStorageTest, SavingATypeTwoLayoutRewritesTheRateFile)
{
    writeBytes("Euro.Dat", " 9 \r\n");
    store.ExchangeRate = 1.15f;
    ASSERT_TRUE(store.SaveTicketFile(2, euroLayout()));
    EXPECT_EQ(readBytes("Euro.Dat"), QByteArray(" 1.15 \r\n"));

    store.ExchangeRate = -0.5f;
    ASSERT_TRUE(store.SaveTicketFile(2, euroLayout()));
    EXPECT_EQ(readBytes("Euro.Dat"), QByteArray("-0.5 \r\n"));

    // Any other type leaves the file as it is.
    store.ExchangeRate = 4;
    ASSERT_TRUE(store.SaveTicketFile(2, PrintRunLayoutDefaults::layout(2)));
    EXPECT_EQ(readBytes("Euro.Dat"), QByteArray("-0.5 \r\n"));
}

TEST_F(LayoutStorageTest, RateAndSymbolsReadBackFromTheirFiles)
{
    ASSERT_TRUE(store.SaveTicketFile(1, euroLayout()));
    struct Case
    {
        const char* name;
        QByteArray euro;
        QByteArray symbols;
        float rate;
        QString symbol1;
        QString symbol2;
    };
    const Case cases[] = {
        {"plain", " 1.15 \r\n", "$\r\nCHF\r\n", 1.15f, "$", "CHF"},
        {"number then text", "  2.5abc\r\n", "\x80\r\n\xA3\r\n", 2.5f, "\u20AC", "\u00A3"},
        {"empty rate file", "", "\r\nFr\r\n", 0.0f, "", "Fr"},
        {"no number", "rate\r\n", "kr\r\n", 0.0f, "kr", "\u20AC"},
        {"too large for single precision", "1E+300\r\n", "", 0.0f, "\u00A3", "\u20AC"},
        {"comma splits a symbol", " 3 \r\n", "a,b\r\nc\r\n", 3.0f, "a", "b"},
    };
    for (const Case& c : cases) {
        writeBytes("Euro.Dat", c.euro);
        writeBytes("Symbol.Dat", c.symbols);
        TicketFileRecord rec;
        ASSERT_TRUE(store.LoadTicketFile(1, rec)) << c.name;
        EXPECT_EQ(store.ExchangeRate, c.rate) << c.name;
        EXPECT_EQ(store.CurrencySymbol1, c.symbol1) << c.name;
        EXPECT_EQ(store.CurrencySymbol2, c.symbol2) << c.name;
    }
}

TEST_F(LayoutStorageTest, PrintedNumbersKeepSevenSignificantDigits)
{
    const std::pair<float, const char*> cases[] = {
        {0.0f, " 0 "},
        {1.0f, " 1 "},
        {1.15f, " 1.15 "},
        {1234567.0f, " 1234567 "},
        {0.8765432f, " 0.8765432 "},
        {-2.25f, "-2.25 "},
        {12345678.0f, " 1.234568E+07 "},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(CurrencyFiles::printedNumber(value), QString::fromLatin1(text)) << text;
}

} // namespace
