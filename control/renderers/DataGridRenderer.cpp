// Data-bound grids, on a preview page or on the printer. The records are
// read through the grid's record window (see DataGrid): the window is
// brought to the first record, each record is drawn once, in order, by
// moving the current row down the window and scrolling the window on when
// the current row reaches its last place; every block of columns walks the
// records again. The grid's window, rows, columns, height and the zoom are
// put back however the drawing ends.
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <optional>

#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "control/renderers/GridCommon.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/DataGrid.h"
#include "platform/controls/FormMember.h"
#include "platform/gdi/DeviceContext.h"

using namespace platform;

using namespace GridCommon;

namespace {

class DataGridPass
{
public:
    DataGridPass(JobContext& job, DataGrid& grid, bool print)
        : m_job(job), m_shared(job.shared), m_grid(grid), m_print(print),
          m_tpp(job.shared.PageTwipsPerPixel), m_ps(job.printerScale())
    {
    }

    void run()
    {
        try {
            if (enter())
                draw();
        } catch (const MemberError&) {
            // A refused move or read ends the drawing quietly.
        }
        finish();
    }

private:
    bool enter()
    {
        const QString type = FormMember::typeName(&m_grid);
        m_rtl = (type == QLatin1String("DataGrid") || type.contains(QLatin1String("Tdb"))) &&
                m_grid.RightToLeft();
        m_isDataGrid = type == QLatin1String("DataGrid");
        m_top = m_job.CurrentY.value;
        return !m_job.StopComposing;
    }

    double colPx(int col) const { return m_grid.column(col).Width / m_tpp; }

    // The next record: down the window, and the window on by its visible
    // rows less one when the current row is its last place; -1 after the
    // last record.
    int nextRecord()
    {
        try {
            if (m_grid.Row() >= m_grid.VisibleRows() - 1) {
                const int before = m_grid.FirstRow();
                m_grid.Scroll(0, std::max(1, m_grid.VisibleRows() - 1));
                if (m_grid.FirstRow() == before)
                    return -1;
            }
            m_grid.setRow(m_grid.Bookmark() - m_grid.FirstRow() + 1);
            return m_grid.Row();
        } catch (const MemberError&) {
            return -1;
        }
    }

    // The last column of a block starting at `first`, by the running sum
    // test; never before `first`.
    int blockEnd(int first, double x, double reserve, bool& split) const
    {
        const int count = m_grid.ColumnCount();
        const double pageW = m_shared.PageWidthPx.value;
        const double right = m_job.RightMarginPx.value;
        const double m2 = m_print ? 10 * m_ps : 70;
        double sum = reserve;
        for (int c = first; c < count; ++c) {
            if (!m_print && !m_grid.column(c).Visible)
                continue;
            sum = nearest(sum + colPx(c));
            if ((x + sum + right + m2) * m_job.DrawScale > pageW) {
                const int last = std::max(c - 1, first);
                split = last < count - 1;
                return last;
            }
        }
        split = false;
        return count - 1;
    }

    void draw()
    {
        saveState();
        fitColumns();
        // The window back at the first record.
        m_grid.setFirstRow(0);
        takeFontsAndRowHeight();
        takeColours();
        prepareWindow();
        if (!drawRows())
            return;
        afterRows();
    }

    // What is put back at the end.
    void saveState()
    {
        m_saved = true;
        m_savedHeight = m_grid.Height();
        m_savedRow = m_grid.Row();
        m_savedBookmark = m_grid.Bookmark();
        m_savedCol = m_grid.Col();
        m_savedFirstRow = m_grid.FirstRow();
        m_savedScale = m_job.DrawScale;
        m_savedLeftCol = m_grid.LeftCol();
    }

    // Fitting: the last column of the first block where the grid is split,
    // or the zoom made smaller where it is shrunk to the page.
    void fitColumns()
    {
        const PrintItem& item = m_job.item();
        const double pageW = m_shared.PageWidthPx.value;
        const double right = m_job.RightMarginPx.value;
        const int count = m_grid.ColumnCount();
        m_count = count;
        const int x = m_print ? nearest(item.Left / m_tpp * m_job.DrawScale)
                              : nearest(item.Left / m_tpp + m_job.LeftMarginPx.value);
        m_split = false;
        m_lastCol = count - 1;
        m_fit = m_job.control.GridToFit();
        if (m_fit == Zentrel::Split || m_fit == Zentrel::SplitNewPage) {
            double total = 0;
            const double m = m_print ? 10 * m_ps : 25;
            for (int c = 0; c < count; ++c) {
                if (!m_grid.column(c).Visible)
                    continue;
                total = m_print ? nearest(total + colPx(c) * m_job.DrawScale)
                                : nearest((total + colPx(c)) * m_job.DrawScale);
                if (x + total + right + m > pageW) {
                    m_lastCol = std::max(c - 1, 0);
                    m_split = m_lastCol < count - 1;
                    break;
                }
            }
        } else if (m_fit == Zentrel::Shrink) {
            double total = 0;
            for (int c = 0; c < count; ++c) {
                if (m_grid.column(c).Visible)
                    total = nearest(total + colPx(c) * m_job.DrawScale);
            }
            const double s = m_print ? 80 * m_ps : 30;
            const double n = m_print ? 20 * m_ps : 74;
            if (x + total + right + s > pageW)
                m_job.DrawScale = pageW * m_job.DrawScale / (x + total + right + n);
        }
    }

