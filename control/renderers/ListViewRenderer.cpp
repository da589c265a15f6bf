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
          m_tpp(job.shared.PageTwipsPerPixel), m_ps(job.shared.PrinterScale)
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

    // The gap and the entry page test; false when the composition stops.
    bool enter()
    {
        const PrintItem& item = m_job.item();
        const auto gap = [&] {
            const int old = m_job.CurrentY.value;
            m_job.CurrentY = {std::max(old, nearest(item.TopGap / m_tpp * m_job.DrawScale + old))};
            m_listTop = m_job.CurrentY.value;
        };
        if (m_print)
            gap();
        const int th = letterHeight(m_job);
        if (m_job.CurrentY.value + (m_print ? 4 : 2) * th + m_job.TopMarginPx.value +
                    m_job.FootMarginPx.value >
                m_shared.PageHeightPx.value ||
            newPageTagged(m_job, &m_list)) {
            m_job.NewPage();
            if (m_job.StopComposing)
                return false;
        }
        if (!m_print)
            gap();
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
        const int columns = m_list.columnHeaderCount();
        const double pageW = m_shared.PageWidthPx.value;
        const double right = m_job.RightMarginPx.value;

        if (m_print) {
            m_job.printerDC().setTextColor(Black);
            m_job.printerDC().setBkColor(White);
        }
        int x =
            m_print
                ? startX()
                : nearest(((item.Left + 45) / m_tpp + m_job.LeftMarginPx.value) * m_job.DrawScale);

        // Fitting.
        bool split = false;
        int lastCol = columns;
        const Zentrel::ToFit fit = m_job.control.GridToFit();
        if (fit == Zentrel::Shrink) {
            double sum = 0;
            for (int j = 1; j <= columns; ++j) {
                if (m_print)
                    sum = nearest(sum + m_job.DrawScale * (width(j) / m_tpp + right + 75 * m_ps));
                else
                    sum += m_job.DrawScale * (width(j) + 45) / m_tpp;
            }
            if (!m_print && x + sum + right + 50 > pageW)
                m_job.DrawScale = m_job.DrawScale * pageW / (x + sum + right + 60);
            else if (m_print && x + sum + right + 2 * m_ps > pageW)
                m_job.DrawScale = pageW / (x + sum + right + 75 * m_ps) * m_job.DrawScale;
        } else if (fit == Zentrel::Split || fit == Zentrel::SplitNewPage) {
            double sum = 0;
            for (int j = 1; j <= columns; ++j) {
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
                    lastCol = std::max(j - 1, 1);
                    split = lastCol < columns;
                    break;
                }
            }
        }

        // The row font and height.
        QFont font = rowFont();
        if (m_print) {
            m_job.printer().setFont(printerFontOf(font));
            m_rowH = nearest(m_job.printer().TextHeight(QStringLiteral("A")) * 1.2 /
                                 m_shared.PixelTwipsY +
                             7.2 * m_ps);
        } else {
            m_rowH = nearest(font.pointSizeF() * 2.121);
        }
        m_rowH = std::max(m_rowH, 1);

        const qint32 backColour = rgbOf(m_list.BackColor());
        const qint32 foreColour = rgbOf(m_list.ForeColor());
        if (!m_print) {
            if (OffScreenDC* page = m_job.page()) {
                page->setBackColor(backColour);
                page->setTextColor(foreColour);
            }
        }

        const int n = m_list.itemCount();
        int firstCol = 1;
        bool header = !m_list.HideColumnHeaders();
        bool repeatFirst = false;
        int frame = m_job.control.GridLinesOK() ? 1 : 0;

        int i = 1;
        while (i <= n) {
            if (m_print) {
                m_job.printerDC().setTextColor(Black);
                m_job.printerDC().setBkColor(White);
                JobWindows::RaiseProgress();
            } else if (OffScreenDC* page = m_job.page()) {
                page->setTextColor(foreColour);
            }
            if (m_job.yield())
                return;
            m_shared.CurrentColor = 0;
            const bool headerRow = header;

            font = rowFont();
            if (m_print) {
                m_shared.CellFillColor = headerRow ? HeaderGrey : White;
                m_job.printerDC().setBkColor(m_shared.CellFillColor);
                m_job.printer().setFont(printerFontOf(font));
            } else if (OffScreenDC* page = m_job.page()) {
                page->setBackColor(headerRow ? HeaderGrey : rgbOf(m_list.BackColor()));
                if (headerRow)
                    page->setTextColor(Black);
                page->setFont(font);
            }
            m_job.ItemLeftPx = {startX()};

            std::vector<int> cols;
            if (repeatFirst && firstCol > 1)
                cols.push_back(1);
            for (int j = firstCol; j <= lastCol; ++j)
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
                const int align = m_list.columnHeaderAlignment(j);
                if (m_print) {
                    m_job.DrawTextCell(m_job.ItemLeftPx.value, m_job.CurrentY.value, w, m_rowH,
                                       text, align, qint16(frame), 0, 0, 0, 5);
                } else if (OffScreenDC* page = m_job.page()) {
                    page->FillRect(m_job.ItemLeftPx.value + 5, m_job.CurrentY.value, w, m_rowH,
                                   text, align, frame, false, true, 0, false, 5);
                }
                m_job.ItemLeftPx = {m_job.ItemLeftPx.value + w};
            }

            if (headerRow) {
                header = false;
                if (!m_print)
                    m_job.CurrentY += PagePx{1};
            }
            m_job.CurrentY += PagePx{m_rowH};

            if (!headerRow && i == n && split) {
                // The next block of columns, from the first item again.
                firstCol = lastCol + 1;
                m_job.CurrentY += PagePx{2 * m_rowH};
                if (fit == Zentrel::SplitNewPage) {
                    m_job.NewPage();
                    if (m_job.StopComposing)
                        return;
                }
                double sum = 0;
                if (m_job.control.ColRepeatHeader()) {
                    sum = m_print ? nearest(width(1) / m_tpp) : width(1) / m_tpp;
                    repeatFirst = m_job.control.RowRepeatHeader();
                }
                const double bx = nearest(
                    (item.Left / m_tpp + m_job.LeftMarginPx.value + (m_print ? 4 * m_ps : 0)) *
                    m_job.DrawScale);
                const double margin = m_print ? 40 * m_ps : 40;
                lastCol = columns;
                split = false;
                for (int k = firstCol; k <= columns; ++k) {
                    sum += m_print ? width(k) / m_tpp : m_job.DrawScale * (width(k) + 45) / m_tpp;
                    if ((bx + sum + right + margin) * m_job.DrawScale > pageW) {
                        lastCol = std::max(k - 1, firstCol);
                        split = lastCol < columns;
                        break;
                    }
                }
                header = true;
                i = 1;
                continue;
            }

            // A new page before the next row; never right after a header
            // row, so that each page carries at least one item.
            const int reserve = m_print ? 3 * m_rowH + m_job.FootMarginPx.value +
                                              m_job.PortraitFootPadPx.value -
                                              m_job.LandscapeFootTrimPx.value
                                        : m_job.FootMarginPx.value + m_rowH + 20;
            if (!headerRow && i < n &&
                m_job.CurrentY.value >= m_shared.PageHeightPx.value - reserve) {
                header = !m_list.HideColumnHeaders();
                m_job.NewPage();
                frame = m_job.control.GridLinesOK() ? 1 : 0;
                if (m_job.StopComposing)
                    return;
                if (m_print) {
                    m_job.printerDC().setTextColor(Black);
                } else if (OffScreenDC* page = m_job.page()) {
                    page->setBackColor(backColour);
                }
            }
            if (!headerRow)
                ++i;
        }
        m_drawn = n > 0;
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
