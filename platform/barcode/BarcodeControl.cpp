#include "platform/barcode/BarcodeControl.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

int toPixels(double twips)
{
    return int(std::lround(twips / BarcodeControl::TwipsPerPixel));
}

// The twips last given while the widget still sits where they put it;
// after a move or resize from elsewhere (a layout, the user), its pixels.
double twipsOf(double given, int pixels)
{
    return toPixels(given) == pixels ? given : double(pixels) * BarcodeControl::TwipsPerPixel;
}

} // namespace

BarcodeControl::BarcodeControl(QWidget* parent) : QWidget(parent)
{
    encode();
}

void BarcodeControl::setCaption(const QString& text)
{
    m_caption = text;
    encode();
}

void BarcodeControl::setSymbology(int symbology)
{
    m_symbology = symbology;
    encode();
}

void BarcodeControl::encode()
{
    m_barcode.encode(m_symbology, m_caption);
    update();
}

void BarcodeControl::setUnits(int units)
{
    m_units = units;
}

double BarcodeControl::twipsPerUnit(int units)
{
    switch (units) {
    case Twips:
        return 1.0;
    case Points:
        return 20.0;
    case Inches:
        return 1440.0;
    case Millimetres:
        return 1440.0 / 25.4;
    case Centimetres:
        return 14400.0 / 25.4;
    default:
        return 0.0;
    }
}

QString BarcodeControl::errorText() const
{
    if (!m_barcode.isValid())
        return m_barcode.errorText();
    if (twipsPerUnit(m_units) == 0.0)
        return QStringLiteral("Unsupported units %1 for the barcode's placement").arg(m_units);
    return {};
}

bool BarcodeControl::drawOnDevice(QPainter& painter) const
{
    const double scale = twipsPerUnit(m_units);
    if (scale == 0.0)
        return false;
    return m_barcode.draw(painter, QRectF(m_deviceLeft * scale, m_deviceTop * scale,
                                          m_deviceWidth * scale, m_deviceHeight * scale));
}

double BarcodeControl::Left() const
{
    return twipsOf(m_left, x());
}

double BarcodeControl::Top() const
{
    return twipsOf(m_top, y());
}

double BarcodeControl::Width() const
{
    return twipsOf(m_width, width());
}

double BarcodeControl::Height() const
{
    return twipsOf(m_height, height());
}

void BarcodeControl::setLeft(double twips)
{
    m_left = twips;
    move(toPixels(twips), y());
}

void BarcodeControl::setTop(double twips)
{
    m_top = twips;
    move(x(), toPixels(twips));
}

void BarcodeControl::setWidth(double twips)
{
    m_width = std::max(0.0, twips);
    resize(toPixels(m_width), height());
}

void BarcodeControl::setHeight(double twips)
{
    m_height = std::max(0.0, twips);
    resize(width(), toPixels(m_height));
}

void BarcodeControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // The same drawing as on a device, with twips mapped to pixels.
    painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    m_barcode.draw(painter, QRectF(0, 0, width() * TwipsPerPixel, height() * TwipsPerPixel));
}

} // namespace platform
