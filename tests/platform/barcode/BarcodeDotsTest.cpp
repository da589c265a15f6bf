#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "platform/barcode/BarcodeControl.h"
#include "support/TempDirTest.h"

using namespace platform;

// Barcodes on a printer's dots: an image with a printer's resolution stands
// in for the printer, and the painter maps twips onto it as the printing
// layer does.
namespace {

class BarcodeDotsTest : public TempDirTest
{
};

// The EAN-8 of "9501234" from its first bar to its last, from the
// standard's tables (guard, four L codes, centre, four R codes, guard).
const QString Pattern9501234 = QStringLiteral("101"
                                              "0001011011000100011010011001"
                                              "01010"
                                              "1101100100001010111001010000"
                                              "101");

bool dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Lengths of the runs of dark and light dots along row y, from the first
// dark dot to the last; the first dark dot's column through `first`.
QList<int> runsAlong(const QImage& image, int y, int* first)
{
    int left = 0;
    while (left < image.width() && !dark(image, left, y))
        ++left;
    int right = image.width() - 1;
    while (right >= left && !dark(image, right, y))
        --right;
    *first = left;
    QList<int> runs;
    for (int x = left; x <= right; ++x) {
        if (x == left || dark(image, x, y) != dark(image, x - 1, y))
            runs.append(0);
        ++runs.last();
    }
    return runs;
}

// The runs of a module pattern with every module `dots` wide.
QList<int> runsOf(const QString& pattern, int dots)
{
    QList<int> runs;
    for (int m = 0; m < pattern.size(); ++m) {
        if (m == 0 || pattern.at(m) != pattern.at(m - 1))
            runs.append(0);
        runs.last() += dots;
    }
    return runs;
}

QString zbarimg(const QString& png)
{
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), png});
    if (!zbar.waitForFinished(60000))
        return QStringLiteral("<zbarimg did not finish>");
    return QString::fromLatin1(zbar.readAllStandardOutput()).trimmed();
}

TEST_F(BarcodeDotsTest, EveryModuleIsTheSameWholeNumberOfPrinterDots)
{
    const bool haveZbar = !QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty();
    const struct
    {
        const char* name;
        int dpi;
        double left; // twips; not on a dot at either resolution
        double width;
        int dotsPerModule; // the most whole dots that fit: 81 modules with quiet zones
    } cases[] = {
        // 1450 twips: 2.52 dots a module at 203 dpi, 3.73 at 300 dpi.
        {"ticket barcode at 203 dpi", 203, 1037.5, 1450, 2},
        {"ticket barcode at 300 dpi", 300, 1037.5, 1450, 3},
        {"data sheet barcode at 203 dpi", 203, 903, 1500, 2},
        {"data sheet barcode at 300 dpi", 300, 903, 1500, 3},
        {"wide box at 300 dpi", 300, 611, 4000, 10},
        {"box narrower than a dot a module", 203, 1211, 300, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BarcodeControl control;
        control.setCaption(QStringLiteral("9501234"));
        control.setDeviceLeft(c.left);
        control.setDeviceTop(300);
        control.setDeviceWidth(c.width);
        control.setDeviceHeight(700);

        const double dotsPerTwip = c.dpi / 1440.0;
        QImage page(int(6000 * dotsPerTwip), int(1300 * dotsPerTwip), QImage::Format_RGB32);
        page.setDotsPerMeterX(int(std::lround(c.dpi / 0.0254)));
        page.setDotsPerMeterY(int(std::lround(c.dpi / 0.0254)));
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.scale(dotsPerTwip, dotsPerTwip);
        ASSERT_TRUE(control.drawOnDevice(painter));
        painter.end();

        // A row through the bars, above the digits.
        const int row = int((300 + 100) * dotsPerTwip);
        int first = 0;
        EXPECT_EQ(runsAlong(page, row, &first), runsOf(Pattern9501234, c.dotsPerModule));
        // Centred in its box, quiet zones of 7 modules included.
        const double symbolCentre = first - 7 * c.dotsPerModule + 81 * c.dotsPerModule / 2.0;
        EXPECT_NEAR(symbolCentre, (c.left + c.width / 2) * dotsPerTwip, 1.0);
        // The bars keep the height of the box above the digits.
        EXPECT_TRUE(dark(page, first, int((300 + 10) * dotsPerTwip)));
        EXPECT_FALSE(dark(page, first, int((300 - 10) * dotsPerTwip)));

        if (haveZbar && c.dotsPerModule > 1) {
            const QString png = path(QStringLiteral("dots-%1-%2.png").arg(c.dpi).arg(c.width));
            ASSERT_TRUE(page.save(png));
            EXPECT_EQ(zbarimg(png), QStringLiteral("95012346"));
        }
    }
}

TEST_F(BarcodeDotsTest, OnAWindowTheSymbolStillFillsItsWidth)
{
    // 2000 twips are 133 pixels, 1.64 a module: the window keeps the scaled
    // drawing rather than 1-pixel modules.
    BarcodeControl control;
    control.setWidth(2000);
    control.setHeight(700);
    control.setCaption(QStringLiteral("9501234"));
    const QImage shown = control.grab().toImage();
    int first = 0;
    const QList<int> runs = runsAlong(shown, 10, &first);
    int span = 0;
    for (int run : runs)
        span += run;
    EXPECT_NEAR(first, 133 * 7 / 81.0, 1.5);
    EXPECT_NEAR(span, 133 * 67 / 81.0, 2.0);
}

} // namespace
