#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <climits>

// Helpers of the end-to-end printing tests: rasterise a printed PDF with
// pdftoppm, find where ink landed, and keep images for a person to look at.
namespace PdfRaster {

inline bool available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

// One page of `pdf` as an image at `dpi`; the PNG is written beside the PDF
// and its path given through `png`. A null image when pdftoppm fails.
inline QImage page(const QString& pdf, int dpi, int pageNumber = 1, QString* png = nullptr)
{
    const QString prefix = QStringLiteral("%1-page%2-%3dpi").arg(pdf).arg(pageNumber).arg(dpi);
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                QStringLiteral("-f"), QString::number(pageNumber), QStringLiteral("-l"),
                QString::number(pageNumber), QStringLiteral("-singlefile"), pdf, prefix});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return QImage();
    if (png)
        *png = prefix + QStringLiteral(".png");
    return QImage(prefix + QStringLiteral(".png"));
}

// Pages of a PDF as pdfinfo (poppler-utils, like pdftoppm) counts them;
// -1 when it cannot tell.
inline int pageCount(const QString& pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdfinfo"), {pdf});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return -1;
    for (const QByteArray& line : tool.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// The smallest rectangle holding every pixel darker than `threshold`
// (0-255 grey) inside `within`; an empty rectangle when there is none.
inline QRect inkBounds(const QImage& image, QRect within = QRect(), int threshold = 160)
{
    if (within.isNull())
        within = image.rect();
    within &= image.rect();
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (qGray(image.pixel(x, y)) < threshold) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Twips to pixels at `dpi`.
inline double pixels(double twips, int dpi)
{
    return twips * dpi / 1440.0;
}

// With TICKETS_KEEP_IMAGES set to a folder, copies a file there.
inline void keep(const QString& file)
{
    const QString folder = qEnvironmentVariable("TICKETS_KEEP_IMAGES");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString target = QDir(folder).filePath(QFileInfo(file).fileName());
    QFile::remove(target);
    QFile::copy(file, target);
}

} // namespace PdfRaster

#define REQUIRE_PDFTOPPM()                                                                         \
    if (!PdfRaster::available())                                                                   \
    GTEST_SKIP() << "pdftoppm is not installed (Debian package poppler-utils); the project's "     \
                    "scripts install it"
