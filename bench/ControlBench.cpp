// Speed and memory of the print/preview control over whole jobs, every
// page a user asks for (no page limit):
// - a host form holding one flexible grid of 10,000 rows and 12 columns,
//   previewed (pages composed in memory) and printed to the built-in "PDF"
//   printer;
// - a host form holding one many-line text box of 25 to 400 KB, previewed
//   and printed to "PDF" (the sizes show how the time grows with the text).
//
//   bench/control_bench [--benchmark_filter=Preview|Print|LongText]
//   CONTROL_BENCH_OUTPUT=folder keeps the printed PDF files there.
//
// Each job runs once per repetition; the time shown is wall time, and each
// job reports its process CPU time (cpu_s, all threads), its pages and
// peak_MB, the resident memory's peak during that job (the high-water mark
// is reset before each job where the kernel allows it, else the process's
// peak so far). The machine is shared: compare medians, and CPU beside wall.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <ctime>
#include <malloc.h>
#include <memory>
#include <sys/resource.h>

#include "control/core/JobWindows.h"
#include "control/core/SharedState.h"
#include "control/core/Zentrel.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/printing/PdfPrinter.h"
#include "platform/printing/Printers.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

// CONTROL_BENCH_ROWS sets another number of rows (for profiling runs).
const int GridRows = qEnvironmentVariableIsSet("CONTROL_BENCH_ROWS")
                         ? qEnvironmentVariableIntValue("CONTROL_BENCH_ROWS")
                         : 10000;
constexpr int GridCols = 12;

class QuietDialogs : public Dialogs
{
public:
    Answer message(const QString&, const QString&, Icon, Buttons) override { return Answer::OK; }
    QString input(const QString&, const QString&, const QString& defaultText) override
    {
        return defaultText;
    }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
};

// The form: a stock list of 10,000 lines, twelve columns that fit an A4
// page across, one header row.
struct StockForm
{
    StockForm()
    {
        form.setObjectName(QStringLiteral("StockForm"));
        form.resize(800, 600);
        grid = new FlexGrid(&form);
        grid->setObjectName(QStringLiteral("Stock"));
        grid->Move(300, 300, 10000, 6000);
        grid->setRows(GridRows + 1);
        grid->setCols(GridCols);
        grid->setFixedCols(0);
        for (int c = 0; c < GridCols; ++c) {
            grid->setColWidth(c, 780);
            grid->setTextMatrix(0, c, QStringLiteral("Col %1").arg(c + 1));
        }
        for (int r = 1; r <= GridRows; ++r) {
            grid->setTextMatrix(r, 0, QString::number(r));
            for (int c = 1; c < GridCols; ++c)
                grid->setTextMatrix(r, c, QStringLiteral("%1.%2").arg(r).arg(c * 7));
        }
        control = new Zentrel(&form);
        control->InitProperties();
        control->Move(9000, 0, 800, 375);
        control->setToPage(0); // every page, not the first 100
    }

    QWidget form;
    FlexGrid* grid = nullptr;
    Zentrel* control = nullptr;
};

// A form holding one many-line text box of about `kilobytes` KB of prose in
// paragraphs, which the box wraps into lines of about 60 characters.
struct NotesForm
{
    explicit NotesForm(int kilobytes)
    {
        form.setObjectName(QStringLiteral("NotesForm"));
        form.resize(800, 600);
        box = new MultiLineTextBox(&form);
        box->setObjectName(QStringLiteral("Notes"));
        box->Move(300, 300, 6000, 3000);
        box->setText(prose(kilobytes * 1024));
        control = new Zentrel(&form);
        control->InitProperties();
        control->Move(9000, 0, 800, 375);
        control->setToPage(0);
    }

