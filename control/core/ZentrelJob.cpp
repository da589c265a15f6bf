// The print and preview jobs: the events, the printer check and settings,
// the margins, the composition and what follows it.
#include <QCoreApplication>
#include <QMdiSubWindow>

#include "control/core/JobContext.h"
#include "control/core/JobWindows.h"
#include "control/core/SharedState.h"
#include "control/core/Zentrel.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/ControlMembers.h"
#include "platform/controls/FormMember.h"
#include "platform/gdi/DoEvents.h"
#include "platform/printing/Printers.h"
#include "platform/runtime/Values.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

// Twips per centimetre.
constexpr double TwipsPerCm = 567.0;
// Page pixels per centimetre of a preview's margins: those of a 96 dpi
// printer, on the first page as on the later ones.
constexpr double PreviewPixelsPerCm = TwipsPerCm / PreviewTwipsPerPixel;

// Marks the one job (or dialog) running in this process; a second one asked
// for from an event handler while the first yields is refused.
class RunningJob
{
public:
    explicit RunningJob(SharedState& shared) : m_shared(shared)
    {
        m_started = !shared.JobRunning;
        if (m_started)
            shared.JobRunning = true;
    }
    ~RunningJob()
    {
        if (m_started)
            m_shared.JobRunning = false;
    }
    bool started() const { return m_started; }

private:
    SharedState& m_shared;
    bool m_started;
};

void setMargins(JobContext& job, const Zentrel& control, double pixelsPerCm)
{
    job.LeftMarginPx = marginPixels(control.LeftMargin(), pixelsPerCm, job.DrawScale);
    job.RightMarginPx = marginPixels(control.RightMargin(), pixelsPerCm, job.DrawScale);
    job.TopMarginPx = marginPixels(control.TopMargin(), pixelsPerCm, job.DrawScale);
    job.FootMarginPx = marginPixels(control.FootMargin(), pixelsPerCm, job.DrawScale);
    job.RightOffsetPx = marginPixels(control.RightOffset(), pixelsPerCm, job.DrawScale);
}

// The parts of a "/"-separated button text: `passes` passes each take the
// text before the first "/" (the first three passes give the print,
// previous and next buttons their text) and drop it with the "/"; a pass
// without "/" keeps the text and sets nothing. The close button gets what
// remains. An empty part means the button keeps its own text.
void splitButtonTexts(QString text, int passes, QString (&parts)[4])
{
    for (int pass = 1; pass <= passes; ++pass) {
        const qsizetype slash = text.indexOf(QLatin1Char('/'));
        if (slash < 0)
            continue;
        if (pass <= 3)
            parts[pass - 1] = text.left(slash);
        text = text.mid(slash + 1);
    }
    parts[3] = text;
}

// Ends a preview that was stopped, or whose host went away: nothing is
// shown, and the pages composed so far go.
bool abandonPreview(SharedState& shared)
{
    JobWindows::Finir();
    shared.PrintAborted = false;
    return false;
}

// Ends a print whose control or form was deleted while it yielded, as a
// stopped print ends but without touching the control: the progress window
// closes and the document is abandoned.
bool abandonPrint(JobContext& job, SharedState& shared)
{
    JobWindows::Finito();
    shared.PrintAborted = false;
    job.printer().KillDoc();
    shared.JobActive = JobWindows::PreviewShown();
    if (Zentrel* alive = job.liveControl())
        emit alive->AfterPrint();
    return false;
}

} // namespace

QWidget* Zentrel::parentForm() const
{
    // The form is the window the control is in: a top-level window, or
    // the child form of a multiple-document area.
    QWidget* up = parentWidget();
    while (up && !up->isWindow() && !qobject_cast<QMdiSubWindow*>(up->parentWidget()))
        up = up->parentWidget();
    return up;
}