    // Fonts and the base row height, on a preview page as on the printer.
    void takeFontsAndRowHeight()
    {
        m_gridFont = m_grid.font();
        m_refSize = m_gridFont.pointSizeF() * 1.1;
        if (m_job.DrawScale != 1.0)
            m_refSize *= m_job.DrawScale * m_job.DrawScale;
        m_rowH = nearest(m_grid.RowHeight() / m_tpp * m_job.DrawScale * m_savedScale +
                         3 * m_job.penScale());
        if (m_job.DrawScale < 1.0)
            m_rowH += 4;
        else if (m_job.DrawScale > 1.0)
            m_rowH -= 4;
        if (m_isDataGrid)
            m_rowH += 5;
        m_rowH = std::max(m_rowH, 1);
    }

    void takeColours()
    {
        m_back = White;
        m_fore = Black;
        if (m_job.colorMode() != 0) {
            m_back = rgbOf(m_grid.BackColor());
            m_fore = rgbOf(m_grid.ForeColor());
        }
    }

    // The window at least three rows high, at the first record.
    void prepareWindow()
    {
        if (m_grid.VisibleRows() < 3)
            m_grid.setHeight(m_savedHeight * 3);
        if (m_grid.ApproxCount() > 0)
            m_grid.setRow(0);
        m_approx = m_grid.ApproxCount();
        m_firstCol = 0;
        m_rowsDrawn = 0;
        m_move = m_approx > 0 ? 0 : -1;
        // The header row heads every block and page, in preview as in
        // print.
        m_headerPending = true;
        m_rowRepeat = false;
        m_lastRowH = m_rowH;
    }

    // The header and record rows, block by block of columns and page by
    // page; false when composing stops.
    bool drawRows()
    {
        while (m_move >= 0) {
            if (m_print) {
                m_job.printerDC().setTextColor(m_fore);
                m_job.printerDC().setBkColor(m_back);
                JobWindows::RaiseProgress();
            }
            if (m_job.yield())
                break;
            const bool headerRow = m_headerPending;
            int gridLines = 0;
            if (m_job.control.GridLinesOK())
                gridLines = m_print ? 1 : std::min(m_grid.RowDividerStyle(), 1);
            m_shared.CurrentColor = 0;
            // The record is empty when every column's text is.
            const int bookmark = m_grid.Bookmark();
            bool rowEmpty = true;
            for (int c = 0; c < m_count && rowEmpty; ++c)
                rowEmpty = m_grid.CellText(c, bookmark).isEmpty();
            const int ownH = startRow(headerRow);
            const std::vector<TextCell> cells = rowCells(headerRow, ownH, gridLines, bookmark);
            const bool measured = !headerRow && m_measured && m_measured->first == bookmark;
            const int rowH = measured ? m_measured->second : grownHeight(cells, ownH);
            m_measured.reset();
            drawRowCells(cells, rowH);
            m_lastRowH = rowH;

            // The row's end.
            if (headerRow) {
                m_headerPending = false;
            } else {
                ++m_rowsDrawn;
                m_move = nextRecord();
            }
            if (rowEmpty)
                break;
            if (!headerRow && m_rowsDrawn == m_approx && m_split) {
                if (!startNextBlock(rowH))
                    return false;
                continue;
            }
            if (!advanceRow(headerRow, rowH))
                return false;
        }
        return true;
    }

