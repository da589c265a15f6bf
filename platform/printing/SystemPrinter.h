#pragma once

#include <QPrinter>

#include "platform/printing/PainterPrinter.h"

namespace platform {

// A printer of the system (CUPS, through Qt's print support), named as the
// system names it. It starts with the printer's own paper and orientation;
// positions count from the printable area the printer reports.
class SystemPrinter : public PainterPrinter
{
public:
    explicit SystemPrinter(const QString& deviceName);
    ~SystemPrinter() override;

    QString DeviceName() const override { return m_deviceName; }

protected:
    QPagedPaintDevice* startDevice() override;
    bool finishDevice(bool painted) override;
    void abandonDevice(QPainter& painter) override;
    void setUpNextPage(QPagedPaintDevice& device) override;
    QTransform twipsToDevice() const override;
    QRectF printableArea() const override;
    double twipsPerDevicePixel() const override;
    void pageSetupChanged() override;

private:
    QString m_deviceName;
    QPrinter m_printer;
};

} // namespace platform
