#include "control/core/RecordDrawing.h"

#include "control/core/RecordFiber.h"

#include <QPointer>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "control/core/JobContext.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/core/Zentrel.h"
#include "platform/controls/ControlMembers.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/SystemColours.h"
#include "platform/printing/Printer.h"

using namespace platform;

namespace {

const QString NewPageTag = QStringLiteral("newpage");

// What a renderer leaves set on the job and its target: kept while the
// records beside a record are drawn in the middle of it, and put back.
class RendererState
{
public:
    explicit RendererState(JobContext& job)
        : m_job(job), m_item(job.CurrentItem), m_control(job.shared.CurrentControl),
          m_currentY(job.CurrentY), m_itemLeft(job.ItemLeftPx), m_drawScale(job.DrawScale),
          m_cellFill(job.shared.CellFillColor), m_currentColor(job.shared.CurrentColor),
          m_surfaceFont(job.control.SurfaceFont)
    {
        if (job.printing()) {
            m_printerFont = job.printer().font();
            DeviceContext& dc = job.printerDC();
            m_text = dc.textColor();
            m_back = dc.bkColor();
            m_mode = dc.bkMode();
        } else if (const OffScreenDC* page = job.page()) {
            m_pageFont = page->Font();
            m_text = page->TextColor();
            m_back = page->BackColor();
        }
    }
    void restore() const
    {
        m_job.CurrentItem = m_item;
        m_job.shared.CurrentControl = m_control;
        m_job.setRenderingControl(m_control.data());
        m_job.CurrentY = m_currentY;
        m_job.ItemLeftPx = m_itemLeft;
        m_job.DrawScale = m_drawScale;
        m_job.shared.CellFillColor = m_cellFill;
        m_job.shared.CurrentColor = m_currentColor;
        m_job.control.SurfaceFont = m_surfaceFont;
        if (m_job.printing()) {
            m_job.printer().setFont(m_printerFont);
            DeviceContext& dc = m_job.printerDC();
            dc.setTextColor(m_text);
            dc.setBkColor(m_back);
            dc.setBkMode(m_mode);
        } else if (OffScreenDC* page = m_job.page()) {
            page->setFont(m_pageFont);
            page->setTextColor(m_text);
            page->setBackColor(m_back);
        }
    }

private:
    JobContext& m_job;
    qint16 m_item;
    QPointer<QWidget> m_control;
    PagePx m_currentY;
    PagePx m_itemLeft;
    double m_drawScale;
    qint32 m_cellFill;
    qint32 m_currentColor;
    std::optional<QFont> m_surfaceFont;
    Printer::Font m_printerFont;
    std::optional<QFont> m_pageFont;
    qint32 m_text = 0;
    qint32 m_back = 0;
    int m_mode = 0;
};

// The record a kind's test looks at, and CurrentY, made current for one
// test and put back after it.
class TestedRecord
{
public:
    TestedRecord(JobContext& job, size_t j, PagePx top)
        : m_job(job), m_item(job.CurrentItem), m_control(job.shared.CurrentControl),
          m_currentY(job.CurrentY)
    {
        job.CurrentItem = qint16(j);
        job.shared.CurrentControl = job.PrintItems[j].Control.data();
        job.CurrentY = top;
    }
    ~TestedRecord()
    {
        m_job.CurrentItem = m_item;
        m_job.shared.CurrentControl = m_control;
        m_job.CurrentY = m_currentY;
    }
    TestedRecord(const TestedRecord&) = delete;
    TestedRecord& operator=(const TestedRecord&) = delete;

private:
    JobContext& m_job;
    qint16 m_item;
    QPointer<QWidget> m_control;
    PagePx m_currentY;
};

// A control's back colour, when it is a system colour, replaced by the
// colour's value; the colour it had, or nothing when none was replaced.
QVariant swapSystemBackColor(QWidget* control)
{
    const QVariant back = JobContext::memberOr(control, "BackColor");
    if (!back.isValid() || back.toInt() >= 0)
        return {};
    try {
        JobContext::setMember(control, "BackColor",
                              SystemColours::GetSysColor(Zentrel::SysColorIndex(back.toInt())));
    } catch (const MemberError&) {
        return {};
    }
    return back;
}

} // namespace

