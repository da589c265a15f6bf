// A text control's colours, alignment, frame and transparency, printed and
// previewed. A preview page lays the cell out as a 96 dpi printer prints
// it: the cell of a control at Left 600, Top 600, 3000 x 450 twips starts
// at x 19 + 40 (0.5 cm at 37.8 pixels a centimetre, 15 twips a pixel),
// y 57 + 20 + 40 + 1, 188 pixels wide and 18 high; its frame's top row is
// at y 118, its fill starts at 120.
#include <cmath>

#include "HostFormFixture.h"
#include "platform/controls/ColourValue.h"
#include "platform/gdi/SystemColours.h"

using namespace platform;

namespace {

using Call = RecordingPrinter::DcCall;

QRgb rgbOf(qint32 colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

struct Case
{
    const char* name;
    bool combo = false;
    qint32 fore = 0;
    qint32 back = 0xFFFFFF;
    bool monochrome = false;
    int alignment = 0;
    bool borderText = false;
    bool transparent = false;
    bool rightToLeftForm = false;
    // Expected.
    qint32 drawnFore = 0;
    qint32 drawnBack = 0xFFFFFF;
    int drawnAlignment = 0;
    bool framed = false;
};

class TextColours : public HostFormFixture
{
protected:
    void build(const Case& c)
    {
        endHost();
        startHost();
        m_form->setLayoutDirection(c.rightToLeftForm ? Qt::RightToLeft : Qt::LeftToRight);
        QWidget* text = nullptr;
        if (c.combo) {
            auto* combo = add<ComboBox>("Season", 600, 600, 3000, 450);
            combo->setEditable(true);
            combo->setText(QStringLiteral("Mid"));
            combo->setForeColor(c.fore);
            combo->setBackColor(c.back);
            text = combo;
        } else {
            auto* label = add<Label>("Season", 600, 600, 3000, 450);
            label->setCaption(QStringLiteral("Mid"));
            label->setForeColor(c.fore);
            label->setBackColor(c.back);
            label->setAlignment(c.alignment);
            label->setBorderStyle(1);
            label->setBackStyle(c.transparent ? 0 : 1);
            text = label;
        }
        Q_UNUSED(text);
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(9000, 0, 800, 375);
        m_control->setBorderText(c.borderText);
        m_control->setColor(c.monochrome ? Zentrel::v_Monochrome : Zentrel::v_Color);
    }

    void checkPrinted(const Case& c)
    {
        ASSERT_TRUE(m_control->LVPrint());
        int fillsBefore = 0;
        GdiCall fill;
        GdiCall text;
        int frames = 0;
        for (const Call& call : recorder().dcCalls()) {
            if (call.call.op == QStringLiteral("Rectangle") && text.op.isEmpty()) {
                ++fillsBefore;
                fill = call.call;
            } else if (call.call.op == QStringLiteral("DrawText") && call.call.text == "Mid") {
                text = call.call;
            }
            frames += call.call.op == QStringLiteral("FrameRect");
        }
        ASSERT_EQ(text.op, QStringLiteral("DrawText"));
        EXPECT_EQ(text.textColor, c.drawnFore);
        EXPECT_EQ(text.flags & (Gdi::DT_RIGHT | Gdi::DT_CENTER),
                  c.drawnAlignment == 1   ? Gdi::DT_RIGHT
                  : c.drawnAlignment == 2 ? Gdi::DT_CENTER
                                          : 0);
        EXPECT_EQ(frames, c.framed ? 1 : 0);
        if (c.transparent) {
            EXPECT_EQ(fillsBefore, 0);
            EXPECT_EQ(text.bkMode, Gdi::TRANSPARENT);
        } else {
            ASSERT_EQ(fillsBefore, 1);
            EXPECT_EQ(fill.brush.colour, c.drawnBack);
        }
    }

    void checkPreviewed(const Case& c)
    {
        ASSERT_TRUE(m_control->Preview());
        const QImage page =
            SharedState::get().previewPage(0)->page().convertToFormat(QImage::Format_RGB32);
        const QRect cell(59, 119, 189, 17);
        const QRgb back = rgbOf(c.transparent ? 0xFFFFFF : c.drawnBack);
        EXPECT_EQ(page.pixel(cell.left() + 3, cell.bottom() - 3) & 0xFFFFFF, back & 0xFFFFFF);
        QRect ink;
        int nearFore = 0;
        int notBack = 0;
        const QRect inside = cell.adjusted(2, 2, -2, -2);
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QRgb p = page.pixel(x, y);
                if (distance(p, back) > 60) {
                    ink |= QRect(x, y, 1, 1);
                    ++notBack;
                }
                nearFore += distance(p, rgbOf(c.drawnFore)) < 60;
            }
        }
        ASSERT_GT(notBack, 10);
        EXPECT_GT(nearFore, 3);
        if (c.framed) {
            int black = 0;
            for (int x = cell.left(); x < cell.right(); ++x)
                black += distance(page.pixel(x, cell.top() - 1), qRgb(0, 0, 0)) < 60;
            EXPECT_GE(black, cell.width() * 9 / 10);
            return;
        }
        const int leftRoom = ink.left() - inside.left();
        const int rightRoom = inside.right() - ink.right();
        switch (c.drawnAlignment) {
        case 0:
            EXPECT_LT(leftRoom, 8);
            EXPECT_GT(rightRoom, 100);
            break;
        case 1:
            EXPECT_LT(rightRoom, 8);
            EXPECT_GT(leftRoom, 100);
            break;
        default:
            EXPECT_NEAR(leftRoom, rightRoom, 6);
        }
    }
};

TEST_F(TextColours, ColoursAlignmentFrameAndTransparencyOnBothTargets)
{
    const qint32 face = SystemColours::GetSysColor(ColourValue::ButtonFace);
    const qint32 highlight = SystemColours::GetSysColor(ColourValue::Highlight);
    const Case cases[] = {
        {.name = "colours",
         .fore = 0x800080,
         .back = 0x00C0FF,
         .drawnFore = 0x800080,
         .drawnBack = 0x00C0FF},
        {.name = "system colours",
         .fore = ColourValue::systemColour(ColourValue::Highlight),
         .back = ColourValue::systemColour(ColourValue::ButtonFace),
         .drawnFore = highlight,
         .drawnBack = face},
        {.name = "monochrome", .fore = 0x800080, .back = 0x00C0FF, .monochrome = true},
        {.name = "right", .alignment = 1, .drawnAlignment = 1},
        {.name = "centre", .alignment = 2, .drawnAlignment = 2},
        {.name = "framed", .borderText = true, .framed = true},
        {.name = "transparent", .back = 0x0000FF, .transparent = true, .drawnBack = 0x0000FF},
        {.name = "label on a right-to-left form", .rightToLeftForm = true},
        {.name = "combo box, left to right", .combo = true},
        {.name = "combo box, right to left",
         .combo = true,
         .rightToLeftForm = true,
         .drawnAlignment = 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        build(c);
        checkPrinted(c);
        build(c);
        checkPreviewed(c);
    }
}

} // namespace
