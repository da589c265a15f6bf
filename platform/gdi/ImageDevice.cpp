#include "platform/gdi/ImageDevice.h"

#include <QPainter>
#include <cmath>

#include "platform/gdi/GdiTypes.h"

namespace platform {

ImageDevice::ImageDevice(int width, int height, bool colour)
    : m_image(qMax(width, 0), qMax(height, 0), colour ? QImage::Format_RGB32 : QImage::Format_Mono)
{
    if (!colour)
        m_image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const int dotsPerMetre = int(std::lround(DotsPerInch / 0.0254));
    m_image.setDotsPerMeterX(dotsPerMetre);
    m_image.setDotsPerMeterY(dotsPerMetre);
    m_image.fill(Qt::white);
}

bool ImageDevice::paint(const std::function<void(QPainter&)>& draw)
{
    if (m_image.isNull())
        return false;
    QPainter painter(&m_image);
    if (!painter.isActive())
        return false;
    // Shades of grey have no place on a black-and-white page.
    painter.setRenderHint(QPainter::TextAntialiasing, isColour());
    draw(painter);
    return true;
}

int ImageDevice::deviceCaps(int index) const
{
    switch (index) {
    case Gdi::HORZRES:
    case Gdi::PHYSICALWIDTH:
        return m_image.width();
    case Gdi::VERTRES:
    case Gdi::PHYSICALHEIGHT:
        return m_image.height();
    case Gdi::HORZSIZE:
        return int(std::lround(m_image.width() * 25.4 / DotsPerInch));
    case Gdi::VERTSIZE:
        return int(std::lround(m_image.height() * 25.4 / DotsPerInch));
    case Gdi::BITSPIXEL:
        return isColour() ? 32 : 1;
    case Gdi::PLANES:
        return 1;
    case Gdi::LOGPIXELSX:
    case Gdi::LOGPIXELSY:
        return DotsPerInch;
    default:
        return 0;
    }
}

} // namespace platform
