#include "platform/gdi/ImageDevice.h"

#include <QPainter>
#include <array>
#include <cmath>

#include "platform/gdi/GdiTypes.h"

namespace platform {

namespace {

// The page over a table of its colours, one byte a pixel; a null image
// when it has more than 256 colours.
QImage indexed(const QImage& page)
{
    // An open hash of the colours met (a page mostly repeats the colour of
    // the pixel before, which skips the look-up).
    constexpr int Slots = 1024;
    std::array<QRgb, Slots> colours{};
    std::array<int, Slots> indexes;
    indexes.fill(-1);
    QList<QRgb> table;
    QImage packed(page.size(), QImage::Format_Indexed8);
    if (packed.isNull())
        return QImage();
    const int width = page.width();
    const int height = page.height();
    const qsizetype fromStride = page.bytesPerLine();
    const qsizetype toStride = packed.bytesPerLine();
    const uchar* fromBits = page.constBits();
    uchar* toBits = packed.bits();
    QRgb last = 0;
    uchar lastIndex = 0;
    bool any = false;
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(fromBits + y * fromStride);
        uchar* to = toBits + y * toStride;
        for (int x = 0; x < width; ++x) {
            const QRgb colour = from[x];
            if (colour != last || !any) {
                unsigned slot = (colour * 2654435761u) >> 22;
                while (indexes[slot] >= 0 && colours[slot] != colour)
                    slot = (slot + 1) % Slots;
                if (indexes[slot] < 0) {
                    if (table.size() == 256)
                        return QImage();
                    colours[slot] = colour;
                    indexes[slot] = int(table.size());
                    table.append(colour);
                }
                last = colour;
                lastIndex = uchar(indexes[slot]);
                any = true;
            }
            to[x] = lastIndex;
        }
    }
    packed.setColorTable(table);
    return packed;
}

} // namespace

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

void ImageDevice::store()
{
    if (m_stored || m_image.format() != QImage::Format_RGB32)
        return;
    QImage packed = indexed(m_image);
    if (packed.isNull())
        packed = m_image.convertToFormat(QImage::Format_RGB888);
    if (packed.isNull())
        return;
    packed.setDotsPerMeterX(m_image.dotsPerMeterX());
    packed.setDotsPerMeterY(m_image.dotsPerMeterY());
    m_image = packed;
    m_stored = true;
}

void ImageDevice::unpack()
{
    if (!m_stored)
        return;
    m_image = image();
    m_stored = false;
}

QImage ImageDevice::image() const
{
    return m_stored ? m_image.convertToFormat(QImage::Format_RGB32) : m_image;
}

bool ImageDevice::paint(const std::function<void(QPainter&)>& draw)
{
    unpack();
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
