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
        if (print)
            drawOnPrinter();
        else
            drawInPreview();
    }

private:
    QVariant read(const char* name) const { return JobContext::member(control.data(), name); }

public:
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
        return job.needsNewPage(job.CurrentY, job.cellReach(targetCaptionCell(), job.CurrentY));
    }

private:
    void takeEntryValues()
    {
        shared.CurrentColor = 0;
        printerRatio = job.printer().TwipsPerPixelY() / 7.2;
    }

    // Alignment, font, line height, caption alignment and glyph offset.
    void takeLayout()
    {
        const int alignment = read("Alignment").toInt();
        font = read("Font").value<QFont>();
        job.control.SurfaceFont = font;
        lineH = nearest(surfaceLetterHeight(job) + 4.0);
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
            page->setTextColor(fore);
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
        carryGlyph(job.control.baki, glyph);
        glyphScale = job.control.ScalePrnGrph() * scale;
    }

    // The caption cell at the control's place on the job's target, its
    // font selected there.
    TextCell targetCaptionCell()
    {
        if (print) {
            job.printer().setFont(printerFontOf(font, scale));
            // The caption right of the glyph, ending where the control's box
            // ends (a right-aligned caption would print past it otherwise;
            // the cell draws a few pen widths wider than asked).
            const int glyphRoom = nearest(shared.PrinterPenScale * 33);
            TextCell cell =
                captionCell(nearest(shared.PrinterPenScale * 30 + job.ItemLeftPx.value),
                            nearest(shared.PrinterScale * 4 + job.CurrentY.value),
                            nearest(item.Width / ptp * scale) - glyphRoom, printedLineHeight());
            cell.inset = 0;
            return cell;
        }
        OffScreenDC* page = job.page();
        // The caption is black on the preview whatever the control's colour.
        page->setTextColor(Black);
        page->setFont(font);
        TextCell cell = captionCell(nearest(previewBoxLeft() + 17), job.CurrentY.value + 5,
                                    nearest(item.Width / ptp * scale - 20), lineH);
        cell.transparent = false;
        cell.inset = 0;
        return cell;
    }

    double previewBoxLeft() const
    {
        return (item.Left / ptp + job.LeftMarginPx.value + glyphOffset) * scale;
    }

    int printedLineHeight()
    {
        return nearest(job.printerDC().textExtent(QStringLiteral("A")).height() +
                       shared.PrinterScale * 8);
    }

    void drawInPreview()
    {
        OffScreenDC* page = job.page();
        if (!page)
            return;
        const double boxLeft = previewBoxLeft();
        if (!caption.isEmpty())
            job.drawTextCell(targetCaptionCell(), controlBox());
        // The glyph moves right once by the offset of a right-justified
        // control.
        int x = nearest(boxLeft);
        int y = nearest(lineH / 2.0 - 1 + job.CurrentY.value);
        if (!isCheckBox) {
            x += 1;
            y = nearest(lineH / 2.0 - 6 + job.CurrentY.value);
        }
        page->Printpic(job.control.baki, glyphScale, 1, x, job.CurrentY.value + lineH, true, y);
    }

    void drawOnPrinter()
    {
        job.printer().setFont(printerFontOf(font, scale));
        const int heightPx = printedLineHeight();
        if (job.yield())
            return;
        job.ItemLeftPx = {nearest((item.Left / ptp + job.LeftMarginPx.value) * scale)};
        const double pps = shared.PrinterPenScale;
        // The caption cell, at the control's left for either alignment,
        // grown where it would cut its caption.
        job.drawTextCell(targetCaptionCell(), controlBox());
        if (shared.PrintAborted)
            return;
        int x = 0;
        int y = nearest((heightPx - 30) / 2.0 / pps + job.CurrentY.value);
        if (isCheckBox) {
            x = nearest(13 * pps + job.ItemLeftPx.value + glyphOffset);
        } else {
            x = job.ItemLeftPx.value + glyphOffset + 8;
            if (!set)
                y = nearest((heightPx - 30 * pps) / 2.0 / pps + job.CurrentY.value);
        }
        job.DibCopyPicture(job.control.baki, glyphScale, x, y);
    }

    TextCell captionCell(int left, int top, int width, int height) const
    {
        TextCell cell = TextCell::at(left, top, width, height, caption);
        cell.align = captionAlign;
        cell.wordWrap = true;
        cell.transparent = true;
        return cell;
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
