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
        if (!placeOnPage())
            return;
        takeLayout();
        applyColours();
        if (job.yield())
            return;
        takeCaptionAndGlyph();
        if (!keepCaptionOnPage())
            return;
        if (!print && !job.page())
            return;
        drawCaptionAndGlyph();
    }

private:
    QVariant read(const char* name) const { return JobContext::member(control.data(), name); }

    // The control's top on the page, after a page break where a fixed
    // look-ahead does not fit or the control asks for one; false when
    // composing stops.
    bool placeOnPage()
    {
        shared.CurrentColor = 0;
        printerRatio = job.printer().TwipsPerPixelY() / 7.2;
        job.CurrentY = job.scale().advance(job.CurrentY, Twips{double(item.TopGap)});
        // A fixed look-ahead, whatever the control's own height.
        const bool newPageTag = read("Tag").toString() == QLatin1String("newpage");
        if (job.CurrentY.value + 34 > job.footTop().value || (newPageTag && job.CurrentItem > 0)) {
            job.NewPage();
            if (job.StopComposing)
                return false;
        }
        return true;
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

    // A caption grown so far that it would run into the page's foot starts
    // the control on the next page, where it fits there; false when
    // composing stops.
    bool keepCaptionOnPage()
    {
        if (caption.isEmpty() || (!print && !job.page()))
            return true;
        if (!job.needsNewPage(job.CurrentY, job.cellReach(captionCell(), job.CurrentY)))
            return true;
        job.NewPage();
        if (job.StopComposing)
            return false;
        job.ItemLeftPx = {nearest((item.Left / ptp + job.LeftMarginPx.value) * scale)};
        applyColours();
        return true;
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
    // high, at the same place on a preview page as on the printer.
    TextCell captionCell()
    {
        lineH = selectCaptionFont();
        const double ps = job.printerScale();
        TextCell cell =
            TextCell::at(nearest(job.penScale() * 30 + job.ItemLeftPx.value),
                         nearest(ps * 4 + job.CurrentY.value), nearest(item.Width / ptp * scale),
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

} // namespace

void DrawCheckOptionControl(JobContext& job)
{
    DrawCheckOption(job);
}

ZENTREL_RENDERERS(RenderKind::CheckOption, DrawCheckOptionControl, DrawCheckOptionControl)
