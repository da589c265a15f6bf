#include "printrun/engine/PrintRoutines.h"

#include <QImage>
#include <QStringList>
#include <array>

#include "platform/files/TextFileReader.h"
#include "platform/printing/Printer.h"
#include "platform/printing/Printers.h"
#include "platform/runtime/Values.h"
#include "printrun/engine/PrintHost.h"
#include "printrun/engine/SettingEntry.h"

using namespace platform;

namespace {

const QString DefaultSource = QStringLiteral("default");
const QString Unknown = QStringLiteral("????????");

// Base tops of fields 0 to 8, twips below the cell top.
constexpr std::array<int, 9> SwingTagTops{100, 300, 600, 1050, 1200, 1400, 1700, 3000, 3200};

// The advanced field sources of a layout letter: the barcode's height and
// top, and the source of each of the nine fields.
struct FieldSources
{
    QString barcodeHeight = QStringLiteral("0");
    QString barcodeTop = QStringLiteral("0");
    std::array<QString, 9> field;
};

// Reads "Ticket_<letter>.dat". Items the file lacks keep their defaults, so a
// short file prints like a missing one where it ends.
FieldSources readFieldSources(const QString& letter)
{
    FieldSources sources;
    sources.field.fill(DefaultSource);
    TextFileReader reader;
    if (!reader.open(QStringLiteral("ticket_") + letter + QStringLiteral(".dat")))
        return sources;
    const auto next = [&reader](const QString& fallback) {
        return reader.atEnd() ? fallback : reader.readItem();
    };
    // The first line is a caption and a date; the third item is the height.
    for (int i = 0; i < 3; ++i)
        sources.barcodeHeight = next(sources.barcodeHeight);
    sources.barcodeTop = next(sources.barcodeTop);
    for (QString& source : sources.field)
        source = next(DefaultSource);
    return sources;
}

bool isLogoName(const QString& source)
{
    static const QStringList logos{QStringLiteral("Logo1.bmp"), QStringLiteral("Logo2.bmp"),
                                   QStringLiteral("Logo3.bmp"), QStringLiteral("Logo4.bmp")};
    return logos.contains(source); // letter case counts
}

// Width of a picture painted at its own size, in twips.
double pictureWidthTwips(const QImage& picture)
{
    const double dpi = picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() * 0.0254 : 96.0;
    return picture.width() * 1440.0 / dpi;
}

} // namespace

// One swing tag's cell: where it is, where its fields come from and the
// default texts of fields 0 to 8 with the texts they are centred on.
struct PrintRoutines::SwingTagCell
{
    int top = 0;
    double centre = 0;
    FieldSources sources;
    qint16 recordNumber = 0;
    bool supplierBelow = false;
    QString supplierLine;
    std::array<QString, 9> texts;
    std::array<QString, 9> measured;
};

void PrintRoutines::PrintSwingTag(const TicketFileRecord& ticket)
{
    Printer& printer = Printers::collection().current();
    SwingTagCell cell;
    cell.top = Values::toInt16(printer.CurrentY());
    const double cellLeft = printer.CurrentX();
    cell.centre = cellLeft + halfPitch();
    printer.setFontTransparent(false);

    const QString price = priceText(settingsCurrencySymbol());
    cell.sources = readFieldSources(m_host.layoutLetter());
    cell.recordNumber = Values::toInt16(Values::numericValue(TicketBarcode.mid(1, 4)));
    setSwingTagTexts(cell, price);

    for (int i = 0; i <= 6; ++i)
        printSwingField(printer, ticket, cell, i);
    drawSwingTagBarcode(printer, cell);
    printSwingField(printer, ticket, cell, 7);
    printSwingField(printer, ticket, cell, 8);
}

void PrintRoutines::setSwingTagTexts(SwingTagCell& cell, const QString& price) const
{
    const bool descriptionBelow = isOn(SettingEntry::DescriptionBelow);
    cell.supplierBelow = isOn(SettingEntry::SupplierBelow);
    QString barcodeLine = TicketBarcode;
    if (descriptionBelow)
        barcodeLine = Values::trimBlanks(TicketDescription) + QLatin1Char(' ') +
                      Values::trimBlanks(TicketBarcode);
    if (cell.supplierBelow)
        cell.supplierLine = descriptionBelow ? QLatin1Char(' ') + TicketSupplier : TicketSupplier;

    const QString size = Values::trimBlanks(TicketSize);
    const QString fit = Values::trimBlanks(TicketFit);
    cell.texts = {Values::trimBlanks(TicketHeader1),
                  Values::trimBlanks(TicketHeader2),
                  Values::trimBlanks(TicketDpt + QLatin1Char(' ') + TicketGrp + QLatin1Char(' ') +
                                     TicketBarcode),
                  TicketSupplier,
                  TicketDescription,
                  fit.isEmpty() ? size : size + QLatin1Char(' ') + fit,
                  price,
                  barcodeLine,
                  price};
    cell.measured = cell.texts;
    cell.measured[3] = Values::trimBlanks(TicketSupplier);
    cell.measured[4] = Values::trimBlanks(TicketDescription);
}

void PrintRoutines::printSwingField(Printer& printer, const TicketFileRecord& ticket,
                                    const SwingTagCell& cell, int i)
{
    if (ticket.ShowField[i] != -1)
        return;
    printer.setCurrentY(cell.top + SwingTagTops[i] + double(ticket.FieldOffset[i]));
    setFieldFont(printer, ticket, i);
    const QString& source = cell.sources.field[i];
    QString text = cell.texts[i];
    QString width = cell.measured[i];
    bool keyword = false;
    if (source != DefaultSource) {
        if (i <= 1 && isLogoName(source)) {
            const QImage logo = m_host.loadLogo(source);
            if (!logo.isNull()) {
                printer.setCurrentX(cell.centre - pictureWidthTwips(logo) / 2.0);
                printer.PaintPicture(logo, printer.CurrentX(), printer.CurrentY());
            }
            return;
        }
        text = Values::trimBlanks(m_host.GetFieldData(cell.recordNumber, source));
        if (text.endsWith(Unknown))
            text = text.left(text.size() - Unknown.size()) + TicketBarcode;
        width = text;
        keyword = true;
    }
    if (i <= 1) {
        text = QLatin1Char(' ') + text + QLatin1Char(' ');
        width = text;
    }
    printer.setCurrentX(float(cell.centre - printer.TextWidth(width) / 2.0));
    printTransparent(printer, text);
    // The supplier line under the barcode line: centred in the cell one
    // line lower, not at the page's left edge.
    if (i == 7 && !keyword && cell.supplierBelow) {
        printer.setCurrentX(
            float(cell.centre - printer.TextWidth(Values::trimBlanks(cell.supplierLine)) / 2.0));
        printTransparent(printer, cell.supplierLine);
    }
}

void PrintRoutines::drawSwingTagBarcode(Printer& printer, const SwingTagCell& cell) const
{
    // The swing tag's barcode is placed in the printer's own units.
    constexpr double Width = 1450;
    const double height = Values::numericValue(cell.sources.barcodeHeight);
    drawBarcode(printer, TicketBarcode, cell.centre - Width / 2.0,
                cell.top + 2000 + Values::numericValue(cell.sources.barcodeTop), Width,
                height != 0 ? height : 1000, printer.twipsPerUnit(printer.ScaleMode()));
}
