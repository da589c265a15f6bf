#include <QTextEdit>
#include <gtest/gtest.h>

#include "RichTextStandIn.h"
#include "control/core/OffScreenDC.h"
#include "control/core/SharedState.h"
#include "platform/controls/PictureBox.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiTestImages.h"
#include "platform/gdi/ImageDevice.h"
#include "platform/gdi/RecordingDevice.h"
#include "support/QStringPrinter.h"

using namespace platform;

using namespace GdiTestImages;

namespace {

constexpr qint32 White = 0xFFFFFF;
constexpr qint32 Black = 0x000000;
constexpr qint32 Red = 0x0000FF;
constexpr qint32 Blue = 0xFF0000;
constexpr qint32 Yellow = 0x00FFFF;

QFont arial(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    return font;
}

} // namespace

class OffScreenPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SharedState::get().reset();
        m_page.Initialize(nullptr, 200, 120, 2);
    }
    void TearDown() override { SharedState::get().reset(); }

    QImage image() const { return m_page.page(); }
    QRect ink() const { return inkBounds(image(), image().rect()); }

    OffScreenDC m_page;
};

TEST_F(OffScreenPage, StartsWhiteInColourOrInBlackAndWhite)
{
    EXPECT_EQ(image().format(), QImage::Format_RGB32);
    EXPECT_EQ(image().size(), QSize(200, 120));
    EXPECT_TRUE(ink().isNull());

    OffScreenDC mono;
    mono.Initialize(nullptr, 50, 40, 0);
    EXPECT_EQ(mono.page().format(), QImage::Format_Mono);
    EXPECT_EQ(countOf(mono.page(), mono.page().rect(), White), 50 * 40);
}

TEST_F(OffScreenPage, DrawsNothingBeforeItIsMadeOrAfterItIsReleased)
{
    OffScreenDC page;
    page.FillRect(0, 0, 10, 10, QStringLiteral("x"));
    EXPECT_TRUE(page.page().isNull());
    m_page.Finale();
    EXPECT_TRUE(m_page.page().isNull());
    EXPECT_EQ(m_page.dc(), nullptr);
    m_page.FillShape(0, 0, 10, 10);
    m_page.Finale(); // once more is harmless
}

TEST_F(OffScreenPage, FillRectFillsTheCellOneFurtherLeftWhenNotCentred)
{
    const struct
    {
        int CntrT;
        QRect cell;
    } cases[] = {{1, QRect(10, 10, 20, 10)}, {5, QRect(10, 10, 20, 10)}, {0, QRect(9, 10, 21, 10)}};
    for (const auto& c : cases) {
        m_page.Initialize(nullptr, 200, 120, 2);
        m_page.setBackColor(Red);
        m_page.FillRect(10, 10, 20, 10, QString(), 0, 0, false, false, c.CntrT, false, 5);
        EXPECT_EQ(ink(), c.cell) << "CntrT " << c.CntrT;
        EXPECT_EQ(countOf(image(), image().rect(), Red), c.cell.width() * c.cell.height());
    }
}

TEST_F(OffScreenPage, FillRectFramesInBlackOnlyForFrameOne)
{
    m_page.FillRect(10, 10, 20, 10, QString(), 0, 1, false, false, 1, false, 5);
    // The frame starts a pixel above the cell.
    EXPECT_EQ(ink(), QRect(10, 9, 20, 11));
    EXPECT_EQ(valueAt(image(), 10, 15), Black);
    EXPECT_EQ(valueAt(image(), 29, 15), Black);
    EXPECT_EQ(valueAt(image(), 15, 9), Black);
    EXPECT_EQ(valueAt(image(), 15, 19), Black);
    EXPECT_EQ(valueAt(image(), 15, 15), White);

    m_page.Initialize(nullptr, 200, 120, 2);
    m_page.FillRect(10, 10, 20, 10, QString(), 0, 2, false, false, 1, false, 5);
    EXPECT_TRUE(ink().isNull());
}

