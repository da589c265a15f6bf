// Flexible grids, on a preview page or on the printer: rows broken over
// pages with the fixed rows repeated, columns split into blocks or the grid
// shrunk to the page width (GridToFit).
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "control/renderers/GridCommon.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/FormMember.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/runtime/Values.h"

using namespace platform;

using namespace GridCommon;

namespace {

constexpr int GeneralAlignment = 9;

// The page alignment (0 left, 1 right, 2 centre) of a grid cell alignment.
int pageAlignment(int a, bool rightToLeft, const QString& text)
{
    if (a < 0)
        return rightToLeft ? 1 : 0;
    switch (a) {
    case 0:
    case 2:
        return 0;
    case 1:
        return rightToLeft ? 1 : 0;
    case 3:
    case 4:
    case 5:
        return 2;
    case GeneralAlignment: {
        bool numeric = false;
        text.trimmed().toDouble(&numeric);
        return numeric ? 1 : 0;
    }
    default:
        return 1;
    }
}

class FlexGridPass
{
public:
    FlexGridPass(JobContext& job, FlexGrid& grid, bool print)
        : m_job(job), m_shared(job.shared), m_grid(grid), m_print(print),
          m_tpp(job.shared.PageTwipsPerPixel)
    {
    }

    void run()
    {
        enter();
        if (!m_job.StopComposing && !m_shared.PrintAborted)
            draw();
        finish();
    }

private:
    // Step 1: the grid's top, where the composition placed it.
    void enter() { m_entryY = m_job.CurrentY.value; }

    void readGridLines()
    {
        m_gridLines = m_job.control.GridLinesOK() ? qBound(0, m_grid.GridLines(), 1) : 0;
    }

    // Twips of a column, the default width for -1.
    double colTwips(int col) const
    {
        const int w = m_grid.ColWidth(col);
        return w < 0 ? double(FlexGrid::DefaultColWidth) : double(w);
    }

    bool hasContent(int row) const
    {
        for (int c = 0; c < m_grid.Cols(); ++c) {
            if (!m_grid.TextMatrix(row, c).isEmpty())
                return true;
        }
        if (m_vsKind)
            return false;
        FlexGrid& grid = m_grid;
        const int savedRow = grid.Row();
        const int savedCol = grid.Col();
        bool found = false;
        grid.setRow(row);
        for (int c = 0; c < grid.Cols() && !found; ++c) {
            grid.setCol(c);
            found = !grid.CellPicture().isNull();
        }
        grid.setRow(savedRow);
        grid.setCol(savedCol);
        return found;
    }

    // The right edge of the printed grid's last cell at the scale `ds`:
    // every column at its full width from five pixels right of the grid's
    // left, the cell's frame reaching two pen units further.
    int printedRight(double ds) const
    {
        double x = nearest((m_job.item().Left / m_tpp + m_job.LeftMarginPx.value) * ds) + 5;
        for (int c = 0; c < m_grid.Cols(); ++c) {
            const int width = m_grid.ColWidth(c);
            if (width != 0)
                x += width < 0 ? nearest(1100 / m_tpp * ds) : nearest(width / m_tpp * ds);
        }
        return nearest(x + 2 * m_shared.PrinterPenScale);
    }

    void draw()
    {
        saveGridState();
        const int cols = m_grid.Cols();
        const Zentrel::ToFit fit = m_job.control.GridToFit();
        int lastCol = fitToPage(fit, leftOfGrid(), cols);
        chooseFontAndScales();
        const int lastRow = lastPrintedRow();

        int firstCol = 0;
        bool rowRepeat = false;
        for (;;) {
            if (!drawBlock(firstCol, lastCol, lastRow, rowRepeat))
                return;
            // Step 11: the next block, when the columns were split.
            if (lastCol >= cols - 1)
                return;
            firstCol = lastCol + 1;
            if (!startNextBlock(fit))
                return;
            rowRepeat = m_job.control.RowRepeatHeader();
            lastCol = lastColOfNextBlock(firstCol, cols);
        }
    }

    // Step 2: grid facts and what is put back at the end.
    void saveGridState()
    {
        readGridLines();
        m_wordWrap = m_grid.WordWrap();
        m_rtl = m_grid.RightToLeft();
        m_fixedCols = m_grid.FixedCols();
        m_fixedRows = m_grid.FixedRows();
        m_vsKind = FormMember::typeName(&m_grid).toUpper() == QLatin1String("VSFLEXGRID");
        m_saved = true;
        m_savedRow = m_grid.Row();
        m_savedCol = m_grid.Col();
        m_savedTopRow = m_grid.TopRow();
        m_savedLeftCol = m_grid.LeftCol();
        m_savedScale = m_job.DrawScale;
    }

