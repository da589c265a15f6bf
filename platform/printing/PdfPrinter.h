#pragma once

#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

#include "platform/printing/PainterPrinter.h"

namespace platform {

// The built-in printer "PDF": each document becomes a PDF file in the folder
// "printed" under the working folder, named by the date and time it started
// and a counter, so no document overwrites another. The printable area is
// the whole page. A document abandoned or failed leaves no file.
class PdfPrinter : public PainterPrinter
{
public:
    static const QString DeviceNameText; // "PDF"
    static const QString FolderName;     // "printed"

    // `dotsPerInch` is the size of the device pixel that DrawWidth and the
    // device context count in.
    explicit PdfPrinter(double dotsPerInch = 300);
    ~PdfPrinter() override;

    QString DeviceName() const override { return DeviceNameText; }
    // The file of the last document sent, empty before the first.
    QString lastFile() const { return m_lastFile; }

protected:
    QPagedPaintDevice* startDevice() override;
    bool finishDevice(bool painted) override;
    void abandonDevice(QPainter& painter) override;
    void setUpNextPage(QPagedPaintDevice& device) override;
    QTransform twipsToDevice() const override;
    QRectF printableArea() const override;
    // Lines of DrawWidth 1 are as wide as a device pixel (300 dpi unless
    // made otherwise).
    double twipsPerDevicePixel() const override { return 1440.0 / m_dotsPerInch; }

private:
    QString newFileName() const;
    QPageLayout layout() const;

    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    QString m_lastFile;
    double m_dotsPerInch = 300;
};

} // namespace platform
