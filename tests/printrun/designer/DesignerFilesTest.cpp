#include <QFile>
#include <gtest/gtest.h>

#include "printrun/designer/FieldSourceFile.h"
#include "printrun/designer/LineItemReader.h"
#include "printrun/designer/TicketPrinterFile.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

using DesignerFilesTest = TempDirTest;

TEST_F(DesignerFilesTest, EmptyLinesAreItemsOfTheirOwn)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QStringList items;
    };
    const Case cases[] = {
        {"empty lines", "\r\n\r\nHP\r\n", {"", "", "HP"}},
        {"blank line", "   \r\nX\r\n", {"", "X"}},
        {"comma splits", "a, b\r\nc\r\n", {"a", "b", "c"}},
        {"comma at line end", "a,\r\nb\r\n", {"a", "b"}},
        {"quoted", "\"x, y\" tail\r\n\"\"\r\n", {"x, y", ""}},
        {"lone LF and no final line end", "p\nq", {"p", "q"}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases) {
        LineItemReader reader;
        reader.setData(c.bytes);
        QStringList items;
        while (!reader.atEnd())
            items.append(reader.readItem());
        EXPECT_EQ(items, c.items) << c.name;
    }
}

TEST_F(DesignerFilesTest, NewPrinterFileHoldsSevenEmptyLines)
{
    ASSERT_FALSE(TicketPrinterFile::exists());
    ASSERT_TRUE(TicketPrinterFile::create());
    EXPECT_EQ(readBytes("Ticket.prn"), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(TicketPrinterFile::read(), QStringList(7, QString()));
}

TEST_F(DesignerFilesTest, PrinterOfTypeThreeGoesOnLineFour)
{
    ASSERT_TRUE(TicketPrinterFile::write({"", "", "", "Zebra_TLP", "", "", ""}));
    EXPECT_EQ(readBytes("Ticket.prn"), QByteArray("\r\n\r\n\r\nZebra_TLP\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(TicketPrinterFile::printerFor(3), QStringLiteral("Zebra_TLP"));
    EXPECT_EQ(TicketPrinterFile::printerFor(2), QString());
    EXPECT_EQ(TicketPrinterFile::printerFor(4), QString());
}

TEST_F(DesignerFilesTest, PrinterNamesReadBackWhole)
{
    const QStringList names = {"Office, 2nd floor", " PDF", "Laser", "", "", "", "Last"};
    ASSERT_TRUE(TicketPrinterFile::write(names));
    EXPECT_EQ(readBytes("Ticket.prn"),
              QByteArray("\"Office, 2nd floor\"\r\n\" PDF\"\r\nLaser\r\n\r\n\r\n\r\nLast\r\n"));
    EXPECT_EQ(TicketPrinterFile::read(), names);
    for (int t = 0; t < 7; ++t)
        EXPECT_EQ(TicketPrinterFile::printerFor(t), names.at(t)) << t;
}

TEST_F(DesignerFilesTest, ShortPrinterFileLeavesLaterTypesWithoutPrinter)
{
    writeBytes("ticket.prn", "First\r\nSecond\r\n");
    EXPECT_EQ(TicketPrinterFile::read(), QStringList({"First", "Second"}));
    EXPECT_EQ(TicketPrinterFile::printerFor(1), QStringLiteral("Second"));
    // Not the last name the file holds: type 5 has no line of its own.
    EXPECT_EQ(TicketPrinterFile::printerFor(5), QString());
    EXPECT_EQ(TicketPrinterFile::printerFor(7), QString());
    QFile::remove(path("ticket.prn"));
    EXPECT_EQ(TicketPrinterFile::printerFor(0), QString());
}

TEST_F(DesignerFilesTest, FieldSourcesFileHasTwentyTwoLines)
{
    FieldSourceFile::Settings settings;
    settings.sources[2] = QStringLiteral("full colour");
    ASSERT_TRUE(FieldSourceFile::save(QStringLiteral(" A "), settings, QDate(2024, 3, 7)));

    QByteArray expected = "\"Quendra - Rezuve Zoraziv. field wrapper\",\"03-07-2024\"\r\n"
                          "0,0\r\n";
    for (int i = 0; i < 9; ++i)
        expected += i == 2 ? "\"full colour\"\r\n" : "\"default\"\r\n";
    for (int i = 0; i < 11; ++i)
        expected += "\"\"\r\n";
    EXPECT_EQ(readBytes("Ticket_A.dat"), expected);
}

TEST_F(DesignerFilesTest, FieldSourceNumbersAreTheBoxesLeadingNumbers)
{
    const struct
    {
        const char* height;
        const char* top;
        const char* line;
    } cases[] = {
        {"250mm", "abc", "250,0"},
        {" 12.50", "-40", "12.5,-40"},
        {"", "0.25", "0,0.25"},
    };
    for (const auto& c : cases) {
        FieldSourceFile::Settings settings;
        settings.barcodeHeight = QString::fromLatin1(c.height);
        settings.barcodeTop = QString::fromLatin1(c.top);
        ASSERT_TRUE(FieldSourceFile::save(QStringLiteral("B"), settings, QDate(2024, 12, 31)));
        const QList<QByteArray> lines = readBytes("Ticket_B.dat").split('\n');
        ASSERT_GT(lines.size(), 2);
        EXPECT_EQ(lines.at(1), QByteArray(c.line) + "\r") << c.height;
    }
}

TEST_F(DesignerFilesTest, DefaultFieldSourcesRemoveTheFile)
{
    FieldSourceFile::Settings settings;
    settings.sources[0] = QStringLiteral("Logo2.bmp");
    ASSERT_TRUE(FieldSourceFile::save(QStringLiteral("D"), settings, QDate(2024, 1, 1)));
    ASSERT_TRUE(QFile::exists(path("Ticket_D.dat")));

    FieldSourceFile::Settings defaults;
    defaults.barcodeHeight = QStringLiteral("0.0");
    defaults.barcodeTop = QStringLiteral("none");
    ASSERT_TRUE(FieldSourceFile::save(QStringLiteral("D"), defaults, QDate(2024, 1, 1)));
    EXPECT_FALSE(QFile::exists(path("Ticket_D.dat")));
    // Nothing to remove is no failure either.
    EXPECT_TRUE(FieldSourceFile::save(QStringLiteral("D"), defaults, QDate(2024, 1, 1)));
}

TEST_F(DesignerFilesTest, FieldSourcesReadBackAsWritten)
{
    FieldSourceFile::Settings settings;
    settings.barcodeHeight = QStringLiteral("600");
    settings.barcodeTop = QStringLiteral("-15");
    settings.sources[0] = QStringLiteral("Logo1.bmp");
    settings.sources[8] = QStringLiteral("any typed text");
    ASSERT_TRUE(FieldSourceFile::save(QStringLiteral("E"), settings, QDate(2024, 5, 5)));

    FieldSourceFile::Settings read;
    ASSERT_TRUE(FieldSourceFile::load(QStringLiteral("E"), read));
    EXPECT_EQ(read.barcodeHeight, QStringLiteral("600"));
    EXPECT_EQ(read.barcodeTop, QStringLiteral("-15"));
    EXPECT_EQ(read.sources, settings.sources);

    // A cut-off file keeps the defaults for what it does not hold.
    writeBytes("Ticket_F.dat", "\"x\",\"01-01-2024\"\r\n300\r\n");
    FieldSourceFile::Settings partial;
    ASSERT_TRUE(FieldSourceFile::load(QStringLiteral("F"), partial));
    EXPECT_EQ(partial.barcodeHeight, QStringLiteral("300"));
    EXPECT_EQ(partial.barcodeTop, QStringLiteral("0"));
    EXPECT_EQ(partial.sources[0], QStringLiteral("default"));
    EXPECT_FALSE(FieldSourceFile::load(QStringLiteral("G"), partial));
}

} // namespace