    // Step 3: the grid's left edge on the page.
    int leftOfGrid() const
    {
        const PrintItem& item = m_job.item();
        return m_print ? nearest((item.Left / m_tpp + m_job.LeftMarginPx.value) * m_job.DrawScale)
                       : nearest(m_grid.Left() / m_tpp + m_job.LeftMarginPx.value);
    }

    // Step 4: fitting. Shrink lowers the scale; Split gives the last column
    // of the first block (the last column when all fit).
    int fitToPage(Zentrel::ToFit fit, int x, int cols)
    {
        const double pageW = m_shared.PageWidthPx.value;
        const double right = m_job.RightMarginPx.value;
        const double ps = m_shared.PrinterScale;
        if (fit == Zentrel::Shrink) {
            const double f = m_print ? 0.95 : m_job.DrawScale;
            double sum = 0;
            for (int c = 0; c < cols; ++c) {
                sum += m_grid.ColWidth(c) < 0
                           ? nearest(FlexGrid::DefaultColWidth / m_tpp * m_job.DrawScale * 0.95)
                           : nearest(m_grid.ColWidth(c) / m_tpp * f);
            }
            if (!m_print && x + sum + right + 10 > pageW)
                m_job.DrawScale = pageW / (x + sum + right + 134) * m_job.DrawScale;
            else if (m_print && (x + sum + right) * m_job.DrawScale > pageW)
                m_job.DrawScale = pageW / (x + sum + right + 36 * ps);
            // The printed cells are as wide as their columns: the scale comes
            // down further until the right frame stays clear of the margin.
            const int limit = nearest(pageW - right);
            for (int i = 0; m_print && !m_rtl && i < 8 && printedRight(m_job.DrawScale) > limit;
                 ++i)
                m_job.DrawScale *= (limit - 1.0) / printedRight(m_job.DrawScale);
        } else if (fit == Zentrel::Split || fit == Zentrel::SplitNewPage) {
            const double m = m_print ? 0 : 10;
            double sum = 0;
            for (int c = 0; c < cols; ++c) {
                if (m_grid.ColWidth(c) < 0)
                    sum += m_print ? nearest(1100 / m_tpp * m_job.DrawScale * 0.95)
                                   : nearest(1100 / m_tpp * m_job.DrawScale);
                else
                    sum += m_print ? nearest(m_grid.ColWidth(c) / m_tpp * 0.95)
                                   : nearest(m_grid.ColWidth(c) / m_tpp);
                // A block holds at least its first column.
                if ((x + sum + right + m) * m_job.DrawScale > pageW)
                    return std::max(c - 1, 0);
            }
        }
        return cols - 1;
    }

    // Step 5: the font scale. The rows are as high on a preview page as on
    // a printed one.
    void chooseFontAndScales()
    {
        QFont font = sized(m_grid.font(), m_grid.font().pointSizeF() * 1.1);
        m_fontScale = 1.0;
        if (m_job.DrawScale != 1.0) {
            const double asked = font.pointSizeF() * m_job.DrawScale;
            font = sized(font, asked);
            m_fontScale = font.pointSizeF() / asked * m_job.DrawScale;
        }
    }

    // Steps 6 and 7: the rows to print end at the last row with content;
    // blank rows before it are printed.
    int lastPrintedRow() const
    {
        int lastRow = m_grid.Rows() - 1;
        while (lastRow >= 0 && !hasContent(lastRow))
            --lastRow;
        return lastRow < 0 ? m_fixedRows - 1 : lastRow;
    }

    // Step 11: two rows down, or a new page when the next block's first row
    // would not fit (always with SplitNewPage); false when the grid is to end.
    bool startNextBlock(Zentrel::ToFit fit)
    {
        m_job.CurrentY += PagePx{2 * m_rowH};
        const int nextH = nextRowHeight(0);
        const double e = 17 * m_job.printerScale();
        if (fit == Zentrel::SplitNewPage ||
            m_job.CurrentY.value + m_rowH >=
                m_job.footTop().value - (nextH + m_job.PortraitFootPadPx.value + e)) {
            m_job.NewPage();
            readGridLines();
            if (m_job.StopComposing)
                return false;
        }
        return true;
    }

