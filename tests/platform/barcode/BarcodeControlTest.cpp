#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/barcode/BarcodeControl.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class BarcodeControlTest : public TempDirTest
{
};

int countBlack(const QImage& image, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++n;
    return n;
}

QImage whitePage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST_F(BarcodeControlTest, KeepsEveryValueItIsGiven)
{
    QWidget window;
    BarcodeControl control(&window);
    control.setSymbology(14);
    control.setOption2(0);
    control.setOption12(2);
    control.setCaption(QStringLiteral("9184403"));
    control.setLeft(1207.5f);
    control.setTop(2430);
    control.setHeight(700);
    control.setOption1(2);
    control.setWidth(2975);
    control.setUnits(BarcodeControl::Twips);
    control.setDeviceLeft(100.5);
    control.setDeviceTop(250);
    control.setDeviceWidth(1500);
    control.setDeviceHeight(500);

    EXPECT_EQ(control.symbology(), 14);
    EXPECT_EQ(control.option1(), 2);
    EXPECT_EQ(control.option2(), 0);
    EXPECT_EQ(control.option12(), 2);
    EXPECT_EQ(control.Caption(), QStringLiteral("9184403"));
    EXPECT_EQ(control.barcode().humanReadable(), QStringLiteral("91844033"));
    EXPECT_DOUBLE_EQ(control.Left(), 1207.5);
    EXPECT_DOUBLE_EQ(control.Top(), 2430);
    EXPECT_DOUBLE_EQ(control.Width(), 2975);
    EXPECT_DOUBLE_EQ(control.Height(), 700);
    EXPECT_EQ(control.units(), 1);
    EXPECT_DOUBLE_EQ(control.deviceLeft(), 100.5);
    EXPECT_DOUBLE_EQ(control.deviceTop(), 250);
    EXPECT_DOUBLE_EQ(control.deviceWidth(), 1500);
    EXPECT_DOUBLE_EQ(control.deviceHeight(), 500);
    // 15 twips per pixel, rounded.
    EXPECT_EQ(control.geometry(), QRect(81, 162, 198, 47));
    // The same values by property name, as forms are read.
    EXPECT_EQ(control.property("Caption").toString(), QStringLiteral("9184403"));
    EXPECT_DOUBLE_EQ(control.property("Width").toDouble(), 2975);
    EXPECT_TRUE(control.isValid());
}

TEST_F(BarcodeControlTest, VisibleHidesAndShowsTheControl)
{
    QWidget window;
    BarcodeControl control(&window);
    window.show();
    EXPECT_TRUE(control.Visible());
    control.setProperty("Visible", false);
    EXPECT_FALSE(control.Visible());
    EXPECT_FALSE(control.isVisible());
    control.setVisible(true);
    EXPECT_TRUE(control.isVisible());
}

TEST_F(BarcodeControlTest, MoveFromElsewhereUpdatesTheTwips)
{
    QWidget window;
    BarcodeControl control(&window);
    control.setLeft(1500);
    control.setWidth(2000);
    control.move(20, 30);
    control.resize(100, 40);
    EXPECT_DOUBLE_EQ(control.Left(), 300);
    EXPECT_DOUBLE_EQ(control.Top(), 450);
    EXPECT_DOUBLE_EQ(control.Width(), 1500);
    EXPECT_DOUBLE_EQ(control.Height(), 600);
}

