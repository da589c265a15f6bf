#include "printrun/engine/PrintRoutines.h"

#include "platform/printing/Printer.h"
#include "platform/printing/Printers.h"
#include "platform/runtime/Values.h"

using namespace platform;

namespace {

QString joined(const QString& a, const QString& b)
{
    return a + QLatin1Char(' ') + b;
}

QString joined(const QString& a, const QString& b, const QString& c)
{
    return a + QLatin1Char(' ') + b + QLatin1Char(' ') + c;
}

} // namespace

void PrintRoutines::printFixedTicket(const TicketFileRecord& ticket, int cellLeftOffset,
                                     const QList<FieldLine>& lines, const BarcodePlace& barcode)
{
    Printer& printer = Printers::collection().current();
    const int cellTop = Values::toInt16(printer.CurrentY());
    printer.setFontTransparent(false);
    const double cellLeft = float(printer.CurrentX() + cellLeftOffset);
    const double centre = cellLeft + halfPitch();
    for (const FieldLine& line : lines) {
        if (line.index == BarcodeLine) {
            // Drawn whatever the fields show; the printer stays at the
            // barcode's position afterwards.
            printer.setCurrentX(cellLeft + barcode.positionX);
            printer.setCurrentY(cellTop + barcode.positionY);
            drawBarcode(printer, TicketBarcode, printer.CurrentX() + barcode.leftOffset,
                        cellTop + barcode.topOffset, barcode.width, barcode.height);
            continue;
        }
        printField(printer, ticket, line.index, cellTop, line.baseTop, centre + line.shift,
                   line.text, line.measured);
    }
}

void PrintRoutines::PrintMidAdhesive(const TicketFileRecord& ticket)
{
    const QString price = priceText(settingsCurrencySymbol());
    const QString headers = joined(TicketHeader1, TicketHeader2);
    const QString header2 = QLatin1Char(' ') + TicketHeader2 + QLatin1Char(' ');
    const QString numbers = Values::trimBlanks(joined(TicketDpt, TicketGrp, TicketBarcode));
    const QString size = Values::trimBlanks(TicketSize);
    const QString fit = Values::trimBlanks(TicketFit);
    const QString sizeLine = joined(size, fit);
    printFixedTicket(ticket, -50,
                     {{0, -540, 0, headers, Values::trimBlanks(headers)},
                      {1, -500, 0, header2,
                       QLatin1Char(' ') + Values::trimBlanks(TicketHeader2) + QLatin1Char(' ')},
                      {2, -270, 0, numbers, numbers},
                      {3, -130, 0, TicketSupplier, Values::trimBlanks(TicketSupplier)},
                      {4, 0, 0, TicketDescription, Values::trimBlanks(TicketDescription)},
                      {5, 200, 0, sizeLine, fit.isEmpty() ? size : sizeLine},
                      {6, 450, 0, price, price},
                      {BarcodeLine, 0, 0, {}, {}},
                      {7, 1300, 50, TicketBarcode, TicketBarcode},
                      {8, 3200, 0, price, price}},
                     {110, 850, 90, 700, 1750, 350});
}

void PrintRoutines::PrintAddrAdhesive(const TicketFileRecord& ticket)
{
    const QString price = priceText(settingsCurrencySymbol());
    const QString headers = joined(TicketHeader1, TicketHeader2);
    const QString numbers = Values::trimBlanks(joined(TicketDpt, TicketGrp, TicketBarcode));
    const QString sizeLine = joined(Values::trimBlanks(TicketSize), Values::trimBlanks(TicketFit)) +
                             QString(8, QLatin1Char(' ')) + Values::trimBlanks(price);
    printFixedTicket(ticket, -50,
                     {{0, -540, 0, headers, Values::trimBlanks(headers)},
                      {2, 30, 700, numbers, numbers},
                      {3, 180, 700, TicketSupplier, Values::trimBlanks(TicketSupplier)},
                      {4, 330, 700, TicketDescription, Values::trimBlanks(TicketDescription)},
                      {5, 750, 0, sizeLine, sizeLine},
                      {BarcodeLine, 0, 0, {}, {}}},
                     {110, 850, 90, -50, 1600, 650});
}

void PrintRoutines::PrintMiniAdhesive(const TicketFileRecord& ticket)
{
    const QString price = priceText(settingsCurrencySymbol());
    const QString headers = joined(TicketHeader1, TicketHeader2);
    const QString supplier = joined(TicketSupplier, TicketBarcode);
    const QString description = joined(TicketDescription, TicketGrp, TicketDpt);
    const QString sizeLine = joined(Values::trimBlanks(TicketSize), Values::trimBlanks(TicketFit)) +
                             QStringLiteral("   ") + Values::trimBlanks(price);
    printFixedTicket(ticket, 0,
                     {{0, 150, 0, headers, Values::trimBlanks(headers)},
                      {1, 340, 0, supplier, Values::trimBlanks(supplier)},
                      {2, 420, 0, description, Values::trimBlanks(description)},
                      {3, 510, 0, sizeLine, sizeLine},
                      {BarcodeLine, 0, 0, {}, {}}},
                     {170, 800, 0, 760, 1750, 320});
}

void PrintRoutines::PrintThermal5638(const TicketFileRecord& ticket)
{
    const QString price = priceText(settingsCurrencySymbol());
    const QString headers = joined(TicketHeader1, TicketHeader2);
    const QString supplier = joined(TicketSupplier, TicketBarcode);
    const QString description = joined(TicketDescription, TicketGrp, TicketDpt);
    const QString sizeLine = joined(Values::trimBlanks(TicketSize), Values::trimBlanks(TicketFit)) +
                             QStringLiteral("   ") + Values::trimBlanks(price);
    printFixedTicket(ticket, 0,
                     {{0, -300, 550, headers, Values::trimBlanks(headers)},
                      {1, 20, 550, supplier, Values::trimBlanks(supplier)},
                      {2, 200, 550, description, Values::trimBlanks(description)},
                      {3, 510, 550, sizeLine, sizeLine},
                      {BarcodeLine, 0, 0, {}, {}}},
                     {170, 800, 330, 760, 2000, 500});
}
