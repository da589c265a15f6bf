#pragma once

#include <QImage>

#include "platform/gdi/GdiDevice.h"

namespace platform {

// A page held in memory at 96 dots per inch: a colour image, or a 1-bit
// image (black and white only) where every colour drawn becomes the nearer
// of the two. A new page is white.
//
// A finished colour page can be stored in fewer bytes, exactly: runs of
// indexes into a table of its colours when it has no more than 256 of them,
// else three bytes a pixel. Its pixels read back as they were, and drawing
// on it again first unpacks it.
class ImageDevice : public GdiDevice
{
public:
    static constexpr int DotsPerInch = 96;

    ImageDevice(int width, int height, bool colour);

    bool isColour() const { return m_colour; }
    QImage page() const { return image(); }

    // Packs the page until it is drawn on again.
    void store();
    bool isStored() const { return m_stored; }

    bool paint(const std::function<void(QPainter&)>& draw) override;
    int deviceCaps(int index) const override;
    QImage image() const override;

private:
    // A stored page of few colours: its colour table, and its rows as runs
    // of indexes into it (none when it has too many colours).
    struct Packed
    {
        QList<QRgb> colours;
        QByteArray runs;
    };
    static Packed packRuns(const QImage& page);
    static QImage unpackRuns(const Packed& packed, QSize size);
    void unpack();

    // The page; while stored, its three-byte form or nothing (see m_packed).
    QImage m_image;
    QSize m_size;
    bool m_colour = true;
    Packed m_packed;
    bool m_stored = false;
};

} // namespace platform
