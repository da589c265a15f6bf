#include "control/core/JobContext.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "control/core/HostFormAdapter.h"
#include "control/core/JobWindows.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RecordFiber.h"
#include "control/core/Zentrel.h"
#include "platform/controls/ControlMembers.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DoEvents.h"
#include "platform/gdi/ImageDevice.h"
#include "platform/gdi/PrinterDevice.h"
#include "platform/printing/Printers.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

constexpr qint32 White = 0xFFFFFF;
constexpr qint32 Black = 0;
constexpr double TwipsPerCm = 567.0;
// Below this many bytes of free memory a preview stops adding pages.
constexpr quint64 LowMemoryBytes = 2000;

// The horizontal alignment flag of the nine caption alignments; 0 outside
// them.
int alignmentFlags(qint32 align)
{
    switch (align) {
    case 0:
    case 4:
    case 7:
        return Gdi::DT_LEFT | Gdi::DT_NOPREFIX;
    case 1:
    case 5:
    case 8:
        return Gdi::DT_RIGHT | Gdi::DT_NOPREFIX;
    case 2:
    case 3:
    case 6:
        return Gdi::DT_CENTER | Gdi::DT_NOPREFIX;
    default:
        return 0;
    }
}

// The drawing flags of a text cell's caption: its alignment, and word
// breaks where asked for (neither outside the nine alignments).
int textCellFlags(qint32 align, qint16 wordWrap)
{
    int flags = alignmentFlags(align);
    if (flags != 0 && wordWrap)
        flags |= Gdi::DT_WORDBREAK;
    return flags;
}

// A text cell of width by height at (left, top), at `pps` printer pixels a
// pen unit: two pen units wider and one higher than asked.
GdiRect textCell(qint32 left, qint32 top, qint32 width, qint32 height, double pps)
{
    return {left, top, nearest(left + width + 2 * pps), nearest(top + height + pps)};
}

// The box a text cell draws its caption into: the cell widened over the
// dividers that ask for it, less its insets.
GdiRect captionBox(GdiRect cell, qint16 wordWrap, qint16 noInset, qint16 divider, double pps)
{
    GdiRect text = cell;
    if (divider == -2 || divider == -3)
        text.left = nearest(text.left - 2 * pps);
    if (divider == -1 || divider == -3)
        text.right = nearest(text.right + 2 * pps);
    text.right = nearest(text.right + pps);
    if (noInset != 0) {
        text.left = nearest(text.left + pps);
    } else {
        text.left = nearest(text.left + 6 * pps);
        text.top = nearest(text.top + 3 * pps);
        text.bottom = nearest(text.bottom - 2 * pps);
    }
    text.top = nearest(text.top + 8 * pps);
    if (!wordWrap)
        text.right -= 2;
    return text;
}

// The least height of a text cell whose caption box holds a text
// `textHeight` high, wherever the cell's top lies: the insets round a half
// to the even pixel, so the top decides them by its parity alone.
qint32 leastCellHeight(qint32 textHeight, qint16 noInset, double pps)
{
    if (textHeight <= 0)
        return 0;
    const auto holds = [&](qint32 height) {
        for (const qint32 top : {0, 1}) {
            if (captionBox(textCell(0, top, 0, height, pps), 0, noInset, 5, pps).height() <
                textHeight)
                return false;
        }
        return true;
    };
    qint32 height = textHeight;
    while (!holds(height))
        ++height;
    return height;
}

// A text cell on a device context at `pps` pixels a pen unit: the fill
// (unless transparent) in the cell's own colour, the trimmed caption over
// it in the context's font and text colour, an optional black frame. The
// caption never takes the background colour another control left. A page
// gets its pen and brush back (its other drawings use what is selected);
// the printer keeps them selected.
void paintTextCell(DeviceContext& dc, const TextCell& c, double pps, bool keepTools)
{
    const GdiRect cell = textCell(c.left, c.top, c.width, c.height, pps);
    const GdiPen pen = dc.pen();
    const GdiBrush brush = dc.brush();
    if (!c.transparent) {
        dc.selectPen(GdiPen{Gdi::PS_NULL, 0, 0});
        dc.selectBrush(GdiBrush::solid(c.fill));
        dc.rectangle(cell.left, nearest(cell.top + 4 * pps), cell.right, cell.bottom + 2);
    }
    const qint16 wrap = c.wordWrap ? -1 : 0;
    dc.setBkMode(Gdi::TRANSPARENT);
    dc.drawText(Values::trimBlanks(c.caption),
                captionBox(cell, wrap, c.insets ? 0 : 5, c.divider, pps),
                textCellFlags(c.align, wrap));
    if (c.frame) {
        GdiRect frame = cell;
        frame.top = nearest(frame.top + pps);
        dc.frameRect(frame, GdiBrush::solid(Black));
    }
    dc.setBkMode(Gdi::OPAQUE);
    if (!keepTools) {
        dc.selectPen(pen);
        dc.selectBrush(brush);
    }
}

