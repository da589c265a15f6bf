#include "control/renderers/ShapeLineRenderer.h"

#include <QPointer>
#include <cmath>
#include <utility>

#include "control/core/JobContext.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "control/renderers/RendererCommon.h"
#include "platform/controls/ControlMembers.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiTypes.h"

using namespace platform;

using namespace RendererCommon;

namespace {

// The pen style of a host border style: 1..6 give solid, dash, dot,
// dash-dot, dash-dot-dot and the null pen; 0 (transparent) the null pen.
int penStyleOf(int hostStyle)
{
    const int style = hostStyle - 1;
    return style == -1 ? Gdi::PS_NULL : style;
}

// A shape or frame near the top keeps a letter's height below the top
// margin.
void keepBelowHeader(JobContext& job)
{
    job.CurrentY = std::max(job.CurrentY, belowHeader(job));
    job.startExtent();
}

bool shapeStartsNewPage(JobContext& job)
{
    return job.needsNewPage(job.CurrentY, surfaceLetterHeight(job));
}

bool lineStartsNewPage(JobContext& job)
{
    return job.needsNewPage(job.CurrentY, 14 - 20);
}

// After a page break a line keeps a letter's height below the top margin.
PagePx lineEntry(JobContext& job, bool afterBreak)
{
    if (afterBreak && job.CurrentY.value < job.TopMarginPx.value + 30)
        return {nearest(job.TopMarginPx.value + double(surfaceLetterHeight(job)))};
    return job.flowTop(afterBreak);
}

void drawShape(JobContext& job)
{
    SharedState& shared = job.shared;
    const QPointer<QWidget> control = job.currentControl();
    const PrintItem& item = job.item();
    const auto read = [&](const char* name) { return JobContext::member(control.data(), name); };
    const double ptp = shared.PageTwipsPerPixel;
    const double scale = job.DrawScale;
    keepBelowHeader(job);

    qint32 back = rgbOf(read("BackColor").toInt());
    if (job.colorMode() != 2)
        back = White;
    const qint32 border = rgbOf(read("BorderColor").toInt());
    // A system colour as fill colour is drawn as its colour, never as a
    // negative number.
    const qint32 fill = rgbOf(read("FillColor").toInt());

    int left = nearest(item.Left / ptp * scale + job.LeftMarginPx.value);
    int width = nearest(item.Width / ptp * scale);
    int height = nearest(std::fabs(read("Height").toDouble() / ptp * scale));
    const int kind = read("Shape").toInt();
    int backStyle = read("BackStyle").toInt();
    int borderStyle = read("BorderStyle").toInt();
    const int borderWidth = read("BorderWidth").toInt();
    int fillStyle = read("FillStyle").toInt();

    if (!job.printing()) {
        if (OffScreenDC* page = job.page())
            page->Shape(left, job.CurrentY.value - 1, width, height, kind, back, backStyle, border,
                        borderStyle, borderWidth, fillStyle, fill);
        return;
    }
    DrawShapeOnPrinter(job, left, job.CurrentY.value, width, height, kind, back, backStyle, border,
                       borderStyle, borderWidth, fillStyle, fill);
}

} // namespace

PagePx ShapeEntry(JobContext& job, bool afterBreak)
{
    const PagePx below = job.scale().advance(job.CurrentY, Twips{double(job.item().TopGap)});
    if (!afterBreak)
        return below;
    const double height =
        std::fabs(JobContext::memberOr(job.currentControl(), "Height", 0).toDouble());
    const int room = job.shared.PageHeightPx.value - job.FootMarginPx.value;
    return below.value + job.scale().toPixels(Twips{height}).value <= room ? below : job.CurrentY;
}

void DrawLineControl(JobContext& job)
{
    SharedState& shared = job.shared;
    const QPointer<QWidget> control = job.currentControl();
    const PrintItem& item = job.item();
    const auto read = [&](const char* name, const QVariant& fallback) {
        return JobContext::memberOr(control.data(), name, fallback);
    };
    const double ptp = shared.PageTwipsPerPixel;
    const double scale = job.DrawScale;

    const qint32 colour = rgbOf(read("BorderColor", Black).toInt());

    const int dy = nearest(std::fabs(item.Top / ptp - std::abs(item.Height) / ptp) * scale);
    int yA = job.CurrentY.value;
    int yB = job.CurrentY.value + dy;
    const double x1 = read("X1", 0).toDouble();
    const double x2 = read("X2", 0).toDouble();
    // The end at X1 keeps its place above or below the end at X2.
    if (read("Y2", 0).toDouble() < read("Y1", 0).toDouble())
        std::swap(yA, yB);
    int style = read("BorderStyle", 1).toInt();
    const int borderWidth = read("BorderWidth", 1).toInt();

    if (!job.printing()) {
        const auto x = [&](double end) {
            return nearest((end + item.Left) / ptp * scale + job.LeftMarginPx.value);
        };
        if (OffScreenDC* page = job.page())
            page->DrawLine(x(x1), yA, x(x2), yB, style, colour, nearest(borderWidth * scale));
        return;
    }
    // On the printer the margin is scaled with the rest.
    const auto x = [&](double end) {
        return nearest(((end + item.Left) / ptp + job.LeftMarginPx.value) * scale);
    };
    DrawLineOnPrinter(job, x(x1), yA, x(x2), yB, style, colour, borderWidth);
}

