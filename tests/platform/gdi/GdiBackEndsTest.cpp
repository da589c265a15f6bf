#include <QCoreApplication>
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DoEvents.h"
#include "platform/gdi/PrinterDevice.h"
#include "platform/gdi/RecordingDevice.h"
#include "platform/gdi/SystemColours.h"
#include "platform/printing/RecordingPrinter.h"
#include "support/QStringPrinter.h"

using namespace platform;

TEST(RecordingDevice, KeepsEachCallWithTheStateItWasMadeIn)
{
    auto owned = std::make_unique<RecordingDevice>();
    RecordingDevice& recorder = *owned;
    DeviceContext dc(std::move(owned));

    dc.setTextColor(0x0000FF);
    dc.setBkMode(Gdi::TRANSPARENT);
    const GdiRect box{1, 2, 30, 40};
    dc.extTextOut(5, 6, Gdi::ETO_CLIPPED, &box, QStringLiteral("Hello"));
    dc.selectPen(GdiPen{Gdi::PS_DOT, 1, 0x00FF00});
    dc.moveTo(0, 0);
    dc.lineTo(10, 20);
    dc.selectBrush(GdiBrush::hatched(Gdi::HS_VERTICAL, 0xFF0000));
    dc.fillRect(GdiRect{0, 0, 5, 5}, GdiBrush::solid(0x123456));
    dc.rectangle(3, 4, 8, 9);

    ASSERT_EQ(recorder.calls().size(), 4);
    const GdiCall text = recorder.calls()[0];
    EXPECT_EQ(text.op, QStringLiteral("ExtTextOut"));
    EXPECT_EQ(text.from, QPoint(5, 6));
    EXPECT_EQ(text.rect, box);
    EXPECT_EQ(text.flags, int(Gdi::ETO_CLIPPED));
    EXPECT_EQ(text.text, QStringLiteral("Hello"));
    EXPECT_EQ(text.textColor, 0x0000FF);
    EXPECT_EQ(text.bkMode, int(Gdi::TRANSPARENT));

    const GdiCall line = recorder.callsOf(QStringLiteral("LineTo")).value(0);
    EXPECT_EQ(line.from, QPoint(0, 0));
    EXPECT_EQ(line.to, QPoint(10, 20));
    EXPECT_EQ(line.pen.style, int(Gdi::PS_DOT));

    // FillRect records the brush it was given; the selected one stays.
    const GdiCall fill = recorder.callsOf(QStringLiteral("FillRect")).value(0);
    EXPECT_EQ(fill.brush, GdiBrush::solid(0x123456));
    const GdiCall box2 = recorder.callsOf(QStringLiteral("Rectangle")).value(0);
    EXPECT_EQ(box2.brush, GdiBrush::hatched(Gdi::HS_VERTICAL, 0xFF0000));
    EXPECT_EQ(box2.rect, (GdiRect{3, 4, 8, 9}));
}

TEST(RecordingDevice, ReportsTheSizeAndResolutionItWasGiven)
{
    DeviceContext dc(std::make_unique<RecordingDevice>(QSize(4961, 7016), 600));
    EXPECT_EQ(dc.deviceCaps(Gdi::HORZRES), 4961);
    EXPECT_EQ(dc.deviceCaps(Gdi::VERTRES), 7016);
    EXPECT_EQ(dc.deviceCaps(Gdi::LOGPIXELSY), 600);
    EXPECT_TRUE(dc.image().isNull());
    // A font of points at 600 dots per inch.
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    EXPECT_EQ(dc.deviceFont(font).pixelSize(), 100);
}

TEST(PrinterDevice, DrawsOnThePrinterPageInItsDevicePixels)
{
    RecordingPrinter printer; // 600 dots per inch: 2.4 twips a pixel
    DeviceContext dc(std::make_unique<PrinterDevice>(printer));
    EXPECT_EQ(dc.deviceCaps(Gdi::LOGPIXELSX), 600);
    EXPECT_EQ(dc.deviceCaps(Gdi::PHYSICALWIDTH), 4961); // A4, 11906 twips
    EXPECT_EQ(dc.deviceCaps(Gdi::HORZRES), 4961);

    dc.fillRect(GdiRect{100, 100, 200, 150}, GdiBrush::solid(0));
    EXPECT_TRUE(printer.documentOpen());
    const auto paintings = printer.callsOf(RecordingPrinter::Call::Kind::Painting);
    ASSERT_EQ(paintings.size(), 1);
    const QRectF twips = paintings[0].rect;
    EXPECT_NEAR(twips.left(), 240, 1);
    EXPECT_NEAR(twips.top(), 240, 1);
    EXPECT_NEAR(twips.width(), 240, 1);
    EXPECT_NEAR(twips.height(), 120, 1);
}

TEST(PrinterDevice, StartsWithThePrintersFontInDevicePixels)
{
    RecordingPrinter printer;
    printer.setFontName(QStringLiteral("Times New Roman"));
    printer.setFontSize(12);
    printer.setFontBold(true);
    DeviceContext dc(std::make_unique<PrinterDevice>(printer));
    EXPECT_EQ(dc.font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(dc.font().pixelSize(), 100); // 12 points = 240 twips = 100 pixels
    EXPECT_TRUE(dc.font().bold());
}

struct SystemColourCase
{
    int index;
    qint32 colour;
};

TEST(SystemColours, ComeFromTheFixedTable)
{
    const SystemColourCase cases[] = {
        {0, 0xC0C0C0},  {5, 0xFFFFFF},  {8, 0x000000},  {13, 0x800000},
        {15, 0xC0C0C0}, {16, 0x808080}, {18, 0x000000}, {20, 0xFFFFFF},
        {24, 0xE1FFFF}, {30, 0xC0C0C0}, {-1, 0},        {31, 0},
    };
    for (const SystemColourCase& c : cases)
        EXPECT_EQ(SystemColours::GetSysColor(c.index), c.colour) << "index " << c.index;
}

TEST(SystemColours, AColourValueResolvesThroughTheTableWhenNegative)
{
    EXPECT_EQ(SystemColours::resolve(qint32(0x8000000F)), 0xC0C0C0);
    EXPECT_EQ(SystemColours::resolve(qint32(0x80000005)), 0xFFFFFF);
    EXPECT_EQ(SystemColours::resolve(0x0000FF), 0x0000FF);
    EXPECT_EQ(SystemColours::resolve(0x01345678), 0x345678);
}

TEST(DoEvents, RunsPendingEventsButNeverInsideItself)
{
    bool ran = false;
    bool inner = true;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            ran = true;
            inner = DoEvents();
        },
        Qt::QueuedConnection);
    EXPECT_TRUE(DoEvents());
    EXPECT_TRUE(ran);
    EXPECT_FALSE(inner);
    // Once out, it runs again.
    EXPECT_TRUE(DoEvents());
}
