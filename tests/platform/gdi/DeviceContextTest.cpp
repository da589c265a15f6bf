#include <QPainter>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiTestImages.h"
#include "platform/gdi/ImageDevice.h"
#include "support/QStringPrinter.h"

using namespace platform;

using namespace GdiTestImages;

namespace {

constexpr qint32 White = 0xFFFFFF;
constexpr qint32 Black = 0x000000;
constexpr qint32 Red = 0x0000FF;
constexpr qint32 Green = 0x00FF00;
constexpr qint32 Blue = 0xFF0000;
constexpr qint32 Yellow = 0x00FFFF;

DeviceContext page(int width = 120, int height = 80, bool colour = true)
{
    return DeviceContext(std::make_unique<ImageDevice>(width, height, colour));
}

QFont textFont(int pixels = 14, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setItalic(italic);
    return font;
}

} // namespace

TEST(DeviceContext, StartsWithTheDefaultDrawingState)
{
    DeviceContext dc = page();
    EXPECT_EQ(dc.bkColor(), White);
    EXPECT_EQ(dc.textColor(), Black);
    EXPECT_EQ(dc.bkMode(), Gdi::OPAQUE);
    EXPECT_EQ(dc.pen(), (GdiPen{Gdi::PS_SOLID, 1, Black}));
    EXPECT_EQ(dc.brush(), GdiBrush::solid(White));
    EXPECT_EQ(dc.currentPosition(), QPoint(0, 0));
    EXPECT_EQ(countOf(dc.image(), dc.image().rect(), White), 120 * 80);
}

TEST(DeviceContext, StateSettersReturnWhatTheyReplacedAndTheStateStays)
{
    DeviceContext dc = page();
    EXPECT_EQ(dc.setBkColor(Red), White);
    EXPECT_EQ(dc.setTextColor(Blue), Black);
    EXPECT_EQ(dc.setBkMode(Gdi::TRANSPARENT), Gdi::OPAQUE);
    EXPECT_EQ(dc.setBkMode(7), 0); // refused
    EXPECT_EQ(dc.bkMode(), Gdi::TRANSPARENT);
    const GdiPen dashed{Gdi::PS_DASH, 1, Red};
    EXPECT_EQ(dc.selectPen(dashed), (GdiPen{Gdi::PS_SOLID, 1, Black}));
    EXPECT_EQ(dc.selectBrush(GdiBrush::null()), GdiBrush::solid(White));
    EXPECT_EQ(dc.moveTo(5, 6), QPoint(0, 0));

    dc.fillRect(GdiRect{0, 0, 10, 10}, GdiBrush::solid(Green));
    EXPECT_EQ(dc.bkColor(), Red);
    EXPECT_EQ(dc.textColor(), Blue);
    EXPECT_EQ(dc.pen(), dashed);
    EXPECT_EQ(dc.brush(), GdiBrush::null());
    EXPECT_EQ(dc.currentPosition(), QPoint(5, 6));
}

TEST(DeviceContext, FillRectCoversLeftAndTopButNotRightAndBottom)
{
    DeviceContext dc = page();
    dc.fillRect(GdiRect{10, 10, 20, 15}, GdiBrush::solid(Red));
    const QImage image = dc.image();
    EXPECT_EQ(valueAt(image, 10, 10), Red);
    EXPECT_EQ(valueAt(image, 19, 14), Red);
    EXPECT_EQ(valueAt(image, 20, 10), White);
    EXPECT_EQ(valueAt(image, 10, 15), White);
    EXPECT_EQ(valueAt(image, 9, 10), White);
    EXPECT_EQ(countOf(image, image.rect(), Red), 10 * 5);
}

TEST(DeviceContext, BoxesGivenBackwardsAreFilledAsTheirNormalisedBox)
{
    DeviceContext dc = page();
    dc.fillRect(GdiRect{20, 15, 10, 10}, GdiBrush::solid(Red));
    EXPECT_EQ(inkBounds(dc.image(), dc.image().rect()), QRect(10, 10, 10, 5));
}

TEST(DeviceContext, FrameRectIsOnePixelJustInsideTheRectangle)
{
    DeviceContext dc = page();
    dc.frameRect(GdiRect{10, 10, 20, 20}, GdiBrush::solid(Black));
    const QImage image = dc.image();
    EXPECT_EQ(valueAt(image, 10, 15), Black);
    EXPECT_EQ(valueAt(image, 19, 15), Black);
    EXPECT_EQ(valueAt(image, 15, 10), Black);
    EXPECT_EQ(valueAt(image, 15, 19), Black);
    EXPECT_EQ(valueAt(image, 15, 15), White);
    EXPECT_EQ(valueAt(image, 20, 15), White);
    EXPECT_EQ(countOf(image, image.rect(), Black), 36);
}