    // Step 11: the last column of the block that starts at firstCol.
    int lastColOfNextBlock(int firstCol, int cols) const
    {
        const PrintItem& item = m_job.item();
        const double pageW = m_shared.PageWidthPx.value;
        const double right = m_job.RightMarginPx.value;
        const double ps = m_shared.PrinterScale;
        const double extra = m_print ? 6 * ps : 8;
        const double m2 = m_print ? 20 * ps : 10;
        const double testX =
            m_rtl ? nearest(pageW - (item.Left + m_grid.Width()) / m_tpp + m_job.LeftMarginPx.value)
                  : nearest(item.Left / m_tpp + m_job.LeftMarginPx.value);
        double sum = m_job.control.ColRepeatHeader() ? colTwips(0) / m_tpp + extra : 0;
        for (int c = firstCol; c < cols; ++c) {
            sum += colTwips(c) / m_tpp + extra;
            if ((testX + sum + right + m2) * m_job.DrawScale > pageW)
                return std::max(c - 1, firstCol);
        }
        return cols - 1;
    }

    // The height of row `row` for the page-break look-ahead.
    int nextRowHeight(int row) const
    {
        if (row >= m_grid.Rows())
            return 0;
        return nearest(m_grid.RowHeight(row) / m_job.pixelTwipsY() * m_job.DrawScale);
    }

    // One pass over the rows for the columns firstCol..lastCol; false when
    // the grid is to end (stopped).
    bool drawBlock(int firstCol, int lastCol, int lastRow, bool rowRepeat)
    {
        m_measured.reset();
        const bool colRepeatHeader = m_job.control.ColRepeatHeader();
        const double ps = m_job.printerScale();
        bool repeatPending = false;
        int remembered = 0;
        // Data rows drawn on the page: a page carries at least one, so a
        // header taller than the page cannot break pages forever.
        int dataRowsOnPage = 0;
        int r = 0;
        while (r <= lastRow) {
            m_grid.setRow(r);
            if (m_print) {
                JobWindows::RaiseProgress();
                m_job.yield();
            }
            if (m_job.yield())
                return false;
            if (repeatPending) {
                if (r > m_fixedRows) {
                    remembered = r;
                    r = 0;
                }
                if (r == m_fixedRows) {
                    r = remembered;
                    repeatPending = false;
                }
            }
            m_grid.setRow(r);
            if (m_grid.RowHeight(r) == 0) {
                if (r >= lastRow)
                    break;
                ++r;
                continue;
            }
            const int drawnH = drawRow(r, firstCol, lastCol, rowRepeat);
            if (r >= m_fixedRows)
                ++dataRowsOnPage;

            // Step 10: the row's end, below the row as drawn.
            m_job.CurrentY += PagePx{drawnH};
            if (r >= lastRow)
                break;
            if (repeatPending && r == m_fixedRows - 1) {
                r = remembered;
                repeatPending = false;
                continue;
            }
            // The next row's look-ahead, and as much more as its cells grow.
            const int nextH = nextRowHeight(r + 1) + rowGrowth(r + 1, firstCol, lastCol, rowRepeat);
            const double d = 15 * ps;
            if (dataRowsOnPage > 0 &&
                m_job.CurrentY.value >=
                    m_job.footTop().value - (nextH + m_job.PortraitFootPadPx.value + d)) {
                m_job.NewPage();
                readGridLines();
                if (m_job.StopComposing)
                    return false;
                dataRowsOnPage = 0;
                if (colRepeatHeader && m_fixedRows > 0 && r + 1 > m_fixedRows - 1) {
                    repeatPending = true;
                    remembered = r + 1;
                }
            }
            ++r;
        }
        return true;
    }

    // One cell of a row: its text cell, font and text colour.
    struct Cell
    {
        TextCell text;
        QFont font;
        qint32 fore = Black;
        int col = 0;
        // The column's left edge (the printed cell stands right of it).
        int left = 0;
    };

