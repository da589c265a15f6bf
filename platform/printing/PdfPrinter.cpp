#include "platform/printing/PdfPrinter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace platform {

const QString PdfPrinter::DeviceNameText = QStringLiteral("PDF");
const QString PdfPrinter::FolderName = QStringLiteral("printed");

namespace {

// The writer works at 1440 dots per inch, so one device unit is one twip.
constexpr int TwipsPerInch = 1440;

} // namespace

PdfPrinter::PdfPrinter(double dotsPerInch) : m_dotsPerInch(dotsPerInch) {}

PdfPrinter::~PdfPrinter()
{
    // The painter must let go of the writer before the writer goes.
    if (documentOpen())
        KillDoc();
}

QString PdfPrinter::newFileName() const
{
    // The counter runs across printers and documents of this process; a file
    // left by an earlier run with the same name is skipped.
    static int counter = 0;
    const QDir folder(QDir::current().filePath(FolderName));
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name;
    do {
        ++counter;
        name = folder.filePath(
            QStringLiteral("%1-%2.pdf").arg(stamp).arg(counter, 3, 10, QLatin1Char('0')));
    } while (QFileInfo::exists(name));
    return name;
}

QPageLayout PdfPrinter::layout() const
{
    return QPageLayout(pageSize(), pageOrientation(), QMarginsF(0, 0, 0, 0));
}

QPagedPaintDevice* PdfPrinter::startDevice()
{
    if (!QDir::current().mkpath(FolderName)) {
        fail(QStringLiteral("The folder %1 could not be created.")
                 .arg(QDir::current().filePath(FolderName)));
        return nullptr;
    }
    // Written to a temporary file and renamed when the document is sent, so
    // no half-written document is ever left under its name.
    m_file = std::make_unique<QSaveFile>(newFileName());
    if (!m_file->open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("The file %1 could not be written: %2")
                 .arg(m_file->fileName(), m_file->errorString()));
        m_file.reset();
        return nullptr;
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setResolution(TwipsPerInch);
    m_writer->setPageLayout(layout());
    m_writer->setCreator(QStringLiteral("PDF printer"));
    m_writer->setTitle(QFileInfo(m_file->fileName()).completeBaseName());
    return m_writer.get();
}

void PdfPrinter::setUpNextPage(QPagedPaintDevice& device)
{
    device.setPageLayout(layout());
}

QTransform PdfPrinter::twipsToDevice() const
{
    return QTransform();
}

QRectF PdfPrinter::printableArea() const
{
    return QRectF(0, 0, Width(), Height());
}

bool PdfPrinter::finishDevice(bool painted)
{
    m_writer.reset();
    if (!m_file)
        return false;
    if (!painted) {
        fail(QStringLiteral("The document for %1 could not be completed.").arg(m_file->fileName()));
        m_file->cancelWriting();
        m_file.reset();
        return false;
    }
    const QString name = m_file->fileName();
    if (!m_file->commit()) {
        fail(QStringLiteral("The file %1 could not be written: %2")
                 .arg(name, m_file->errorString()));
        m_file.reset();
        return false;
    }
    m_file.reset();
    m_lastFile = name;
    return true;
}

void PdfPrinter::abandonDevice(QPainter& painter)
{
    painter.end();
    m_writer.reset();
    if (m_file)
        m_file->cancelWriting();
    m_file.reset();
}

} // namespace platform