TEST(DeviceContext, RectangleOutlinesInThePenAndFillsInTheBrush)
{
    DeviceContext dc = page();
    dc.selectPen(GdiPen{Gdi::PS_SOLID, 1, Red});
    dc.selectBrush(GdiBrush::solid(Blue));
    dc.rectangle(10, 10, 20, 20);
    const QImage image = dc.image();
    EXPECT_EQ(inkBounds(image, image.rect()), QRect(10, 10, 10, 10));
    EXPECT_EQ(valueAt(image, 10, 10), Red);
    EXPECT_EQ(valueAt(image, 19, 19), Red);
    EXPECT_EQ(valueAt(image, 15, 15), Blue);
    EXPECT_EQ(countOf(image, image.rect(), Red), 36);
}

TEST(DeviceContext, ARectangleWithoutPenIsOnePixelSmaller)
{
    DeviceContext dc = page();
    dc.selectPen(GdiPen{Gdi::PS_NULL, 1, Black});
    dc.selectBrush(GdiBrush::solid(Blue));
    dc.rectangle(10, 10, 20, 20);
    EXPECT_EQ(inkBounds(dc.image(), dc.image().rect()), QRect(10, 10, 9, 9));
}

TEST(DeviceContext, EllipseStaysInsideItsBox)
{
    DeviceContext dc = page();
    dc.selectBrush(GdiBrush::solid(Blue));
    dc.ellipse(10, 10, 31, 31);
    const QImage image = dc.image();
    EXPECT_EQ(inkBounds(image, image.rect()), QRect(10, 10, 21, 21));
    EXPECT_EQ(valueAt(image, 10, 10), White); // corners stay outside
    EXPECT_EQ(valueAt(image, 30, 30), White);
    EXPECT_EQ(valueAt(image, 20, 20), Blue);
    EXPECT_EQ(valueAt(image, 10, 20), Black);
}

TEST(DeviceContext, RoundRectRoundsItsCorners)
{
    DeviceContext dc = page();
    dc.roundRect(10, 10, 40, 30, 8, 8);
    const QImage image = dc.image();
    EXPECT_EQ(inkBounds(image, image.rect()), QRect(10, 10, 30, 20));
    EXPECT_EQ(valueAt(image, 10, 10), White);
    EXPECT_EQ(valueAt(image, 25, 10), Black);
    EXPECT_EQ(valueAt(image, 10, 20), Black);
}

TEST(DeviceContext, HatchGapsShowTheBackgroundColourOnlyWhenOpaque)
{
    DeviceContext dc = page();
    const QRect area(0, 0, 40, 40);
    dc.setBkColor(Green);
    dc.fillRect(GdiRect{0, 0, 40, 40}, GdiBrush::hatched(Gdi::HS_CROSS, Red));
    QImage image = dc.image();
    EXPECT_GT(countOf(image, area, Red), 0);
    EXPECT_GT(countOf(image, area, Green), 0);
    EXPECT_EQ(countOf(image, area, Red) + countOf(image, area, Green), 40 * 40);

    dc.fillRect(GdiRect{50, 0, 90, 40}, GdiBrush::solid(Yellow));
    dc.setBkMode(Gdi::TRANSPARENT);
    dc.fillRect(GdiRect{50, 0, 90, 40}, GdiBrush::hatched(Gdi::HS_CROSS, Red));
    image = dc.image();
    const QRect second(50, 0, 40, 40);
    EXPECT_GT(countOf(image, second, Red), 0);
    EXPECT_EQ(countOf(image, second, Green), 0);
    EXPECT_EQ(countOf(image, second, Red) + countOf(image, second, Yellow), 40 * 40);
}

