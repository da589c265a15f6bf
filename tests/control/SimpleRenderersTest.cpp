#include <QImage>
#include <QProcess>

#include "HostFormFixture.h"
#include "control/core/JobContext.h"
#include "control/renderers/ShapeLineRenderer.h"
#include "platform/controls/Chart.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Image.h"
#include "platform/controls/Line.h"
#include "platform/controls/OptionButton.h"
#include "platform/controls/Shape.h"
#include "platform/gdi/SystemColours.h"

using namespace platform;

namespace {

using Call = RecordingPrinter::DcCall;

class SimpleRenderers : public HostFormFixture
{
protected:
    Zentrel* addControl()
    {
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(8000, 0, 800, 375);
        return m_control;
    }

    Line* addLine(const char* name)
    {
        auto* line = new Line(m_form.get());
        line->setObjectName(QString::fromLatin1(name));
        return line;
    }

    static QImage picture(int width, int height, QColor colour)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    // A form with one control of every simple kind.
    void buildEveryKind()
    {
        auto* check = add<CheckBox>("Washed", 600, 300, 2400, 300);
        check->setCaption(QStringLiteral("Washed at 40"));
        check->setValue(1);
        auto* option = add<OptionButton>("Cotton", 3600, 300, 2400, 300);
        option->setCaption(QStringLiteral("Cotton"));
        option->setValue(true);
        auto* frame = add<Frame>("Sizes", 600, 1000, 5000, 1500);
        frame->setCaption(QStringLiteral("Sizes"));
        auto* shape = add<Shape>("Box", 600, 3000, 1500, 900);
        shape->setFillStyle(6);
        shape->setBorderWidth(2);
        auto* circle = add<Shape>("Dot", 3000, 3000, 900, 1200);
        circle->setShape(3);
        circle->setBackStyle(1);
        circle->setBackColor(0x00C0FF);
        auto* line = addLine("Rule");
        line->setX1(600);
        line->setX2(6000);
        line->setY1(4500);
        line->setY2(4500);
        line->setBorderWidth(3);
        auto* slope = addLine("Slope");
        slope->setX1(600);
        slope->setY1(4800);
        slope->setX2(3000);
        slope->setY2(5400);
        add<Image>("Logo", 600, 5800, 1200, 900)->setPicture(picture(60, 40, Qt::darkBlue));
        auto* chart = add<Chart>("Sales", 2400, 5800, 4000, 2500);
        chart->setRowCount(3);
        chart->setColumnCount(1);
        for (int row = 1; row <= 3; ++row)
            chart->setData(row, 1, row * 10);
        chart->setTitleText(QStringLiteral("Sales"));
        addControl();
    }

    RecordingPrinter::DcCall only(const QString& op)
    {
        QList<Call> found;
        for (const Call& call : recorder().dcCalls()) {
            if (call.call.op == op)
                found << call;
        }
        EXPECT_EQ(found.size(), 1) << op.toStdString();
        return found.value(0);
    }

    QList<Call> callsOf(const QString& op, int page = 0)
    {
        QList<Call> found;
        for (const Call& call : recorder().dcCalls()) {
            if (call.call.op == op && (page == 0 || call.page == page))
                found << call;
        }
        return found;
    }

    // Dark pixels of an image in blocks of `block` pixels: a block is inked
    // when any pixel in it is darker than light grey.
    static QList<QPoint> inkedBlocks(const QImage& image, int block)
    {
        QList<QPoint> blocks;
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int by = 0; by * block < rgb.height(); ++by) {
            for (int bx = 0; bx * block < rgb.width(); ++bx) {
                bool inked = false;
                for (int y = by * block; !inked && y < qMin(rgb.height(), (by + 1) * block); ++y)
                    for (int x = bx * block; !inked && x < qMin(rgb.width(), (bx + 1) * block); ++x)
                        inked = qGray(rgb.pixel(x, y)) < 200;
                if (inked)
                    blocks << QPoint(bx, by);
            }
        }
        return blocks;
    }
};

} // namespace

