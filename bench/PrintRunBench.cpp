// Speed and memory of a whole print run of the print-run program: its main
// window is made and loaded on a prepared working folder, and Start Run
// prints the waiting run of address labels (3 x 7 on A4, layout "A") to the
// built-in "PDF" printer, as a user's Start Run does: start-label prompt,
// hand-over, print engine, statistics and the reprint rotation. The window
// is closed again at the end of each iteration.
//
//   bench/printrun_bench [--benchmark_filter=PrintRun/1050]
//   PRINTRUN_BENCH_OUTPUT=folder keeps the working folder (and the printed
//   PDF files under printed/) there.
//
// Each benchmark reports peak_rss_MB, the process's peak resident memory so
// far (getrusage); run one label count per process to see that run's peak
// alone (--benchmark_filter=PrintRun/210$, /1050$, /4200$).

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

#include "bench/RunFile.h"
#include "platform/files/FileNames.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/shell/MemoryReuse.h"
#include "platform/ui/Dialogs.h"
#include "printrun/designer/TicketPrinterFile.h"
#include "printrun/designer/ticketbas.h"
#include "printrun/engine/PrintRoutines.h"
#include "printrun/manager/PrintMgr.h"

using namespace platform;

namespace {

// Answers every box as a user starting a run does: the start label is the
// prompt's own "1", every message is acknowledged. Messages are counted: a
// run that reports anything went wrong.
class RunDialogs : public Dialogs
{
public:
    Answer message(const QString&, const QString&, Icon, Buttons) override
    {
        ++messages;
        return Answer::OK;
    }
    QString input(const QString&, const QString&, const QString& defaultText) override
    {
        return defaultText;
    }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    int messages = 0;
};

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// The working folder: the default layouts with "A" made the address label,
// type 6 printing on "PDF", and the waiting run. The program makes the rest
// (settings, statistics database) as at a first start.
bool prepareFolder(int labels)
{
    ticketbas layouts;
    layouts.TicketFileName = QStringLiteral("tfile.tm");
    if (!layouts.SetupTicketFileDefaults())
        return false;
    TicketFileRecord address;
    layouts.LoadTicketFile(1, address);
    address.TicketType = PrintRoutines::AddrAdhesive;
    if (!layouts.SaveTicketFile(1, address))
        return false;
    QStringList printers(TicketPrinterFile::TypeCount);
    printers[PrintRoutines::AddrAdhesive] = PdfPrinter::DeviceNameText;
    if (!TicketPrinterFile::write(printers))
        return false;
    QFile run(QStringLiteral("Ticket.run"));
    return run.open(QIODevice::WriteOnly) && run.write(benchRunFile(labels)) > 0;
}

void clearFolder()
{
    QDir folder(QDir::currentPath());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        folder.remove(name);
    QDir(folder.filePath(PdfPrinter::FolderName)).removeRecursively();
}

void BM_PrintRun(benchmark::State& state)
{
    const int labels = int(state.range(0));
    QTemporaryDir temporary;
    const QString folder = qEnvironmentVariable("PRINTRUN_BENCH_OUTPUT", temporary.path());
    QDir().mkpath(folder);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    RunDialogs dialogs;
    Dialogs::install(&dialogs);

    for (auto _ : state) {
        state.PauseTiming();
        clearFolder();
        if (!prepareFolder(labels)) {
            state.SkipWithError("the working folder could not be prepared");
            break;
        }
        state.ResumeTiming();

        // What the program's start does, then the user's Start Run, then
        // the close.
        auto window = std::make_unique<PrintMgr>();
        window->Form_Load();
        window->StartRun_Click();
        window->close();
        window.reset();

        state.PauseTiming();
        const bool printed = !FileNames::exists(QStringLiteral("Ticket.run")) &&
                             !QDir(PdfPrinter::FolderName).isEmpty();
        state.ResumeTiming();
        if (!printed || dialogs.messages > 0) {
            state.SkipWithError("the run was not printed");
            break;
        }
    }
    state.counters["labels"] = labels;
    state.counters["peak_rss_MB"] = peakMegabytes();
    Dialogs::install(nullptr);
    QDir::setCurrent(previous);
}
BENCHMARK(BM_PrintRun)
    ->Arg(21)
    ->Arg(210)
    ->Arg(1050)
    ->Arg(4200)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own start.
    keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
