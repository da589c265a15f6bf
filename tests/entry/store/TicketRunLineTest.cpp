#include <gtest/gtest.h>

#include "entry/store/TicketRunLine.h"
#include "support/QStringPrinter.h"

namespace {

TicketRunLine sampleLine()
{
    TicketRunLine line;
    line.Dpt = QStringLiteral("00");
    line.Grp = QStringLiteral("000");
    line.Supplier = QStringLiteral("BK .COTTON SHIRT");
    line.Description = QStringLiteral("NORTHWIND");
    line.Size = QStringLiteral("XL");
    line.Fit = QStringLiteral("R");
    line.Sell = QStringLiteral("12.50");
    line.Barcode = QStringLiteral("9001203");
    line.Header = QStringLiteral("SUMMER SALE");
    line.Header2 = QStringLiteral("HALF PRICE");
    return line;
}

// The sample line, column by column.
const QString SampleText = QStringLiteral(">"                // 1
                                          "00  "             // 2-5 Dpt
                                          "000 "             // 6-9 Grp
                                          "         "        // 10-18, CCode 15-18
                                          "BK .COTTON SHIRT" // 19-34
                                          "NORTHWIND       " // 35-50
                                          "XL  "             // 51-54 Size
                                          "R "               // 55-56 Fit
                                          "12.50     "       // 57-66 Sell
                                          "          "       // 67-76 PrvSell
                                          "9001203  "        // 77-85 Barcode
                                          "SUMMER SALE     " // 86-101 Header
                                          "HALF PRICE      " // 102-117 Header2
);

} // namespace

TEST(TicketRunLine, EntryLineMatchesGoldenColumns)
{
    ASSERT_EQ(SampleText.size(), 117);
    const QString text = sampleLine().toText();
    EXPECT_EQ(text, SampleText);
    EXPECT_EQ(sampleLine().encode(), SampleText.toLatin1() + "\r\n");
}

TEST(TicketRunLine, FieldsAreCutToTheirColumns)
{
    TicketRunLine line;
    line.Dpt = QStringLiteral("123456");
    line.Size = QStringLiteral("XXLONG");
    line.Fit = QStringLiteral("REG");
    line.Sell = QStringLiteral("12345678.90");
    line.Header = QStringLiteral("A TITLE LONGER THAN SIXTEEN");
    line.Header2 = QStringLiteral("SECOND TITLE, ALSO LONG");
    const QString text = line.toText();
    ASSERT_EQ(text.size(), 117);
    EXPECT_EQ(text.mid(1, 4), QStringLiteral("1234"));
    // Nothing spills into the next field.
    EXPECT_EQ(text.mid(5, 4), QStringLiteral("    "));
    EXPECT_EQ(text.mid(50, 4), QStringLiteral("XXLO"));
    EXPECT_EQ(text.mid(54, 2), QStringLiteral("RE"));
    EXPECT_EQ(text.mid(56, 10), QStringLiteral("12345678.9"));
    EXPECT_EQ(text.mid(66, 10), QString(10, QLatin1Char(' ')));
    EXPECT_EQ(text.mid(85, 16), QStringLiteral("A TITLE LONGER T"));
    EXPECT_EQ(text.mid(101, 16), QStringLiteral("SECOND TITLE, AL"));
}

TEST(TicketRunLine, EditorLineCarriesBNumberAndBlanks)
{
    TicketRunLine line = sampleLine();
    line.CCode = QStringLiteral("AB");
    line.BNo = QStringLiteral("7");
    const QString text = line.toText(TicketRunLine::EditorLength);
    ASSERT_EQ(text.size(), 150);
    EXPECT_EQ(text.left(14), SampleText.left(14));
    EXPECT_EQ(text.mid(14, 4), QStringLiteral("AB  "));
    EXPECT_EQ(text.mid(18, 99), SampleText.mid(18));
    EXPECT_EQ(text.mid(117, 19), QString(19, QLatin1Char(' ')));
    EXPECT_EQ(text.mid(136, 3), QStringLiteral("7  "));
    EXPECT_EQ(text.mid(139), QString(11, QLatin1Char(' ')));
    // An entry line has no room for B#.
    EXPECT_EQ(line.toText().size(), 117);
}

TEST(TicketRunLine, ParseTakesExactColumns)
{
    const TicketRunLine line = TicketRunLine::parse(SampleText);
    EXPECT_EQ(line.Dpt, QStringLiteral("00  "));
    EXPECT_EQ(line.Grp, QStringLiteral("000 "));
    EXPECT_EQ(line.CCode, QStringLiteral("    "));
    EXPECT_EQ(line.Supplier, QStringLiteral("BK .COTTON SHIRT"));
    EXPECT_EQ(line.Description, QStringLiteral("NORTHWIND       "));
    EXPECT_EQ(line.Size, QStringLiteral("XL  "));
    EXPECT_EQ(line.Fit, QStringLiteral("R "));
    EXPECT_EQ(line.Sell, QStringLiteral("12.50     "));
    EXPECT_EQ(line.PrvSell, QString(10, QLatin1Char(' ')));
    EXPECT_EQ(line.Barcode, QStringLiteral("9001203  "));
    EXPECT_EQ(line.Header, QStringLiteral("SUMMER SALE     "));
    EXPECT_EQ(line.Header2, QStringLiteral("HALF PRICE      "));
    // An entry line ends before B#.
    EXPECT_EQ(line.BNo, QString());
}

TEST(TicketRunLine, ReadingStopsAtTheFirstComma)
{
    // A comma in the description ends the line as it is read back.
    QString text = SampleText;
    text[26] = QLatin1Char(',');
    const TicketRunLine line = TicketRunLine::parse(text);
    EXPECT_EQ(line.Supplier, QStringLiteral("BK .COTT"));
    EXPECT_TRUE(line.Description.isEmpty());
    EXPECT_TRUE(line.Barcode.isEmpty());
    EXPECT_TRUE(line.Header2.isEmpty());
}

TEST(TicketRunLine, ShortLineGivesThePartThatExists)
{
    const TicketRunLine line = TicketRunLine::parse(SampleText.left(80));
    EXPECT_EQ(line.Sell, QStringLiteral("12.50     "));
    EXPECT_EQ(line.Barcode, QStringLiteral("9001"));
    EXPECT_TRUE(line.Header.isEmpty());
}

TEST(TicketRunLine, EncodedLinesDecodeToTheSameFields)
{
    TicketRunLine line = sampleLine();
    line.Description = QStringLiteral("CAF\u00c9 \u00a3 LTD"); // Windows-1252 bytes
    line.BNo = QStringLiteral("12");
    const QByteArray bytes = line.encode(TicketRunLine::EditorLength);
    ASSERT_EQ(bytes.size(), 152);
    EXPECT_EQ(bytes.mid(34, 10), QByteArray("CAF\xc9 \xa3 LTD"));
    const TicketRunLine back = TicketRunLine::decode(bytes);
    EXPECT_EQ(back.Description, line.Description.leftJustified(16));
    EXPECT_EQ(back.BNo, QStringLiteral("12 "));
    EXPECT_EQ(back.toText(TicketRunLine::EditorLength), line.toText(TicketRunLine::EditorLength));
}
