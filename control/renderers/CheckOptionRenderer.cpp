#include "control/renderers/CheckOptionRenderer.h"

#include <QPointer>

#include "control/core/JobContext.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "control/renderers/RendererCommon.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormMember.h"
#include "platform/controls/PictureBox.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/printing/Printer.h"

using namespace platform;

using namespace RendererCommon;

namespace {

// One check box or option button: its working values and the steps that
// draw it, in order.
class CheckOptionPass
{
public:
    explicit CheckOptionPass(JobContext& job)
        : job(job), shared(job.shared), control(job.currentControl()), item(job.item()),
          ptp(shared.PageTwipsPerPixel), scale(job.DrawScale), print(job.printing())
    {
    }

    void run()
    {
        takeEntryValues();
        takeLayout();
        applyColours();
        if (job.yield())
            return;
        takeCaptionAndGlyph();
        if (!print && !job.page())
            return;
        drawCaptionAndGlyph();
    }

    // Whether the control, its top at CurrentY, would rather start the next
    // page: a fixed look-ahead, whatever its own height, or its grown
    // caption does not fit here, and fits a fresh page.
    bool startsNewPage()
    {
        takeEntryValues();
        if (job.needsNewPage(job.CurrentY, 34))
            return true;
        takeLayout();
        takeCaptionAndGlyph();
        if (caption.isEmpty() || (!print && !job.page()))
            return false;
        return job.needsNewPage(job.CurrentY, job.cellReach(captionCell(), job.CurrentY));
    }

private:
    QVariant read(const char* name) const { return JobContext::member(control.data(), name); }

    void takeEntryValues()
    {
        shared.CurrentColor = 0;
        printerRatio = job.printer().TwipsPerPixelY() / 7.2;
    }

    // Alignment, font, caption alignment and glyph offset.
    void takeLayout()
    {
        const int alignment = read("Alignment").toInt();
        font = read("Font").value<QFont>();
        job.control.SurfaceFont = font;
        captionAlign = job.hostRightToLeft() ? 1 : 0;
        glyphOffset = alignment == 1 ? nearest(item.Width / ptp * scale - 20 * printerRatio) : 0;
    }

    void applyColours()
    {
        qint32 back = White;
        qint32 fore = Black;
        if (job.colorMode() == 2) {
            back = rgbOf(read("BackColor").toInt());
            fore = rgbOf(read("ForeColor").toInt());
        }
        if (print) {
            job.printerDC().setTextColor(fore);
            job.printerDC().setBkColor(White);
        } else if (OffScreenDC* page = job.page()) {
            page->setBackColor(White);
            // The caption is black on the preview whatever the control's
            // colour.
            page->setTextColor(Black);
        }
        shared.CellFillColor = back;
    }

    // The kind, place, caption and glyph of the control; the glyph goes
    // onto the scratch picture box.
    void takeCaptionAndGlyph()
    {
        isCheckBox = FormMember::typeName(control) == QLatin1String("CheckBox");
        job.ItemLeftPx = {nearest((item.Left / ptp + job.LeftMarginPx.value) * scale)};
        caption = read("Caption").toString();
        // A grayed check box (2) shows the ticked glyph, like a checked one.
        set = read("Value").toInt() != 0;
        QImage glyph;
        if (isCheckBox)
            glyph = checkGlyph(set);
        else if (PictureBox* stock = set ? job.control.Optik : job.control.Optinon)
            glyph = stock->Picture();
        glyphHeight = glyph.height();
        carryGlyph(job.control.baki, glyph);
        glyphScale = job.control.ScalePrnGrph() * scale;
    }

    // The caption's font at the zoom, selected on the job's target; the
    // height of its letter "A" there.
    int selectCaptionFont()
    {
        QFont scaled = font;
        if (scale != 1.0)
            scaled.setPointSizeF(font.pointSizeF() * scale);
        if (print) {
            job.printer().setFont(printerFontOf(font, scale));
            return job.printerDC().textExtent(QStringLiteral("A")).height();
        }
        if (OffScreenDC* page = job.page())
            page->setFont(scaled);
        return job.letterPixels(scaled);
    }

    // The caption cell right of the glyph, a line of the caption's font
    // high, at the same place on a preview page as on the printer. It ends
    // where the control's box ends: a right-aligned caption would print
    // past it otherwise.
    TextCell captionCell()
    {
        lineH = selectCaptionFont();
        const double ps = job.printerScale();
        const int glyphRoom = nearest(job.penScale() * 33);
        TextCell cell = TextCell::at(nearest(job.penScale() * 30 + job.ItemLeftPx.value),
                                     nearest(ps * 4 + job.CurrentY.value),
                                     nearest(item.Width / ptp * scale) - glyphRoom,
                                     nearest(lineH + ps * 8), caption);
        cell.align = captionAlign;
        cell.wordWrap = true;
        cell.transparent = true;
        cell.insets = true;
        return cell;
    }

    // The caption (on the printer also an empty one), then the glyph
    // centred on the caption's first line. The glyph moves right by the
    // offset of a right-justified control; the caption does not.
    void drawCaptionAndGlyph()
    {
        const TextCell cell = captionCell();
        if (print && job.yield())
            return;
        const DrawnCell drawn = print || !caption.isEmpty() ? job.drawTextCell(cell, controlBox())
                                                            : job.measureTextCell(cell);
        if (shared.PrintAborted)
            return;
        const int x =
            print ? (isCheckBox ? nearest(13 * job.penScale() + job.ItemLeftPx.value + glyphOffset)
                                : job.ItemLeftPx.value + glyphOffset + 8)
                  : job.ItemLeftPx.value + glyphOffset + (isCheckBox ? 0 : 1);
        // The glyph's height as each target copies it.
        const double glyphPx =
            print ? glyphHeight * glyphScale * 14.6 / job.printer().TwipsPerPixelY()
                  : glyphHeight * glyphScale * 16 / 15.8;
        const int y = nearest(drawn.textTop.value + (lineH - nearest(glyphPx)) / 2.0);
        if (print)
            job.DibCopyPicture(job.control.baki, glyphScale, x, y);
        else if (OffScreenDC* page = job.page())
            page->Printpic(job.control.baki, glyphScale, 1, x, job.CurrentY.value + lineH, true, y);
    }

    ControlBox controlBox() const
    {
        return job.itemBox(job.CurrentY, Twips{read("Height").toDouble()});
    }

    JobContext& job;
    SharedState& shared;
    const QPointer<QWidget> control;
    const PrintItem& item;
    const double ptp;
    const double scale;
    const bool print;

    double printerRatio = 0;
    QFont font;
    int lineH = 0;
    int glyphHeight = 0;
    int captionAlign = 0;
    int glyphOffset = 0;
    bool isCheckBox = false;
    QString caption;
    bool set = false;
    double glyphScale = 0;
};

void drawCheckOption(JobContext& job)
{
    CheckOptionPass(job).run();
}

void DrawCheckOption(JobContext& job)
{
    try {
        drawCheckOption(job);
    } catch (const MemberError& error) {
        job.ReportPrintError(error);
    }
}

bool checkOptionStartsNewPage(JobContext& job)
{
    return CheckOptionPass(job).startsNewPage();
}

} // namespace

void DrawCheckOptionControl(JobContext& job)
{
    DrawCheckOption(job);
}

ZENTREL_RENDERERS(RenderKind::CheckOption, DrawCheckOptionControl, DrawCheckOptionControl)
ZENTREL_PLACING(RenderKind::CheckOption, nullptr, checkOptionStartsNewPage)
