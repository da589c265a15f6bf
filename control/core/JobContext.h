#pragma once

#include <QFont>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "control/core/PageUnits.h"
#include "control/core/PrintItem.h"
#include "control/core/RecordPlaces.h"
#include "control/core/SharedState.h"
#include "control/core/TextCell.h"

namespace platform {
class DeviceContext;
class MemberError;
class Printer;
} // namespace platform
class OffScreenDC;
class Zentrel;

// Thrown out of a yield or a page break when the host has gone (see
// JobContext::hostGone). It unwinds the renderers, which touch nothing of
// the host on the way out, to the page composition, which ends the job as a
// stopped one.
class HostGone
{
};

// Thrown out of a yield or a page break when the host deleted the control
// being drawn meanwhile. It unwinds that control's renderer, which touches
// nothing of it on the way out, to the page composition, which meets it as
// that kind meets a failed read.
class ControlGone
{
};

// The state of one print or preview job of one control, handed to every
// renderer: the target, the scale, the margins and page geometry, the
// running position CurrentY, the list of printable controls and the
// record being drawn, and the operations renderers call back (NewPage,
// DrawTextCell, DibCopyPicture, ReportPrintError). The values kept once
// per process (the page count and index, the abort flag, the page size,
// the preview pages) are in `shared`.
//
// A host may delete the control or the form it prints while the job yields
// (a form that deletes itself on close, closed by the user or a timer), or
// ask for their deletion in an event the job raises. The job's frames keep
// the context alive past the control (Zentrel hands it out shared), and
// every yield, event and page break checks hostGone.
class JobContext
{
public:
    explicit JobContext(Zentrel& control);
    ~JobContext();
    JobContext(const JobContext&) = delete;
    JobContext& operator=(const JobContext&) = delete;

    Zentrel& control;
    SharedState& shared;

    // ---- Per control (set by the job methods and the composition) ----
    // The composition is to stop normally (page range ended, low memory).
    bool StopComposing = false;
    // Zoom / 100.
    double DrawScale = 1.0;
    PagePx LeftMarginPx;
    PagePx RightMarginPx;
    PagePx TopMarginPx;
    PagePx FootMarginPx;
    // The right offset in page pixels, as the job methods set it.
    PagePx RightOffsetPx;
    // The same offset in form twips, from the composition on.
    Twips RightOffset;
    // FromPage + 1.
    qint16 FromPageCopy = 2;
    // The running position down the page.
    PagePx CurrentY;
    // Where each record printed, and the rule that places the next.
    RecordPlaces Places;
    // Called once before a renderer's record goes on to a new page, so that
    // the records beside it print on the page it started on.
    std::function<void()> BeforeContinuing;
    // Called after each page break, while records drawn beside another go
    // on over pages with it.
    std::function<void()> AfterNewPage;
    // The x of the control (or cell) a renderer draws.
    PagePx ItemLeftPx;
    // Extra foot reserves of the grid and list renderers' fit tests.
    PagePx PortraitFootPadPx;
    PagePx LandscapeFootTrimPx;
    // The printer's width / 11908 twips (a 21 cm page).
    double PageWidthRatio = 1.0;
    // The control's own visibility when the job started.
    bool OwnVisible = true;
    // The printable controls, ordered top to bottom.
    std::vector<PrintItem> PrintItems;
    // The index of the record being drawn.
    qint16 CurrentItem = 0;

    // ---- Reading the state ----
    // Preview (DirectPrint 0) or print (1).
    bool printing() const { return shared.DirectPrint == 1; }
    // 2 colour, 0 black on white (the control's ColorMode).
    qint16 colorMode() const;
    // The scale between form twips and page pixels of this job.
    PageScale scale() const { return {shared.PageTwipsPerPixel, DrawScale}; }
    // The record being drawn; its control is CurrentControl.
    const PrintItem& item() const { return PrintItems.at(size_t(CurrentItem)); }
    // The record after it, null for the last.
    const PrintItem* nextItem() const;
    QWidget* currentControl() const { return shared.CurrentControl.data(); }
    // The preview page being drawn; null when there is none (never index
    // past the pages).
    OffScreenDC* page() const { return shared.previewPage(shared.CurrentPage); }
    // The printer of the job and its device context. While pages before
    // FromPage are composed, drawing goes to a scratch surface that is
    // thrown away, so nothing of them reaches the document.
    platform::Printer& printer() const;
    platform::DeviceContext& printerDC();
    // Whether the page being composed lies before FromPage.
    bool composingSkippedPage() const;

    // ---- The scales of the page being composed ----
    // A preview page is laid out as a 96 dpi printer prints (15 twips a
    // pixel), so that at Zoom 100 it shows the rows, breaks and insets of
    // that print. Pen units (insets, frames, small offsets) in page pixels:
    // PrinterPenScale when printing.
    double penScale() const;
    // PrinterScale when printing.
    double printerScale() const;
    // Twips of one page pixel down: PixelTwipsY when printing.
    double pixelTwipsY() const;
    // The height of "A" in `font` on the page being composed, in its pixels
    // (when printing, the font becomes the printer's).
    int letterPixels(const QFont& font);
    // Where the page's foot margin starts: the bottom of the room that
    // what is composed on the page may take.
    PagePx footTop() const { return shared.PageHeightPx - FootMarginPx; }

    // ---- Members of host controls by name ----
    // The member's value, or MemberError (no control, no such member).
    static QVariant member(const QWidget* control, const char* name);
    // The member's value, or `fallback` when it cannot be read: for the
    // renderers that ignore their errors statement by statement.
    static QVariant memberOr(const QWidget* control, const char* name,
                             const QVariant& fallback = QVariant());
    static void setMember(QWidget* control, const char* name, const QVariant& value);
    // The form's RightToLeft (false when it has none).
    bool hostRightToLeft() const;