    // The cells of row `r` in the columns firstCol..lastCol (column 0 first
    // when the row header repeats), at their places from `left` along the
    // row at the current top, each as high as the row.
    std::vector<Cell> rowCells(int r, int firstCol, int lastCol, bool rowRepeat, int left, int rowH)
    {
        const int pageW = m_shared.PageWidthPx.value;
        const double limit = m_print ? pageW / 0.9 : 1.05 * pageW;
        std::vector<int> columns;
        if (rowRepeat && firstCol > 0)
            columns.push_back(0);
        for (int c = firstCol; c <= lastCol; ++c)
            columns.push_back(c);

        std::vector<Cell> cells;
        int x = left;
        for (int c : columns) {
            if (m_grid.ColWidth(c) == 0)
                continue;
            m_grid.setRow(r);
            m_grid.setCol(c);
            const QString text = m_grid.TextMatrix(r, c);
            int a = m_grid.CellAlignment();
            if (a == GeneralAlignment)
                a = m_grid.ColAlignment(c);

            const int w = m_grid.ColWidth(c) < 0
                              ? nearest(1100 / m_tpp * m_job.DrawScale)
                              : nearest(m_grid.ColWidth(c) / m_tpp * m_job.DrawScale);
            // The rest of the row is cut at the page's edge; the row's
            // first cell is drawn in any case (cut by the page), so that a
            // column wider than the page still prints.
            if (m_rtl)
                x -= w;
            if (!cells.empty() && (m_rtl ? x < m_job.LeftMarginPx.value : x + w > limit))
                break;

            Cell cell;
            // The cell's font at the zoom.
            cell.font = m_grid.cellFont();
            if (m_job.DrawScale != 1.0)
                cell.font = sized(cell.font, cell.font.pointSizeF() * m_job.DrawScale);
            const auto [back, fore] = cellColours(r, c);
            cell.fore = fore;
            cell.col = c;
            cell.left = x;
            // The printer's cell stands five pixels right of the column.
            cell.text = TextCell::at(m_print ? x + 5 : x, m_job.CurrentY.value, w, rowH, text);
            cell.text.align = pageAlignment(a, m_rtl, text);
            cell.text.frame = m_gridLines != 0;
            cell.text.wordWrap = m_wordWrap;
            cell.text.insets = true;
            cell.text.fill = back;
            cells.push_back(cell);
            if (!m_rtl)
                x += w;
        }
        return cells;
    }

    // The cell's font on the job's target.
    void selectFont(const QFont& font)
    {
        if (m_print)
            m_job.printer().setFont(Printer::Font::of(font));
        else if (OffScreenDC* page = m_job.page())
            page->setFont(font);
    }

    // The height of a row of these cells: theirs, grown to hold the
    // tallest cell's text whole.
    int grownHeight(std::vector<Cell>& cells, int rowH)
    {
        int height = rowH;
        for (Cell& cell : cells) {
            selectFont(cell.font);
            height = std::max(height, m_job.measureTextCell(cell.text).height);
        }
        return height;
    }

    // How much higher than its own height row `r` is drawn. The height is
    // kept for drawing the row next.
    int rowGrowth(int r, int firstCol, int lastCol, bool rowRepeat)
    {
        if (m_grid.RowHeight(r) == 0)
            return 0;
        const int rowH = rowHeight(r);
        std::vector<Cell> cells = rowCells(r, firstCol, lastCol, rowRepeat, rowLeft(), rowH);
        m_measured = {r, grownHeight(cells, rowH)};
        return m_measured->second - rowH;
    }

    // Draws row `r`; returns its height as drawn.
    int drawRow(int r, int firstCol, int lastCol, bool rowRepeat)
    {
        m_shared.CurrentColor = 0;
        m_rowH = rowHeight(r);
        std::vector<Cell> cells = rowCells(r, firstCol, lastCol, rowRepeat, rowLeft(), m_rowH);
        const int height =
            m_measured && m_measured->first == r ? m_measured->second : grownHeight(cells, m_rowH);
        m_measured.reset();
        for (Cell& cell : cells) {
            cell.text.height = height;
            selectFont(cell.font);
            if (m_print)
                m_job.printerDC().setTextColor(cell.fore);
            else if (OffScreenDC* page = m_job.page())
                page->setTextColor(cell.fore);
            m_job.drawRowCell(cell.text);
            if (!m_vsKind) {
                m_grid.setRow(r);
                m_grid.setCol(cell.col);
                drawPicture(cell.left, cell.text.width, cell.text.top, height);
            }
        }
        // The next cell's place.
        if (!cells.empty())
            m_job.ItemLeftPx = {cells.back().left + (m_rtl ? 0 : cells.back().text.width)};
        return height;
    }

    // The row's height at the zoom: as on the printer on a preview page.
    int rowHeight(int r) const
    {
        return nearest(m_grid.RowHeight(r) / m_job.pixelTwipsY() * m_fontScale +
                       7.4 * m_job.printerScale());
    }

    // The row's first cell's left edge; right to left, the grid's right
    // edge, where its first column ends (the columns go leftwards from
    // there, inside the grid's own place, clear of what stands beside it).
    int rowLeft() const
    {
        const PrintItem& item = m_job.item();
        const double left = m_rtl ? item.Left + m_grid.Width() : item.Left;
        return nearest((left / m_tpp + m_job.LeftMarginPx.value) * m_job.DrawScale);
    }

