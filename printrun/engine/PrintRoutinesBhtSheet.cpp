#include "printrun/engine/PrintRoutines.h"

#include <array>

#include "platform/printing/Printer.h"
#include "platform/printing/Printers.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

struct OperationCode
{
    const char* name;
    const char* code;
};

// Fixed EAN-8 codes (check digit included) the handheld terminals know.
constexpr std::array<OperationCode, 3> OperationCodes{
    {{"Stock Take", "00022026"}, {"Allocation", "00022019"}, {"Relocation", "00022033"}}};

constexpr int BarcodeWidth = 1500;
constexpr int BarcodeHeight = 500;

void printBold(Printer& printer, const QString& text)
{
    printer.setFontBold(true);
    printer.Print(text);
    printer.setFontBold(false);
}

} // namespace

QString PrintRoutines::BranchCode(int branch)
{
    const QString body =
        QStringLiteral("00000") + QStringLiteral("%1").arg(branch, 2, 10, QLatin1Char('0'));
    return body + QString::number(Ean8CheckDigit(body));
}

bool PrintRoutines::PrintBhtSheet()
{
    Printer& printer = Printers::collection().current();

    printer.setCurrentX(100);
    printer.setCurrentY(300);
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(10);
    printer.setFontBold(true);
    printer.Print(QStringLiteral("Quendra BHT Barcode data sheet"));
    printer.Line(100, 600, 11400, 600, 0);

    printer.setFontBold(false);
    printer.setCurrentX(100);
    printer.setCurrentY(700);
    printer.setFontSize(7);
    printer.Print(QStringLiteral("Operation Barcodes"));
    printer.setFontSize(10);

    int x = 900;
    for (const OperationCode& operation : OperationCodes) {
        printer.setCurrentX(x);
        printer.setCurrentY(1200);
        printBold(printer, QString::fromLatin1(operation.name));
        printer.setCurrentY(printer.CurrentY() + 650);
        printer.setCurrentX(x);
        const QString code = QString::fromLatin1(operation.code);
        printer.Print(code);
        drawBarcode(printer, code, x, 1450, BarcodeWidth, BarcodeHeight);
        x += 2800;
    }

    printer.Line(100, 2700, 11400, 2700, 0);
    printer.setCurrentX(100);
    printer.setCurrentY(2800);
    printer.setFontSize(7);
    printer.Print(QStringLiteral("Branch Barcodes"));
    printer.setFontSize(10);

    for (int row = 0; row < 8; ++row) {
        const int y = 3400 + 1550 * row;
        for (int column = 0; column < 4; ++column) {
            const int branch = row * 4 + column + 1;
            const int left = 900 + 2800 * column;
            printer.setCurrentX(left);
            printer.setCurrentY(y);
            printBold(printer, QStringLiteral("Branch %1").arg(branch, 2, 10, QLatin1Char('0')));
            const QString code = BranchCode(branch);
            drawBarcode(printer, code, left, y + 250, BarcodeWidth, BarcodeHeight);
            printer.setCurrentY(printer.CurrentY() + 650);
            printer.setCurrentX(left);
            printer.Print(code);
        }
    }

    printer.Line(100, 15800, 11400, 15800, 0);
    printer.setFontBold(false);
    printer.setCurrentX(100);
    printer.setCurrentY(15900);
    printer.setFontSize(7);
    printer.Print(
        QStringLiteral("Barcode data sheet for BHT handheld terminals - www.velmar.example"));

    if (!printer.EndDoc()) {
        Dialogs::current().message(
            QStringLiteral("The printer %1 could not print the BHT data sheet.")
                    .arg(printer.DeviceName()) +
                (printer.errorText().isEmpty() ? QString()
                                               : QStringLiteral("\r\n") + printer.errorText()),
            QStringLiteral("BHT"), Dialogs::Icon::Critical);
        return false;
    }
    return true;
}
