#include "control/core/RecordPlaces.h"

#include <algorithm>
#include <cstdlib>

namespace {

Twips twips(qint32 value)
{
    return Twips{double(value)};
}

qint32 boxBottom(const PrintItem& item)
{
    return item.Top + item.BoxHeight;
}

// A record's box as `other` sees it: a scroll area's content is its area's
// view to what stands outside it.
struct Box
{
    qint32 top;
    qint32 bottom;
    qint32 across;
    qint32 acrossEnd;
};

Box relationBox(const PrintItem& item, const PrintItem& other)
{
    if (item.Area && item.Area != other.Area)
        return {item.AreaTop, item.AreaBottom, item.AreaAcross, item.AreaAcrossEnd};
    return {item.Top, boxBottom(item), item.Across, item.AcrossEnd};
}

} // namespace

RecordPlaces::Relation RecordPlaces::relate(const PrintItem& above, const PrintItem& record)
{
    const Box a = relationBox(above, record);
    const Box r = relationBox(record, above);
    if (r.top >= a.bottom)
        return Relation::Below;
    // In its columns, below its first line, or overlapping its box by no
    // more than hand-laid boxes do (a box lower than its first line).
    constexpr qint32 Overlap = 15;
    const bool sameColumns = a.across < r.acrossEnd && r.across < a.acrossEnd;
    if (sameColumns && (r.top - a.top >= above.FirstLine || r.top >= a.bottom - Overlap))
        return Relation::Below;
    return Relation::Beside;
}

void RecordPlaces::reset(const std::vector<PrintItem>& items, std::vector<Flow> flows)
{
    m_items = &items;
    m_flows = std::move(flows);
    m_flows.resize(items.size(), Flow::Plain);
    m_extents.assign(items.size(), PrintedExtent());
    m_marked.assign(items.size(), false);
    m_lead.assign(items.size(), 0);
    m_members.assign(items.size(), {});
    m_holder.assign(items.size(), -1);
    for (size_t j = 0; j < items.size(); ++j)
        m_holder[j] = frameHolding(j);
    // Each record joins the earliest open row whose lead it stands beside;
    // a row closes once the records pass its lead's box. A frame's children
    // join the frame's row.
    std::vector<size_t> open;
    for (size_t j = 0; j < items.size(); ++j) {
        std::erase_if(open, [&](size_t lead) { return items[j].Top >= boxBottom(items[lead]); });
        if (const long frame = m_holder[j]; frame >= 0) {
            m_lead[j] = m_lead[size_t(frame)];
            m_members[m_lead[j]].push_back(j);
            continue;
        }
        // A row is of records level with its lead: one beside the lead but
        // lower than its first line is placed from it, not with it.
        const auto row = std::find_if(open.begin(), open.end(), [&](size_t lead) {
            return relate(items[lead], items[j]) == Relation::Beside && levelsWith(lead, j) &&
                   items[j].Top - items[lead].Top < std::max(items[lead].FirstLine, 45);
        });
        if (row != open.end()) {
            m_lead[j] = *row;
            m_members[*row].push_back(j);
        } else {
            m_lead[j] = j;
            open.push_back(j);
        }
    }
}

long RecordPlaces::frameHolding(size_t j) const
{
    const std::vector<PrintItem>& items = *m_items;
    const PrintItem& record = items[j];
    for (size_t i = j; i-- > 0;) {
        const PrintItem& frame = items[i];
        if (frame.TypeName == QLatin1String("Frame") && record.Top < boxBottom(frame) &&
            record.Across >= frame.Across && record.Across < frame.AcrossEnd)
            return long(i);
    }
    return -1;
}

bool RecordPlaces::sharesFrame(size_t i, size_t j) const
{
    // A record held by a frame is placed from the frame and what the frame
    // holds; what stands outside moves the frame, and the frame its
    // children.
    const long frame = m_holder[j];
    if (frame < 0)
        return true;
    for (long up = m_holder[i]; up >= 0; up = m_holder[size_t(up)]) {
        if (up == frame)
            return true;
    }
    return false;
}

bool RecordPlaces::levelsWith(size_t i, size_t j) const
{
    return m_flows[i] == Flow::Plain || (m_flows[i] == Flow::Grid && m_flows[j] != Flow::Grid);
}

long RecordPlaces::latestBeside(size_t j) const
{
    const std::vector<PrintItem>& items = *m_items;
    for (size_t i = j; i-- > 0;) {
        if (m_extents[i].begun && relate(items[i], items[j]) == Relation::Beside &&
            levelsWith(i, j) && sharesFrame(i, j))
            return long(i);
    }
    // The frame that holds it.
    const long frame = m_holder[j];
    return frame >= 0 && m_extents[size_t(frame)].begun ? frame : -1;
}

long RecordPlaces::latestGridAbove(size_t j, int page) const
{
    const std::vector<PrintItem>& items = *m_items;
    for (size_t i = j; i-- > 0;) {
        const PrintedExtent& e = m_extents[i];
        if (e.drawn && e.gridLike && e.lastPage == page &&
            relate(items[i], items[j]) == Relation::Below && sharesFrame(i, j))
            return long(i);
    }
    return -1;
}

bool RecordPlaces::standsByGrid(size_t i, size_t grid) const
{
    // Beside it, whichever was made first; not below it.
    const std::vector<PrintItem>& items = *m_items;
    return i > grid ? relate(items[grid], items[i]) == Relation::Beside
                    : relate(items[i], items[grid]) == Relation::Beside;
}

