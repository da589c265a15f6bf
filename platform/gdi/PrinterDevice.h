#pragma once

#include "platform/gdi/GdiDevice.h"

namespace platform {

class Printer;

// Drawing on the printer's current page, in the printer's device pixels
// from the origin of its printable area. Drawing starts the document and
// the page when none is open, as any printer output does.
class PrinterDevice : public GdiDevice
{
public:
    // The printer is not owned and must outlive the device.
    explicit PrinterDevice(Printer& printer);

    Printer& printer() const { return m_printer; }
    // Device pixels per inch.
    double dotsPerInch() const;
    // The printer's current font (name, size in points, effects) as a font
    // in device pixels.
    QFont printerFont() const;

    bool paint(const std::function<void(QPainter&)>& draw) override;
    bool paintSettingOwnTools(const std::function<void(QPainter&)>& draw) override;
    int deviceCaps(int index) const override;
    QFont defaultFont() const override { return printerFont(); }
    void record(const GdiCall& call) override;

private:
    double twipsPerPixel() const;

    Printer& m_printer;
};

} // namespace platform
