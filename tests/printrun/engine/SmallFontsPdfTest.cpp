#include <QProcess>
#include <QStandardPaths>

#include "FakePrintHost.h"
#include "entry/store/TicketRunLine.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printers.h"
#include "printrun/engine/PrintRoutines.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "tests/platform/printing/PdfRaster.h"

using namespace platform;

namespace {

class SmallFontsPdfTest : public TempDirTest
{
};

} // namespace

// Mini adhesive labels laid out in "Small Fonts" print in the same narrow
// face the windows show it in; pdffonts names the faces the PDF embeds.
TEST_F(SmallFontsPdfTest, SmallFontsPrintsInTheNarrowFaceOfTheWindows)
{
    REQUIRE_PDFTOPPM();
    if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
        GTEST_SKIP() << "pdffonts is not installed (Debian package poppler-utils)";

    PdfPrinter* pdf = nullptr;
    Printers printers({PdfPrinter::DeviceNameText}, PdfPrinter::DeviceNameText,
                      [&pdf](const QString&) {
                          auto printer = std::make_unique<PdfPrinter>();
                          pdf = printer.get();
                          return std::unique_ptr<Printer>(std::move(printer));
                      });
    Printers::install(&printers);
    ScriptedDialogs dialogs;
    FakePrintHost host;
    host.ticket = FakePrintHost::shownLayout(PrintRoutines::MiniAdhesive);
    for (int field = 0; field < 10; ++field) {
        host.ticket.FontName[size_t(field)] = QStringLiteral("Small Fonts");
        host.ticket.FontSize[size_t(field)] = 6;
    }
    host.printers[PrintRoutines::MiniAdhesive] = PdfPrinter::DeviceNameText;
    PrintRoutines engine(host);

    TicketRunLine line;
    line.Dpt = QStringLiteral("149");
    line.Grp = QStringLiteral("5");
    line.Supplier = QStringLiteral("WMB.MERINO CARDI");
    line.Description = QStringLiteral("MACKINTOSH MILLS");
    line.Size = QStringLiteral("14");
    line.Fit = QStringLiteral("W");
    line.Sell = QStringLiteral("1249.99");
    line.Barcode = QStringLiteral("9000302");
    line.Header = QStringLiteral("WINTER WOOLLENS");
    line.Header2 = QStringLiteral("MADE IN SCOTLAND");
    writeBytes(QStringLiteral("ticket.run"), line.encode() + line.encode());
    ASSERT_TRUE(engine.PrintTicketRun(2, 1, QStringLiteral("ticket.run")));
    Printers::install(nullptr);
    ASSERT_NE(pdf, nullptr);
    PdfRaster::keep(pdf->lastFile());

    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf->lastFile()});
    ASSERT_TRUE(fonts.waitForFinished(60000));
    const QString listed = QString::fromLatin1(fonts.readAllStandardOutput());
    EXPECT_TRUE(listed.contains(QStringLiteral("LiberationSansNarrow"))) << listed.toStdString();
    EXPECT_FALSE(listed.contains(QStringLiteral("DejaVu"))) << listed.toStdString();

    QString png;
    ASSERT_FALSE(PdfRaster::page(pdf->lastFile(), 300, 1, &png).isNull());
    PdfRaster::keep(png);
}