    // The colours and font of a row, and its left edge; returns its own
    // height.
    int startRow(bool headerRow)
    {
        m_rowBack = m_back;
        m_rowFore = m_fore;
        if (headerRow && (!m_print || m_job.colorMode() != 0)) {
            m_rowBack = HeaderGrey;
            m_rowFore = Black;
        }
        if (m_print) {
            m_job.printerDC().setBkColor(m_rowBack);
            m_job.printerDC().setTextColor(m_rowFore);
            m_shared.CellFillColor = m_rowBack;
        } else if (OffScreenDC* page = m_job.page()) {
            page->setTextColor(m_rowFore);
        }
        QFont rowFont = m_gridFont;
        if (m_job.DrawScale != 1.0)
            rowFont = sized(m_gridFont, m_gridFont.pointSizeF() * m_job.DrawScale);
        if (m_print)
            m_job.printer().setFont(Printer::Font::of(rowFont));
        else if (OffScreenDC* page = m_job.page())
            page->setFont(rowFont);

        int rowH = m_rowH;
        if (headerRow)
            rowH = nearest(m_grid.HeadLines() *
                           nearest(m_rowH * (rowFont.pointSizeF() / m_refSize) + 8 * m_ps));

        // Right to left, the row starts at the grid's right edge and its
        // columns go leftwards, inside the grid's own place.
        const PrintItem& item = m_job.item();
        const double left = m_rtl ? item.Left + m_grid.Width() : item.Left;
        m_job.ItemLeftPx = {nearest((left / m_tpp + m_job.LeftMarginPx.value) * m_job.DrawScale)};
        return rowH;
    }

    // The cells of one row in the current block of columns from the row's
    // left edge, the first column again before them where row headers
    // repeat, at `rowH`.
    std::vector<TextCell> rowCells(bool headerRow, int rowH, int gridLines, int bookmark)
    {
        std::vector<int> cols;
        if (m_rowRepeat && m_firstCol > 0)
            cols.push_back(0);
        for (int c = m_firstCol; c <= m_lastCol; ++c)
            cols.push_back(c);
        std::vector<TextCell> cells;
        int x = m_job.ItemLeftPx.value;
        int carried = 0;
        for (int col : cols) {
            m_grid.setCol(col);
            const DataGridColumn& column = m_grid.column(col);
            if (!column.Visible)
                continue;
            const int w = nearest(colPx(col) * m_job.DrawScale);
            if (m_rtl)
                x -= w;
            // The divider: a cell whose left neighbour has none widens its
            // text over its left edge.
            const int d = column.DividerStyle == 1 ? 2 : column.DividerStyle;
            const int divider = d == 0 ? (carried < 0 ? -3 : -1) : (carried < 0 ? -2 : carried);
            carried = d - 1;
            TextCell cell =
                TextCell::at(x, m_job.CurrentY.value, w, rowH,
                             headerRow ? column.Caption : m_grid.CellText(col, bookmark));
            cell.align = column.Alignment == 3 ? 0 : column.Alignment;
            cell.frame = gridLines != 0;
            cell.wordWrap = column.WrapText;
            cell.insets = true;
            cell.fill = m_rowBack;
            cell.divider = qint16(divider);
            cells.push_back(cell);
            if (!m_rtl)
                x += w;
        }
        return cells;
    }

    // The height of a row of these cells: theirs, grown to hold the tallest
    // cell's text whole.
    int grownHeight(const std::vector<TextCell>& cells, int rowH)
    {
        int height = rowH;
        for (const TextCell& cell : cells)
            height = std::max(height, m_job.measureTextCell(cell).height);
        return height;
    }

    // Draws the row's cells at the row's height; the next cell's place is
    // after the row.
    void drawRowCells(std::vector<TextCell> cells, int height)
    {
        for (TextCell& cell : cells) {
            cell.height = height;
            m_job.drawRowCell(cell);
        }
        if (!cells.empty())
            m_job.ItemLeftPx = {cells.back().left + (m_rtl ? 0 : cells.back().width)};
    }

    // The next block of columns, from the first record again; false when
    // composing stops.
    bool startNextBlock(int rowH)
    {
        const PrintItem& item = m_job.item();
        m_job.CurrentY += PagePx{3 * rowH};
        m_firstCol = m_lastCol + 1;
        if (m_fit == Zentrel::SplitNewPage) {
            m_job.NewPage();
            if (m_job.StopComposing)
                return false;
        }
        double reserve = 0;
        if (m_job.control.ColRepeatHeader()) {
            reserve = nearest(colPx(0));
            m_rowRepeat = m_job.control.RowRepeatHeader();
        }
        const double r = m_print ? 20 * m_ps : 40;
        const double testX =
            m_rtl ? nearest(m_shared.PageWidthPx.value - (m_grid.Width() + item.Left) / m_tpp +
                            m_job.LeftMarginPx.value + r)
                  : nearest((item.Left / m_tpp + m_job.LeftMarginPx.value) * m_job.DrawScale);
        m_lastCol = blockEnd(m_firstCol, testX, reserve, m_split);
        m_grid.setFirstRow(0);
        m_grid.setRow(0);
        m_rowsDrawn = 0;
        m_headerPending = true;
        m_measured.reset();
        m_move = 0;
        return true;
    }

