// List boxes and file lists. A file list lays its names out as a grid of
// cells as wide as the list, several across the page, continued on further
// pages; a list box is drawn inside its own rectangle, its entries filling
// columns top to bottom, with a check glyph before each entry of a
// check-box list.
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "control/renderers/GridCommon.h"
#include "platform/controls/FileListBox.h"
#include "platform/controls/ListBox.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/runtime/Values.h"

using namespace platform;

using namespace GridCommon;

namespace {

// The glyph of a ticked or an empty check box, 13 pixels square.
QImage checkGlyph(bool ticked)
{
    QImage glyph(13, 13, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    QPainter painter(&glyph);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 12, 12);
    if (ticked) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(3, 6, 5, 9);
        painter.drawLine(5, 9, 10, 3);
    }
    return glyph;
}

// The height of "A" in `font` on a 96 dpi screen.
int letterHeightIn(const QFont& font)
{
    DeviceContext& screen = JobWindows::DemoSurface();
    screen.selectFont(screen.deviceFont(font));
    return screen.textExtent(QStringLiteral("A")).height();
}

// The height of one printed list-box row: the font's size in rows of 24
// twips a point plus a little, or, where that is too low for the font, the
// text's full height (ascenders to descenders) with the text cell's insets
// above and below it (11 and 5 pen units, and up to 3.5 pixels of rounding),
// so that no entry is cut at the bottom or overdrawn by the next.
int printedRowHeight(JobContext& job)
{
    const double pps = job.shared.PrinterPenScale;
    const int usual = nearest(job.printer().FontSize() * 24 / job.shared.PixelTwipsY + 3.5 * pps);
    const int text = job.printerDC().textExtent(QStringLiteral("A")).height();
    return std::max(usual, int(std::ceil(text + 16 * pps + 3.5)));
}

