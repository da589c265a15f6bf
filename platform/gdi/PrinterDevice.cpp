#include "platform/gdi/PrinterDevice.h"

#include <QPainter>
#include <cmath>

#include "platform/gdi/GdiTypes.h"
#include "platform/printing/Printer.h"

namespace platform {

namespace {

constexpr double TwipsPerInch = 1440.0;

int whole(double value)
{
    return int(std::lround(value));
}

} // namespace

PrinterDevice::PrinterDevice(Printer& printer) : m_printer(printer) {}

double PrinterDevice::twipsPerPixel() const
{
    return m_printer.twipsPerUnit(Printer::Pixels);
}

double PrinterDevice::dotsPerInch() const
{
    return TwipsPerInch / twipsPerPixel();
}

QFont PrinterDevice::printerFont() const
{
    const Printer::Font& f = m_printer.font();
    QFont font(f.name);
    // A point is 20 twips.
    font.setPixelSize(qMax(1, whole(f.size * 20.0 / twipsPerPixel())));
    font.setWeight(QFont::Weight(f.drawnWeight()));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikethrough);
    return font;
}

bool PrinterDevice::paint(const std::function<void(QPainter&)>& draw)
{
    const double scale = twipsPerPixel();
    return m_printer.drawOnPage([&](QPainter& painter) {
        painter.scale(scale, scale);
        draw(painter);
    });
}

bool PrinterDevice::paintSettingOwnTools(const std::function<void(QPainter&)>& draw)
{
    return m_printer.drawOnPageKeepingTools(twipsPerPixel(), draw);
}

int PrinterDevice::deviceCaps(int index) const
{
    const double tpp = twipsPerPixel();
    const double scaleTwips = m_printer.twipsPerUnit(m_printer.ScaleMode());
    switch (index) {
    case Gdi::HORZRES:
        return whole(m_printer.ScaleWidth() * scaleTwips / tpp);
    case Gdi::VERTRES:
        return whole(m_printer.ScaleHeight() * scaleTwips / tpp);
    case Gdi::PHYSICALWIDTH:
        return whole(m_printer.Width() / tpp);
    case Gdi::PHYSICALHEIGHT:
        return whole(m_printer.Height() / tpp);
    case Gdi::HORZSIZE:
        return whole(m_printer.ScaleWidth() * scaleTwips / TwipsPerInch * 25.4);
    case Gdi::VERTSIZE:
        return whole(m_printer.ScaleHeight() * scaleTwips / TwipsPerInch * 25.4);
    case Gdi::BITSPIXEL:
        return 24;
    case Gdi::PLANES:
        return 1;
    case Gdi::LOGPIXELSX:
    case Gdi::LOGPIXELSY:
        return whole(dotsPerInch());
    default:
        return 0;
    }
}

void PrinterDevice::record(const GdiCall& call)
{
    m_printer.recordGdiCall(call);
}

} // namespace platform