bool Zentrel::Preview()
{
    SharedState& shared = SharedState::get();
    RunningJob running(shared);
    if (!running.started())
        return false;
    // Held here: the job's state outlives the control if the host deletes
    // it (or its form) while the job yields. From a yield on, nothing of the
    // control is touched until hostGone says it is still there.
    const std::shared_ptr<JobContext> keep = m_job;
    JobContext& job = *keep;
    job.beginJob();

    bool Cancel = false;
    shared.PrintAborted = false;
    qint16 Mode = 0;
    emit BeforePrint(Cancel, Mode);
    shared.PageCount = 0;
    CheckPrinter(true);
    if (job.hostGone())
        return abandonPreview(shared);
    if (Cancel || shared.PrintAborted) {
        shared.PrintAborted = true;
        return false;
    }
    shared.PrintAborted = false;
    job.StopComposing = false;
    job.DrawScale = m_Zoom / 100.0;
    SetPrinterColorMode(m_Color == v_Color ? 2 : 1);
    setMargins(job, *this, PreviewPixelsPerCm);
    shared.DirectPrint = 0;
    JobWindows::Finir();
    Printers::collection().current().setOrientation(m_Orientation + 1);

    shared.JobActive = true;
    shared.PreviewOwner = this;
    qint16 pageNumber = qint16(shared.PageCount + 1);
    emit Page(pageNumber);
    if (job.hostGone())
        return abandonPreview(shared);
    ComposePages();

    if (shared.PrintAborted) {
        // Stopped (or the host went away): nothing is shown, and the pages
        // composed so far go.
        return abandonPreview(shared);
    }
    showPreview(job);
    emit AfterPrint();
    return true;
}

void Zentrel::showPreview(JobContext& job)
{
    SharedState& shared = SharedState::get();
    PreviewWindowSetup setup;
    setup.downEnabled = shared.CurrentPage != 0;
    splitButtonTexts(m_BtnsView_Captions, 6, setup.captions);
    splitButtonTexts(m_BtnsView_ToolTipText, 7, setup.toolTips);
    QWidget* host = shared.HostForm.data();
    setup.windowCaption = host ? host->windowTitle() : QString();
    // One number per stored page: from FromPage to the last page composed.
    for (int number = m_FromPage; number <= shared.PageCount + 1; ++number)
        setup.pageNumbers << QString::number(number);
    setup.pageNumberText = QString::number(job.FromPageCopy - 1);
    job.DrawPageTitles();
    shared.CurrentPage = 0;
    if (host) {
        const Qt::WindowStates state = host->windowState();
        setup.hostWindowState = int(state);
        const QRect frame = host->frameGeometry();
        setup.hostGeometryTwips =
            QRect(frame.x() * 15, frame.y() * 15, frame.width() * 15, frame.height() * 15);
    }
    JobWindows::Finito();
    JobWindows::ShowPreview(setup);
    Printbt->update();
}

