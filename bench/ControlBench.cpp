// Speed and memory of the print/preview control with a shop-sized grid: a
// host form holding one flexible grid of 10,000 rows and 12 columns is
// previewed (pages composed in memory) and printed to the built-in "PDF"
// printer.
//
//   bench/control_bench [--benchmark_filter=Preview|Print]
//   CONTROL_BENCH_OUTPUT=folder keeps the printed PDF files there.
//
// Each benchmark reports peak_rss_MB, the process's peak resident memory so
// far (getrusage); run one filter per process to see the peak of that job
// alone.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <sys/resource.h>

#include "control/core/JobWindows.h"
#include "control/core/SharedState.h"
#include "control/core/Zentrel.h"
#include "platform/controls/FlexGrid.h"
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
    }

    QWidget form;
    FlexGrid* grid = nullptr;
    Zentrel* control = nullptr;
};

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
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

void BM_PreviewFlexGrid(benchmark::State& state)
{
    Environment environment;
    StockForm stock;
    int pages = 0;
    for (auto _ : state) {
        const bool shown = stock.control->Preview();
        pages = int(SharedState::get().PreviewPages.size());
        state.PauseTiming();
        if (!shown)
            state.SkipWithError("the preview was not shown");
        JobWindows::Finir();
        state.ResumeTiming();
    }
    state.counters["pages"] = pages;
    state.counters["peak_rss_MB"] = peakMegabytes();
}
BENCHMARK(BM_PreviewFlexGrid)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PrintFlexGridToPdf(benchmark::State& state)
{
    Environment environment;
    StockForm stock;
    for (auto _ : state) {
        if (!stock.control->LVPrint())
            state.SkipWithError("the print failed");
    }
    state.counters["peak_rss_MB"] = peakMegabytes();
}
BENCHMARK(BM_PrintFlexGridToPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

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