TEST_F(OffScreenPage, ATransparentCellKeepsWhatIsBehindAndDrawsTheCaption)
{
    m_page.setBackColor(Yellow);
    m_page.FillRect(0, 0, 100, 40, QString(), 0, 0, false, false, 1, false, 5);
    m_page.setBackColor(Red);
    m_page.FillRect(0, 0, 100, 40, QStringLiteral("Mm"), 0, 0, false, false, 1, true, 5);
    EXPECT_EQ(countOf(image(), image().rect(), Red), 0);
    EXPECT_GT(countOf(image(), image().rect(), Yellow), 3000);
    EXPECT_FALSE(inkBounds(image(), image().rect(), qRgb(255, 255, 0)).isNull());
    EXPECT_EQ(m_page.dc()->bkMode(), int(Gdi::OPAQUE));
}

TEST_F(OffScreenPage, FillRectPlacesTheCaptionFromTheTopByItsAlignment)
{
    const struct
    {
        int align;
        int from;
        int to;
    } cases[] = {{0, 10, 60},   {4, 10, 60},  {1, 150, 200},
                 {8, 150, 200}, {2, 80, 130}, {6, 80, 130}};
    for (const auto& c : cases) {
        m_page.Initialize(nullptr, 200, 120, 2);
        m_page.setFont(arial(10));
        m_page.FillRect(10, 20, 180, 80, QStringLiteral("Ab"), c.align, 0, false, false, 1, false,
                        5);
        const QRect text = ink();
        EXPECT_GE(text.left(), c.from) << "align " << c.align;
        EXPECT_LE(text.right(), c.to) << "align " << c.align;
        // From the top of the cell (2 pixels down), not centred.
        EXPECT_LT(text.top(), 30) << "align " << c.align;
    }
}

TEST_F(OffScreenPage, OutsideTheNineAlignmentsAnAmpersandMarksALetter)
{
    m_page.setFont(arial(10));
    m_page.FillRect(10, 10, 150, 40, QStringLiteral("A&&B"), 9, 0, false, false, 1, false, 5);
    OffScreenDC reference;
    reference.Initialize(nullptr, 200, 120, 2);
    reference.setFont(arial(10));
    reference.FillRect(10, 10, 150, 40, QStringLiteral("A&B"), 0, 0, false, false, 1, false, 5);
    EXPECT_EQ(image(), reference.page());

    OffScreenDC literal;
    literal.Initialize(nullptr, 200, 120, 2);
    literal.setFont(arial(10));
    literal.FillRect(10, 10, 150, 40, QStringLiteral("A&&B"), 0, 0, false, false, 1, false, 5);
    EXPECT_NE(literal.page(), reference.page());
}

TEST_F(OffScreenPage, TheDividerWidensOrNarrowsOnlyTheText)
{
    const auto rightEdge = [](int divider) {
        OffScreenDC page;
        page.Initialize(nullptr, 200, 120, 2);
        page.setFont(arial(10));
        page.FillRect(10, 10, 100, 30, QStringLiteral("Ab"), 1, 0, false, false, 1, true, divider);
        return inkBounds(page.page(), page.page().rect()).right();
    };
    const int plain = rightEdge(5);
    EXPECT_EQ(rightEdge(-1), plain);
    EXPECT_EQ(rightEdge(-3), plain + 1);
    EXPECT_EQ(rightEdge(-2), plain - 1);
}

TEST_F(OffScreenPage, Draw3DRectIsACellOnePixelInsideAndFetchesThe3DColours)
{
    EXPECT_EQ(m_page.ThreeDFaceColor(), 0);
    m_page.setBackColor(Red);
    m_page.Draw3DRect(10, 10, 20, 12, QString(), 0, 0, false, false, 1);
    EXPECT_EQ(ink(), QRect(11, 11, 18, 10));
    EXPECT_EQ(m_page.ThreeDFaceColor(), 0xC0C0C0);
    EXPECT_EQ(m_page.ThreeDHighlightColor(), 0xFFFFFF);
    EXPECT_EQ(m_page.ThreeDShadowColor(), 0x808080);
    // Drawn without being transparent, whatever the caller had.
    EXPECT_EQ(countOf(image(), image().rect(), Red), 18 * 10);
}

