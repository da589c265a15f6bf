// List views as tables: one row per item (its text, then its sub-items),
// a grey header row of the column headers, column blocks or a shrunk table
// for a list wider than the page, and the header row again on each page.
#include <QWidget>
#include <algorithm>

#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "control/renderers/GridCommon.h"
#include "platform/controls/ListView.h"
#include "platform/gdi/DeviceContext.h"

using namespace platform;

using namespace GridCommon;

namespace {

class ListViewPass
{
public:
    ListViewPass(JobContext& job, ListView& list, bool print)
        : m_job(job), m_shared(job.shared), m_list(list), m_print(print),
          m_tpp(job.shared.PageTwipsPerPixel), m_ps(job.printerScale())
    {
    }

    void run()
    {
        m_savedScale = m_job.DrawScale;
        if (enter())
            draw();
        finish();
    }

private:
    double width(int j) const { return m_list.columnHeaderWidth(j); }

    // The list's font for a row.
    QFont rowFont() const
    {
        const QFont own = m_list.font();
        double size = own.pointSizeF();
        if (m_print)
            size *= 1.1;
        if (m_job.DrawScale != 1.0)
            size *= m_job.DrawScale;
        return sized(own, size);
    }

    // The list's top, where the composition placed it.
    bool enter()
    {
        m_listTop = m_job.CurrentY.value;
        return true;
    }

    int startX() const
    {
        const PrintItem& item = m_job.item();
        if (m_print) {
            const int adj = m_job.DrawScale < 1.0 ? nearest(15 * m_ps) : nearest(2 * m_ps);
            return nearest((item.Left / m_tpp + m_job.LeftMarginPx.value + adj) * m_job.DrawScale);
        }
        const int adj = m_job.DrawScale < 1.0 ? 2 : -3;
        return nearest((item.Left / m_tpp + m_job.LeftMarginPx.value + adj) * m_job.DrawScale);
    }

    int cellWidth(int j) const
    {
        return nearest(m_job.DrawScale * (width(j) + (m_print ? 75 : 45)) / m_tpp);
    }

    void draw()
    {
        const PrintItem& item = m_job.item();
        m_columns = m_list.columnHeaderCount();
        if (m_print) {
            m_job.printerDC().setTextColor(Black);
            m_job.printerDC().setBkColor(White);
        }
        const int x =
            m_print
                ? startX()
                : nearest(((item.Left + 45) / m_tpp + m_job.LeftMarginPx.value) * m_job.DrawScale);
        fitColumns(x);
        takeRowHeight();
        takeColours();
        if (!drawRows())
            return;
        m_drawn = m_itemCount > 0;
    }

    // Fitting: the zoom made smaller where the table is shrunk to the page,
    // or the last column of the first block where it is split.
    void fitColumns(int x)
    {
        const double pageW = m_shared.PageWidthPx.value;
        const double right = m_job.RightMarginPx.value;
        m_split = false;
        m_lastCol = m_columns;
        m_fit = m_job.control.GridToFit();
        if (m_fit == Zentrel::Shrink) {
            double sum = 0;
            for (int j = 1; j <= m_columns; ++j) {
                if (m_print)
                    sum = nearest(sum + m_job.DrawScale * (width(j) / m_tpp + right + 75 * m_ps));
                else
                    sum += m_job.DrawScale * (width(j) + 45) / m_tpp;
            }
            if (!m_print && x + sum + right + 50 > pageW)
                m_job.DrawScale = m_job.DrawScale * pageW / (x + sum + right + 60);
            else if (m_print && x + sum + right + 2 * m_ps > pageW)
                m_job.DrawScale = pageW / (x + sum + right + 75 * m_ps) * m_job.DrawScale;
        } else if (m_fit == Zentrel::Split || m_fit == Zentrel::SplitNewPage) {
            double sum = 0;
            for (int j = 1; j <= m_columns; ++j) {
                bool over = false;
                if (m_print) {
                    sum = nearest(sum + m_job.DrawScale * width(j) / m_tpp);
                    over = (right / m_tpp + x + sum - 6 * m_ps) * m_job.DrawScale > pageW;
                } else {
                    sum += m_job.DrawScale * (width(j) + 45) / m_tpp;
                    over = (x + sum + right) * m_job.DrawScale > pageW;
                }
                if (over) {
                    // A block holds at least its first column.
                    m_lastCol = std::max(j - 1, 1);
                    m_split = m_lastCol < m_columns;
                    break;
                }
            }
        }
    }