    // Back and fore colour of a cell: the grid's own in colour, else black
    // on white.
    std::pair<qint32, qint32> cellColours(int r, int c)
    {
        if (m_job.colorMode() != 2)
            return {White, Black};
        const bool fixed = r < m_fixedRows || c < m_fixedCols;
        qint32 back = m_grid.CellBackColor();
        if (back == 0)
            back = fixed ? m_grid.BackColorFixed() : m_grid.BackColor();
        qint32 fore = m_grid.CellForeColor();
        if (fore == 0)
            fore = r == 0 ? m_grid.ForeColorFixed() : m_grid.ForeColor();
        return {rgbOf(back), rgbOf(fore)};
    }

    // The cell's picture in the column at `left`, `w` wide, in a row at y
    // of height rowH.
    void drawPicture(int left, int w, int y, int rowH)
    {
        const QImage picture = m_grid.CellPicture();
        if (picture.isNull())
            return;
        const double ds = m_job.DrawScale;
        const int dy = std::max(0, nearest((rowH - picture.height() * ds) / 2));
        int dx = 0;
        switch (m_grid.CellPictureAlignment()) {
        case 3:
        case 4:
        case 5:
            dx = nearest((w - picture.width()) / 2.0 * ds);
            break;
        case 6:
        case 7:
        case 8:
            dx = nearest(w - picture.width() * ds);
            break;
        default:
            break;
        }
        const int x = left + dx;
        if (m_print) {
            // The picture's screen pixels in printer pixels.
            const double perPixel = 15.0 / m_job.printer().TwipsPerPixelX();
            m_job.printerDC().stretchBlt(x, nearest(y + dy + 4 * m_shared.PrinterScale),
                                         nearest(picture.width() * ds * perPixel),
                                         nearest(picture.height() * ds * perPixel), picture, 0, 0,
                                         picture.width(), picture.height());
        } else if (OffScreenDC* page = m_job.page()) {
            if (DeviceContext* dc = page->dc())
                dc->stretchBlt(x, y + dy + 1, nearest(picture.width() * ds * 16 / 15.9),
                               nearest(picture.height() * ds * 16 / 15.8), picture, 0, 0,
                               picture.width(), picture.height());
        }
    }

    // Step 12: the grid put back, whichever way the drawing ended.
    void finish()
    {
        // Side by side, the next grid starts at this grid's top (not one
        // row below it).
        const bool beside = m_job.control.SideBySide() && nextIsGrid(m_job);
        m_grid.setVisible(true);
        if (m_saved) {
            m_grid.setTopRow(m_savedTopRow);
            m_grid.setLeftCol(m_savedLeftCol);
        }
        m_job.CurrentY = beside ? PagePx{m_entryY} : m_job.CurrentY + PagePx{m_rowH};
        if (m_saved) {
            m_job.DrawScale = m_savedScale;
            m_grid.setRow(m_savedRow);
            m_grid.setCol(m_savedCol);
        }
        if (m_print) {
            JobWindows::RaiseProgress();
            m_job.yield();
        }
    }

    JobContext& m_job;
    SharedState& m_shared;
    FlexGrid& m_grid;
    const bool m_print;
    const double m_tpp;

    int m_entryY = 0;
    int m_rowH = 0;
    // The row measured for the page-break look-ahead, and its height.
    std::optional<std::pair<int, int>> m_measured;
    int m_gridLines = 0;
    bool m_wordWrap = false;
    bool m_rtl = false;
    bool m_vsKind = false;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    double m_fontScale = 1.0;

    bool m_saved = false;
    int m_savedRow = 0;
    int m_savedCol = 0;
    int m_savedTopRow = 0;
    int m_savedLeftCol = 0;
    double m_savedScale = 1.0;
};

void renderFlexGrid(JobContext& job, bool print)
{
    auto* grid = qobject_cast<FlexGrid*>(job.currentControl());
    if (!grid)
        return; // a grid of another make: nothing we can read
    FlexGridPass(job, *grid, print).run();
}

} // namespace

void PreviewFlexGrid(JobContext& job)
{
    renderFlexGrid(job, false);
}

void PrintFlexGrid(JobContext& job)
{
    renderFlexGrid(job, true);
}

ZENTREL_RENDERERS(RenderKind::FlexGrid, PreviewFlexGrid, PrintFlexGrid)
ZENTREL_PLACING(RenderKind::FlexGrid, gridEntry, firstRowsStartNewPage)