    static QString prose(int size)
    {
        static const char* const words[] = {"stock",  "label", "price",    "jacket",   "size",
                                            "colour", "shop",  "season",   "reduced",  "count",
                                            "shelf",  "order", "delivery", "returned", "line"};
        QString text;
        text.reserve(size);
        unsigned seed = 7;
        int inParagraph = 0;
        while (text.size() < size) {
            seed = seed * 1103515245u + 12345u;
            text += QLatin1String(words[(seed >> 16) % 15]);
            if (++inParagraph == 50) {
                text += QLatin1Char('\n');
                inParagraph = 0;
            } else {
                text += QLatin1Char(' ');
            }
        }
        return text;
    }

    QWidget form;
    MultiLineTextBox* box = nullptr;
    Zentrel* control = nullptr;
};

// The resident memory's high-water mark, in MB, reset where the kernel
// allows it so that it measures one job.
class PeakMemory
{
public:
    static void reset()
    {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
    }
    static double megabytes()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("VmHWM:"))
                    return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
            }
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss / 1024.0;
    }
};

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Runs one whole job per iteration and reports its CPU time and its
// memory peak; `job` returns false when the job failed. `after` runs
// untimed after each job, once its peak is taken.
template <class Job, class After> void measureJobs(benchmark::State& state, Job job, After after)
{
    double cpu = 0;
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PeakMemory::reset();
        const double cpuBefore = processCpuSeconds();
        state.ResumeTiming();
        const bool done = job();
        state.PauseTiming();
        cpu += processCpuSeconds() - cpuBefore;
        peak = qMax(peak, PeakMemory::megabytes());
        if (!done)
            state.SkipWithError("the job failed");
        after();
        malloc_trim(0); // what the job freed leaves the next job's peak
        state.ResumeTiming();
    }
    state.counters["cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    state.counters["peak_MB"] = peak;
}

struct Environment
{
    Environment()
    {
        // CONTROL_BENCH_OUTPUT keeps the printed files in that folder (to
        // compare what is printed).
        QDir::setCurrent(qEnvironmentVariable("CONTROL_BENCH_OUTPUT", folder.path()));
        Printers::install(&printers);
        Dialogs::install(&dialogs);
    }
    QTemporaryDir folder;
    QuietDialogs dialogs;
    Printers printers{{QStringLiteral("PDF")}, QStringLiteral("PDF"), [](const QString&) {
                          return std::make_unique<PdfPrinter>(600);
                      }};
};

// Previews of the control's form, each closed again; the pages of the
// last.
int measurePreviews(benchmark::State& state, Zentrel* control)
{
    int pages = 0;
    measureJobs(
        state,
        [&] {
            const bool shown = control->Preview();
            pages = int(SharedState::get().PreviewPages.size());
            return shown;
        },
        [] { JobWindows::Finir(); });
    return pages;
}

void BM_PreviewFlexGrid(benchmark::State& state)
{
    Environment environment;
    StockForm stock;
    state.counters["pages"] = measurePreviews(state, stock.control);
}
BENCHMARK(BM_PreviewFlexGrid)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();

void BM_PrintFlexGridToPdf(benchmark::State& state)
{
    Environment environment;
    StockForm stock;
    measureJobs(
        state, [&] { return stock.control->LVPrint(); }, [] {});
}
BENCHMARK(BM_PrintFlexGridToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();

// Argument: the text's size in KB.
void BM_PreviewLongText(benchmark::State& state)
{
    Environment environment;
    NotesForm notes(int(state.range(0)));
    state.counters["pages"] = measurePreviews(state, notes.control);
    state.counters["lines"] = notes.box->LineCount();
}
BENCHMARK(BM_PreviewLongText)
    ->Arg(25)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();

void BM_PrintLongTextToPdf(benchmark::State& state)
{
    Environment environment;
    NotesForm notes(int(state.range(0)));
    measureJobs(
        state, [&] { return notes.control->LVPrint(); }, [] {});
    state.counters["lines"] = notes.box->LineCount();
}
BENCHMARK(BM_PrintLongTextToPdf)
    ->Arg(25)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