// A record drawn beside another that goes on over pages, waiting at its
// own page break for the other's, with what it had set.
struct RecordDrawing::WaitingRecord
{
    size_t record;
    std::unique_ptr<RecordFiber> fiber;
    std::optional<RendererState> state;
};

RecordDrawing::RecordDrawing(JobContext& job, std::function<void()> afterRecord)
    : m_job(job), m_afterRecord(std::move(afterRecord)), m_printing(job.printing())
{
}

RecordDrawing::~RecordDrawing() = default;

void RecordDrawing::run()
{
    std::vector<RecordPlaces::Flow> flows;
    for (const PrintItem& record : m_job.PrintItems) {
        if (RendererTable::gridLike(record.TypeName, m_job.control.SideBySide()))
            flows.push_back(RecordPlaces::Flow::Grid);
        else if (record.TypeName == QLatin1String("FileListBox"))
            flows.push_back(RecordPlaces::Flow::Spread);
        else
            flows.push_back(RecordPlaces::Flow::Plain);
    }
    m_job.Places.reset(m_job.PrintItems, std::move(flows));
    for (size_t j = 0; j < m_job.PrintItems.size(); ++j) {
        if (m_job.shared.PrintAborted) {
            m_job.EndPrintJob();
            return;
        }
        if (m_job.StopComposing)
            return;
        if (!drawRecord(j)) {
            m_job.EndPrintJob();
            return;
        }
        m_afterRecord();
    }
}

// One record: placed, a page break taken where its row needs one, drawn,
// and its printed extent kept. False when the job is to stop at once.
bool RecordDrawing::drawRecord(size_t j)
{
    if (m_job.Places.extent(j).drawn)
        return true;
    const PrintItem& record = m_job.PrintItems[j];
    const RendererRow* row = RendererTable::matchType(record.TypeName);
    m_job.CurrentItem = qint16(j);
    m_job.shared.CurrentControl = record.Control.data();
    if (!row) {
        // Drawn by nobody: it takes no room, and counts where it stands.
        m_job.Places.begin(j, m_job.pageIndex(), m_job.CurrentY);
        finishRecord(j);
        return true;
    }
    if (row->abortTest == AbortTest::Before && m_job.shared.PrintAborted)
        return false;
    if (!placeRecord(j, *row))
        return true;
    // The hooks end with the record, however it ends.
    struct Hooks
    {
        JobContext& job;
        ~Hooks()
        {
            job.BeforeContinuing = nullptr;
            job.AfterNewPage = nullptr;
        }
    } hooks{m_job};
    m_job.BeforeContinuing = [this, j] { drawBesideBeforeContinuing(j); };
    m_job.AfterNewPage = [this] { resumeWaiting(); };
    const bool goOn = callRenderer(*row, j);
    m_job.BeforeContinuing = nullptr;
    finishRecord(j);
    // The records beside it that go on further: a page each, to their end.
    while (!m_waiting.empty() && !m_job.StopComposing && !m_job.shared.PrintAborted)
        m_job.NewPage();
    m_job.AfterNewPage = nullptr;
    m_waiting.clear();
    return goOn;
}

