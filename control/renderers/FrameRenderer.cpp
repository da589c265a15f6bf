#include "control/renderers/FrameRenderer.h"

#include <QPointer>
#include <algorithm>
#include <cmath>

#include "control/core/JobContext.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "control/renderers/RendererCommon.h"
#include "control/renderers/ShapeLineRenderer.h"
#include "platform/controls/ControlMembers.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/printing/Printer.h"

using namespace platform;

using namespace RendererCommon;

namespace {

constexpr qint32 Grey = 0x808080;

// One frame: its working values and the steps that draw it, in order.
class FramePass
{
public:
    explicit FramePass(JobContext& job)
        : job(job), shared(job.shared), control(job.currentControl()), item(job.item()),
          ptp(shared.PageTwipsPerPixel), scale(job.DrawScale)
    {
    }

    void run()
    {
        placeOnPage();
        takeColoursAndBox();
        if (!job.printing())
            drawInPreview();
        else
            drawOnPrinter();
    }

private:
    QVariant read(const char* name) const { return JobContext::member(control.data(), name); }

    // A letter's height below the top margin at least, as for a shape.
    void placeOnPage()
    {
        job.CurrentY = std::max(job.CurrentY, belowHeader(job));
        job.startExtent();
    }

    // The colours, the box and the caption of the frame.
    void takeColoursAndBox()
    {
        back = rgbOf(read("BackColor").toInt());
        fore = rgbOf(read("ForeColor").toInt());
        if (job.colorMode() != 2) {
            back = White;
            fore = Black;
        }
        left = nearest(item.Left / ptp * scale + job.LeftMarginPx.value);
        w = nearest(item.Width / ptp * scale);
        heightTwips = read("Height").toDouble();
        h = nearest(std::fabs(heightTwips / ptp * scale));
        exactWidth = item.Width / ptp * scale;
        borderless = read("BorderStyle").toInt() == 0;
        font = read("Font").value<QFont>();
        caption = read("Caption").toString();
        y = job.CurrentY.value;
    }

    void drawInPreview()
    {
        OffScreenDC* page = job.page();
        if (!page)
            return;
        int boxLeft = left;
        int boxWidth = w;
        int boxHeight = h;
        int backStyle = 1;
        int borderStyle = 0;
        int fillStyle = 1;
        page->Shape(boxLeft, y - 1, boxWidth, boxHeight, 0, back, backStyle, 0, borderStyle, 0,
                    fillStyle, 0);
        if (borderless)
            return;
        page->setFont(font);
        job.control.SurfaceFont = font;
        const int capH = nearest(surfaceLetterHeight(job) + 1.0);
        int capW = nearest(surfaceTextExtent(job, caption).width() + 2.0);
        if (exactWidth - 1 < capW)
            capW = nearest(exactWidth - 4);
        int borderLeft = left;
        int borderWidth = nearest(exactWidth - 1);
        int borderHeight = nearest(std::fabs((heightTwips / ptp - capH / 3.0) * scale) - 1);
        backStyle = 0;
        borderStyle = 1;
        fillStyle = 1;
        page->Shape(borderLeft, nearest(70 / ptp * scale + y), borderWidth, borderHeight, 0, Grey,
                    backStyle, Grey, borderStyle, 1, fillStyle, 0);
        page->setBackColor(back);
        page->setTextColor(fore);
        int capLeft = nearest((item.Left + 55) / ptp * scale + job.LeftMarginPx.value);
        if (read("RightToLeft").toBool())
            capLeft = nearest(exactWidth + capLeft - 1 - capW - 8);
        TextCell cell = TextCell::at(capLeft, nearest(125 / ptp * scale + y - capH / 2.0), capW + 2,
                                     capH, caption);
        cell.transparent = true;
        job.drawTextCell(cell, frameBox());
    }

    void drawOnPrinter()
    {
        job.printer().setFont(printerFontOf(font, scale));
        DrawShapeOnPrinter(job, left, y - 1, w, h, 0, back, 1, 0, 0, 0, 1, 0);
        if (borderless)
            return;
        job.control.SurfaceFont = font;
        // Measured by the printer, in twips.
        const QSize letterPx = job.printerDC().textExtent(QStringLiteral("A"));
        const QSize captionPx = job.printerDC().textExtent(caption);
        const double letterTwips = letterPx.height() * job.printer().TwipsPerPixelY();
        const double captionTwips = captionPx.width() * job.printer().TwipsPerPixelX();
        const int capH = nearest((letterTwips + 10) / ptp);
        int capW = nearest((captionTwips + 20) / ptp);
        if (exactWidth - 1 < capW)
            capW = nearest(exactWidth - 4);
        DrawShapeOnPrinter(job, left, nearest(capH / 2.3 + y - 1), nearest(exactWidth - 1),
                           nearest(std::fabs((heightTwips / ptp - capH / 2.2) * scale)), 0, Grey, 0,
                           Grey, 1, 2, 1, 0);
        job.printerDC().setTextColor(fore);
        job.printerDC().setBkColor(back);
        shared.CellFillColor = back;
        int capLeft = nearest((item.Left + 55) / ptp * scale + job.LeftMarginPx.value);
        if (read("RightToLeft").toBool())
            capLeft = nearest((item.Width - 120) / ptp * scale + capLeft - 1 - capW);
        drawPrintedCaption(capLeft, capW, capH);
    }

    // The caption cell. Where `capH` would cut its text it grows to hold
    // the whole caption (the border stays where `capH` puts it), and a
    // caption that then reaches below the frame's box moves the controls
    // below it.
    void drawPrintedCaption(int capLeft, int capW, int capH)
    {
        TextCell cell = TextCell::at(capLeft, nearest(4 / ptp + y), capW, capH, caption);
        cell.fill = back;
        job.drawTextCell(cell, frameBox());
    }

    // The frame's box, drawn from a pixel above its top.
    ControlBox frameBox() const { return {PagePx{y - 1 + h}}; }

    JobContext& job;
    SharedState& shared;
    const QPointer<QWidget> control;
    const PrintItem& item;
    const double ptp;
    const double scale;

    qint32 back = White;
    qint32 fore = Black;
    int left = 0;
    int w = 0;
    int h = 0;
    double heightTwips = 0;
    double exactWidth = 0;
    bool borderless = false;
    QFont font;
    QString caption;
    int y = 0;
};

void drawFrame(JobContext& job)
{
    FramePass(job).run();
}

// A frame starts the next page where a letter, or its whole box (drawn
// from a pixel above its top), does not fit here and fits a fresh page:
// its children then start that page inside it.
bool frameStartsNewPage(JobContext& job)
{
    const double height = JobContext::member(job.currentControl(), "Height").toDouble();
    const qint32 box = job.scale().toPixels(Twips{std::fabs(height)}).value - 1;
    return job.needsNewPage(job.CurrentY, std::max(surfaceLetterHeight(job), box));
}

} // namespace

void DrawFrameControl(JobContext& job)
{
    try {
        drawFrame(job);
    } catch (const MemberError& error) {
        job.ReportPrintError(error);
    }
}

ZENTREL_RENDERERS(RenderKind::Frame, DrawFrameControl, DrawFrameControl)
ZENTREL_PLACING(RenderKind::Frame, ShapeEntry, frameStartsNewPage, belowHeader)
