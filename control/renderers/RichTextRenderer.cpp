// Rich text, page by page: the box's document is formatted into the rest
// of the page from the next character not yet drawn, and continues at the
// top of the next page while text remains. Positions and the length are
// both counted in the document's characters, so every character is drawn
// exactly once.
#include <QGuiApplication>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include "control/core/JobContext.h"
#include "control/core/OffScreenDC.h"
#include "control/core/RendererTable.h"
#include "control/renderers/GridCommon.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/printing/Printer.h"

using namespace platform;

using namespace GridCommon;

namespace {

// The characters of the document (a paragraph end counts one).
int lengthOf(const QTextEdit& box)
{
    return std::max(0, box.document()->characterCount() - 1);
}

// The page break before the box: when not even its first lines fit.
bool richTextStartsNewPage(JobContext& job)
{
    const double lookahead = job.printing() ? 30 * job.shared.PrinterPenScale : 80;
    return job.needsNewPage(job.CurrentY, qint32(std::ceil(lookahead)));
}

// Runs passes until the text ends. A pass that draws nothing on a page
// where something was drawn before it moves on to a fresh page; one that
// draws nothing on a fresh page ends the loop (the rest cannot be drawn
// on any page).
template <class Pass, class NextPage>
void paginate(JobContext& job, int length, Pass pass, NextPage nextPage)
{
    int position = 0;
    bool freshPage = false;
    for (;;) {
        const int next = pass(position);
        const bool advanced = next > position;
        if (advanced)
            position = next;
        if (position >= length || (!advanced && freshPage))
            return;
        job.NewPage();
        if (job.StopComposing)
            return;
        nextPage();
        freshPage = true;
    }
}

void PreviewRichText(JobContext& job)
{
    auto* box = qobject_cast<QTextEdit*>(job.currentControl());
    if (!box)
        return;
    SharedState& shared = job.shared;
    const double tpp = shared.PageTwipsPerPixel;
    shared.RichTextPos = 0;
    shared.RichTextSource = box;
    int top = nearest(job.CurrentY.value * 1.028 * tpp);
    const int length = lengthOf(*box);
    const int left = nearest(job.item().Left * 1.02 + job.LeftMarginPx.value * tpp);
    paginate(
        job, length,
        [&](int position) {
            shared.RichTextPos = position;
            const int bottom =
                nearest(shared.PageHeightPx.value * tpp - job.FootMarginPx.value * tpp * 1.2);
            if (OffScreenDC* page = job.page())
                page->CDRTF(top, left, bottom);
            return int(shared.RichTextPos);
        },
        [&] { top = nearest(job.TopMarginPx.value * tpp); });
}

void PrintRichText(JobContext& job)
{
    auto* box = qobject_cast<QTextEdit*>(job.currentControl());
    if (!box)
        return;
    SharedState& shared = job.shared;
    const double tpp = shared.PageTwipsPerPixel;

    // Page pixels to twips, corrected by the screen's width against 12000
    // twips.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenTwips = screen ? screen->geometry().width() * 15.0 : 12000.0;
    const double f = tpp / (screenTwips / 12000.0);
    Printer& printer = job.printer();
    const qint32 back = JobContext::memberOr(box, "BackColor", White).toInt();
    job.printerDC().setBkColor(rgbOf(back));

    const double widthTwips = JobContext::memberOr(box, "Width", box->width() * 15).toDouble();
    const int left = nearest(job.item().Left + f * (job.LeftMarginPx.value + 2));
    int top = nearest(f * (job.CurrentY.value + 24));
    const int right = nearest(left + widthTwips);
    const int bottom = nearest(printer.Height() - job.FootMarginPx.value * tpp * 3);
    const double perPixel = printer.TwipsPerPixelX();
    const int length = lengthOf(*box);
    paginate(
        job, length,
        [&](int position) {
            const GdiRect area{nearest(left / perPixel), nearest(top / perPixel),
                               nearest(right / perPixel), nearest(bottom / perPixel)};
            return job.printerDC().formatRange(*box->document(), position, area);
        },
        [&] { top = nearest(f * job.CurrentY.value); });
}

} // namespace

ZENTREL_RENDERERS(RenderKind::RichText, PreviewRichText, PrintRichText)
ZENTREL_PLACING(RenderKind::RichText, nullptr, richTextStartsNewPage)