// The printer's pixels and fonts, drawing nothing: where pages before the
// range are composed, so that they measure as the printed ones do.
class DiscardingPrinterDevice : public PrinterDevice
{
public:
    using PrinterDevice::PrinterDevice;
    bool paint(const std::function<void(QPainter&)>&) override { return true; }
    bool paintSettingOwnTools(const std::function<void(QPainter&)>&) override { return true; }
    void record(const GdiCall&) override {}
};

// Whether the object's deletion is pending (deleteLater was called on it,
// as a form that deletes itself on close does). Qt keeps that in the
// object's data, which a class derived from QObject may reach.
struct DeletionState : QObject
{
    static bool pending(const QObject* object)
    {
        return (object->*(&DeletionState::d_ptr))->deleteLaterCalled;
    }
};

// Whether the object is deleted, or is to be with one of its parents.
bool deletedOrDoomed(const QObject* object)
{
    if (!object)
        return true;
    for (const QObject* o = object; o; o = o->parent()) {
        if (DeletionState::pending(o))
            return true;
    }
    return false;
}

} // namespace

JobContext::JobContext(Zentrel& control) : control(control), shared(SharedState::get()) {}

JobContext::~JobContext() = default;

qint16 JobContext::colorMode() const
{
    return control.ColorMode;
}

const PrintItem* JobContext::nextItem() const
{
    const size_t next = size_t(CurrentItem) + 1;
    return next < PrintItems.size() ? &PrintItems[next] : nullptr;
}

Printer& JobContext::printer() const
{
    return Printers::collection().current();
}

bool JobContext::composingSkippedPage() const
{
    return printing() && shared.PageCount + 1 < FromPageCopy - 1;
}

double JobContext::penScale() const
{
    return printing() ? shared.PrinterPenScale : 7.4 / PreviewTwipsPerPixel;
}

double JobContext::printerScale() const
{
    return printing() ? shared.PrinterScale : 7.058824 / PreviewTwipsPerPixel;
}

double JobContext::pixelTwipsY() const
{
    return printing() ? shared.PixelTwipsY : PreviewTwipsPerPixel;
}

int JobContext::letterPixels(const QFont& font)
{
    if (printing()) {
        printer().setFont(Printer::Font::of(font));
        return printerDC().textExtent(QStringLiteral("A")).height();
    }
    DeviceContext* dc = cellDC();
    if (!dc)
        return 0;
    const QFont before = dc->selectFont(dc->deviceFont(font));
    const int height = dc->textExtent(QStringLiteral("A")).height();
    dc->selectFont(before);
    return height;
}

DeviceContext* JobContext::cellDC()
{
    if (printing())
        return &printerDC();
    OffScreenDC* target = page();
    return target ? target->dc() : nullptr;
}

DeviceContext& JobContext::printerDC()
{
    if (!composingSkippedPage())
        return printer().hDC();
    // A page before the range is drawn where nobody sees it, in the
    // printer's resolution and current font.
    if (!m_scratchDC || &static_cast<PrinterDevice&>(m_scratchDC->device()).printer() != &printer())
        m_scratchDC =
            std::make_unique<DeviceContext>(std::make_unique<DiscardingPrinterDevice>(printer()));
    m_scratchDC->selectFont(printer().hDC().font());
    return *m_scratchDC;
}

QVariant JobContext::member(const QWidget* control, const char* name)
{
    return ControlMembers::get(control, QString::fromLatin1(name));
}

QVariant JobContext::memberOr(const QWidget* control, const char* name, const QVariant& fallback)
{
    const QVariant value = ControlMembers::read(control, QString::fromLatin1(name));
    return value.isValid() ? value : fallback;
}

void JobContext::setMember(QWidget* control, const char* name, const QVariant& value)
{
    ControlMembers::set(control, QString::fromLatin1(name), value);
}

bool JobContext::hostRightToLeft() const
{
    return HostFormAdapter(shared.HostForm.data()).RightToLeft();
}

bool JobContext::yield()
{
    DoEvents();
    throwIfHostGone();
    return shared.PrintAborted;
}

void JobContext::EndPrintJob()
{
    JobWindows::Finito();
    if (printing()) {
        shared.PreviewZoom = 1.0;
        shared.PageCount = 0;
    }
    if (Zentrel* alive = liveControl())
        emit alive->AfterPrint();
}

