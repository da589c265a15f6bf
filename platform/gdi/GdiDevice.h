#pragma once

#include <QFont>
#include <QImage>
#include <functional>

class QPainter;

namespace platform {

struct GdiCall;

// Where a device context's drawing goes: a page image, a printer, or a
// recorder. Coordinates are the device's pixels.
class GdiDevice
{
public:
    virtual ~GdiDevice();

    // Hands `draw` a painter whose unit is one device pixel. False, and
    // nothing drawn, when the device cannot be drawn on.
    virtual bool paint(const std::function<void(QPainter&)>& draw) = 0;
    // As paint, for drawing that sets the pen, brush, font, background and
    // antialiasing it uses itself: a device may hand over the painter with
    // those as the previous such drawing left them, so that setting an
    // unchanged one costs nothing. Everything else starts as for paint.
    virtual bool paintSettingOwnTools(const std::function<void(QPainter&)>& draw)
    {
        return paint(draw);
    }
    // The value of a device capability (Gdi::DeviceCap); 0 for one the
    // device does not report.
    virtual int deviceCaps(int index) const = 0;
    // The font a new device context starts with, in device pixels.
    virtual QFont defaultFont() const;
    // The device's pixels, for devices that keep them (a null image
    // otherwise); the source of copies from this device.
    virtual QImage image() const { return QImage(); }
    // Told of every drawing call before it is drawn.
    virtual void record(const GdiCall& call);
};

} // namespace platform
