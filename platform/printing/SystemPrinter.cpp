#include "platform/printing/SystemPrinter.h"

namespace platform {

SystemPrinter::SystemPrinter(const QString& deviceName)
    : m_deviceName(deviceName), m_printer(QPrinter::HighResolution)
{
    m_printer.setOutputFormat(QPrinter::NativeFormat);
    m_printer.setPrinterName(deviceName);
    m_printer.setFullPage(false);
    const QPageLayout own = m_printer.pageLayout();
    setInitialPage(own.pageSize(),
                   own.orientation() == QPageLayout::Landscape ? Landscape : Portrait);
}

SystemPrinter::~SystemPrinter()
{
    if (documentOpen())
        KillDoc();
}

void SystemPrinter::pageSetupChanged()
{
    // Qt's print engines take a new layout for the page that starts next.
    m_printer.setPageSize(pageSize());
    m_printer.setPageOrientation(pageOrientation());
}

QPagedPaintDevice* SystemPrinter::startDevice()
{
    // Qt falls back to another printer for a name it does not know; the
    // document must not go to a printer nobody chose.
    if (!m_printer.isValid() || m_printer.printerName() != m_deviceName) {
        fail(QStringLiteral("The printer %1 is not available.").arg(m_deviceName));
        return nullptr;
    }
    m_printer.setCopyCount(Copies());
    pageSetupChanged();
    return &m_printer;
}

void SystemPrinter::setUpNextPage(QPagedPaintDevice&)
{
    pageSetupChanged();
}

bool SystemPrinter::finishDevice(bool painted)
{
    if (!painted || m_printer.printerState() == QPrinter::Error) {
        fail(QStringLiteral("The printer %1 failed to print the document.").arg(m_deviceName));
        return false;
    }
    return true;
}

void SystemPrinter::abandonDevice(QPainter& painter)
{
    // Aborted while the job is still open, so the system does not print it.
    m_printer.abort();
    if (painter.isActive())
        painter.end();
}

QTransform SystemPrinter::twipsToDevice() const
{
    // The painter's origin is the printable area's corner; only the scale
    // from twips to printer dots is needed.
    const double scale = m_printer.resolution() / 1440.0;
    return QTransform::fromScale(scale, scale);
}

QRectF SystemPrinter::printableArea() const
{
    const QRectF points = m_printer.pageLayout().paintRect(QPageLayout::Point);
    return QRectF(points.left() * 20, points.top() * 20, points.width() * 20, points.height() * 20);
}

double SystemPrinter::twipsPerDevicePixel() const
{
    return 1440.0 / std::max(1, m_printer.resolution());
}

} // namespace platform