Zentrel* JobContext::liveControl() const
{
    return m_self.data();
}

void JobContext::beginJob()
{
    m_self = &control;
    m_printedForm = nullptr;
    m_watchingPrintedForm = false;
    m_gone = false;
}

void JobContext::watchPrintedForm(QWidget* form)
{
    m_printedForm = form;
    m_watchingPrintedForm = form != nullptr;
}

bool JobContext::hostGone()
{
    if (!m_gone)
        m_gone =
            deletedOrDoomed(m_self) || (m_watchingPrintedForm && deletedOrDoomed(m_printedForm));
    if (m_gone) {
        shared.PrintAborted = true;
        StopComposing = true;
    }
    return m_gone;
}

void JobContext::throwIfHostGone()
{
    if (hostGone())
        throw HostGone();
    if (m_watchingRendering && deletedOrDoomed(m_rendering))
        throw ControlGone();
}

void JobContext::setRenderingControl(QWidget* control)
{
    m_rendering = control;
    m_watchingRendering = control != nullptr;
}

QFont JobContext::titleFont() const
{
    return control.TitlesFont();
}

void JobContext::NewPage()
{
    // A record drawn beside another a page at a time: its page breaks
    // are the other's.
    if (RecordFiber::waitInCurrent())
        return;
    if (BeforeContinuing) {
        // Once: what it draws may itself go on to a new page.
        const std::function<void()> before = std::move(BeforeContinuing);
        BeforeContinuing = nullptr;
        before();
    }
    breakPage();
    if (AfterNewPage)
        AfterNewPage();
}

void JobContext::breakPage()
{
    try {
        // Twips per pixel of the margins from the second page on.
        const double tpp = printing() ? printer().TwipsPerPixelY() : PreviewTwipsPerPixel;
        const bool stopButton = !control.HideStopBtn();
        if (stopButton && shared.PageCount == FromPageCopy - 3)
            JobWindows::SetStopForeColor(Black);
        shared.PageCount = qint16(shared.PageCount + 1);
        const int finished = shared.PageCount; // number of the page just finished
        const int fromPage = FromPageCopy - 1;

        // The end of the page range: the finished page stays current and
        // the job draws its titles.
        if (control.ToPage() > 0 && finished >= control.ToPage()) {
            StopComposing = true;
            shared.PageCount = qint16(shared.PageCount - 1);
            return;
        }
        if (stopButton)
            JobWindows::SetStopCaption(control.ClickToStop() + QStringLiteral("\n\n") +
                                       control.PagesDef() + QStringLiteral(" .... ") +
                                       Values::signBlank(shared.PageCount + 1) +
                                       QStringLiteral("\n"));
        DoEvents();
        throwIfHostGone();

        if (!printing()) {
            if (!finishPreviewPage(finished, fromPage, stopButton))
                return;
        } else {
            finishPrintedPage(finished, fromPage);
        }

        qint16 pageNumber = qint16(shared.PageCount + 1);
        emit control.Page(pageNumber);
        throwIfHostGone();
        startPageMargins(tpp);
    } catch (const MemberError& error) {
        ReportPrintError(error);
    }
}

bool JobContext::finishPreviewPage(int finished, int fromPage, bool stopButton)
{
    const quint64 available = shared.AvailableMemory ? shared.AvailableMemory() : 0;
    if (available != 0 && available < LowMemoryBytes) {
        StopComposing = true;
        shared.PageCount = qint16(shared.PageCount - 1);
        Dialogs::current().message(QStringLiteral("Not enough Memory for Complete Preview"),
                                   QString(), Dialogs::Icon::None);
        return false;
    }
    OffScreenDC* current = page();
    if (finished < fromPage) {
        // A page before the range: the same page is cleared and used again
        // for the next one.
        if (current)
            current->FillRect(-1, 0, shared.PageWidthPx.value, shared.PageHeightPx.value, QString(),
                              0, 0, false, false, 0, false, 5);
        return true;
    }
    DrawPageTitles();
    // The finished page is kept packed while the next is drawn.
    if (current)
        current->store();
    if (stopButton)
        JobWindows::SetStopForeColor(Black);
    auto next = std::make_unique<OffScreenDC>();
    next->Initialize(JobWindows::PreviewViewDC(), shared.PageWidthPx.value,
                     shared.PageHeightPx.value, colorMode());
    shared.PreviewPages.push_back(std::move(next));
    shared.CurrentPage = qint16(shared.PreviewPages.size() - 1);
    return true;
}