void renderFileList(JobContext& job, bool print)
{
    auto* list = qobject_cast<FileListBox*>(job.currentControl());
    if (!list)
        return;
    SharedState& shared = job.shared;
    const PrintItem& item = job.item();
    const double tpp = shared.PageTwipsPerPixel;
    const double ds = job.DrawScale;
    const int pageH = shared.PageHeightPx.value;

    const auto finishPrint = [&] {
        JobWindows::SetPreviewUpEnabled(false);
        JobWindows::RaiseProgress();
        job.yield();
    };

    job.CurrentY = {nearest(item.TopGap / tpp * ds + job.CurrentY.value)};
    const int th = letterHeight(job);
    if (job.CurrentY.value + (print ? 4 : 2) * th + job.TopMarginPx.value + job.FootMarginPx.value >
            pageH ||
        newPageTagged(job, list)) {
        job.NewPage();
        if (job.StopComposing) {
            if (print)
                finishPrint();
            return;
        }
    }

    const QFont own = list->font();
    QFont font = own;
    double ratio = 1.0;
    if (print) {
        const double asked = own.pointSizeF() * 1.1 * (ds != 1.0 ? ds * ds : 1.0);
        font = sized(own, asked);
        ratio = ds != 1.0 ? font.pointSizeF() / asked * ds : 1.0;
    } else if (ds != 1.0) {
        font = sized(own, own.pointSizeF() * ds / 1.9);
    }

    int rowH = 0;
    int colW = 0;
    if (print) {
        colW = nearest(list->Width() / tpp * ratio);
        rowH = nearest(job.printer().FontSize() * 38 / shared.PixelTwipsY * ratio + 6);
    } else {
        rowH = nearest(letterHeightIn(font) * 1.2);
        colW = nearest(list->Width() / tpp / 1.07 + 2);
    }
    rowH = std::max(rowH, 1);
    colW = std::max(colW, 1);
    const int perRow = std::max(
        1, int(Values::toInt16(((shared.PageWidthPx.value - 20) - item.Left / tpp) / colW - 1)));

    int rowTop = job.CurrentY.value;
    qint32 back = rgbOf(list->BackColor());
    qint32 fore = rgbOf(list->ForeColor());
    if (print) {
        job.printerDC().setTextColor(fore);
        job.printerDC().setBkColor(back);
    } else if (OffScreenDC* page = job.page()) {
        page->setBackColor(back);
        page->setTextColor(fore);
    }

    int col = 1;
    int xOff = 0;
    const int count = list->ListCount();
    for (int i = 0; i < count; ++i) {
        if (print) {
            back = rgbOf(list->BackColor());
            fore = rgbOf(list->ForeColor());
            job.printerDC().setTextColor(fore);
            job.printerDC().setBkColor(back);
            JobWindows::RaiseProgress();
        } else if (OffScreenDC* page = job.page()) {
            page->setTextColor(fore);
        }
        if (job.yield())
            break;
        shared.CurrentColor = 0;
        job.ItemLeftPx = {nearest((item.Left / tpp + job.LeftMarginPx.value + xOff) * ds)};
        if (print) {
            job.printer().setFont(printerFontOf(font));
            job.DrawTextCell(job.ItemLeftPx.value + 5, job.CurrentY.value, colW, rowH,
                             list->List(i).trimmed(), 0, 0, -1, 0, -1, 5);
        } else if (OffScreenDC* page = job.page()) {
            page->setBackColor(rgbOf(list->BackColor()));
            page->setFont(font);
            page->FillRect(job.ItemLeftPx.value + 5, job.CurrentY.value, colW, rowH, list->List(i),
                           0, 0, false, true, 1, false, 5);
            page->setBackColor(back);
        }
        if (job.StopComposing) {
            if (print)
                finishPrint();
            return;
        }
        xOff += colW;
        ++col;
        if (col > perRow) {
            col = 1;
            xOff = 0;
            job.CurrentY += PagePx{rowH};
            // A new page only when names follow.
            if (i + 1 < count &&
                job.CurrentY.value >= pageH - (job.FootMarginPx.value + rowH + 20)) {
                job.NewPage();
                if (job.StopComposing) {
                    if (print)
                        finishPrint();
                    return;
                }
                if (!print) {
                    if (OffScreenDC* page = job.page())
                        page->setBackColor(back);
                }
            }
            rowTop = job.CurrentY.value;
        }
        if (print) {
            const qint32 own = list->ForeColor();
            fore = own < 0 ? Black : own;
            job.printerDC().setTextColor(fore);
            job.printerDC().setBkColor(back);
        }
    }

    if (print) {
        job.CurrentY += PagePx{rowH};
        if (job.control.SideBySide() && nextIsGrid(job))
            job.CurrentY = {rowTop};
        finishPrint();
    } else {
        job.CurrentY = {rowTop};
        job.control.bringToFront(true);
    }
}

void PreviewFileListBox(JobContext& job)
{
    renderFileList(job, false);
}

void PrintFileListBox(JobContext& job)
{
    renderFileList(job, true);
}