// CurrentY := the record's top: from the records it stands beside or below
// on this page, or at the top of a new page where its row starts one.
// False when composing stops.
bool RecordDrawing::placeRecord(size_t j, const RendererRow& row)
{
    const int page = m_job.pageIndex();
    const bool lead = m_job.Places.leadOf(j) == j;
    PagePx top = m_job.Places.place(j, page, flowOf(j, &row, false), m_job.scale());
    if (lead)
        top = rowClearOfHeader(j, m_job.Places.placeRow(j, top, page, m_job.scale()));
    top = std::max(top, m_job.TopMarginPx);
    // A record of a row that has begun on this page stays with it: what
    // can go on over pages does so from here.
    bool newPage = false;
    if (m_job.PrintItems[j].Control)
        newPage = lead ? rowStartsNewPage(j, top) : memberStartsNewPage(j, top, row);
    if (newPage) {
        m_job.NewPage();
        if (m_job.StopComposing)
            return false;
        m_job.CurrentItem = qint16(j);
        m_job.shared.CurrentControl = m_job.PrintItems[j].Control.data();
        top = std::max(flowOf(j, &row, true), m_job.TopMarginPx);
        if (lead)
            top = rowClearOfHeader(j, top);
    }
    m_job.CurrentY = top;
    m_job.Places.begin(j, m_job.pageIndex(), top);
    return true;
}

// The lead's top, lowered so that each record of its row keeps to its
// kind's least top (a frame's caption clear of the title) and the row
// stays level.
PagePx RecordDrawing::rowClearOfHeader(size_t lead, PagePx leadTop)
{
    std::vector<size_t> row{lead};
    for (const size_t k : m_job.Places.membersOf(lead)) {
        if (!m_job.Places.extent(k).begun)
            row.push_back(k);
    }
    PagePx top = leadTop;
    for (const size_t k : row) {
        const PrintItem& record = m_job.PrintItems[k];
        const RendererRow* kind = RendererTable::matchType(record.TypeName);
        if (!kind || !kind->leastTop || !record.Control)
            continue;
        const TestedRecord tested(m_job, k, m_job.CurrentY);
        const Twips below{double(record.Top - m_job.PrintItems[lead].Top)};
        top = std::max(top, kind->leastTop(m_job) - m_job.scale().toPixels(below));
    }
    return top;
}

// Whether the row that record `lead` starts, the lead at `leadTop`, is to
// start the next page: one of its records asks for that by its "newpage"
// tag, or does not fit here and fits a fresh page.
bool RecordDrawing::rowStartsNewPage(size_t lead, PagePx leadTop)
{
    const auto tagged = [&](size_t k) {
        return k > 0 &&
               JobContext::memberOr(m_job.PrintItems[k].Control.data(), "Tag").toString() ==
                   NewPageTag;
    };
    if (tagged(lead) || startsNewPage(lead, leadTop))
        return true;
    const int page = m_job.pageIndex();
    for (const size_t k : m_job.Places.membersOf(lead)) {
        if (m_job.Places.extent(k).drawn || !m_job.PrintItems[k].Control)
            continue;
        if (tagged(k) ||
            startsNewPage(k, m_job.Places.placeBesideLead(k, leadTop, page, m_job.scale())))
            return true;
    }
    return false;
}

// The page test of a record of a row begun on this page: what can go on
// over pages does so from here, where its first line fits.
bool RecordDrawing::memberStartsNewPage(size_t j, PagePx top, const RendererRow& row)
{
    if (!canGoOnOverPages(row))
        return startsNewPage(j, top);
    const Twips firstLine{double(m_job.PrintItems[j].FirstLine)};
    return m_job.needsNewPage(top, m_job.scale().toPixels(firstLine).value);
}

// The page test of record j's kind, with its top at `top`; nothing drawn.
bool RecordDrawing::startsNewPage(size_t j, PagePx top)
{
    const RendererRow* row = RendererTable::matchType(m_job.PrintItems[j].TypeName);
    if (!row || !row->startsNewPage || !m_job.PrintItems[j].Control)
        return false;
    const TestedRecord tested(m_job, j, top);
    try {
        return row->startsNewPage(m_job);
    } catch (const MemberError&) {
        // Its renderer meets what cannot be read.
        return false;
    }
}