// The printer primitives with their edge cases: the square, circle and
// rounded-square adjustments, the line boxes, the null pen of a
// transparent sloped line.
TEST_F(SimpleRenderers, PrinterPrimitivesPlaceTheirBoxes)
{
    addControl();
    SharedState::get().DirectPrint = 1;
    JobContext job(*m_control);
    struct Case
    {
        int kind, left, top, width, height;
        const char* op;
        GdiRect expected;
    } cases[] = {
        {0, 10, 20, 60, 40, "Rectangle", {10, 20, 70, 60}},
        {1, 10, 20, 60, 40, "Rectangle", {10, 20, 50, 60}},
        {1, 10, 20, 40, 60, "Rectangle", {10, 20, 50, 60}},
        // A circle 40 wide and 60 high: down 10, a 40 by 40 box.
        {3, 10, 20, 40, 60, "Ellipse", {10, 30, 50, 70}},
        {3, 10, 20, 60, 40, "Ellipse", {20, 20, 60, 61}},
        {2, 10, 20, 60, 40, "Ellipse", {10, 20, 70, 61}},
        {5, 10, 20, 40, 60, "RoundRect", {10, 30, 50, 70}},
        {4, 10, 20, 40, 60, "RoundRect", {10, 20, 50, 80}},
    };
    for (const Case& c : cases) {
        const int before = int(recorder().dcCalls().size());
        DrawShapeOnPrinter(job, c.left, c.top, c.width, c.height, c.kind, 0xFFFFFF, 1, 0, 1, 1, 0,
                           0);
        ASSERT_EQ(recorder().dcCalls().size(), before + 1) << c.kind;
        const GdiCall& drawn = recorder().dcCalls().last().call;
        EXPECT_EQ(drawn.op, QString::fromLatin1(c.op)) << c.kind;
        EXPECT_EQ(drawn.rect, c.expected) << c.kind << " " << c.width << "x" << c.height;
    }
    // Shape kinds above 5 draw nothing.
    const int before = int(recorder().dcCalls().size());
    DrawShapeOnPrinter(job, 10, 20, 40, 60, 6, 0, 1, 0, 1, 1, 0, 0);
    EXPECT_EQ(recorder().dcCalls().size(), before);

    // A horizontal line of width 3 fills the box below it, a vertical one
    // the box left of it; a dashed one is solid too.
    DrawLineOnPrinter(job, 100, 50, 200, 50, 2, 0xFF, 3);
    EXPECT_EQ(recorder().dcCalls().last().call.op, QStringLiteral("FillRect"));
    EXPECT_EQ(recorder().dcCalls().last().call.rect, (GdiRect{99, 50, 200, 53}));
    EXPECT_EQ(recorder().dcCalls().last().call.brush, GdiBrush::solid(0xFF));
    DrawLineOnPrinter(job, 100, 50, 100, 80, 0, 0xFF, 3);
    EXPECT_EQ(recorder().dcCalls().last().call.rect, (GdiRect{97, 50, 100, 79}));
    // Sloped: host style 0 and 6 give the null pen, 2 a dashed pen.
    for (auto [style, pen] : {std::pair{0, int(Gdi::PS_NULL)}, std::pair{6, int(Gdi::PS_NULL)},
                              std::pair{2, int(Gdi::PS_DASH)}}) {
        DrawLineOnPrinter(job, 100, 50, 200, 80, style, 0, 1);
        EXPECT_EQ(recorder().dcCalls().last().call.op, QStringLiteral("LineTo"));
        EXPECT_EQ(recorder().dcCalls().last().call.pen.style, pen) << style;
    }
}

