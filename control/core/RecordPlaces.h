#pragma once

#include <vector>

#include "control/core/PageUnits.h"
#include "control/core/PrintItem.h"

// Where each record of a job printed, and the rule that places a record
// from the records it stands beside or below.
//
// A record stands *beside* an earlier one when its top lies above that
// one's box bottom and it is either outside its columns or starts within
// its first line; otherwise it stands *below* it. A record beside another
// prints level with it as the form has them, on that record's first page.
// A record below a record that printed past its box (grown text, lines on
// later pages) keeps its form distance below where that record's printing
// ends; below a grid-like record it starts where the grid's printing ends,
// and no higher than the records that stand by the grid. Where every record
// prints at its box, the flow of gaps places each record, unchanged.
//
// Records that stand beside a row's first record (its lead), and the
// children of a frame in the row, form its row: the row starts a new page
// together.
struct PrintedExtent
{
    // Its top is known; it is drawn to its end.
    bool begun = false;
    bool drawn = false;
    // The page (counted from 0 by the pages finished before it) and the
    // top of the record's box there.
    int firstPage = 0;
    PagePx firstTop;
    // Where its printing ends: the page and the bottom there.
    int lastPage = 0;
    PagePx lastBottom;
    // Its printing reached below its box, or onto a later page.
    bool grown = false;
    // The record after it follows where its printing ends.
    bool gridLike = false;
};

class RecordPlaces
{
public:
    // How the records after one are placed from it.
    enum class Flow
    {
        // Beside it level, below it past its printed bottom.
        Plain,
        // Below it from where its printing ends; beside it level, save
        // another grid, which follows it.
        Grid,
        // Spread across the page: what follows keeps its gap from where it
        // left off.
        Spread
    };
    enum class Relation
    {
        Beside,
        Below
    };
    // How `record` stands to `above`, whose top is not lower than its own.
    static Relation relate(const PrintItem& above, const PrintItem& record);

    // A new job over `items` (ordered by top), each placing what follows
    // it by its `flows` entry. The rows are formed here.
    void reset(const std::vector<PrintItem>& items, std::vector<Flow> flows);
    bool empty() const { return m_items == nullptr; }

    const PrintedExtent& extent(size_t j) const { return m_extents.at(j); }
    size_t leadOf(size_t j) const { return m_lead.at(j); }
    // The records of the row that `lead` starts, after it, in order.
    const std::vector<size_t>& membersOf(size_t lead) const { return m_members.at(lead); }

    // Where record j starts on `page`, given `flow`, the place the gaps
    // give it.
    PagePx place(size_t j, int page, PagePx flow, const PageScale& scale) const;
    // Whether record j stands beside a drawn record that started on `page`
    // (so that it can be placed level with it there).
    bool levelOn(size_t j, int page) const;
    // Where record j would start level with the lead of its row, were the
    // lead at `leadTop` on `page`.
    PagePx placeBesideLead(size_t j, PagePx leadTop, int page, const PageScale& scale) const;
    // Where the lead of a row starts so that the records of its row, level
    // with it, clear what they stand below: `leadTop`, or lower.
    PagePx placeRow(size_t lead, PagePx leadTop, int page, const PageScale& scale) const;

    // Whether record i is held by the frame that holds record j (any record
    // when no frame holds j).
    bool sharesFrame(size_t i, size_t j) const;

    // Reports while a record is drawn: its top, and where its printing
    // reaches past its box.
    void begin(size_t j, int page, PagePx top);
    void reach(size_t j, int page, PagePx bottom);
    // The record is drawn; `currentY` is where its renderer left the
    // running position (a grid-like record's printed end).
    void end(size_t j, int page, PagePx currentY, const PageScale& scale);

private:
    // The least top of record j below the records drawn before it on
    // `page`; `grid` is the grid-like record it stands below, or -1.
    PagePx lowestBound(size_t j, int page, const PageScale& scale, long grid, PagePx top) const;
    long latestGridAbove(size_t j, int page) const;
    long latestBeside(size_t j) const;
    // The latest frame whose box holds record j's top left, or -1.
    long frameHolding(size_t j) const;
    bool standsByGrid(size_t i, size_t grid) const;
    // Whether record j, below grid-like record `grid`, comes after another
    // record below that grid.
    bool followsBelowGrid(size_t j, size_t grid) const;
    // Whether record j is placed level with record i when it stands beside
    // it.
    bool levelsWith(size_t i, size_t j) const;

    const std::vector<PrintItem>* m_items = nullptr;
    std::vector<Flow> m_flows;
    std::vector<PrintedExtent> m_extents;
    std::vector<bool> m_marked;
    std::vector<size_t> m_lead;
    std::vector<std::vector<size_t>> m_members;
    std::vector<long> m_holder;
};
