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

// One file list: its working values and the steps that draw it, in order.
class FileListPass
{
public:
    FileListPass(JobContext& job, FileListBox* list, bool print)
        : job(job), shared(job.shared), list(list), item(job.item()), print(print),
          tpp(shared.PageTwipsPerPixel), ds(job.DrawScale)
    {
    }

    void run()
    {
        buildCellFont();
        measureCells();
        rowTop = job.CurrentY.value;
        applyColours();
        if (!drawCells())
            return;
        finish();
    }

private:
    // The printer's last steps: the preview's previous-page button off and
    // the progress window in front.
    void finishPrint()
    {
        JobWindows::SetPreviewUpEnabled(false);
        JobWindows::RaiseProgress();
        job.yield();
    }

    // A new page; false, after the printer's last steps, when composing
    // stops.
    bool newPage()
    {
        job.NewPage();
        if (job.StopComposing) {
            if (print)
                finishPrint();
            return false;
        }
        return true;
    }

    // The cell font from the list's font, scaled with the zoom.
    void buildCellFont()
    {
        const QFont own = list->font();
        font = own;
        if (print) {
            const double asked = own.pointSizeF() * 1.1 * (ds != 1.0 ? ds * ds : 1.0);
            font = sized(own, asked);
            ratio = ds != 1.0 ? font.pointSizeF() / asked * ds : 1.0;
        } else if (ds != 1.0) {
            font = sized(own, own.pointSizeF() * ds / 1.9);
        }
    }

    // The size of a cell and the cells across the page.
    void measureCells()
    {
        if (print) {
            colW = nearest(list->Width() / tpp * ratio);
            rowH = nearest(job.printer().FontSize() * 38 / shared.PixelTwipsY * ratio + 6);
        } else {
            rowH = nearest(letterHeightIn(font) * 1.2);
            colW = nearest(list->Width() / tpp / 1.07 + 2);
        }
        rowH = std::max(rowH, 1);
        colW = std::max(colW, 1);
        perRow = std::max(1, int(Values::toInt16(
                                 ((shared.PageWidthPx.value - 20) - item.Left / tpp) / colW - 1)));
    }

    void applyColours()
    {
        back = rgbOf(list->BackColor());
        fore = rgbOf(list->ForeColor());
        if (print) {
            job.printerDC().setTextColor(fore);
            job.printerDC().setBkColor(back);
        } else if (OffScreenDC* page = job.page()) {
            page->setBackColor(back);
            page->setTextColor(fore);
        }
    }

    // Every name in a cell of its own, row by row over the pages; false
    // when composing stops.
    bool drawCells()
    {
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
            if (col == 1)
                rowDrawnH = rowHeightFrom(i, count);
            drawCell(i);
            if (job.StopComposing) {
                if (print)
                    finishPrint();
                return false;
            }
            xOff += colW;
            ++col;
            if (col > perRow && !endRow(i + 1 < count))
                return false;
            if (print) {
                const qint32 own = list->ForeColor();
                fore = own < 0 ? Black : own;
                job.printerDC().setTextColor(fore);
                job.printerDC().setBkColor(back);
            }
        }
        return true;
    }

    // The cell of name i in a row of height `height` at the current top.
    TextCell cellOf(int i, int height) const
    {
        TextCell cell =
            TextCell::at(job.ItemLeftPx.value + 5, job.CurrentY.value, colW, height, list->List(i));
        cell.insets = true;
        // Printed names wrap over the page's white; previewed ones stay on
        // one line on the list's colour.
        cell.wordWrap = print;
        cell.transparent = print;
        cell.fill = rgbOf(list->BackColor());
        return cell;
    }

    // The cell font on the job's target.
    void selectFont()
    {
        if (print)
            job.printer().setFont(Printer::Font::of(font));
        else if (OffScreenDC* page = job.page())
            page->setFont(font);
    }

    // The height of the row that starts with name `first`: the cells' own,
    // grown to hold the tallest name whole.
    int rowHeightFrom(int first, int count)
    {
        selectFont();
        int height = rowH;
        for (int i = first; i < std::min(count, first + perRow); ++i)
            height = std::max(height, job.measureTextCell(cellOf(i, rowH)).height);
        return height;
    }

    void drawCell(int i)
    {
        shared.CurrentColor = 0;
        job.ItemLeftPx = {nearest((item.Left / tpp + job.LeftMarginPx.value + xOff) * ds)};
        selectFont();
        job.drawTextCell(cellOf(i, rowDrawnH));
    }

    // A full row: the next row below it, on a new page where it would not
    // fit and names follow; false when composing stops.
    bool endRow(bool namesFollow)
    {
        col = 1;
        xOff = 0;
        job.CurrentY += PagePx{rowDrawnH};
        // A new page only when names follow.
        if (namesFollow && job.CurrentY.value >= job.footTop().value - (rowH + 20)) {
            if (!newPage())
                return false;
            if (!print) {
                if (OffScreenDC* page = job.page())
                    page->setBackColor(back);
            }
        }
        rowTop = job.CurrentY.value;
        return true;
    }

    void finish()
    {
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

    JobContext& job;
    SharedState& shared;
    FileListBox* const list;
    const PrintItem& item;
    const bool print;
    const double tpp;
    const double ds;

    QFont font;
    double ratio = 1.0;
    int rowH = 0;
    // The height of the row being drawn, grown to hold its names.
    int rowDrawnH = 0;
    int colW = 0;
    int perRow = 1;
    int rowTop = 0;
    qint32 back = White;
    qint32 fore = Black;
    int col = 1;
    int xOff = 0;
};

