#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "control/core/PageUnits.h"

class JobContext;
struct RendererRow;

// Draws the job's records in their order, each by its kind's renderer:
// each record placed from the records it stands beside or below (see
// RecordPlaces), the page break of a row decided before its first record
// is drawn, and the records beside one that goes on over pages drawn on
// the page it started on, before it goes on.
class RecordDrawing
{
public:
    // `afterRecord` runs after each record (the host form back in twips).
    RecordDrawing(JobContext& job, std::function<void()> afterRecord);
    ~RecordDrawing();
    RecordDrawing(const RecordDrawing&) = delete;
    RecordDrawing& operator=(const RecordDrawing&) = delete;
    // Every record, until the job stops (then it is ended here, through
    // EndPrintJob) or the page range ends.
    void run();

private:
    // Steps of one record.
    bool drawRecord(size_t j);
    bool placeRecord(size_t j, const RendererRow& row);
    bool rowStartsNewPage(size_t lead, PagePx leadTop);
    PagePx rowClearOfHeader(size_t lead, PagePx leadTop);
    bool startsNewPage(size_t j, PagePx top);
    bool memberStartsNewPage(size_t j, PagePx top, const RendererRow& row);
    PagePx flowOf(size_t j, const RendererRow* row, bool afterBreak);
    void renderPlaced(size_t j, const RendererRow& row);
    void finishRecord(size_t j);
    // The records beside record j, drawn on its first page before it goes
    // on to the next.
    void drawBesideBeforeContinuing(size_t j);
    bool drawBeside(size_t k, int page);
    void resumeWaiting();
    std::vector<size_t> besideOf(size_t j) const;
    // Whether record k stands below a record that is neither drawn to its
    // end nor among those drawn now; whether a record of k's row level with
    // it and not yet begun does.
    bool belowWaiting(size_t k, const std::vector<size_t>& drawnNow) const;
    bool rowWaits(size_t k, const std::vector<size_t>& drawnNow) const;
    // Whether what the kind draws goes on over pages where it does not fit.
    static bool canGoOnOverPages(const RendererRow& row);
    // The renderer of a record, its failures met as its kind meets them;
    // false when the job is to stop at once.
    bool callRenderer(const RendererRow& row, size_t j);
    void meetDeletedControl(const RendererRow& row);
    bool reportsFailedRead(const RendererRow& row) const;

    struct WaitingRecord;

    JobContext& m_job;
    std::function<void()> m_afterRecord;
    bool m_printing;
    // The records drawn beside the one being drawn that wait at a page
    // break of their own, in order.
    std::vector<std::unique_ptr<WaitingRecord>> m_waiting;
};