void DrawLineOnPrinter(JobContext& job, int x1, int y1, int x2, int y2, int style, qint32 colour,
                       int width)
{
    DeviceContext& dc = job.printerDC();
    if (x1 != x2 && y1 != y2) {
        dc.selectPen(GdiPen{penStyleOf(style), width, colour});
        dc.moveTo(x1, y1);
        dc.lineTo(x2, y2);
        return;
    }
    // Horizontal and vertical lines are solid boxes, also for the broken
    // and the transparent styles. The box is handed over as built, corners
    // unsorted.
    GdiRect box;
    if (y1 == y2 && x1 != x2)
        box = {x1 - 1, y1, x2, y2 + width};
    else
        box = {x1 - width, y1, x2, y2 - 1};
    Zentrel& owner = job.control;
    if (!owner.LineBrushMade || colour != owner.LineBrushColor) {
        owner.LineBrushMade = true;
        owner.LineBrushColor = colour;
    }
    dc.fillRect(box, GdiBrush::solid(owner.LineBrushColor));
}

void DrawShapeOnPrinter(JobContext& job, int left, int top, int width, int height, int shapeKind,
                        qint32 backColour, int backStyle, qint32 borderColour, int borderStyle,
                        int borderWidth, int fillStyle, qint32 fillColour)
{
    DeviceContext& dc = job.printerDC();
    // The back colour shows between the lines of a hatch.
    dc.setBkColor(backColour);
    // Opaque (1) gives a solid brush of the back colour, transparent (0) a
    // hollow one.
    const int brushStyle = std::abs(backStyle - 1) == 0 ? Gdi::BS_SOLID : Gdi::BS_NULL;
    dc.selectPen(GdiPen{penStyleOf(borderStyle), borderWidth, borderColour});
    dc.selectBrush(GdiBrush{brushStyle, backColour, fillStyle});
    // Fill styles 2..7 (horizontal, vertical, upward diagonal, downward
    // diagonal, cross, diagonal cross) are the hatch styles 0..5, taken by
    // index; solid (0) and transparent (1) keep the back brush.
    if (fillStyle > 1)
        dc.selectBrush(GdiBrush::hatched(fillStyle - 2, fillColour));

    switch (shapeKind) {
    case 0:
    case 1:
        if (shapeKind == 1) {
            if (height <= width)
                width = height;
            else
                height = width;
        }
        dc.rectangle(left, top, left + width, top + height);
        break;
    case 2:
    case 3:
        if (shapeKind == 3) {
            if (height > width) {
                top = nearest(top + (height - width) / 2.0);
                height = width - 1;
                left = nearest(left + std::abs(width - height) / 2.0);
            } else {
                left = nearest(left + (width - height) / 2.0);
                width = height;
            }
        }
        // One pixel more at the bottom, for every oval and circle.
        dc.ellipse(left, top, left + width, top + height + 1);
        break;
    case 4:
    case 5:
        if (shapeKind == 5) {
            if (height > width) {
                top = nearest(top + (height - width) / 2.0);
                height = width;
            } else {
                left = nearest(left + (width - height) / 2.0);
                width = height;
            }
        }
        dc.roundRect(left, top, left + width, top + height, 8, 8);
        break;
    default:
        break;
    }
}

void DrawShapeControl(JobContext& job)
{
    try {
        drawShape(job);
    } catch (const MemberError& error) {
        job.ReportPrintError(error);
    }
}

ZENTREL_RENDERERS(RenderKind::Line, DrawLineControl, DrawLineControl)
ZENTREL_RENDERERS(RenderKind::Shape, DrawShapeControl, DrawShapeControl)
ZENTREL_PLACING(RenderKind::Line, lineEntry, lineStartsNewPage)
ZENTREL_PLACING(RenderKind::Shape, ShapeEntry, shapeStartsNewPage, belowHeader)