PagePx RecordDrawing::flowOf(size_t j, const RendererRow* row, bool afterBreak)
{
    m_job.CurrentItem = qint16(j);
    if (row && row->entry && m_job.PrintItems[j].Control)
        return row->entry(m_job, afterBreak);
    return m_job.flowTop(afterBreak);
}

void RecordDrawing::finishRecord(size_t j)
{
    m_job.Places.end(j, m_job.pageIndex(), m_job.CurrentY, m_job.scale());
}

bool RecordDrawing::canGoOnOverPages(const RendererRow& row)
{
    switch (row.kind) {
    case RenderKind::Text:
    case RenderKind::FileList:
    case RenderKind::ListView:
    case RenderKind::ListBox:
    case RenderKind::FlexGrid:
    case RenderKind::DataGrid:
    case RenderKind::RichText:
        return true;
    default:
        return false;
    }
}

// The records after j that stand beside it or in its row (a frame's
// children beside it among them), in order.
std::vector<size_t> RecordDrawing::besideOf(size_t j) const
{
    const std::vector<PrintItem>& items = m_job.PrintItems;
    const std::vector<size_t>& row = m_job.Places.membersOf(m_job.Places.leadOf(j));
    std::vector<size_t> beside;
    for (size_t k = j + 1; k < items.size(); ++k) {
        if (std::find(row.begin(), row.end(), k) != row.end() ||
            RecordPlaces::relate(items[j], items[k]) == RecordPlaces::Relation::Beside)
            beside.push_back(k);
    }
    return beside;
}

bool RecordDrawing::belowWaiting(size_t k, const std::vector<size_t>& drawnNow) const
{
    const std::vector<PrintItem>& items = m_job.PrintItems;
    for (size_t i = 0; i < k; ++i) {
        if (!m_job.Places.extent(i).drawn &&
            std::find(drawnNow.begin(), drawnNow.end(), i) == drawnNow.end() &&
            RecordPlaces::relate(items[i], items[k]) == RecordPlaces::Relation::Below &&
            m_job.Places.sharesFrame(i, k))
            return true;
    }
    return false;
}

bool RecordDrawing::rowWaits(size_t k, const std::vector<size_t>& drawnNow) const
{
    // Records level with it print level: none goes ahead of what another
    // waits for.
    const std::vector<PrintItem>& items = m_job.PrintItems;
    const auto waits = [&](size_t m) {
        return !m_job.Places.extent(m).begun &&
               std::abs(items[m].Top - items[k].Top) < items[k].FirstLine &&
               belowWaiting(m, drawnNow);
    };
    const size_t lead = m_job.Places.leadOf(k);
    const std::vector<size_t>& members = m_job.Places.membersOf(lead);
    return waits(lead) || std::any_of(members.begin(), members.end(), waits);
}

void RecordDrawing::drawBesideBeforeContinuing(size_t j)
{
    const int page = m_job.pageIndex();
    // Those still to be drawn, taken as drawn now until one of them turns
    // out to wait: what stands below it waits too.
    std::vector<size_t> candidates;
    for (const size_t k : besideOf(j)) {
        if (!m_job.Places.extent(k).drawn && m_job.PrintItems[k].Control)
            candidates.push_back(k);
    }
    std::vector<size_t> drawnNow = candidates;
    for (const size_t k : candidates) {
        // What stands below j waits for j's end; a record level with it,
        // but beside j, does not: what stands beside j prints on j's first
        // page.
        std::vector<size_t> settled = drawnNow;
        settled.push_back(j);
        const bool drawnHere = m_job.Places.levelOn(k, page) && !belowWaiting(k, drawnNow) &&
                               !rowWaits(k, settled) && drawBeside(k, page);
        if (!drawnHere)
            std::erase(drawnNow, k);
        if (m_job.StopComposing || m_job.shared.PrintAborted)
            return;
    }
}