TEST_F(OffScreenPage, InvertRectInvertsTheGivenBox)
{
    m_page.FillShape(0, 0, 10, 10);
    m_page.InvertRect(5, 0, 10, 10);
    EXPECT_EQ(valueAt(image(), 2, 2), Black);
    EXPECT_EQ(valueAt(image(), 7, 2), White);
    EXPECT_EQ(valueAt(image(), 12, 2), Black);
    EXPECT_EQ(countOf(image(), image().rect(), Black), 100);
}

TEST_F(OffScreenPage, BlastToScreenCopiesThePageAtThePreviewZoom)
{
    DeviceContext screen(std::make_unique<ImageDevice>(400, 300, true));
    screen.fillRect(GdiRect{0, 0, 400, 300}, GdiBrush::solid(Yellow));
    screen.setBkColor(Blue);
    OffScreenDC page;
    page.Initialize(&screen, 100, 50, 2);
    page.FillShape(0, 0, 10, 10);
    SharedState::get().PreviewZoom = 1.5;
    int width = -1;
    int height = -1;
    page.BlastToScreen(0, 0, width, height);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 50);
    const QImage shown = screen.image();
    EXPECT_EQ(inkBounds(shown, QRect(0, 0, 150, 75)), QRect(0, 0, 15, 15));
    EXPECT_EQ(valueAt(shown, 149, 74), White);
    EXPECT_EQ(valueAt(shown, 150, 74), Yellow);
    EXPECT_EQ(valueAt(shown, 149, 75), Yellow);
    EXPECT_EQ(countOf(shown, shown.rect(), Blue), 0); // the clearing lies under the copy

    // At zoom 1 the clearing shows where a partial copy leaves it.
    SharedState::get().PreviewZoom = 1.0;
    width = 20;
    height = 20;
    page.BlastToScreen(0, 0, width, height);
    const QImage partial = screen.image();
    EXPECT_EQ(valueAt(partial, 50, 30), Blue);
    EXPECT_EQ(valueAt(partial, 5, 5), Black);
    EXPECT_EQ(valueAt(partial, 120, 30), White); // the first copy's
    EXPECT_EQ(valueAt(partial, 160, 30), Yellow);
}

TEST_F(OffScreenPage, VerticalAndHorizontalLinesAreBoxesOfTheirWidth)
{
    const struct
    {
        const char* name;
        int x1, y1, x2, y2, width;
        QRect box;
    } cases[] = {
        {"vertical", 50, 10, 50, 30, 3, QRect(47, 9, 3, 21)},
        {"horizontal", 10, 50, 40, 50, 2, QRect(9, 48, 32, 2)},
        {"point", 60, 60, 60, 60, 4, QRect(56, 59, 4, 1)},
        {"upward vertical", 50, 30, 50, 10, 1, QRect(49, 10, 1, 19)},
    };
    for (const auto& c : cases) {
        m_page.Initialize(nullptr, 200, 120, 2);
        m_page.setBackColor(Blue);
        int style = 3;
        m_page.DrawLine(c.x1, c.y1, c.x2, c.y2, style, Red, c.width);
        EXPECT_EQ(ink(), c.box) << c.name;
        EXPECT_EQ(countOf(image(), image().rect(), Red), c.box.width() * c.box.height()) << c.name;
        EXPECT_EQ(style, 3) << c.name;
        EXPECT_EQ(m_page.BackColor(), Blue) << c.name;
    }
}

