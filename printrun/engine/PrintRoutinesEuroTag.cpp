#include "printrun/engine/PrintRoutines.h"

#include "platform/printing/Printer.h"
#include "platform/printing/Printers.h"
#include "platform/runtime/Values.h"
#include "printrun/engine/PrintHost.h"
#include "printrun/engine/SettingEntry.h"

using namespace platform;

void PrintRoutines::PrintEuroTag(const TicketFileRecord& ticket)
{
    Printer& printer = Printers::collection().current();
    const int cellTop = Values::toInt16(printer.CurrentY());
    const double cellLeft = printer.CurrentX();
    const double centre = cellLeft + halfPitch();
    printer.setFontTransparent(false);

    const QString price1 = priceText(m_host.currencySymbol1());
    QString price2;
    if (!isOn(SettingEntry::HidePrice)) {
        // Converted for every price, also below 1 (no pence form). A product
        // too large for a price prints nothing rather than a wrong number.
        const auto converted =
            ConvertPrice(float(Values::numericValue(TicketSell)), m_host.exchangeRate());
        if (converted)
            price2 = m_host.currencySymbol2() +
                     Values::formatNumber(*converted, QStringLiteral("####.00"));
    }

    const auto field = [&](int index, int baseTop, const QString& text, const QString& measured) {
        printField(printer, ticket, index, cellTop, baseTop, centre, text, measured);
    };
    const auto framed = [](const QString& text) {
        return QLatin1Char(' ') + Values::trimBlanks(text) + QLatin1Char(' ');
    };
    field(0, 100, framed(TicketHeader1), framed(TicketHeader1));
    field(1, 300, framed(TicketHeader2), framed(TicketHeader2));
    const QString numbers = Values::trimBlanks(TicketDpt + QLatin1Char(' ') + TicketGrp +
                                               QLatin1Char(' ') + TicketBarcode);
    field(2, 600, numbers, numbers);
    field(3, 1050, TicketSupplier, Values::trimBlanks(TicketSupplier));
    field(4, 1200, TicketDescription, Values::trimBlanks(TicketDescription));
    const QString size = Values::trimBlanks(TicketSize);
    const QString fit = Values::trimBlanks(TicketFit);
    const QString sizeLine = fit.isEmpty() ? size : size + QLatin1Char(' ') + fit;
    field(5, 1400, sizeLine, sizeLine);

    // The barcode sits at a fixed place, not centred.
    printer.setCurrentX(cellLeft + 110);
    printer.setCurrentY(cellTop + 2000);
    drawBarcode(printer, TicketBarcode, printer.CurrentX() + 60, cellTop + 1700, 1750, 1000);

    field(7, 2700, TicketBarcode, TicketBarcode);
    field(6, 3000, price1, price1);
    field(8, 3200, price2, price2);
}