TEST(DeviceContext, LineToDrawsInThePenAndMovesThePosition)
{
    DeviceContext dc = page();
    dc.selectPen(GdiPen{Gdi::PS_SOLID, 1, Red});
    dc.moveTo(5, 5);
    dc.lineTo(15, 5);
    EXPECT_EQ(dc.currentPosition(), QPoint(15, 5));
    const QImage image = dc.image();
    EXPECT_EQ(valueAt(image, 5, 5), Red);
    EXPECT_EQ(valueAt(image, 14, 5), Red);
    EXPECT_EQ(inkBounds(image, image.rect()).height(), 1);

    dc.selectPen(GdiPen{Gdi::PS_NULL, 1, Red});
    dc.lineTo(15, 40);
    EXPECT_EQ(dc.currentPosition(), QPoint(15, 40));
    EXPECT_EQ(inkBounds(dc.image(), dc.image().rect()), inkBounds(image, image.rect()));
}

TEST(DeviceContext, ExtTextOutFillsTheOpaqueRectangleAndClipsTheText)
{
    DeviceContext dc = page();
    dc.selectFont(textFont());
    dc.setBkColor(Blue);
    dc.setTextColor(Red);
    const GdiRect box{0, 0, 20, 30};
    dc.extTextOut(2, 2, Gdi::ETO_OPAQUE | Gdi::ETO_CLIPPED, &box, QStringLiteral("WWWWWWWW"));
    const QImage image = dc.image();
    EXPECT_EQ(valueAt(image, 0, 29), Blue);
    EXPECT_EQ(valueAt(image, 19, 0), Blue);
    EXPECT_TRUE(inkBounds(image, QRect(20, 0, 100, 80)).isNull()); // nothing past the box
    EXPECT_GT(countOf(image, QRect(0, 0, 20, 30), Red), 0);
}

TEST(DeviceContext, ExtTextOutBehindTheGlyphsFollowsTheBackgroundMode)
{
    DeviceContext dc = page();
    dc.selectFont(textFont());
    dc.setBkColor(Blue);
    dc.extTextOut(10, 10, 0, nullptr, QStringLiteral("Text"));
    const QSize extent = dc.textExtent(QStringLiteral("Text"));
    EXPECT_EQ(valueAt(dc.image(), 10, 10), Blue);
    EXPECT_EQ(countOf(dc.image(), dc.image().rect(), Blue) > extent.width() * extent.height() / 3,
              true);

    DeviceContext clear = page();
    clear.selectFont(textFont());
    clear.setBkColor(Blue);
    clear.setBkMode(Gdi::TRANSPARENT);
    clear.extTextOut(10, 10, 0, nullptr, QStringLiteral("Text"));
    EXPECT_EQ(countOf(clear.image(), clear.image().rect(), Blue), 0);
    EXPECT_FALSE(inkBounds(clear.image(), clear.image().rect()).isNull());
}

TEST(DeviceContext, DrawTextAlignsEachLineInTheRectangle)
{
    const GdiRect box{0, 0, 120, 40};
    DeviceContext left = page();
    left.selectFont(textFont());
    left.drawText(QStringLiteral("Ab"), box, Gdi::DT_LEFT | Gdi::DT_NOPREFIX);
    const QRect leftInk = inkBounds(left.image(), left.image().rect());
    EXPECT_LT(leftInk.left(), 3);
    EXPECT_LT(leftInk.top(), 6);

    DeviceContext right = page();
    right.selectFont(textFont());
    right.drawText(QStringLiteral("Ab"), box, Gdi::DT_RIGHT | Gdi::DT_NOPREFIX);
    const QRect rightInk = inkBounds(right.image(), right.image().rect());
    EXPECT_GT(rightInk.right(), 115);
    EXPECT_NEAR(rightInk.width(), leftInk.width(), 1);

    DeviceContext centre = page();
    centre.selectFont(textFont());
    centre.drawText(QStringLiteral("Ab"), box, Gdi::DT_CENTER | Gdi::DT_NOPREFIX);
    const QRect centreInk = inkBounds(centre.image(), centre.image().rect());
    EXPECT_NEAR(centreInk.center().x(), 60, 3);
}

TEST(DeviceContext, DrawTextWrapsAtWordsOnlyWhenAsked)
{
    const GdiRect narrow{0, 0, 60, 80};
    const QString text = QStringLiteral("one two three four");
    DeviceContext wrapped = page();
    wrapped.selectFont(textFont());
    const int height = wrapped.drawText(text, narrow, Gdi::DT_WORDBREAK | Gdi::DT_NOPREFIX);
    const int line = wrapped.textExtent(text).height();
    EXPECT_GE(height, 2 * line);
    EXPECT_GT(inkBounds(wrapped.image(), wrapped.image().rect()).height(), line);
    EXPECT_TRUE(inkBounds(wrapped.image(), QRect(60, 0, 60, 80)).isNull());

    DeviceContext oneLine = page();
    oneLine.selectFont(textFont());
    EXPECT_EQ(oneLine.drawText(text, narrow, Gdi::DT_NOPREFIX), line);
    EXPECT_LE(inkBounds(oneLine.image(), oneLine.image().rect()).height(), line);
    // Clipped to the rectangle.
    EXPECT_TRUE(inkBounds(oneLine.image(), QRect(60, 0, 60, 80)).isNull());
}