    // The row height: that of the printed rows, measured in the printed
    // font, on a preview page as on the printer.
    void takeRowHeight()
    {
        QFont font = m_list.font();
        font =
            sized(font, font.pointSizeF() * 1.1 * (m_job.DrawScale != 1.0 ? m_job.DrawScale : 1.0));
        m_job.printer().setFont(Printer::Font::of(font));
        m_rowH =
            nearest(m_job.printer().TextHeight(QStringLiteral("A")) * 1.2 / m_job.pixelTwipsY() +
                    7.2 * m_ps);
        m_rowH = std::max(m_rowH, 1);
    }

    void takeColours()
    {
        m_backColour = rgbOf(m_list.BackColor());
        m_foreColour = rgbOf(m_list.ForeColor());
        if (!m_print) {
            if (OffScreenDC* page = m_job.page()) {
                page->setBackColor(m_backColour);
                page->setTextColor(m_foreColour);
            }
        }
    }

    // The header and item rows, block by block of columns and page by
    // page; false when the job or the composition stops.
    bool drawRows()
    {
        const int n = m_list.itemCount();
        m_itemCount = n;
        m_firstCol = 1;
        m_header = !m_list.HideColumnHeaders();
        m_repeatFirst = false;
        m_frame = m_job.control.GridLinesOK() ? 1 : 0;

        int i = 1;
        while (i <= n) {
            if (m_print) {
                m_job.printerDC().setTextColor(Black);
                m_job.printerDC().setBkColor(White);
                JobWindows::RaiseProgress();
            } else if (OffScreenDC* page = m_job.page()) {
                page->setTextColor(m_foreColour);
            }
            if (m_job.yield())
                return false;
            m_shared.CurrentColor = 0;
            const bool headerRow = m_header;
            startRow(headerRow);
            // Each row below the one before as it was drawn.
            m_job.CurrentY += PagePx{drawRowCells(headerRow, i)};
            if (headerRow)
                m_header = false;

            if (!headerRow && i == n && m_split) {
                if (!startNextBlock())
                    return false;
                i = 1;
                continue;
            }
            if (!headerRow && i < n && !breakPageIfFull())
                return false;
            if (!headerRow)
                ++i;
        }
        return true;
    }

    // The colours and font of a row, and its left edge.
    void startRow(bool headerRow)
    {
        const QFont font = rowFont();
        if (m_print) {
            m_rowFill = headerRow ? HeaderGrey : White;
            m_shared.CellFillColor = m_rowFill;
            m_job.printerDC().setBkColor(m_rowFill);
            m_job.printer().setFont(Printer::Font::of(font));
        } else if (OffScreenDC* page = m_job.page()) {
            m_rowFill = headerRow ? HeaderGrey : rgbOf(m_list.BackColor());
            page->setBackColor(m_rowFill);
            if (headerRow)
                page->setTextColor(Black);
            page->setFont(font);
        }
        m_job.ItemLeftPx = {startX()};
    }

    // The cells of row `i` (or the header row) in the current block of
    // columns, the first column again before them where it repeats; the
    // row grows to hold its tallest cell whole. Returns its drawn height.
    int drawRowCells(bool headerRow, int i)
    {
        std::vector<TextCell> cells = rowCells(headerRow, i);
        int height = m_rowH;
        for (const TextCell& cell : cells)
            height = std::max(height, m_job.measureTextCell(cell).height);
        for (TextCell& cell : cells) {
            cell.height = height;
            m_job.drawRowCell(cell);
        }
        return height;
    }

    std::vector<TextCell> rowCells(bool headerRow, int i)
    {
        std::vector<TextCell> cells;
        std::vector<int> cols;
        if (m_repeatFirst && m_firstCol > 1)
            cols.push_back(1);
        for (int j = m_firstCol; j <= m_lastCol; ++j)
            cols.push_back(j);
        for (int j : cols) {
            QString text;
            if (headerRow)
                text = m_list.columnHeaderText(j);
            else if (j == 1)
                text = m_list.itemText(i);
            else
                text = m_list.subItem(i, j - 1);
            const int w = cellWidth(j);
            // The preview's cells stand five pixels right of their column.
            TextCell cell = TextCell::at(m_job.ItemLeftPx.value + (m_print ? 0 : 5),
                                         m_job.CurrentY.value, w, m_rowH, text);
            cell.align = m_list.columnHeaderAlignment(j);
            cell.frame = m_frame != 0;
            cell.insets = true;
            cell.fill = m_rowFill;
            cells.push_back(cell);
            m_job.ItemLeftPx = {m_job.ItemLeftPx.value + w};
        }
        return cells;
    }