TEST_F(BarcodeControlTest, WidgetShowsTheCodeOnWhiteAndNothingForABadCode)
{
    BarcodeControl control;
    control.setWidth(2000);
    control.setHeight(700);
    control.setCaption(QStringLiteral("91844034"));
    EXPECT_FALSE(control.isValid());
    EXPECT_TRUE(control.errorText().contains(QLatin1String("check digit"), Qt::CaseInsensitive));

    QImage bad = control.grab().toImage();
    ASSERT_EQ(bad.size(), QSize(133, 47));
    EXPECT_EQ(countBlack(bad, bad.rect()), 0);
    EXPECT_EQ(bad.pixel(0, 0), qRgb(255, 255, 255));

    control.setCaption(QStringLiteral("91844033"));
    EXPECT_TRUE(control.isValid());
    QImage good = control.grab().toImage();
    EXPECT_GT(countBlack(good, good.rect()), 0);
    // The quiet zone, 7 of 81 modules on each side, stays white.
    EXPECT_EQ(countBlack(good, QRect(0, 0, 10, 47)), 0);
    EXPECT_EQ(countBlack(good, QRect(123, 0, 10, 47)), 0);
}

TEST_F(BarcodeControlTest, DrawsOnADeviceAtItsPlacementInTwips)
{
    BarcodeControl control;
    control.setCaption(QStringLiteral("9184403"));
    control.setDeviceLeft(500);
    control.setDeviceTop(100);
    control.setDeviceWidth(1620); // 20 twips per module
    control.setDeviceHeight(600);

    // A page where one pixel is one twip.
    QImage page = whitePage(3000, 1000);
    QPainter painter(&page);
    ASSERT_TRUE(control.drawOnDevice(painter));
    painter.end();
    const QRect placed(500, 100, 1620, 600);
    EXPECT_EQ(countBlack(page, page.rect()), countBlack(page, placed));
    // The start guard's first bar covers module 7: twips 640 to 660.
    EXPECT_EQ(countBlack(page, QRect(500, 100, 140, 600)), 0);
    EXPECT_EQ(countBlack(page, QRect(642, 110, 16, 300)), 16 * 300);
    // Drawing leaves the width for the caller to read back.
    EXPECT_DOUBLE_EQ(control.deviceWidth(), 1620);
}

TEST_F(BarcodeControlTest, PlacementInInchesIsConvertedToTwips)
{
    BarcodeControl control;
    control.setCaption(QStringLiteral("9184403"));
    control.setUnits(BarcodeControl::Inches);
    control.setDeviceLeft(0.5);    // 720 twips
    control.setDeviceTop(0.25);    // 360
    control.setDeviceWidth(1.125); // 1620
    control.setDeviceHeight(0.5);  // 720

    QImage page = whitePage(3000, 1500);
    QPainter painter(&page);
    ASSERT_TRUE(control.drawOnDevice(painter));
    painter.end();
    EXPECT_EQ(countBlack(page, page.rect()), countBlack(page, QRect(720, 360, 1620, 720)));
    EXPECT_EQ(countBlack(page, QRect(862, 370, 16, 300)), 16 * 300);
}

TEST_F(BarcodeControlTest, CannotDrawReportsWhyAndDrawsNothing)
{
    struct Row
    {
        const char* name;
        int symbology;
        QString caption;
        int units;
        const char* reason;
    };
    const Row rows[] = {
        {"OtherSymbology", 20, QStringLiteral("9184403"), 1, "Unsupported symbology 20"},
        {"TooShort", 14, QStringLiteral("12345"), 1, "7 digits"},
        {"WrongCheckDigit", 14, QStringLiteral("91844034"), 1, "check digit"},
        {"PixelUnits", 14, QStringLiteral("9184403"), 3, "Unsupported units 3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BarcodeControl control;
        control.setSymbology(row.symbology);
        control.setCaption(row.caption);
        control.setUnits(row.units);
        control.setDeviceWidth(1500);
        control.setDeviceHeight(500);
        EXPECT_FALSE(control.isValid());
        EXPECT_TRUE(control.errorText().contains(QLatin1String(row.reason)))
            << control.errorText().toStdString();
        QImage page = whitePage(1600, 600);
        QPainter painter(&page);
        EXPECT_FALSE(control.drawOnDevice(painter));
        painter.end();
        EXPECT_EQ(countBlack(page, page.rect()), 0);
        // The caption still reads back as given.
        EXPECT_EQ(control.Caption(), row.caption);
    }
}

} // namespace