    // ---- Operations the renderers call ----
    // A text cell on the job's target (a preview page or the printer), at
    // the same places on both: at the cell's own height wherever that holds
    // its whole caption, grown to hold it where that would cut it, and no
    // more. The printer's font, or the page's, is the caption's, and so is
    // its text colour.
    DrawnCell measureTextCell(const TextCell& cell);
    DrawnCell drawTextCell(const TextCell& cell);
    // Draws the cell as `drawn`, its measure just taken.
    DrawnCell drawTextCell(const TextCell& cell, const DrawnCell& drawn);
    // Draws a cell of a row whose height was already grown to hold every
    // cell's caption (a grid or list row), without laying its text out again.
    void drawRowCell(const TextCell& cell);
    // Draws the cell, and holds its text for the controls below where it
    // ends below its control's box.
    DrawnCell drawTextCell(const TextCell& cell, const ControlBox& box);
    // How far below `from` the cell reaches as it is drawn: its grown fill
    // or its text's last line, whichever ends lower.
    qint32 cellReach(const TextCell& cell, PagePx from);
    // Whether what reaches `reach` pixels below `top` runs into the page's
    // foot yet fits below a new page's top margin: then it starts the next
    // page (what is taller than a page prints where it stands).
    bool needsNewPage(PagePx top, qint32 reach) const;
    // The box of the record being drawn, whose top is at `pageTop`, for a
    // control height of `height`.
    ControlBox itemBox(PagePx pageTop, Twips height) const;
    // Where the flow of gaps puts the record being placed: its TopGap below
    // CurrentY (never above CurrentY, for the kinds that keep to that), or,
    // after a page break, the new page's top.
    PagePx flowTop(bool afterBreak) const;
    PagePx flowTopNotAbove(bool afterBreak) const;
    // The record being drawn starts at CurrentY (after the renderer's own
    // adjustments), or its printing reaches `bottom` on the current page.
    void startExtent();
    void extendExtent(PagePx bottom);
    // The page being composed, counted from 0 by the pages finished.
    int pageIndex() const { return shared.PageCount; }
    // Ends the page being composed and starts the next (or stops the
    // composition at the end of the page range).
    void NewPage();
    // One text cell on the printer's device context: fill (unless
    // Transparent) in CellFillColor, the trimmed caption over it in the
    // printer's font and text colour, an optional black frame. The caption
    // is taken by value: the caller's text is left as it was.
    void DrawTextCell(qint32 Left, qint32 Top, qint32 Width, qint32 Height, QString Caption,
                      qint32 Align, qint16 Framed, qint16 WordWrap, qint16 NoInset,
                      qint16 Transparent, qint16 Divider);
    // The picture of a picture-holding control onto the printer at
    // (Pr_LM, Tyes), scaled by Scalefactor. Always 0.
    qint32 DibCopyPicture(QWidget* fo, double Scalefactor, qint32 Pr_LM, qint32 Tyes);
    // The common error report: Err_Mess and the error number in a message
    // box, the job stopped, the printer document abandoned when printing.
    void ReportPrintError(int errorNumber);
    void ReportPrintError(const platform::MemberError& error);
    // Lets pending window events run; true when the job is to stop
    // (PrintAborted). Throws HostGone when the host went away meanwhile.
    bool yield();
    // Ends a stopped job: progress window closed, AfterPrint raised while
    // the control is still there.
    void EndPrintJob();

    // ---- The host going away during the job ----
    // Starts watching the control for a new job.
    void beginJob();
    // Watches the form the job prints as well (the control's own form, or
    // the active child of a multiple-document parent).
    void watchPrintedForm(QWidget* form);
    // Whether the control or the form it prints has been deleted since the
    // job began, or is to be (deleteLater called on it or on a parent, as
    // closing a form that deletes itself does). Once it has, the job is
    // stopped (PrintAborted and StopComposing set) and nothing of the
    // control or of the host's controls may be touched again, save the
    // AfterPrint of a stopped job while the control is still there.
    bool hostGone();
    // Throws HostGone when the host has gone, ControlGone when the control
    // being drawn (renderingControl) has.
    void throwIfHostGone();
    // The host control whose renderer runs, watched so that its deletion
    // during a yield or a page event ends its drawing; null between them.
    void setRenderingControl(QWidget* control);
    // The control, null once it has been deleted.
    Zentrel* liveControl() const;

    // ---- Titles of a finished page ----
    void DrawPageTitles();
    void PrintPageTitles();

    // The title font (a copy of the control's TitlesFont).
    QFont titleFont() const;

private:
    // Where text cells are drawn: the printer's device context or the
    // preview page's; null when there is no page.
    platform::DeviceContext* cellDC();
    // The steps of NewPage: the finished preview page kept (false when the
    // preview stops for want of memory) or the printed page ended, then the
    // next page's margins.
    void breakPage();
    bool finishPreviewPage(int finished, int fromPage, bool stopButton);
    void finishPrintedPage(int finished, int fromPage);
    void startPageMargins(double twipsPerPixel);

    std::unique_ptr<platform::DeviceContext> m_scratchDC;
    QPointer<Zentrel> m_self;
    QPointer<QWidget> m_printedForm;
    bool m_watchingPrintedForm = false;
    bool m_gone = false;
    QPointer<QWidget> m_rendering;
    bool m_watchingRendering = false;
};