bool Zentrel::LVPrint()
{
    SharedState& shared = SharedState::get();
    RunningJob running(shared);
    if (!running.started())
        return false;
    // As in Preview: the job's state outlives a control deleted while the
    // job yields, and the control is touched only while it is there.
    const std::shared_ptr<JobContext> keep = m_job;
    JobContext& job = *keep;
    job.beginJob();

    shared.PrinterOrientation = qint16(m_Orientation + 1);
    shared.PrintAborted = false;
    CheckPrinter(true);
    if (job.hostGone())
        return abandonPrint(job, shared);
    shared.PageCount = 0;
    bool Cancel = false;
    qint16 Mode = 1;
    emit BeforePrint(Cancel, Mode);
    if (Cancel || shared.PrintAborted) {
        shared.PrintAborted = true;
        return false;
    }
    // The set-up dialog may make another printer current; the job prints
    // on, and measures, the one it leaves.
    if (m_ShowPrinterAlways)
        JobWindows::ShowPrinter(*this);
    if (job.hostGone())
        return abandonPrint(job, shared);
    Printer& printer = Printers::collection().current();
    // The first page's margins count whole printer pixels per twip; a
    // printer finer than a twip counts as one.
    const int t = qMax(1, int(Values::toInt16(printer.TwipsPerPixelY())));
    job.StopComposing = false;

    bool completed = false;
    try {
        if (!preparePrinter(printer, t))
            return false;
        if (!job.hostGone())
            ComposePages();
        completed = !shared.PrintAborted;
    } catch (const std::exception&) {
        completed = false;
    }
    if (job.hostGone())
        return abandonPrint(job, shared);

    bool result = false;
    if (completed) {
        shared.PageCount = qint16(shared.PageCount + 1);
        job.PrintPageTitles();
        DoEvents();
        if (job.hostGone())
            return abandonPrint(job, shared);
        result = PrinterEndDoc();
        DoEvents();
        if (!result)
            Dialogs::current().message(shared.PrinterMessCopy, QString(), Dialogs::Icon::Critical);
    } else {
        JobWindows::Finito();
        shared.PrintAborted = false;
        PrinterKillDoc();
    }
    // The job is over; only an open preview keeps JobActive.
    shared.JobActive = JobWindows::PreviewShown();
    // A control deleted after its document was handed over raises nothing.
    if (Zentrel* alive = job.liveControl())
        emit alive->AfterPrint();
    return result;
}

bool Zentrel::preparePrinter(Printer& printer, int t)
{
    SharedState& shared = SharedState::get();
    JobContext& job = *m_job;
    shared.PrinterScale = 7.058824 / printer.TwipsPerPixelX();
    printer.setFont(Printer::Font::of(JobWindows::ClearFont()));
    printer.setOrientation(shared.PrinterOrientation);
    SetPrinterColorMode(m_Color != 0 ? 1 : 2);
    ApplyCopies();
    if (shared.PrintAborted)
        return false;
    job.DrawScale = m_Zoom / 100.0;
    setMargins(job, *this, TwipsPerCm / t);
    shared.DirectPrint = 1;
    shared.PrinterMessCopy = m_PrinterMess;
    if (!PrinterReady())
        return false;
    shared.JobActive = true;
    printer.Print(m_EscStr);
    qint16 pageNumber = qint16(shared.PageCount + 1);
    emit Page(pageNumber);
    return true;
}

bool Zentrel::ShowPrinter()
{
    RunningJob running(SharedState::get());
    if (!running.started())
        return false;
    return JobWindows::ShowPrinter(*this);
}

void Zentrel::About()
{
    RunningJob running(SharedState::get());
    if (!running.started())
        return;
    JobWindows::About(*this);
}

void Zentrel::EndPrintJob()
{
    m_job->EndPrintJob();
}

void Zentrel::ApplyCopies()
{
    Printers::collection().current().setCopies(Values::toInt16(m_Copies));
}

void Zentrel::SetPrinterColorMode(qint16 Mode)
{
    Printers::collection().current().setColorMode(Mode);
}

bool Zentrel::PrinterReady()
{
    SharedState& shared = SharedState::get();
    Printer& printer = Printers::collection().current();
    // One blank opens the document.
    printer.Print(QStringLiteral(" "));
    if (printer.documentOpen() && printer.errorText().isEmpty())
        return true;
    Dialogs::current().message(shared.PrinterMessCopy, QString(), Dialogs::Icon::Critical);
    printer.KillDoc();
    return false;
}

bool Zentrel::PrinterEndDoc()
{
    return Printers::collection().current().EndDoc();
}

void Zentrel::PrinterKillDoc()
{
    Printers::collection().current().KillDoc();
}

void Zentrel::ClosePreviewForms()
{
    JobWindows::Finir();
    JobWindows::Finito();
}

void RequestPrintFromPreview()
{
    SharedState& shared = SharedState::get();
    shared.PrintFromPreview = true;
    if (Zentrel* owner = shared.PreviewOwner.data())
        owner->queuePrint();
}