TEST_F(OffScreenPage, ASlopedLineTakesThePenOfOneStyleLess)
{
    const struct
    {
        int style;
        int penStyle;
        bool drawn;
    } cases[] = {{0, 5, false}, {1, 0, true}, {3, 2, true}, {6, 5, false}};
    for (const auto& c : cases) {
        m_page.Initialize(nullptr, 200, 120, 2);
        int style = c.style;
        m_page.DrawLine(10, 10, 60, 40, style, Red, 1);
        EXPECT_EQ(style, c.penStyle) << "style " << c.style;
        EXPECT_EQ(!ink().isNull(), c.drawn) << "style " << c.style;
        // The page's own pen is back afterwards.
        EXPECT_EQ(m_page.dc()->pen(), GdiPen()) << "style " << c.style;
    }
}

struct ShapeCase
{
    const char* name;
    int shape;
    int width;
    int height;
    QRect ink;
    int leftBack;
    int widthBack;
    int heightBack;
};

TEST_F(OffScreenPage, ShapesFitTheirBoxAsTheirKindSays)
{
    const ShapeCase cases[] = {
        {"rectangle", 0, 60, 40, QRect(10, 20, 60, 40), 10, 60, 40},
        {"square", 1, 60, 40, QRect(10, 20, 40, 40), 10, 40, 40},
        {"oval", 2, 60, 40, QRect(10, 20, 60, 41), 10, 60, 40},
        {"tall circle", 3, 40, 60, QRect(10, 30, 40, 40), 10, 40, 39},
        {"wide circle", 3, 60, 40, QRect(20, 20, 40, 41), 20, 40, 40},
        {"rounded rectangle", 4, 60, 40, QRect(10, 20, 60, 40), 10, 60, 40},
        {"tall rounded square", 5, 40, 60, QRect(10, 30, 40, 40), 10, 40, 40},
        {"wide rounded square", 5, 60, 40, QRect(20, 20, 40, 40), 20, 40, 40},
        {"unknown", 6, 60, 40, QRect(), 10, 60, 40},
    };
    for (const ShapeCase& c : cases) {
        m_page.Initialize(nullptr, 200, 120, 2);
        int left = 10;
        int width = c.width;
        int height = c.height;
        int backStyle = 1;
        int borderStyle = 1;
        int fillStyle = 1;
        m_page.Shape(left, 20, width, height, c.shape, Red, backStyle, Black, borderStyle, 1,
                     fillStyle, Blue);
        EXPECT_EQ(ink(), c.ink) << c.name;
        EXPECT_EQ(left, c.leftBack) << c.name;
        EXPECT_EQ(width, c.widthBack) << c.name;
        EXPECT_EQ(height, c.heightBack) << c.name;
        EXPECT_EQ(backStyle, 0) << c.name;
        EXPECT_EQ(borderStyle, 0) << c.name;
        EXPECT_EQ(fillStyle, 1) << c.name;
    }
}

TEST_F(OffScreenPage, AShapesInsideFollowsItsBackAndFillStyles)
{
    // Transparent back: the border only.
    int left = 10, width = 40, height = 30, backStyle = 0, borderStyle = 1, fillStyle = 1;
    m_page.Shape(left, 10, width, height, 0, Red, backStyle, Black, borderStyle, 1, fillStyle,
                 Blue);
    EXPECT_EQ(backStyle, 1);
    EXPECT_EQ(countOf(image(), image().rect(), Red), 0);
    EXPECT_EQ(valueAt(image(), 30, 25), White);
    EXPECT_EQ(valueAt(image(), 10, 25), Black);

    // A cross hatch in the fill colour over the back colour.
    m_page.Initialize(nullptr, 200, 120, 2);
    backStyle = 1;
    borderStyle = 1;
    fillStyle = 6;
    m_page.Shape(left, 10, width, height, 0, Yellow, backStyle, Black, borderStyle, 1, fillStyle,
                 Blue);
    const QRect inside(12, 12, 36, 26);
    EXPECT_GT(countOf(image(), inside, Blue), 50);
    EXPECT_GT(countOf(image(), inside, Yellow), 50);
    EXPECT_EQ(countOf(image(), inside, Blue) + countOf(image(), inside, Yellow),
              inside.width() * inside.height());

    // No border: the back colour only, one pixel short at right and bottom.
    m_page.Initialize(nullptr, 200, 120, 2);
    backStyle = 1;
    borderStyle = 0;
    fillStyle = 1;
    m_page.Shape(left, 10, width, height, 0, Red, backStyle, Black, borderStyle, 1, fillStyle,
                 Blue);
    EXPECT_EQ(borderStyle, 5);
    EXPECT_EQ(ink(), QRect(10, 10, 39, 29));
    EXPECT_EQ(countOf(image(), image().rect(), Black), 0);
}

