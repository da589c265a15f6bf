#include "printrun/engine/PrintRoutines.h"

#include <QPainter>

#include "platform/barcode/Barcode.h"
#include "platform/controls/FontSubstitutes.h"
#include "platform/printing/Printer.h"
#include "platform/runtime/Values.h"
#include "printrun/engine/PrintHost.h"
#include "printrun/engine/SettingEntry.h"

using namespace platform;

QString PrintRoutines::settingsCurrencySymbol() const
{
    const QString symbol = m_host.setting(SettingEntry::CurrencySymbolEntry);
    return Values::trimBlanks(symbol).isEmpty() ? QStringLiteral("£") : symbol;
}

QString PrintRoutines::priceText(const QString& symbol) const
{
    if (isOn(SettingEntry::HidePrice))
        return QString();
    const double price = Values::numericValue(TicketSell);
    if (price < 1) {
        // Pence: the last two characters, so 0.99 gives 99p and 0.5 " 5p".
        QString pence = Values::trimBlanks(TicketSell).right(2) + QLatin1Char('p');
        pence.replace(QLatin1Char('.'), QLatin1Char(' '));
        return pence;
    }
    return symbol + Values::formatNumber(price, QStringLiteral("####.00"));
}

double PrintRoutines::halfPitch() const
{
    return (int(ColumnPitch) - int(StartX)) / 2.0;
}

void PrintRoutines::setFieldFont(Printer& printer, const TicketFileRecord& ticket, int index)
{
    // A blank name prints in one face, whatever field came before; a size of
    // 0 keeps the printer's size.
    const QString name = Values::trimBlanks(ticket.FontName[index]);
    printer.setFontName(name.isEmpty() ? QString::fromLatin1(FontSubstitutes::BlankFace) : name);
    printer.setFontBold(ticket.FontBold[index] != 0);
    printer.setFontItalic(ticket.FontItalic[index] != 0);
    printer.setFontUnderline(ticket.FontUnderline[index] != 0);
    printer.setFontStrikethru(ticket.FontStrikethru[index] != 0);
    if (ticket.FontSize[index] > 0)
        printer.setFontSize(ticket.FontSize[index]);
    // A colour that is not a number prints black.
    printer.setForeColor(Values::toInt32(Values::numericValue(ticket.ForeColour[index])));
}

void PrintRoutines::printTransparent(Printer& printer, const QString& text)
{
    printer.setFontTransparent(true);
    printer.Print(text);
    printer.setFontTransparent(false);
}

bool PrintRoutines::printField(Printer& printer, const TicketFileRecord& ticket, int index,
                               int cellTop, int baseTop, double centre, const QString& text,
                               const QString& measured)
{
    if (ticket.ShowField[index] != -1)
        return false;
    printer.setCurrentY(cellTop + baseTop + double(ticket.FieldOffset[index]));
    setFieldFont(printer, ticket, index);
    printer.setCurrentX(float(centre - printer.TextWidth(measured) / 2.0));
    printTransparent(printer, text);
    return true;
}

void PrintRoutines::drawBarcode(Printer& printer, const QString& code, double left, double top,
                                double width, double height, double twipsPerUnit)
{
    Barcode symbol;
    symbol.encode(Barcode::Ean8, code);
    const QRectF twips(left * twipsPerUnit, top * twipsPerUnit, width * twipsPerUnit,
                       height * twipsPerUnit);
    // The page's painter maps 1 unit to 1 twip.
    printer.drawOnPage([&](QPainter& painter) { symbol.draw(painter, twips); });
}
