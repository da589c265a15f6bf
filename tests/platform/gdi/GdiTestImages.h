#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Pixel helpers for checking what was drawn on a page image.
namespace GdiTestImages {

// The colour value (red + 256 x green + 65536 x blue) of a pixel.
inline qint32 valueAt(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

// The smallest rectangle holding every pixel of `area` that is not
// `background`; a null rectangle when there is none.
inline QRect inkBounds(const QImage& image, const QRect& area,
                       QRgb background = qRgb(255, 255, 255))
{
    QRect bounds;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Number of pixels of `area` of exactly this colour value.
inline int countOf(const QImage& image, const QRect& area, qint32 value)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (valueAt(image, x, y) == value)
                ++count;
        }
    }
    return count;
}

} // namespace GdiTestImages