void JobContext::finishPrintedPage(int finished, int fromPage)
{
    DoEvents();
    throwIfHostGone();
    if (finished >= fromPage) {
        PrintPageTitles();
        qint16 pageNumber = qint16(shared.PageCount + 1);
        emit control.Page(pageNumber);
        throwIfHostGone();
        printer().NewPage();
        printer().Print(QStringLiteral(" "));
    }
    // Pages before the range went to a scratch surface: nothing of them is
    // on the sheet, so there is nothing to wipe.
    shared.CurrentPage = shared.PageCount;
}

void JobContext::startPageMargins(double tpp)
{
    const double perCm = TwipsPerCm / tpp;
    LeftMarginPx = marginPixels(control.LeftMargin(), perCm, DrawScale);
    RightMarginPx = marginPixels(control.RightMargin(), perCm, DrawScale);
    TopMarginPx = marginPixels(control.TopMargin(), perCm, DrawScale);
    FootMarginPx = marginPixels(control.FootMargin(), perCm, DrawScale);
    RightOffsetPx = marginPixels(control.RightOffset(), perCm, DrawScale);
    CurrentY = TopMarginPx;
}

DrawnCell JobContext::measureTextCell(const TextCell& cell)
{
    DeviceContext* dc = cellDC();
    if (!dc)
        return {cell.height, PagePx{cell.top}, PagePx{cell.top}};
    const double pps = penScale();
    const qint16 wrap = cell.wordWrap ? -1 : 0;
    const qint16 noInset = cell.insets ? 0 : 5;
    const GdiRect box = captionBox(textCell(cell.left, cell.top, cell.width, 1 << 20, pps), wrap,
                                   noInset, cell.divider, pps);
    const TextLayout text = dc->textLayout(Values::trimBlanks(cell.caption), box,
                                           textCellFlags(cell.align, wrap));
    if (text.height <= 0)
        return {cell.height, PagePx{cell.top}, PagePx{box.top}};
    return {std::max(cell.height, leastCellHeight(text.height, noInset, pps)),
            PagePx{nearest(box.top + text.depth)}, PagePx{box.top}};
}

DrawnCell JobContext::drawTextCell(const TextCell& cell)
{
    return drawTextCell(cell, measureTextCell(cell));
}

void JobContext::drawRowCell(const TextCell& cell)
{
    drawTextCell(cell, DrawnCell{cell.height, PagePx{cell.top}, PagePx{cell.top}});
}

DrawnCell JobContext::drawTextCell(const TextCell& cell, const DrawnCell& drawn)
{
    if (DeviceContext* dc = cellDC()) {
        TextCell grown = cell;
        grown.height = drawn.height;
        if (printing())
            shared.CellFillColor = cell.fill;
        paintTextCell(*dc, grown, penScale(), printing());
    }
    return drawn;
}

DrawnCell JobContext::drawTextCell(const TextCell& cell, const ControlBox& box)
{
    const DrawnCell drawn = drawTextCell(cell);
    if (drawn.textBottom > box.pageBottom)
        extendExtent(drawn.textBottom);
    return drawn;
}

qint32 JobContext::cellReach(const TextCell& cell, PagePx from)
{
    const DrawnCell drawn = measureTextCell(cell);
    return std::max(cell.top + drawn.height, drawn.textBottom.value) - from.value;
}

bool JobContext::needsNewPage(PagePx top, qint32 reach) const
{
    const qint32 room = footTop().value;
    return top.value + reach > room && TopMarginPx.value + reach <= room;
}

ControlBox JobContext::itemBox(PagePx pageTop, Twips height) const
{
    return {pageTop + scale().toPixels(height)};
}

PagePx JobContext::flowTop(bool afterBreak) const
{
    return afterBreak ? CurrentY : scale().advance(CurrentY, Twips{double(item().TopGap)});
}

PagePx JobContext::flowTopNotAbove(bool afterBreak) const
{
    return std::max(CurrentY, flowTop(afterBreak));
}

void JobContext::startExtent()
{
    if (!Places.empty())
        Places.begin(size_t(CurrentItem), pageIndex(), CurrentY);
}

void JobContext::extendExtent(PagePx bottom)
{
    if (!Places.empty())
        Places.reach(size_t(CurrentItem), pageIndex(), bottom);
}

// The header and footer cells of a page, as the printer draws them.
namespace {

TextCell titleCell(qint32 left, qint32 top, qint32 width, qint32 height, const QString& caption,
                   qint32 align)
{
    TextCell cell = TextCell::at(left, top, width, height, caption);
    cell.align = align;
    cell.wordWrap = true;
    cell.transparent = true;
    return cell;
}

} // namespace