void renderFileList(JobContext& job, bool print)
{
    auto* list = qobject_cast<FileListBox*>(job.currentControl());
    if (!list)
        return;
    FileListPass(job, list, print).run();
}

void PreviewFileListBox(JobContext& job)
{
    renderFileList(job, false);
}

void PrintFileListBox(JobContext& job)
{
    renderFileList(job, true);
}

// One list box: its working values and the steps that draw it, in order.
// A preview page lays it out as a 96 dpi printer prints it.
class ListBoxPass
{
public:
    ListBoxPass(JobContext& job, ListBox* list)
        : job(job), shared(job.shared), list(list), item(job.item()), print(job.printing()),
          tpp(shared.PageTwipsPerPixel), ds(job.DrawScale), pps(job.penScale()),
          pxScale(job.penScale() * 7.2 / 7.4)
    {
    }

    void run()
    {
        takeLayout();
        drawItems();
    }

    // Whether the list, its top at CurrentY, would rather start the next
    // page: its rows do not fit here, and fit a fresh page; a list longer
    // than a page starts where its first row fits.
    bool startsNewPage()
    {
        takeLayout();
        return count > 0 && (job.needsNewPage(PagePx{listTop}, blockHeight(0, rowsPerCol)) ||
                             job.needsNewPage(PagePx{listTop}, blockHeight(0, 1)));
    }

private:
    void takeLayout()
    {
        listTop = job.CurrentY.value;
        takeFontAndColours();
        placeCheckGlyph();
        measureCells();
        countRowsAndColumns();
        keepColumnsInBox();
    }

    // The item font, scaled with the zoom, and the text colour as read. The
    // rows are on white, whatever the control drawn before left.
    void takeFontAndColours()
    {
        const QFont own = list->font();
        font = ds != 1.0 ? sized(own, own.pointSizeF() * ds) : own;
        fore = list->ForeColor();
        if (print) {
            job.printer().setFont(Printer::Font::of(font));
            job.printerDC().setBkColor(White);
            shared.CellFillColor = White;
        }
        page = print ? nullptr : job.page();
        if (page) {
            page->setBackColor(White);
            page->setTextColor(fore);
            page->setFont(font);
        }
    }

    // Where a check-box list's glyph stands in its row and how far the text
    // moves aside for it.
    void placeCheckGlyph()
    {
        checks = list->Style() == 1;
        rtl = list->RightToLeft();
        if (checks) {
            glyphW = nearest(9 * pxScale);
            indent = Values::toInt16(9 * pps);
        }
        if (rtl) {
            glyphW = 10;
            indent = 10;
        }
        align = rtl ? 1 : 0;
    }

