#include <QProcess>
#include <QStandardPaths>

#include "FakePrintHost.h"
#include "entry/store/TicketRunLine.h"
#include "platform/files/Ansi.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printers.h"
#include "platform/printing/RecordingPrinter.h"
#include "printrun/engine/PrintRoutines.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "tests/platform/printing/PdfRaster.h"

using namespace platform;

// End-to-end: a run of two swing tags printed on the built-in "PDF" printer,
// rasterised by poppler, and each ticket's barcode read back by zbar.
namespace {

constexpr int Dpi = 300;

class SwingTagPdfTest : public TempDirTest
{
protected:
    // What zbarimg reads in an image file (stdout only).
    static QString decode(const QString& png)
    {
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), png});
        if (!zbar.waitForFinished(60000))
            return QStringLiteral("<zbarimg did not finish>");
        return QString::fromLatin1(zbar.readAllStandardOutput()).trimmed();
    }

    static int px(double twips) { return int(PdfRaster::pixels(twips, Dpi)); }
};

TEST_F(SwingTagPdfTest, TwoTicketRunOnThePdfPrinterDecodesEachBarcode)
{
    REQUIRE_PDFTOPPM();
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg is not installed (Debian package zbar-tools); the project's "
                        "scripts install it";

    PdfPrinter* pdf = nullptr;
    Printers printers({QStringLiteral("Recorder"), PdfPrinter::DeviceNameText},
                      QStringLiteral("Recorder"), [&pdf](const QString& name) {
                          if (name == PdfPrinter::DeviceNameText) {
                              auto printer = std::make_unique<PdfPrinter>();
                              pdf = printer.get();
                              return std::unique_ptr<Printer>(std::move(printer));
                          }
                          return std::unique_ptr<Printer>(std::make_unique<RecordingPrinter>(name));
                      });
    Printers::install(&printers);
    ScriptedDialogs dialogs;

    FakePrintHost host;
    host.printers[0] = PdfPrinter::DeviceNameText;
    // Start the sheet inside the page: the first column's cell begins 400
    // twips in, 700 twips down.
    host.alignment = {QStringLiteral("450"), QStringLiteral("120"), QStringLiteral("0"),
                      QStringLiteral("0")};
    host.ticket.FontSize[0] = 10;
    host.ticket.FontBold[0] = -1;
    PrintRoutines engine(host);

    const QStringList bodies{QStringLiteral("9184403"), QStringLiteral("9501234")};
    QByteArray run;
    for (const QString& body : bodies) {
        TicketRunLine line;
        line.Dpt = QStringLiteral("149");
        line.Grp = QStringLiteral("5");
        line.Supplier = QStringLiteral("RED.SUMMER DRESS");
        line.Description = QStringLiteral("ACME FASHIONS");
        line.Size = QStringLiteral("12");
        line.Fit = QStringLiteral("L");
        line.Sell = QStringLiteral("49.99");
        line.Barcode = body;
        line.Header = QStringLiteral("SMITHS");
        line.Header2 = QStringLiteral("OF LEEDS");
        run += line.encode();
    }
    writeBytes(QStringLiteral("ticket.run"), run);

    ASSERT_TRUE(engine.PrintTicketRun(2, 1, QStringLiteral("ticket.run")));
    Printers::install(nullptr);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    ASSERT_NE(pdf, nullptr);
    ASSERT_FALSE(pdf->lastFile().isEmpty());
    EXPECT_EQ(PdfRaster::pageCount(pdf->lastFile()), 1);
    EXPECT_EQ(printers.currentDeviceName(), QStringLiteral("Recorder"));

    QString png;
    const QImage page = PdfRaster::page(pdf->lastFile(), Dpi, 1, &png);
    ASSERT_FALSE(page.isNull());
    PdfRaster::keep(pdf->lastFile());
    PdfRaster::keep(png);

    // StartX 400, StartY 700, ColumnPitch 1930: cell centres at 400 + 765
    // and one pitch further; the bars 1450 wide, 2000 below the cell top.
    for (int ticket = 0; ticket < 2; ++ticket) {
        SCOPED_TRACE(ticket);
        const double centre = 400 + (1930 - 400) / 2.0 + 1930 * ticket;
        const QRect area(px(centre - 725 - 150), px(700 + 2000 - 60), px(1450 + 300),
                         px(1000 + 120));
        const QRect ink = PdfRaster::inkBounds(page, area);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_NEAR(ink.top(), px(2700), 2);
        // Modules of 17 whole twips, the most that fit 81 into 1450 twips,
        // centred on the cell.
        EXPECT_NEAR(ink.left(), px(centre - 67 * 17 / 2.0), 3);
        EXPECT_NEAR(ink.right(), px(centre + 67 * 17 / 2.0), 3);

        const QString crop = path(QStringLiteral("ticket%1-barcode.png").arg(ticket + 1));
        ASSERT_TRUE(page.copy(area).save(crop));
        PdfRaster::keep(crop);
        const QString expected =
            bodies[ticket] + QString::number(PrintRoutines::Ean8CheckDigit(bodies[ticket]));
        EXPECT_EQ(decode(crop), expected);
    }
    EXPECT_EQ(decode(png).split(QLatin1Char('\n')).size(), 2);
}

} // namespace