// Colours of each kind on the printer, in colour and in black and white.
TEST_F(SimpleRenderers, ColourModeRulesOfEachKind)
{
    for (const bool colour : {true, false}) {
        endHost();
        startHost();
        auto* check = add<CheckBox>("Washed", 600, 300, 2400, 300);
        check->setCaption(QStringLiteral("Washed"));
        check->setForeColor(0x0000C0);
        check->setBackColor(0xC0FFC0);
        auto* shape = add<Shape>("Box", 600, 1000, 1500, 900);
        shape->setBackStyle(1);
        shape->setBackColor(0x00C0FF);
        shape->setBorderColor(0xFF0000);
        // A system colour as fill colour reaches the hatch as its colour.
        shape->setFillStyle(6);
        shape->setFillColor(ColourValue::systemColour(ColourValue::WindowText));
        auto* frame = add<Frame>("Sizes", 600, 2500, 4000, 1200);
        frame->setCaption(QStringLiteral("Sizes"));
        frame->setBackColor(0xFFE0E0);
        frame->setForeColor(0x008000);
        addControl()->setColor(colour ? Zentrel::v_Color : Zentrel::v_Monochrome);
        ASSERT_TRUE(m_control->LVPrint());

        const QList<Call> texts = callsOf(QStringLiteral("DrawText"));
        auto textCall = [&](const QString& text) {
            for (const Call& call : texts)
                if (call.call.text.startsWith(text))
                    return call.call;
            ADD_FAILURE() << text.toStdString();
            return GdiCall();
        };
        // Check box: the text colour follows the control in colour, the
        // background stays white.
        EXPECT_EQ(textCall(QStringLiteral("Washed")).textColor, colour ? 0x0000C0 : 0);
        EXPECT_EQ(textCall(QStringLiteral("Washed")).bkColor, 0xFFFFFF);
        // Frame: the caption in its colours, white and black otherwise.
        EXPECT_EQ(textCall(QStringLiteral("Sizes")).textColor, colour ? 0x008000 : 0);
        const QList<Call> rects = callsOf(QStringLiteral("Rectangle"));
        // The shape, the frame's box, its border and its caption's cell.
        ASSERT_EQ(rects.size(), 4);
        const GdiCall& shapeCall = rects[0].call;
        EXPECT_EQ(shapeCall.bkColor, colour ? 0x00C0FF : 0xFFFFFF);
        EXPECT_EQ(shapeCall.pen.colour, 0xFF0000);
        EXPECT_EQ(shapeCall.brush, GdiBrush::hatched(Gdi::HS_CROSS, SystemColours::GetSysColor(
                                                                        ColourValue::WindowText)));
        EXPECT_EQ(rects[1].call.brush.style, Gdi::BS_SOLID);
        EXPECT_EQ(rects[1].call.brush.colour, colour ? 0xFFE0E0 : 0xFFFFFF);
        EXPECT_EQ(rects[2].call.pen.colour, 0x808080);
        EXPECT_EQ(rects[2].call.pen.width, 2);
        EXPECT_EQ(rects[3].call.brush, GdiBrush::solid(colour ? 0xFFE0E0 : 0xFFFFFF));
    }
}

// A grayed check box shows the ticked glyph; an empty one none; the
// picture's size doubles with ScalePrnGrph 2 on both targets.
TEST_F(SimpleRenderers, GlyphsAndPictureScale)
{
    struct Case
    {
        int value;
        bool ticked;
    } glyphs[] = {{0, false}, {1, true}, {2, true}};
    for (const Case& c : glyphs) {
        endHost();
        startHost();
        add<CheckBox>("Washed", 600, 300, 2400, 300)->setValue(c.value);
        addControl();
        ASSERT_TRUE(m_control->Preview());
        const QImage page = SharedState::get().previewPage(0)->page();
        // The glyph lies in the top left corner (the page number is lower).
        int dark = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 140; ++x)
                dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
        const int border = 4 * 12;
        if (c.ticked)
            EXPECT_GT(dark, border + 8) << c.value;
        else
            EXPECT_LE(dark, border) << c.value;
    }

    QList<QSize> printed;
    QList<int> previewInk;
    for (const double factor : {1.0, 2.0}) {
        endHost();
        startHost();
        add<Image>("Logo", 600, 600, 1200, 900)->setPicture(picture(60, 40, Qt::black));
        addControl()->setScalePrnGrph(factor);
        ASSERT_TRUE(m_control->LVPrint());
        printed << QSize(only(QStringLiteral("StretchBlt")).call.rect.width(),
                         only(QStringLiteral("StretchBlt")).call.rect.height());
        ASSERT_TRUE(m_control->Preview());
        const QImage page = SharedState::get().previewPage(0)->page();
        int ink = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                ink += qGray(page.pixel(x, y)) < 50 ? 1 : 0;
        previewInk << ink;
    }
    EXPECT_NEAR(printed[1].width(), 2 * printed[0].width(), 1);
    EXPECT_NEAR(printed[1].height(), 2 * printed[0].height(), 1);
    // Four times the area, less the page titles' share of dark pixels.
    EXPECT_NEAR(double(previewInk[1]) / previewInk[0], 4.0, 0.5);
}