TEST(DeviceContext, DrawTextReadsAmpersandsAsPrefixesUnlessTold)
{
    const GdiRect box{0, 0, 120, 40};
    DeviceContext plain = page();
    plain.selectFont(textFont());
    plain.drawText(QStringLiteral("A&&B"), box, Gdi::DT_NOPREFIX);
    DeviceContext prefixed = page();
    prefixed.selectFont(textFont());
    prefixed.drawText(QStringLiteral("A&&B"), box, 0);
    DeviceContext reference = page();
    reference.selectFont(textFont());
    reference.drawText(QStringLiteral("A&B"), box, Gdi::DT_NOPREFIX);
    // "&&" stands for one ampersand when prefixes count.
    EXPECT_EQ(prefixed.image(), reference.image());
    EXPECT_NE(plain.image(), reference.image());
}

TEST(DeviceContext, DrawTextEndsAtTheFirstNul)
{
    const GdiRect box{0, 0, 120, 40};
    DeviceContext cut = page();
    cut.drawText(QStringLiteral("AB") + QChar(0) + QStringLiteral("CD"), box, Gdi::DT_NOPREFIX);
    DeviceContext reference = page();
    reference.drawText(QStringLiteral("AB"), box, Gdi::DT_NOPREFIX);
    EXPECT_EQ(cut.image(), reference.image());
}

// The measure of a text is the box Qt's own font metrics give the lines
// drawText lays out (rounded out for the height), whichever way it is
// taken: lines of the font's own glyphs, lines with glyphs of fallback
// fonts or accents above the ascent, wrapped and single lines.
TEST(DeviceContext, TextLayoutIsTheBoxOfTheLinesDrawn)
{
    struct Case
    {
        const char* name;
        QString text;
        QString laidOut; // the text as the layout sees it
        int flags;
        QFont font;
    };
    const QString lines = QStringLiteral("  Stock\n\nprice\t12\n  \nlast line  ");
    const QString mixed = QStringLiteral("Stock\n\u00c5ngstr\u00f6m\nprice \u4e2d\u6587 "
                                         "\u0639\u0631\u0628\u064a \u0905\u0906 \u0e01\u0e02\nend");
    const Case cases[] = {
        {"own glyphs, blank and empty lines", lines, lines, Gdi::DT_NOPREFIX, textFont()},
        {"own glyphs, large italic, right", lines, lines, Gdi::DT_RIGHT | Gdi::DT_NOPREFIX,
         textFont(37, true)},
        {"fallback glyphs", mixed, mixed, Gdi::DT_NOPREFIX, textFont()},
        {"CR LF lines, cut at NUL", QStringLiteral("A\r\nB\rC") + QChar(0) + QStringLiteral("\nD"),
         QStringLiteral("A\nB\nC"), Gdi::DT_NOPREFIX, textFont()},
        {"wrapped", QStringLiteral("one two three four five six seven"),
         QStringLiteral("one two three four five six seven"), Gdi::DT_WORDBREAK | Gdi::DT_NOPREFIX,
         textFont()},
        {"one line", QStringLiteral("Stock"), QStringLiteral("Stock"), Gdi::DT_NOPREFIX,
         textFont(11)},
    };
    const GdiRect box{3, 7, 83, 1 << 20};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceContext dc = page(120, 400);
        dc.selectFont(c.font);
        const TextLayout layout = dc.textLayout(c.text, box, c.flags);
        int qtFlags = Qt::AlignTop | (c.flags & Gdi::DT_RIGHT ? Qt::AlignRight : Qt::AlignLeft);
        if (c.flags & Gdi::DT_WORDBREAK)
            qtFlags |= Qt::TextWordWrap;
        const QRectF expected = QFontMetricsF(c.font).boundingRect(
            QRectF(box.left, box.top, box.width(), box.height()), qtFlags, c.laidOut);
        EXPECT_EQ(layout.height, expected.toAlignedRect().height());
        EXPECT_DOUBLE_EQ(layout.depth, expected.bottom() - box.top);
        EXPECT_EQ(layout.height, dc.drawText(c.text, box, c.flags));
    }
}