    // The cell sizes, and each entry's row: as high as the cells, grown to
    // hold the entry's text whole.
    void measureCells()
    {
        const double points = print ? job.printer().FontSize() : font.pointSizeF();
        rowH = std::max(1, nearest(points * 24 / job.pixelTwipsY() + 3.5 * pps));
        colW = nearest(list->Width() / tpp * ds);
        if (list->Columns() > 1)
            colW = nearest(double(colW) / (list->Columns() + 1) * 1.36);
        pitches.clear();
        for (int k = 0; k < list->ListCount(); ++k) {
            const int grown = job.measureTextCell(rowCell(k, 0)).height;
            pitches.push_back(std::max(rowH, nearest(grown + 4 * pps)));
        }
    }

    // Rows per column and the columns used; a list shorter than one row
    // still takes one row per column.
    void countRowsAndColumns()
    {
        count = list->ListCount();
        rowsPerCol = std::max(1, nearest(list->Height() / tpp * ds / rowH));
        cols = Values::toInt16(double(count) / rowsPerCol);
        if (cols * rowsPerCol < count)
            ++cols;
        if (cols > 0) {
            rowsPerCol = nearest(double(count) / cols);
            if (rowsPerCol * cols < count)
                ++rowsPerCol;
        }
        cols = std::max(cols, 1);
        rowsPerCol = std::max(rowsPerCol, 1);
    }

    // The columns that lie inside the list's box: where more would be
    // needed, the list grows downwards instead.
    void keepColumnsInBox()
    {
        const int boxW = nearest(list->Width() / tpp * ds);
        const int inside = std::max(1, boxW / std::max(colW, 1));
        if (cols <= inside)
            return;
        cols = inside;
        rowsPerCol = (count + cols - 1) / cols;
    }

    // The height of `rows` rows of entries from k, a column of them after
    // another: that of the tallest column.
    int blockHeight(int k, int rows) const
    {
        int tallest = 0;
        for (int first = k; first < count && first < k + rows * cols; first += rows) {
            int height = 0;
            for (int e = first; e < std::min(count, first + rows); ++e)
                height += pitches[size_t(e)];
            tallest = std::max(tallest, height);
        }
        return tallest;
    }

    // The rows from entry k that fit between `top` and the page's foot (one
    // at least).
    int rowsFitting(int k, int top) const
    {
        int rows = std::min(rowsPerCol, (count - k + cols - 1) / cols);
        while (rows > 1 && top + blockHeight(k, rows) > job.footTop().value)
            --rows;
        return rows;
    }

    // The items column by column, each column top to bottom from the
    // list's top, each row below the one before as it was drawn; a list
    // longer than the rest of the page goes on over the next pages, a block
    // of columns on each.
    void drawItems()
    {
        glyphScale = job.control.ScalePrnGrph() * ds;
        const int boxPx = nearest(list->Height() / tpp * ds);
        int k = 0;
        int top = listTop;
        int bottom = listTop;
        while (k < count) {
            const int rows = rowsFitting(k, top);
            bottom = top + blockHeight(k, rows);
            k = drawBlock(k, top, rows);
            if (k < count) {
                job.extendExtent(PagePx{bottom});
                job.NewPage();
                if (job.StopComposing)
                    return;
                takeFontAndColours();
                top = job.CurrentY.value;
            }
        }
        if (top != listTop || bottom > listTop + boxPx)
            job.extendExtent(PagePx{bottom});
        // The list's top, or where it would stand had its box ended with
        // its last row.
        job.CurrentY = {top == listTop ? listTop : bottom - boxPx};
    }

    // Items from k in `rows` rows a column from `top`; the next item.
    int drawBlock(int k, int top, int rows)
    {
        job.ItemLeftPx = {nearest((item.Left / tpp + job.LeftMarginPx.value) * ds) + indent};
        for (int c = 0; c < cols && k < count; ++c) {
            job.CurrentY = {top};
            for (int r = 0; r < rows && k < count; ++r, ++k) {
                drawItemText(k);
                if (checks)
                    drawCheckGlyph(k);
                job.CurrentY += PagePx{pitches[size_t(k)]};
            }
            job.ItemLeftPx = {job.ItemLeftPx.value + colW};
        }
        return k;
    }