void JobContext::DrawPageTitles()
{
    OffScreenDC* target = page();
    if (!target || !target->dc())
        return;
    target->setFont(titleFont());
    target->setBackColor(White);
    target->setTextColor(Black);
    const int width = shared.PageWidthPx.value - LeftMarginPx.value - RightMarginPx.value;
    const int align = control.TopFootAlignTxt();
    QString footer;
    if (control.PagesNumbers())
        footer = control.FootTitle() + QStringLiteral(" ") +
                 Values::signBlank(shared.CurrentPage + FromPageCopy - 1);
    // At the printed titles' places, so that the page's band is the
    // printed page's.
    const double pps = penScale();
    paintTextCell(
        *target->dc(),
        titleCell(LeftMarginPx.value, footTop().value, width, FootMarginPx.value, footer, align),
        pps, false);
    paintTextCell(
        *target->dc(),
        titleCell(LeftMarginPx.value, 0, width, TopMarginPx.value, control.TopTitle(), align), pps,
        false);
}

void JobContext::PrintPageTitles()
{
    DeviceContext& dc = printerDC();
    dc.setBkColor(White);
    shared.CellFillColor = White;
    printer().setFont(Printer::Font::of(titleFont()));
    dc.setTextColor(Black);
    dc.setBkColor(White);
    QString footer = control.FootTitle();
    if (control.PagesNumbers())
        footer += QStringLiteral(" ") + Values::signBlank(shared.PageCount);
    const int width = shared.PageWidthPx.value - LeftMarginPx.value - RightMarginPx.value;
    const int align = control.TopFootAlignTxt();
    DrawTextCell(LeftMarginPx.value, footTop().value, width, FootMarginPx.value, footer, align, 0,
                 -1, 5, -1, 5);
    DrawTextCell(LeftMarginPx.value, 0, width, TopMarginPx.value, control.TopTitle(), align, 0, -1,
                 5, -1, 5);
    printer().setFontSize(10);
    printer().setFontBold(true);
}

void JobContext::DrawTextCell(qint32 Left, qint32 Top, qint32 Width, qint32 Height, QString Caption,
                              qint32 Align, qint16 Framed, qint16 WordWrap, qint16 NoInset,
                              qint16 Transparent, qint16 Divider)
{
    shared.PrinterPenScale = 7.4 / printer().TwipsPerPixelX();
    TextCell cell = TextCell::at(Left, Top, Width, Height, Caption);
    cell.align = Align;
    cell.frame = Framed != 0;
    cell.wordWrap = WordWrap != 0;
    cell.insets = NoInset == 0;
    cell.transparent = Transparent != 0;
    cell.fill = shared.CellFillColor;
    cell.divider = Divider;
    paintTextCell(printerDC(), cell, shared.PrinterPenScale, true);
}

qint32 JobContext::DibCopyPicture(QWidget* fo, double Scalefactor, qint32 Pr_LM, qint32 Tyes)
{
    QImage picture;
    QSize inner;
    try {
        const QVariant value = member(fo, "Picture");
        picture = value.value<QImage>();
        if (picture.isNull() && value.canConvert<QPixmap>())
            picture = value.value<QPixmap>().toImage();
        const QVariant sw = memberOr(fo, "ScaleWidth");
        const QVariant sh = memberOr(fo, "ScaleHeight");
        inner = sw.isValid() && sh.isValid() ? QSize(nearest(sw.toDouble()), nearest(sh.toDouble()))
                                             : fo->contentsRect().size();
    } catch (const MemberError&) {
        return 0;
    }
    if (picture.isNull() || inner.isEmpty())
        return 0;
    // The picture as its box shows it: drawn from the top-left corner, cut
    // at the box's inner size.
    QImage box(inner, QImage::Format_RGB32);
    box.fill(Qt::white);
    {
        QPainter painter(&box);
        painter.drawImage(QPoint(0, 0), picture);
    }
    const int width = nearest(inner.width() * Scalefactor * 13.5 / printer().TwipsPerPixelX());
    const int height = nearest(inner.height() * Scalefactor * 14.6 / printer().TwipsPerPixelY());
    printerDC().stretchBlt(Pr_LM, Tyes, width, height, box, 0, 0, box.width(), box.height());
    return 0;
}

void JobContext::ReportPrintError(int errorNumber)
{
    shared.PrintAborted = true;
    Dialogs::current().message(shared.ErrMessCopy + Values::signBlank(errorNumber), QString(),
                               Dialogs::Icon::Critical);
    if (printing())
        printer().KillDoc();
}

void JobContext::ReportPrintError(const MemberError& error)
{
    ReportPrintError(int(error.code()));
}