TEST_F(OffScreenPage, DrawStyleTakesAnythingAndGivesNothingBack)
{
    m_page.setDrawStyle(3);
    EXPECT_FALSE(m_page.DrawStyle().isValid());
}

TEST_F(OffScreenPage, NOutTextClearsItsBoxCentresTheCaptionAndFramesInTheCurrentColour)
{
    SharedState::get().CurrentColor = Red;
    m_page.setFont(arial(10));
    m_page.setBackColor(Blue);
    m_page.NOutText(20, 20, 100, 40, QStringLiteral("Ab"), 0, 1, false, false);
    const QImage page = image();
    // Cleared from nLeft to nLeft + nnWidth - 5.
    EXPECT_EQ(valueAt(page, 21, 21), Blue);
    EXPECT_EQ(valueAt(page, 114, 21), Blue);
    EXPECT_EQ(valueAt(page, 115, 21), White);
    // The frame: nLeft - 2 to nLeft + nnWidth - 8, nTop to nTop + nHeight + 1.
    EXPECT_EQ(inkBounds(page, page.rect()), QRect(18, 20, 97, 41));
    EXPECT_EQ(valueAt(page, 18, 40), Red);
    EXPECT_EQ(valueAt(page, 111, 40), Red);
    EXPECT_EQ(valueAt(page, 50, 60), Red);
    // The caption centred on the box's height.
    const QRect text = inkBounds(page, QRect(21, 21, 88, 38), qRgb(0, 0, 255));
    EXPECT_NEAR(text.center().y(), 40, 3);
    EXPECT_LT(text.left(), 25);
}

TEST_F(OffScreenPage, NOutTextWithWordWrapFramesOnePixelLeftOfItsBox)
{
    SharedState::get().CurrentColor = Red;
    m_page.setFont(arial(10));
    m_page.NOutText(20, 20, 100, 40, QStringLiteral("Ab"), 0, 1, true, true);
    const QRect frame = inkBounds(image(), image().rect());
    EXPECT_EQ(frame.left(), 18);
    EXPECT_EQ(frame.right(), 113); // nLeft + nnWidth - 6, exclusive
    EXPECT_EQ(countOf(image(), image().rect(), Blue), 0);

    // No frame for frame 0.
    m_page.Initialize(nullptr, 200, 120, 2);
    m_page.NOutText(20, 20, 100, 40, QString(), 0, 0, true, true);
    EXPECT_TRUE(ink().isNull());
}

TEST_F(OffScreenPage, FillShapeIsABlackBoxOrABlackFrame)
{
    m_page.setBackColor(Yellow);
    m_page.FillShape(10, 10, 8, 6);
    EXPECT_EQ(countOf(image(), image().rect(), Black), 48);
    m_page.FillShape(30, 10, 8, 6, true);
    EXPECT_EQ(countOf(image(), QRect(30, 10, 8, 6), Black), 24);
    EXPECT_EQ(countOf(image(), QRect(31, 11, 6, 4), White), 24);
    EXPECT_EQ(m_page.BackColor(), Yellow);
}