    // Down by a row, onto a new page where the next would not fit; false
    // when composing stops.
    bool advanceRow(bool headerRow, int rowH)
    {
        m_job.CurrentY += PagePx{rowH};
        // Never right after the header row, so that each page carries a
        // record; never after the last record.
        if (headerRow || m_move < 0)
            return true;
        // The row's height looks ahead, or the next record's where that
        // grows taller (the grid stands at the next record).
        const int bookmark = m_grid.Bookmark();
        m_measured = {bookmark, grownHeight(rowCells(false, m_rowH, 0, bookmark), m_rowH)};
        const int reserve = std::max(rowH, m_measured->second) + m_job.PortraitFootPadPx.value -
                            m_job.LandscapeFootTrimPx.value + nearest(20 * m_ps);
        if (m_job.CurrentY.value >= m_job.footTop().value - reserve) {
            m_job.NewPage();
            if (m_job.StopComposing)
                return false;
            if (m_print && m_job.colorMode() != 0) {
                m_back = rgbOf(m_grid.BackColor());
                m_fore = rgbOf(m_grid.ForeColor());
                m_job.printerDC().setBkColor(m_back);
                m_job.printerDC().setTextColor(m_fore);
            }
            m_headerPending = true;
        }
        return true;
    }

    void afterRows()
    {
        if (m_print) {
            m_job.CurrentY += PagePx{m_lastRowH + 20};
            m_job.DrawScale = m_savedScale;
            if (m_job.control.SideBySide())
                m_job.CurrentY = {m_top};
        } else {
            m_job.CurrentY += PagePx{m_lastRowH};
            if (m_job.control.SideBySide())
                m_job.CurrentY = {m_top - 8};
            m_job.control.bringToFront();
        }
    }

    void finish()
    {
        if (m_print) {
            JobWindows::SetPreviewUpEnabled(false);
            // The face is laid out again (its buttons may have changed).
            m_job.control.UserControl_Resize();
        }
        if (m_saved) {
            try {
                m_grid.setHeight(m_savedHeight);
                m_grid.setFirstRow(m_savedFirstRow);
                if (m_savedRow >= 0 && m_grid.ApproxCount() > 0) {
                    m_grid.setCol(m_savedCol);
                    m_grid.setRow(m_savedBookmark - m_grid.FirstRow());
                }
            } catch (const MemberError&) {
            }
            m_grid.setLeftCol(m_savedLeftCol);
            m_job.DrawScale = m_savedScale;
        }
        m_grid.setVisible(true);
        if (m_print) {
            JobWindows::RaiseProgress();
            m_job.yield();
        }
    }

    JobContext& m_job;
    SharedState& m_shared;
    DataGrid& m_grid;
    const bool m_print;
    const double m_tpp;
    const double m_ps;

    bool m_rtl = false;
    bool m_isDataGrid = false;
    int m_top = 0;
    int m_rowH = 0;

    // Fitting, fonts and colours of the drawing.
    int m_count = 0;
    bool m_split = false;
    int m_lastCol = 0;
    Zentrel::ToFit m_fit{};
    QFont m_gridFont;
    double m_refSize = 0;
    qint32 m_back = White;
    qint32 m_fore = Black;
    qint32 m_rowBack = White;
    qint32 m_rowFore = Black;

    // Where the rows have got to.
    int m_approx = 0;
    int m_firstCol = 0;
    int m_rowsDrawn = 0;
    int m_move = -1;
    bool m_headerPending = false;
    bool m_rowRepeat = false;
    int m_lastRowH = 0;
    // The record measured for the page-break look-ahead, and its height.
    std::optional<std::pair<int, int>> m_measured;

    bool m_saved = false;
    int m_savedHeight = 0;
    int m_savedRow = 0;
    int m_savedBookmark = 0;
    int m_savedCol = 0;
    int m_savedFirstRow = 0;
    int m_savedLeftCol = 0;
    double m_savedScale = 1.0;
};

void renderDataGrid(JobContext& job, bool print)
{
    auto* grid = qobject_cast<DataGrid*>(job.currentControl());
    if (!grid)
        return;
    DataGridPass(job, *grid, print).run();
}

} // namespace

void PreviewDataGrid(JobContext& job)
{
    renderDataGrid(job, false);
}

void PrintDataGrid(JobContext& job)
{
    renderDataGrid(job, true);
}

ZENTREL_RENDERERS(RenderKind::DataGrid, PreviewDataGrid, PrintDataGrid)
ZENTREL_PLACING(RenderKind::DataGrid, gridEntry, firstRowsStartNewPage)