    // The cell of item k in a row at y.
    TextCell rowCell(int k, int y) const
    {
        TextCell cell = TextCell::at(nearest(job.ItemLeftPx.value + pxScale * indent + 5 * pxScale),
                                     nearest(y + pxScale),
                                     nearest(colW - pxScale * glyphW - 8 * pxScale + 25 * pps),
                                     nearest(rowH - 4 * pps), list->List(k));
        // Its text ends inside its column (the cell draws a few pen widths
        // wider than asked).
        const int columnRight = job.ItemLeftPx.value - indent + colW;
        cell.width = std::min(cell.width, columnRight - cell.left - nearest(3 * pps));
        cell.align = align;
        cell.insets = true;
        return cell;
    }

    // An item's text, in its row as measured.
    void drawItemText(int k)
    {
        if (print)
            job.printerDC().setTextColor(fore);
        else if (!page)
            return;
        job.drawTextCell(rowCell(k, job.CurrentY.value));
    }

    // The entry's glyph in the middle of its row, at any zoom and however
    // far the row grew.
    void drawCheckGlyph(int k)
    {
        const int y = job.CurrentY.value;
        const int pitch = pitches[size_t(k)];
        const QImage glyph = checkGlyph(list->Selected(k));
        if (print) {
            const double perPixel = 13.5 / job.printer().TwipsPerPixelX();
            const int gw = nearest(glyph.width() * glyphScale * perPixel);
            const int gh = nearest(glyph.height() * glyphScale * perPixel);
            const int gx = rtl ? job.ItemLeftPx.value + colW - gw : job.ItemLeftPx.value;
            job.printerDC().stretchBlt(gx, nearest(y + (pitch - gh) / 2.0), gw, gh, glyph, 0, 0,
                                       glyph.width(), glyph.height());
        } else if (page && page->dc()) {
            const int gx = job.ItemLeftPx.value - 5 + (rtl ? colW : 0);
            const int gh = nearest(glyph.height() * glyphScale * 16 / 15.8);
            page->dc()->stretchBlt(gx, nearest(y + (pitch - gh) / 2.0),
                                   nearest(glyph.width() * glyphScale * 16 / 15.9), gh, glyph, 0, 0,
                                   glyph.width(), glyph.height());
        }
    }

    JobContext& job;
    SharedState& shared;
    ListBox* const list;
    const PrintItem& item;
    const bool print;
    const double tpp;
    const double ds;
    const double pps;
    const double pxScale;

    int listTop = 0;
    QFont font;
    qint32 fore = 0;
    OffScreenDC* page = nullptr;
    int rowH = 1;
    std::vector<int> pitches;
    int colW = 0;
    bool checks = false;
    bool rtl = false;
    int glyphW = 0;
    int indent = 0;
    int align = 0;
    int count = 0;
    int rowsPerCol = 1;
    int cols = 1;
    double glyphScale = 0;
};

void DrawListBoxControl(JobContext& job)
{
    auto* list = qobject_cast<ListBox*>(job.currentControl());
    if (!list)
        return;
    ListBoxPass(job, list).run();
}

bool listBoxStartsNewPage(JobContext& job)
{
    auto* list = qobject_cast<ListBox*>(job.currentControl());
    return list && ListBoxPass(job, list).startsNewPage();
}

} // namespace

ZENTREL_RENDERERS(RenderKind::FileList, PreviewFileListBox, PrintFileListBox)
ZENTREL_RENDERERS(RenderKind::ListBox, DrawListBoxControl, DrawListBoxControl)
ZENTREL_PLACING(RenderKind::FileList, nullptr, firstRowsStartNewPage)
ZENTREL_PLACING(RenderKind::ListBox, nullptr, listBoxStartsNewPage)