TEST_F(OffScreenPage, VDrawMakesACheckMarkInTheCurrentPen)
{
    m_page.VDraw(20, 30);
    const QRect mark = ink();
    EXPECT_TRUE(QRect(18, 24, 8, 7).contains(mark));
    EXPECT_EQ(valueAt(image(), 20, 30), Black);
    EXPECT_EQ(valueAt(image(), 22, 28), Black);
}

TEST_F(OffScreenPage, PrintpicStretchesThePictureOfItsHolder)
{
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    PictureBox holder;
    holder.Move(0, 0, 150, 150); // 10 x 10 pixels
    holder.setPicture(picture);
    EXPECT_EQ(m_page.Printpic(&holder, 2.0, 1, 20, 999, true, 30), 0);
    // 10 x 2 x 16 / 15.9 = 20.1 and 10 x 2 x 16 / 15.8 = 20.3.
    EXPECT_EQ(ink(), QRect(20, 30, 20, 20));
    EXPECT_EQ(countOf(image(), image().rect(), Red), 400);

    // 10 x 8 x 16 / 15.9 = 80.5 and 10 x 8 x 16 / 15.8 = 81.0.
    m_page.Initialize(nullptr, 200, 120, 2);
    m_page.Printpic(&holder, 8.0, 1, 0, 0, true, 0);
    EXPECT_EQ(ink(), QRect(0, 0, 81, 81));
}

TEST_F(OffScreenPage, PrintpicOfAnEmptyHolderDrawsNothing)
{
    PictureBox holder;
    holder.Move(0, 0, 150, 150);
    m_page.FillShape(0, 0, 200, 120);
    EXPECT_EQ(m_page.Printpic(&holder, 1.0, 1, 0, 0, true, 0), 0);
    EXPECT_EQ(countOf(image(), image().rect(), Black), 200 * 120);

    // A picture smaller than its holder leaves the rest of the page alone.
    QImage small(5, 5, QImage::Format_RGB32);
    small.fill(Qt::white);
    holder.setPicture(small);
    m_page.Printpic(&holder, 1.0, 1, 0, 0, true, 0);
    EXPECT_EQ(countOf(image(), image().rect(), White), 25);
}

TEST_F(OffScreenPage, BlastToPrintCopiesTheWholePage)
{
    auto owned = std::make_unique<RecordingDevice>(QSize(4961, 7016), 600);
    RecordingDevice& recorder = *owned;
    DeviceContext printer(std::move(owned));
    m_page.BlastToPrint(printer);
    const auto copies = recorder.callsOf(QStringLiteral("StretchBlt"));
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(copies[0].rect, (GdiRect{0, 0, 200, 120}));
    EXPECT_EQ(copies[0].sourceSize, QSize(200, 120));
    EXPECT_EQ(copies[0].from, QPoint(0, 0));
}

TEST_F(OffScreenPage, TheFontObjectIsSelectedAndNoneBringsBackTheFirstFont)
{
    const QFont original = m_page.dc()->font();
    EXPECT_FALSE(m_page.Font().has_value());
    m_page.setFont(arial(9));
    EXPECT_EQ(m_page.dc()->font().pixelSize(), 12);
    EXPECT_EQ(m_page.SizeFont(), 9);
    m_page.setFont(arial(12));
    EXPECT_EQ(m_page.dc()->font().pixelSize(), 16);
    m_page.setFont(std::nullopt);
    EXPECT_EQ(m_page.dc()->font(), original);
}

TEST_F(OffScreenPage, SizeFontChangesTheFontObjectsSize)
{
    EXPECT_EQ(m_page.SizeFont(), 0);
    m_page.setFont(arial(10));
    m_page.setSizeFont(14);
    EXPECT_EQ(m_page.SizeFont(), 14);
    EXPECT_DOUBLE_EQ(m_page.Font()->pointSizeF(), 14);
    EXPECT_EQ(m_page.dc()->font().pixelSize(), 19);
}