// Record k from its place beside the record being drawn, on `page`, on a
// stack of its own; false where it is not drawn here, or waits at a page
// break of its own to go on with the other.
bool RecordDrawing::drawBeside(size_t k, int page)
{
    const RendererRow* row = RendererTable::matchType(m_job.PrintItems[k].TypeName);
    if (!row)
        return false;
    const RendererState kept(m_job);
    m_job.CurrentItem = qint16(k);
    m_job.shared.CurrentControl = m_job.PrintItems[k].Control.data();
    const PagePx top =
        std::max(m_job.Places.place(k, page, m_job.CurrentY, m_job.scale()), m_job.TopMarginPx);
    if (memberStartsNewPage(k, top, *row)) {
        kept.restore();
        return false;
    }
    m_job.CurrentY = top;
    m_job.Places.begin(k, page, top);
    auto waiting = std::make_unique<WaitingRecord>();
    waiting->record = k;
    waiting->fiber = std::make_unique<RecordFiber>([this, row, k] {
        callRenderer(*row, k);
        finishRecord(k);
        m_afterRecord();
    });
    waiting->fiber->resume();
    const bool finished = waiting->fiber->finished();
    if (!finished) {
        waiting->state.emplace(m_job);
        m_waiting.push_back(std::move(waiting));
    }
    kept.restore();
    return finished;
}

// After a page break of the record they stand beside: each record waiting
// at its own break prints its next page level with that record's, from
// the page's top.
void RecordDrawing::resumeWaiting()
{
    if (m_waiting.empty())
        return;
    const RendererState kept(m_job);
    const PagePx pageTop = m_job.CurrentY;
    for (const std::unique_ptr<WaitingRecord>& waiting : m_waiting) {
        waiting->state->restore();
        m_job.CurrentY = pageTop;
        waiting->fiber->resume();
        if (!waiting->fiber->finished())
            waiting->state.emplace(m_job);
    }
    std::erase_if(m_waiting, [](const std::unique_ptr<WaitingRecord>& waiting) {
        return waiting->fiber->finished();
    });
    kept.restore();
}

bool RecordDrawing::callRenderer(const RendererRow& row, size_t j)
{
    const QPointer<QWidget> control = m_job.PrintItems[j].Control;
    const Renderer renderer = m_printing ? row.print : row.preview;
    if (!control) {
        meetDeletedControl(row);
    } else if (renderer) {
        // A rich-text box on a system colour is drawn on the colour's value
        // and gets its own value back afterwards.
        QVariant swappedBack;
        if (row.kind == RenderKind::RichText)
            swappedBack = swapSystemBackColor(control);
        m_job.setRenderingControl(control.data());
        try {
            renderer(m_job);
        } catch (const MemberError& error) {
            // A renderer that does not handle its own errors: the job ends
            // through the normal steps, with the report.
            m_job.setRenderingControl(nullptr);
            m_job.ReportPrintError(error);
        } catch (const ControlGone&) {
            // Deleted by the host while its renderer yielded or raised Page.
            m_job.setRenderingControl(nullptr);
            if (reportsFailedRead(row))
                m_job.ReportPrintError(MemberError::NoObject);
        } catch (...) {
            m_job.setRenderingControl(nullptr);
            throw;
        }
        m_job.setRenderingControl(nullptr);
        if (swappedBack.isValid() && control) {
            try {
                JobContext::setMember(control, "BackColor", swappedBack);
            } catch (const MemberError&) {
            }
        }
    }
    return !(row.abortTest == AbortTest::After && m_job.shared.PrintAborted);
}

// A control the host deleted since it was collected fails its first read:
// its kind reports that as its renderer reports any failed read, or leaves
// the control out (what follows keeps its distance).
void RecordDrawing::meetDeletedControl(const RendererRow& row)
{
    if (reportsFailedRead(row))
        m_job.ReportPrintError(MemberError::NoObject);
}

bool RecordDrawing::reportsFailedRead(const RendererRow& row) const
{
    return row.failedRead == FailedRead::Report ||
           (row.failedRead == FailedRead::ReportWhenPrinting && m_printing);
}
