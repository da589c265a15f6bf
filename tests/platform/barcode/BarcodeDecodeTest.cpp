#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "platform/barcode/BarcodeControl.h"
#include "support/TempDirTest.h"

using namespace platform;

// End-to-end: what the control draws is read back by an independent decoder.
namespace {

class BarcodeDecodeTest : public TempDirTest
{
protected:
    // Runs zbarimg on an image and returns what it decoded (stdout only).
    QString decode(const QString& png)
    {
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), png});
        if (!zbar.waitForFinished(60000))
            return QStringLiteral("<zbarimg did not finish>");
        return QString::fromLatin1(zbar.readAllStandardOutput()).trimmed();
    }

    // With TICKETS_KEEP_IMAGES set to a folder, keeps a copy of an image there
    // for a person to look at.
    void keep(const QString& file)
    {
        const QString folder = qEnvironmentVariable("TICKETS_KEEP_IMAGES");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        const QString target = QDir(folder).filePath(QFileInfo(file).fileName());
        QFile::remove(target);
        QFile::copy(file, target);
    }
};

#define REQUIRE_TOOL(tool, package)                                                                \
    if (QStandardPaths::findExecutable(QStringLiteral(tool)).isEmpty())                            \
    GTEST_SKIP() << tool " is not installed (Debian package " package                              \
                         "); the project's scripts install it"

TEST_F(BarcodeDecodeTest, ControlOnAWindowDecodesAsTheCodeWithCheckDigit)
{
    REQUIRE_TOOL("zbarimg", "zbar-tools");
    BarcodeControl control;
    control.setSymbology(14);
    control.setCaption(QStringLiteral("9184403"));
    control.setWidth(2000);
    control.setHeight(700);
    control.show();

    // At 96 dpi a module is 1.65 pixels, too coarse for a scanner; the
    // widget's own painting at three times the resolution is what is read.
    QImage sharp(control.size() * 3, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(3);
    sharp.fill(Qt::white);
    control.render(&sharp);
    const QString sharpFile = path(QStringLiteral("barcode-window-3x.png"));
    ASSERT_TRUE(sharp.save(sharpFile));
    keep(sharpFile);
    EXPECT_EQ(decode(sharpFile), QStringLiteral("91844033"));
}

TEST_F(BarcodeDecodeTest, PrintedPdfPageDecodesAsTheCode)
{
    REQUIRE_TOOL("zbarimg", "zbar-tools");
    REQUIRE_TOOL("pdftoppm", "poppler-utils");
    BarcodeControl control;
    control.setSymbology(14);
    control.setUnits(BarcodeControl::Twips);
    control.setCaption(QStringLiteral("9184403"));
    control.setDeviceLeft(1440);
    control.setDeviceTop(1440);
    control.setDeviceWidth(2000);
    control.setDeviceHeight(700);

    const QString pdf = path(QStringLiteral("barcode-page.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1440); // one device unit is one twip
        QPainter painter(&writer);
        ASSERT_TRUE(control.drawOnDevice(painter));
        painter.end();
    }
    keep(pdf);

    QProcess poppler;
    poppler.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), pdf, path(QStringLiteral("barcode-page"))});
    ASSERT_TRUE(poppler.waitForFinished(60000));
    ASSERT_EQ(poppler.exitCode(), 0) << poppler.readAllStandardError().toStdString();
    const QString png = path(QStringLiteral("barcode-page.png"));
    ASSERT_TRUE(QFile::exists(png));
    keep(png);
    EXPECT_EQ(decode(png), QStringLiteral("91844033"));
}

} // namespace