TEST_F(OffScreenPage, CDRTFDrawsTheRichTextPartByPartAndMovesOn)
{
    QTextEdit source;
    source.resize(200, 100); // Width 3000 twips
    source.document()->setDefaultFont(arial(10));
    QStringList lines;
    for (int i = 0; i < 20; ++i)
        lines << QStringLiteral("Rich line %1").arg(i);
    source.setPlainText(lines.join(QChar('\n')));
    const int length = source.document()->characterCount() - 1;
    SharedState& shared = SharedState::get();
    shared.RichTextSource = &source;
    shared.RichTextPos = 0;

    m_page.setBackColor(Yellow);
    m_page.CDRTF(300, 0, 1500); // 20 to 100 pixels down, from 4 pixels in
    const int first = shared.RichTextPos;
    EXPECT_GT(first, 0);
    EXPECT_LT(first, length);
    const QRect text = ink();
    EXPECT_TRUE(QRect(4, 20, 197, 80).contains(text))
        << text.x() << "," << text.y() << " " << text.width() << "x" << text.height();
    EXPECT_TRUE(source.toPlainText().mid(first).startsWith(QStringLiteral("Rich line")))
        << first << " " << source.toPlainText().mid(first, 20).toStdString();
    // A control without a BackColor member leaves the page's colour.
    EXPECT_EQ(m_page.BackColor(), Yellow);

    int passes = 1;
    while (shared.RichTextPos < length && passes < 20) {
        m_page.Initialize(nullptr, 200, 120, 2);
        m_page.CDRTF(0, 0, 1800);
        ++passes;
    }
    EXPECT_EQ(shared.RichTextPos, length);
    EXPECT_GT(passes, 2);
}

TEST_F(OffScreenPage, CDRTFTakesTheControlsWidthInTwipsAndItsBackColor)
{
    QWidget form;
    RichTextStandIn source(&form);
    source.Move(0, 0, 1500, 1500); // Width 1500 twips: a box 98 pixels wide
    source.setBackColor(Blue);
    source.document()->setDefaultFont(arial(10));
    source.setPlainText(QStringLiteral("word word word word word word word word word"));
    SharedState& shared = SharedState::get();
    shared.RichTextSource = &source;
    shared.RichTextPos = 0;
    m_page.CDRTF(0, 0, 1800);
    EXPECT_EQ(m_page.BackColor(), Blue);
    EXPECT_EQ(shared.RichTextPos, source.document()->characterCount() - 1);
    const QRect text = ink();
    EXPECT_GE(text.left(), 4);
    EXPECT_LE(text.right(), 101);
    EXPECT_GT(text.height(), 30); // wrapped into several lines
}

TEST_F(OffScreenPage, CDRTFWithoutARichTextControlDoesNothing)
{
    SharedState::get().RichTextPos = 5;
    m_page.CDRTF(0, 0, 1500);
    EXPECT_EQ(SharedState::get().RichTextPos, 5);
    EXPECT_TRUE(ink().isNull());
}

TEST_F(OffScreenPage, AStoredPageIsShownAsItWasDrawn)
{
    const auto shown = [](bool store) {
        DeviceContext screen(std::make_unique<ImageDevice>(300, 200, true));
        OffScreenDC page;
        page.Initialize(&screen, 200, 120, 2);
        page.setFont(arial(10));
        page.setBackColor(Yellow);
        page.FillRect(10, 10, 150, 30, QStringLiteral("Jackets 49.99"), 0, 1);
        page.FillShape(20, 60, 40, 40, true);
        if (store)
            page.store();
        SharedState::get().PreviewZoom = 1.5;
        int width = -1;
        int height = -1;
        page.BlastToScreen(0, 0, width, height);
        return screen.image();
    };
    EXPECT_TRUE(shown(true) == shown(false));
}