    // The next block of columns, from the first item again; false when the
    // composition stops.
    bool startNextBlock()
    {
        const PrintItem& item = m_job.item();
        const double pageW = m_shared.PageWidthPx.value;
        const double right = m_job.RightMarginPx.value;
        m_firstCol = m_lastCol + 1;
        m_job.CurrentY += PagePx{2 * m_rowH};
        if (m_fit == Zentrel::SplitNewPage) {
            m_job.NewPage();
            if (m_job.StopComposing)
                return false;
        }
        double sum = 0;
        if (m_job.control.ColRepeatHeader()) {
            sum = m_print ? nearest(width(1) / m_tpp) : width(1) / m_tpp;
            m_repeatFirst = m_job.control.RowRepeatHeader();
        }
        const double bx =
            nearest((item.Left / m_tpp + m_job.LeftMarginPx.value + (m_print ? 4 * m_ps : 0)) *
                    m_job.DrawScale);
        const double margin = m_print ? 40 * m_ps : 40;
        m_lastCol = m_columns;
        m_split = false;
        for (int k = m_firstCol; k <= m_columns; ++k) {
            sum += m_print ? width(k) / m_tpp : m_job.DrawScale * (width(k) + 45) / m_tpp;
            if ((bx + sum + right + margin) * m_job.DrawScale > pageW) {
                m_lastCol = std::max(k - 1, m_firstCol);
                m_split = m_lastCol < m_columns;
                break;
            }
        }
        m_header = true;
        return true;
    }

    // A new page before the next item row where it would not fit, the
    // header row first on it; false when the composition stops.
    bool breakPageIfFull()
    {
        const int reserve =
            3 * m_rowH + m_job.PortraitFootPadPx.value - m_job.LandscapeFootTrimPx.value;
        if (m_job.CurrentY.value < m_job.footTop().value - reserve)
            return true;
        m_header = !m_list.HideColumnHeaders();
        m_job.NewPage();
        m_frame = m_job.control.GridLinesOK() ? 1 : 0;
        if (m_job.StopComposing)
            return false;
        if (m_print) {
            m_job.printerDC().setTextColor(Black);
        } else if (OffScreenDC* page = m_job.page()) {
            page->setBackColor(m_backColour);
        }
        return true;
    }

    void finish()
    {
        if (m_print) {
            if (m_drawn || m_shared.PrintAborted)
                m_job.CurrentY += PagePx{m_rowH};
            if (m_job.control.SideBySide())
                m_job.CurrentY = {m_listTop};
            JobWindows::SetPreviewUpEnabled(false);
            m_job.DrawScale = m_savedScale;
            JobWindows::RaiseProgress();
            m_job.yield();
            return;
        }
        // Stopped by the end of the page range, the composition ends here.
        if (!m_job.StopComposing)
            m_job.control.bringToFront(true);
        if (m_job.control.SideBySide() && m_listTop >= 0)
            m_job.CurrentY = {m_listTop};
        m_job.DrawScale = m_savedScale;
    }

    JobContext& m_job;
    SharedState& m_shared;
    ListView& m_list;
    const bool m_print;
    const double m_tpp;
    const double m_ps;

    int m_listTop = -1;
    int m_rowH = 0;
    bool m_drawn = false;
    double m_savedScale = 1.0;

    // Fitting and colours of the drawing.
    int m_columns = 0;
    int m_itemCount = 0;
    Zentrel::ToFit m_fit{};
    bool m_split = false;
    int m_lastCol = 0;
    qint32 m_backColour = White;
    qint32 m_foreColour = Black;

    // Where the rows have got to.
    int m_firstCol = 1;
    bool m_header = false;
    bool m_repeatFirst = false;
    int m_frame = 0;
    qint32 m_rowFill = White;
};

void renderListView(JobContext& job, bool print)
{
    auto* list = qobject_cast<ListView*>(job.currentControl());
    if (!list)
        return;
    ListViewPass(job, *list, print).run();
}

} // namespace

void PreviewListView(JobContext& job)
{
    renderListView(job, false);
}

void PrintListView(JobContext& job)
{
    renderListView(job, true);
}

ZENTREL_RENDERERS(RenderKind::ListView, PreviewListView, PrintListView)
ZENTREL_PLACING(RenderKind::ListView, gridEntry, firstRowsStartNewPage)