// A shape or frame tagged "newpage" starts the next page one gap below
// its top: moving it down the form by 600 twips moves it down the new page
// by 600 twips, not twice that.
TEST_F(SimpleRenderers, NewPageTagGivesOneGap)
{
    for (const bool frameKind : {false, true}) {
        QList<int> tops;
        for (const int top : {2000, 2600}) {
            endHost();
            startHost();
            add<Label>("Head", 600, 300, 3000, 300)->setCaption(QStringLiteral("Head"));
            QWidget* tagged = nullptr;
            if (frameKind) {
                auto* frame = add<Frame>("Sizes", 600, top, 3000, 900);
                frame->setBorderStyle(0);
                frame->setTag(QStringLiteral("newpage"));
                tagged = frame;
            } else {
                auto* shape = add<Shape>("Box", 600, top, 3000, 900);
                shape->setTag(QStringLiteral("newpage"));
                tagged = shape;
            }
            Q_UNUSED(tagged);
            addControl();
            ASSERT_TRUE(m_control->LVPrint());
            const QList<Call> rects = callsOf(QStringLiteral("Rectangle"), 2);
            ASSERT_EQ(rects.size(), 1) << frameKind;
            tops << rects[0].call.rect.top;
        }
        // 600 twips at 300 dots per inch are 125 printer pixels.
        EXPECT_EQ(tops[1] - tops[0], 125) << frameKind;
    }
}

// An image whose top lies below the page's usable height starts the next
// page instead of being drawn past the page's foot.
TEST_F(SimpleRenderers, APictureBelowThePageGoesOnTheNextPage)
{
    add<Label>("Head", 600, 300, 3000, 300)->setCaption(QStringLiteral("Head"));
    add<Image>("Logo", 600, 30000, 1200, 900)->setPicture(picture(60, 40, Qt::black));
    addControl();
    ASSERT_TRUE(m_control->LVPrint());
    const Call blt = only(QStringLiteral("StretchBlt"));
    EXPECT_EQ(blt.page, 2);
    // At the new page's top margin, 2 cm at most.
    EXPECT_LT(blt.call.rect.top, 300);
}

// The PDF of a form of every simple kind, rasterised by pdftoppm at the
// preview's 96 dots per inch, shows each control where the preview page
// shows it: the inked 8-pixel blocks of the two pages agree to within one
// block, for at least nine in ten of them.
TEST_F(SimpleRenderers, ThePdfMatchesThePreviewPage)
{
    buildEveryKind();
    ASSERT_TRUE(m_control->Preview());
    const QImage preview = SharedState::get().previewPage(0)->page();
    m_printers->select(QStringLiteral("PDF"));
    ASSERT_TRUE(m_control->LVPrint());
    const QString pdf =
        static_cast<PdfPrinter*>(m_printers->printer(QStringLiteral("PDF")))->lastFile();
    const QString stem = path(QStringLiteral("page"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"),
                                 QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                 QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem}),
              0);
    const QImage printed(stem + QStringLiteral(".png"));
    ASSERT_FALSE(printed.isNull());
    if (qEnvironmentVariableIsSet("TICKETS_KEEP_PAGES")) {
        preview.save(QStringLiteral("/tmp/simple-preview.png"));
        printed.save(QStringLiteral("/tmp/simple-printed.png"));
    }
    const QList<QPoint> a = inkedBlocks(preview, 8);
    const QList<QPoint> b = inkedBlocks(printed, 8);
    const auto near = [](const QList<QPoint>& blocks, QPoint p) {
        for (const QPoint& q : blocks)
            if (qAbs(q.x() - p.x()) <= 1 && qAbs(q.y() - p.y()) <= 1)
                return true;
        return false;
    };
    int matched = 0;
    for (const QPoint& p : a)
        matched += near(b, p) ? 1 : 0;
    int matchedBack = 0;
    for (const QPoint& p : b)
        matchedBack += near(a, p) ? 1 : 0;
    ASSERT_GT(a.size(), 100);
    EXPECT_GE(matched, a.size() * 9 / 10) << matched << " of " << a.size();
    EXPECT_GE(matchedBack, b.size() * 9 / 10) << matchedBack << " of " << b.size();
}