void DrawListBoxControl(JobContext& job)
{
    auto* list = qobject_cast<ListBox*>(job.currentControl());
    if (!list)
        return;
    SharedState& shared = job.shared;
    const PrintItem& item = job.item();
    const bool print = job.printing();
    const double tpp = shared.PageTwipsPerPixel;
    const double ds = job.DrawScale;
    const double pps = shared.PrinterPenScale;

    job.CurrentY = {nearest(item.TopGap / tpp * ds + job.CurrentY.value)};
    const int listTop = job.CurrentY.value;

    const QFont own = list->font();
    const QFont font = ds != 1.0 ? sized(own, own.pointSizeF() * ds) : own;
    if (print)
        job.printer().setFont(printerFontOf(font));
    const qint32 fore = list->ForeColor();
    OffScreenDC* page = print ? nullptr : job.page();
    if (page) {
        page->setBackColor(White);
        page->setTextColor(fore);
        page->setFont(font);
    }

    int rowH = print ? printedRowHeight(job) : nearest((letterHeightIn(font) + 1.57) * ds);
    rowH = std::max(rowH, 1);
    int colW = nearest(list->Width() / tpp * ds);
    if (list->Columns() > 1)
        colW = nearest(double(colW) / (list->Columns() + 1) * 1.36);

    const double pxScale = 7.2 / job.printer().TwipsPerPixelX();
    const bool checks = list->Style() == 1;
    const bool rtl = list->RightToLeft();
    int glyphTop = 8;
    int glyphW = 0;
    int indent = 0;
    if (checks) {
        glyphTop = print ? nearest((rowH - 18 * pps) / 2) : nearest((rowH - 16) / 2.0);
        glyphW = nearest(9 * pxScale);
        indent = print ? Values::toInt16(9 * pps) : Values::toInt16(8 * pps);
    }
    if (rtl) {
        glyphW = 10;
        indent = 10;
    }
    const int align = rtl ? 1 : 0;

    // Rows per column and the columns used; a list shorter than one row
    // still takes one row per column.
    const int count = list->ListCount();
    int rowsPerCol = std::max(1, nearest(list->Height() / tpp * ds / rowH));
    int cols = Values::toInt16(double(count) / rowsPerCol);
    if (cols * rowsPerCol < count)
        ++cols;
    if (cols > 0) {
        rowsPerCol = nearest(double(count) / cols);
        if (rowsPerCol * cols < count)
            ++rowsPerCol;
    }
    cols = std::max(cols, 1);
    rowsPerCol = std::max(rowsPerCol, 1);

    const double glyphScale = job.control.ScalePrnGrph() * ds;
    job.ItemLeftPx = {nearest((item.Left / tpp + job.LeftMarginPx.value) * ds) + indent};
    int k = 0;
    for (int c = 0; c < cols && k < count; ++c) {
        for (int r = 0; r < rowsPerCol && k < count; ++r, ++k) {
            const QString text = list->List(k);
            const int y = job.CurrentY.value;
            if (print) {
                job.printerDC().setTextColor(fore);
                job.DrawTextCell(nearest(job.ItemLeftPx.value + pxScale * indent + 5 * pxScale),
                                 nearest(y + pxScale),
                                 nearest(colW - pxScale * glyphW - 8 * pxScale + 25 * pps),
                                 nearest(rowH - 4 * pps), text, align, 0, 0, 0, 0, 5);
            } else if (page) {
                page->FillRect(job.ItemLeftPx.value + indent, y, colW - glyphW + 14, rowH, text,
                               align, 0, false, false, 0, false, 5);
            }
            if (checks) {
                const QImage glyph = checkGlyph(list->Selected(k));
                if (print) {
                    const double perPixel = 13.5 / job.printer().TwipsPerPixelX();
                    const int gw = nearest(glyph.width() * glyphScale * perPixel);
                    const int gx = rtl ? job.ItemLeftPx.value + colW - gw : job.ItemLeftPx.value;
                    job.printerDC().stretchBlt(gx, nearest(y + rowH / 2.0 - 15 * pps), gw,
                                               nearest(glyph.height() * glyphScale * perPixel),
                                               glyph, 0, 0, glyph.width(), glyph.height());
                } else if (page && page->dc()) {
                    const int gx = job.ItemLeftPx.value - 5 + (rtl ? colW : 0);
                    page->dc()->stretchBlt(gx, y + glyphTop,
                                           nearest(glyph.width() * glyphScale * 16 / 15.9),
                                           nearest(glyph.height() * glyphScale * 16 / 15.8), glyph,
                                           0, 0, glyph.width(), glyph.height());
                }
            }
            job.CurrentY += PagePx{rowH};
        }
        job.CurrentY = {listTop};
        job.ItemLeftPx = {job.ItemLeftPx.value + colW};
    }
    job.CurrentY = {listTop};
}

} // namespace

ZENTREL_RENDERERS(RenderKind::FileList, PreviewFileListBox, PrintFileListBox)
ZENTREL_RENDERERS(RenderKind::ListBox, DrawListBoxControl, DrawListBoxControl)