bool RecordPlaces::followsBelowGrid(size_t j, size_t grid) const
{
    // The record before it was placed below the grid: the gap from it holds.
    return j > grid + 1 && relate((*m_items)[grid], (*m_items)[j - 1]) == Relation::Below;
}

bool RecordPlaces::levelOn(size_t j, int page) const
{
    const long anchor = latestBeside(j);
    return anchor >= 0 && m_extents[size_t(anchor)].firstPage == page;
}

PagePx RecordPlaces::lowestBound(size_t j, int page, const PageScale& scale, long grid,
                                 PagePx top) const
{
    const std::vector<PrintItem>& items = *m_items;
    const PrintItem& record = items[j];
    for (size_t i = 0; i < j; ++i) {
        const PrintedExtent& e = m_extents[i];
        if (!e.drawn || e.lastPage != page || relate(items[i], record) != Relation::Below ||
            !sharesFrame(i, j))
            continue;
        if (e.gridLike) {
            top = std::max(top, e.lastBottom);
        } else if (grid >= 0 && standsByGrid(i, size_t(grid))) {
            // Below a grid, the records that stand by it hold the next one
            // no higher than where they end.
            top = std::max(top, e.lastBottom);
        } else if (e.grown) {
            top = std::max(
                top, scale.advance(e.lastBottom, twips(record.Top) - twips(boxBottom(items[i]))));
        }
    }
    return top;
}

PagePx RecordPlaces::place(size_t j, int page, PagePx flow, const PageScale& scale) const
{
    const std::vector<PrintItem>& items = *m_items;
    const PrintItem& record = items[j];
    const long grid = latestGridAbove(j, page);
    const long anchor = latestBeside(j);
    PagePx top = flow;
    if (anchor >= 0) {
        const PrintedExtent& a = m_extents[size_t(anchor)];
        if (a.firstPage == page) {
            // Level with it; the gaps' own rounding stands where it agrees.
            const PagePx level =
                scale.advance(a.firstTop, twips(record.Top) - twips(items[size_t(anchor)].Top));
            if (std::abs(level.value - flow.value) > 1)
                top = level;
        } else if (a.drawn && a.lastPage == page) {
            // It began on an earlier page: the record follows its end.
            top = std::max(flow, a.lastBottom);
        }
    } else if (grid >= 0 && !followsBelowGrid(j, size_t(grid))) {
        // Right below the grid: where its printing ends.
        top = m_extents[size_t(grid)].lastBottom;
    }
    return lowestBound(j, page, scale, grid, top);
}

PagePx RecordPlaces::placeBesideLead(size_t j, PagePx leadTop, int page,
                                     const PageScale& scale) const
{
    const std::vector<PrintItem>& items = *m_items;
    const PrintItem& lead = items[m_lead[j]];
    const PagePx level = scale.advance(leadTop, twips(items[j].Top) - twips(lead.Top));
    return lowestBound(j, page, scale, latestGridAbove(j, page), level);
}

PagePx RecordPlaces::placeRow(size_t lead, PagePx leadTop, int page, const PageScale& scale) const
{
    const std::vector<PrintItem>& items = *m_items;
    qint32 lower = 0;
    for (const size_t j : m_members[lead]) {
        if (m_extents[j].begun)
            continue;
        const PagePx level = scale.advance(leadTop, twips(items[j].Top) - twips(items[lead].Top));
        lower = std::max(lower, placeBesideLead(j, leadTop, page, scale).value - level.value);
    }
    return leadTop + PagePx{lower};
}

void RecordPlaces::begin(size_t j, int page, PagePx top)
{
    if (j >= m_extents.size())
        return;
    PrintedExtent& e = m_extents[j];
    e.begun = true;
    e.firstPage = page;
    e.firstTop = top;
    e.lastPage = page;
    e.lastBottom = top;
    m_marked[j] = false;
}

void RecordPlaces::reach(size_t j, int page, PagePx bottom)
{
    if (j >= m_extents.size())
        return;
    PrintedExtent& e = m_extents[j];
    if (page > e.lastPage || !m_marked[j])
        e.lastBottom = bottom;
    else
        e.lastBottom = std::max(e.lastBottom, bottom);
    e.lastPage = std::max(e.lastPage, page);
    m_marked[j] = true;
}

void RecordPlaces::end(size_t j, int page, PagePx currentY, const PageScale& scale)
{
    PrintedExtent& e = m_extents.at(j);
    const PrintItem& item = m_items->at(j);
    e.drawn = true;
    e.gridLike = m_flows[j] == Flow::Grid;
    if (m_flows[j] == Flow::Spread) {
        e.lastPage = page;
        e.lastBottom = currentY;
        return;
    }
    if (e.gridLike) {
        e.lastPage = page;
        e.lastBottom = currentY;
        e.grown = true;
        return;
    }
    const PagePx boxEnd = scale.advance(e.firstTop, twips(item.BoxHeight));
    if (!m_marked[j] && page != e.firstPage) {
        // Over pages without saying where it ended: where it left off.
        e.lastPage = page;
        e.lastBottom = currentY;
    } else if (!m_marked[j] || (e.lastPage == e.firstPage && e.lastBottom <= boxEnd)) {
        e.lastBottom = boxEnd;
        e.lastPage = e.firstPage;
        return;
    }
    e.grown = true;
}