TEST(DeviceContext, InvertRectTurnsBlackWhiteAndWhiteBlack)
{
    DeviceContext dc = page();
    dc.fillRect(GdiRect{0, 0, 10, 10}, GdiBrush::solid(Black));
    dc.invertRect(GdiRect{5, 0, 15, 10});
    const QImage image = dc.image();
    EXPECT_EQ(valueAt(image, 2, 2), Black);
    EXPECT_EQ(valueAt(image, 7, 2), White);
    EXPECT_EQ(valueAt(image, 12, 2), Black);
    EXPECT_EQ(valueAt(image, 17, 2), White);
}

TEST(DeviceContext, StretchBltScalesThePartCopiedWithoutSmoothing)
{
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 255, 0));
    source.setPixel(0, 1, qRgb(0, 0, 255));
    source.setPixel(1, 1, qRgb(0, 0, 0));
    DeviceContext dc = page();
    dc.stretchBlt(10, 10, 20, 20, source, 0, 0, 2, 2);
    const QImage image = dc.image();
    EXPECT_EQ(countOf(image, QRect(10, 10, 10, 10), Red), 100);
    EXPECT_EQ(countOf(image, QRect(20, 10, 10, 10), Green), 100);
    EXPECT_EQ(countOf(image, QRect(10, 20, 10, 10), Blue), 100);
    EXPECT_EQ(countOf(image, QRect(20, 20, 10, 10), Black), 100);
    EXPECT_EQ(inkBounds(image, image.rect()), QRect(10, 10, 20, 20));

    DeviceContext part = page();
    part.bitBlt(0, 0, 1, 1, source, 1, 0);
    EXPECT_EQ(valueAt(part.image(), 0, 0), Green);
    EXPECT_EQ(inkBounds(part.image(), part.image().rect()), QRect(0, 0, 1, 1));
}

TEST(DeviceContext, ABlackAndWhitePageTakesTheNearerOfTheTwo)
{
    DeviceContext dc = page(40, 20, false);
    EXPECT_EQ(dc.deviceCaps(Gdi::BITSPIXEL), 1);
    dc.fillRect(GdiRect{0, 0, 10, 10}, GdiBrush::solid(0xC8C8C8));
    dc.fillRect(GdiRect{10, 0, 20, 10}, GdiBrush::solid(0x323232));
    dc.fillRect(GdiRect{20, 0, 30, 10}, GdiBrush::solid(Red));
    const QImage image = dc.image();
    EXPECT_EQ(image.format(), QImage::Format_Mono);
    EXPECT_EQ(valueAt(image, 5, 5), White);
    EXPECT_EQ(valueAt(image, 15, 5), Black);
    EXPECT_EQ(countOf(image, image.rect(), White) + countOf(image, image.rect(), Black), 40 * 20);
}

TEST(DeviceContext, AFontOfPointsGetsItsPixelsAtTheDeviceResolution)
{
    DeviceContext dc = page();
    QFont points(QStringLiteral("Arial"));
    points.setPointSizeF(9);
    EXPECT_EQ(dc.deviceFont(points).pixelSize(), 12);
    points.setPointSizeF(8.25);
    EXPECT_EQ(dc.deviceFont(points).pixelSize(), 11);
    // A font selected in points is taken at the device's resolution too.
    points.setPointSizeF(12);
    dc.selectFont(points);
    EXPECT_EQ(dc.font().pixelSize(), 16);
}