// A frame's border and caption on the printer: none with BorderStyle 0,
// the caption at the left or (right to left) at the right end.
TEST_F(SimpleRenderers, FrameBorderAndCaptionSide)
{
    struct Case
    {
        int borderStyle;
        bool rightToLeft;
        int rectangles;
        bool captionRight;
    } cases[] = {{0, false, 1, false}, {1, false, 3, false}, {1, true, 3, true}};
    for (const Case& c : cases) {
        endHost();
        startHost();
        auto* frame = add<Frame>("Sizes", 600, 600, 6000, 1500);
        frame->setCaption(QStringLiteral("Sizes"));
        frame->setBorderStyle(c.borderStyle);
        frame->setRightToLeft(c.rightToLeft);
        addControl();
        ASSERT_TRUE(m_control->LVPrint());
        const QList<Call> rects = callsOf(QStringLiteral("Rectangle"));
        // The box, the border, the caption's cell.
        ASSERT_EQ(rects.size(), c.rectangles) << c.borderStyle;
        QList<Call> captions;
        for (const Call& call : callsOf(QStringLiteral("DrawText")))
            if (call.call.text.startsWith(QStringLiteral("Sizes")))
                captions << call;
        ASSERT_EQ(captions.size(), c.borderStyle ? 1 : 0);
        if (c.borderStyle == 0)
            continue;
        const GdiRect box = rects[0].call.rect;
        const int middle = (box.left + box.right) / 2;
        EXPECT_EQ(captions[0].call.rect.left > middle, c.captionRight) << c.rightToLeft;
    }
}

// A chart printed is taken at a larger size for the copy and given its own
// size back.
TEST_F(SimpleRenderers, APrintedChartKeepsItsSize)
{
    auto* chart = add<Chart>("Sales", 600, 600, 4000, 2500);
    chart->setRowCount(2);
    chart->setColumnCount(1);
    addControl();
    ASSERT_TRUE(m_control->LVPrint());
    EXPECT_EQ(only(QStringLiteral("StretchBlt")).page, 1);
    EXPECT_EQ(chart->Width(), 4000);
    EXPECT_EQ(chart->Height(), 2500);
}

// A right-justified check box moves its preview glyph right by its width
// less 20 x PrinterRatio once: 160 - 20 x 4.8 / 7.2 pixels on the 300 dpi
// recorder.
TEST_F(SimpleRenderers, ARightJustifiedGlyphMovesOnce)
{
    QList<int> glyphLeft;
    for (const int alignment : {0, 1}) {
        endHost();
        startHost();
        auto* check = add<CheckBox>("Washed", 600, 300, 2400, 300);
        check->setAlignment(alignment);
        addControl();
        ASSERT_TRUE(m_control->Preview());
        const QImage page = SharedState::get().previewPage(0)->page();
        int left = -1;
        for (int x = 0; left < 0 && x < page.width(); ++x)
            for (int y = 0; left < 0 && y < 200; ++y)
                if (qGray(page.pixel(x, y)) < 128)
                    left = x;
        glyphLeft << left;
    }
    EXPECT_EQ(glyphLeft[1] - glyphLeft[0], 147);
}
