#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

#include "FakePrintHost.h"
#include "entry/store/TicketRunLine.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printers.h"
#include "printrun/engine/PrintRoutines.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "tests/platform/printing/PdfRaster.h"

using namespace platform;

// End-to-end: a run of three tickets of every ticket type printed on the
// built-in "PDF" printer, each page rasterised by poppler and every barcode
// on it read back by zbar.
namespace {

class RunTypesPdfTest : public TempDirTest
{
protected:
    // Every code zbarimg reads in an image file (stdout only), in any order.
    static QStringList decodeAll(const QString& png)
    {
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), png});
        if (!zbar.waitForFinished(60000))
            return {QStringLiteral("<zbarimg did not finish>")};
        return QString::fromLatin1(zbar.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(RunTypesPdfTest, EveryTicketOfEveryTypeDecodesFromThePdfPrinter)
{
    REQUIRE_PDFTOPPM();
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
        GTEST_SKIP() << "zbarimg is not installed (Debian package zbar-tools); the project's "
                        "scripts install it";

    Printers printers({PdfPrinter::DeviceNameText}, PdfPrinter::DeviceNameText,
                      [](const QString&) { return std::make_unique<PdfPrinter>(); });
    Printers::install(&printers);
    ScriptedDialogs dialogs;

    // Bodies and the EAN-8 codes they print as (check digits from the
    // standard's rule: 91844033 and 95012346 are its worked examples, 00000109
    // the data sheet's branch 10).
    const QStringList bodies{QStringLiteral("9184403"), QStringLiteral("9501234"),
                             QStringLiteral("0000010")};
    QStringList expected{QStringLiteral("91844033"), QStringLiteral("95012346"),
                         QStringLiteral("00000109")};
    std::sort(expected.begin(), expected.end());
    QByteArray run;
    for (const QString& body : bodies) {
        TicketRunLine line;
        line.Dpt = QStringLiteral("149");
        line.Grp = QStringLiteral("5");
        line.Supplier = QStringLiteral("SUPPLIER");
        line.Description = QStringLiteral("SUMMER DRESS");
        line.Size = QStringLiteral("12");
        line.Sell = QStringLiteral("49.99");
        line.PrvSell = QStringLiteral("59.99");
        line.Barcode = body;
        line.Header = QStringLiteral("SMITHS");
        run += line.encode();
    }
    writeBytes(QStringLiteral("ticket.run"), run);

    for (qint16 type = 0; type <= 6; ++type) {
        SCOPED_TRACE(type);
        QDir(path(PdfPrinter::FolderName)).removeRecursively();
        FakePrintHost host;
        host.ticket = FakePrintHost::shownLayout(type);
        host.printers[type] = PdfPrinter::DeviceNameText;
        // Cells start inside the page.
        host.alignment = {QStringLiteral("450"), QStringLiteral("120"), QStringLiteral("0"),
                          QStringLiteral("0")};
        PrintRoutines engine(host);
        ASSERT_TRUE(engine.PrintTicketRun(3, 1, QStringLiteral("ticket.run")));
        EXPECT_EQ(engine.printedTickets(), 3);

        // One document for a sheet, one per ticket on a thermal printer.
        const QFileInfoList pdfs =
            QDir(path(PdfPrinter::FolderName)).entryInfoList({QStringLiteral("*.pdf")});
        EXPECT_EQ(pdfs.size(), type == 3 || type == 4 ? 3 : 1);
        QStringList decoded;
        for (const QFileInfo& pdf : pdfs) {
            QString png;
            ASSERT_FALSE(PdfRaster::page(pdf.filePath(), 300, 1, &png).isNull());
            PdfRaster::keep(png);
            decoded += decodeAll(png);
        }
        std::sort(decoded.begin(), decoded.end());
        EXPECT_EQ(decoded, expected);
    }
    Printers::install(nullptr);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

} // namespace
