#pragma once

#include <QImage>

#include "platform/gdi/GdiDevice.h"

namespace platform {

// A page held in memory at 96 dots per inch: a colour image, or a 1-bit
// image (black and white only) where every colour drawn becomes the nearer
// of the two. A new page is white.
class ImageDevice : public GdiDevice
{
public:
    static constexpr int DotsPerInch = 96;

    ImageDevice(int width, int height, bool colour);

    bool isColour() const { return m_image.format() != QImage::Format_Mono; }
    const QImage& page() const { return m_image; }

    bool paint(const std::function<void(QPainter&)>& draw) override;
    int deviceCaps(int index) const override;
    QImage image() const override { return m_image; }

private:
    QImage m_image;
};

} // namespace platform