TEST(DeviceContext, FormatRangeDrawsWholeLinesThatFitAndSaysWhereToGoOn)
{
    QTextDocument document;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    document.setDefaultFont(font);
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    document.setPlainText(lines.join(QChar('\n')));
    const int length = document.characterCount() - 1;

    DeviceContext first = page(200, 200);
    const GdiRect area{10, 20, 190, 80};
    const int next = first.formatRange(document, 0, area);
    ASSERT_GT(next, 0);
    ASSERT_LT(next, length);
    // It stops at the start of a line, after whole lines only.
    EXPECT_TRUE(document.toPlainText().mid(next).startsWith(QStringLiteral("Line ")));
    const QRect ink = inkBounds(first.image(), first.image().rect());
    EXPECT_TRUE(QRect(10, 20, 180, 60).contains(ink));

    // Going on from there draws the rest, then reports the end.
    DeviceContext second = page(200, 400);
    EXPECT_EQ(second.formatRange(document, next, GdiRect{0, 0, 200, 400}), length);
    EXPECT_EQ(second.formatRange(document, length, GdiRect{0, 0, 200, 400}), length);

    // An area lower than one line draws nothing and does not move on.
    DeviceContext tiny = page(200, 200);
    EXPECT_EQ(tiny.formatRange(document, next, GdiRect{0, 0, 200, 3}), next);
    EXPECT_TRUE(inkBounds(tiny.image(), tiny.image().rect()).isNull());
}

TEST(DeviceContext, DrawTextCutsWhatLeavesItsBoxAsAClipToTheBoxWould)
{
    // The boxes are lower than the font's line (23 pixels): the digits'
    // ink stays inside them, descenders and a line wider than its box do
    // not. At 17 and 34 pixels a line is as high as the font (19 and 38),
    // so its glyphs' ink decides. Whether or not the device context clips, the
    // page must show the text drawn with a clip to its box, open at the top
    // where accents rise above the font's ascent at the box's top.
    struct Case
    {
        const char* name;
        QString text;
        GdiRect box;
        int flags;
        bool opaque;
        bool overflows; // the clip changes what is drawn
        QFont font = textFont(20);
        bool openTop = false; // ink rising above the font's ascent is not cut at the top
    };
    const int left = Gdi::DT_LEFT | Gdi::DT_NOPREFIX;
    const Case cases[] = {
        {"digits in a low box", QStringLiteral("1234.56"), {10, 10, 150, 31}, left, false, false},
        {"right-aligned digits",
         QStringLiteral("987.65"),
         {10, 10, 150, 31},
         Gdi::DT_RIGHT | Gdi::DT_NOPREFIX,
         false,
         false},
        {"descenders below the box",
         QStringLiteral("gypsy jig"),
         {10, 10, 150, 31},
         left,
         false,
         true},
        {"a line wider than its box",
         QStringLiteral("12345678901234567890"),
         {10, 10, 60, 40},
         left,
         false,
         true},
        {"an opaque background taller than the box",
         QStringLiteral("1234.56"),
         {10, 10, 150, 31},
         left,
         true,
         true},
        {"right-aligned digits and a trailing blank",
         QStringLiteral("987.65 "),
         {10, 10, 150, 31},
         Gdi::DT_RIGHT | Gdi::DT_NOPREFIX,
         false,
         false},
        {"an opaque background behind centred digits",
         QStringLiteral("45.5"),
         {10, 10, 151, 31},
         Gdi::DT_SINGLELINE | Gdi::DT_CENTER | Gdi::DT_VCENTER | Gdi::DT_NOPREFIX,
         true,
         true},
        {"digits centred both ways",
         QStringLiteral("45.5"),
         {10, 10, 151, 40},
         Gdi::DT_SINGLELINE | Gdi::DT_CENTER | Gdi::DT_VCENTER | Gdi::DT_NOPREFIX,
         false,
         false},
        {"digits above a box's top",
         QStringLiteral("1234.56"),
         {10, 10, 150, 31},
         Gdi::DT_SINGLELINE | Gdi::DT_BOTTOM | Gdi::DT_NOPREFIX,
         false,
         false},
        {"descenders just below a box of the line's glyphs",
         QStringLiteral("gypsy jig"),
         {10, 10, 190, 46},
         left,
         false,
         true,
         textFont(34)},
        {"right-aligned descenders just below a box of the line's glyphs",
         QStringLiteral("gypsy jig"),
         {10, 10, 190, 46},
         Gdi::DT_RIGHT | Gdi::DT_NOPREFIX,
         false,
         true,
         textFont(34)},
        {"centred digits just above the top of a box of the line's glyphs",
         QStringLiteral("1234.56"),
         {10, 20, 150, 35},
         Gdi::DT_SINGLELINE | Gdi::DT_CENTER | Gdi::DT_BOTTOM | Gdi::DT_NOPREFIX,
         false,
         true,
         textFont(17)},
        {"a right-aligned italic f in a box taller than its line",
         QStringLiteral("Chef"),
         {10, 10, 150, 50},
         Gdi::DT_RIGHT | Gdi::DT_NOPREFIX,
         false,
         true,
         textFont(17, true)},
        {"accents above a box as high as the line",
         QStringLiteral("\u00C5ngstr\u00F6m \u00C9t\u00E9"),
         {10, 10, 190, 24},
         left,
         false,
         false,
         textFont(12),
         true},
        {"accents above a box the line is wider than",
         QStringLiteral("\u00C5ngstr\u00F6m \u00C9t\u00E9 \u00C5ngstr\u00F6m"),
         {10, 10, 100, 24},
         left,
         false,
         true,
         textFont(12),
         true},
        {"right-aligned italic Hebrew in a box two pixels wider than its advance",
         QStringLiteral("\u05E9\u05DC\u05D5\u05DD"),
         {10, 4, 100, 56},
         Gdi::DT_RIGHT | Gdi::DT_NOPREFIX,
         false,
         true,
         textFont(40, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QFont& font = c.font;
        DeviceContext dc = page(200, 60);
        dc.selectFont(font);
        dc.setBkMode(c.opaque ? Gdi::OPAQUE : Gdi::TRANSPARENT);
        dc.setBkColor(Yellow);
        dc.drawText(c.text, c.box, c.flags);

        const QRect box(c.box.left, c.box.top, c.box.width(), c.box.height());
        int qtFlags = Qt::TextDontClip;
        qtFlags |= (c.flags & Gdi::DT_RIGHT)    ? Qt::AlignRight
                   : (c.flags & Gdi::DT_CENTER) ? Qt::AlignHCenter
                                                : Qt::AlignLeft;
        qtFlags |= (c.flags & Gdi::DT_BOTTOM)    ? Qt::AlignBottom
                   : (c.flags & Gdi::DT_VCENTER) ? Qt::AlignVCenter
                                                 : Qt::AlignTop;
        const auto drawn = [&](bool clip) {
            QImage image(200, 60, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            if (clip && c.openTop)
                painter.setClipRect(QRect(box.left(), 0, box.width(), box.bottom() + 1));
            else if (clip)
                painter.setClipRect(box);
            if (c.opaque)
                painter.fillRect(QFontMetrics(font).boundingRect(box, qtFlags, c.text),
                                 QColor(Qt::yellow));
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(box, qtFlags, c.text);
            return image;
        };
        EXPECT_TRUE(dc.image() == drawn(true));
        EXPECT_EQ(drawn(true) != drawn(false), c.overflows);
    }
}

TEST(ImageDevice, AStoredPageKeepsEveryPixelAndTakesMoreDrawing)
{
    // A page of few colours packs over a table of them, one of many into
    // three bytes a pixel; a black-and-white page stays as it is.
    struct Case
    {
        const char* name;
        bool colour;
        int shades;
        bool text = true;
    };
    const Case cases[] = {
        {"text and a box", true, 0},
        {"six hundred colours", true, 600},
        // A row of colours all different, longer than a run holds.
        {"a row of two hundred colours", true, 200, false},
        {"black and white", false, 0},
        // White, the box and the shades: one colour more than a table holds.
        {"exactly 257 colours", true, 255, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto draw = [&](DeviceContext& dc) {
            dc.selectFont(textFont(16));
            dc.setTextColor(Red);
            if (c.text)
                dc.drawText(QStringLiteral("Wool coats 12.99"), GdiRect{5, 5, 190, 30},
                            Gdi::DT_LEFT);
            dc.fillRect(GdiRect{5, 40, 60, 60}, GdiBrush::solid(Blue));
            for (int i = 0; i < c.shades; ++i)
                dc.fillRect(GdiRect{i % 200, 62 + i / 200, i % 200 + 1, 63 + i / 200},
                            GdiBrush::solid(i * 97));
        };
        auto device = std::make_unique<ImageDevice>(200, 80, c.colour);
        ImageDevice& stored = *device;
        DeviceContext dc(std::move(device));
        draw(dc);
        const QImage drawn = dc.image();
        stored.store();
        EXPECT_EQ(stored.isStored(), c.colour);
        EXPECT_TRUE(dc.image() == drawn);

        DeviceContext fresh = page(200, 80, c.colour);
        draw(fresh);
        for (DeviceContext* more : {&dc, &fresh})
            more->fillRect(GdiRect{100, 30, 150, 70}, GdiBrush::solid(Green));
        EXPECT_FALSE(stored.isStored());
        EXPECT_TRUE(dc.image() == fresh.image());
    }
}
