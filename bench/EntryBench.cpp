// Speed of the ticket-entry program with a full record file: each operation
// staff wait for, run through the real main window (offscreen) on a data set
// of 9,999 records built in a temporary folder.
//
//   bench/entry_bench [--benchmark_filter=...]
//
// Every operation reports the median of several repetitions.

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/TextBox.h"
#include "platform/files/FileNames.h"
#include "platform/runtime/Values.h"
#include "platform/shell/MemoryReuse.h"
#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

constexpr int RecordCount = 9999;
// Records 1 to 100 wait in the print file.
constexpr int PrintFileEntries = 100;
// The last record is marked deleted: the free-slot scan reads every record
// before it finds that slot, and an accepted ticket reuses it, so the file
// stays at 9,999 records.
constexpr int MarkedRecord = RecordCount;

// Ten records carry the title "RARE ..." and the supplier "RARE LTD"; 500
// carry the supplier "COMMON CLOTHING".
bool isRare(int recNo)
{
    return recNo % 1000 == 7;
}
bool isCommon(int recNo)
{
    return recNo % 20 == 3;
}

// Answers every box as a user going ahead would, and remembers the last
// text so that a benchmark can tell an unexpected box.
class BenchDialogs : public Dialogs
{
public:
    Answer message(const QString& text, const QString&, Icon, Buttons buttons) override
    {
        ++shown;
        lastText = text;
        switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return Answer::Yes;
        default:
            return Answer::OK;
        }
    }
    QString input(const QString&, const QString&, const QString& defaultText) override
    {
        return defaultText;
    }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }

    int shown = 0;
    QString lastText;
};

QByteArray quoted(const QString& text, int width)
{
    return '"' + text.leftJustified(width, QLatin1Char(' ')).toLatin1() + '"';
}

TicketRecord recordFor(int recNo)
{
    static const char* const titles[] = {"SUMMER",    "WINTER", "NEW SEASON", "SALE",
                                         "CLEARANCE", "SPRING", "AUTUMN",     "EXCLUSIVE"};
    static const char* const suppliers[] = {"NORTHWIND",  "HARBOUR MILLS", "FENWAY KNITS",
                                            "BLUE RIVER", "OAKLEY & SONS", "TWEED CO"};
    static const char* const descriptions[] = {"SHIRT",  "TROUSERS", "JUMPER", "DRESS",
                                               "JACKET", "SKIRT",    "COAT",   "T-SHIRT"};
    static const char* const colours[] = {"R", "BLK", "WHT", "NVY"};
    static const char* const scales[] = {"MENS", "LADIES", "KIDS"};
    static const char* const fits[] = {"L", "R", "S", ""};

    TicketRecord r;
    const int i = recNo;
    r.Title1 = Values::fixedWidth(isRare(i) ? QStringLiteral("RARE %1").arg(i)
                                            : QString::fromLatin1(titles[i % 8]),
                                  TicketRecord::Title1Width);
    r.Title2 = Values::fixedWidth(QStringLiteral("LINE %1").arg(i % 37), TicketRecord::Title2Width);
    r.Supplier = Values::fixedWidth(isRare(i)     ? QStringLiteral("RARE LTD")
                                    : isCommon(i) ? QStringLiteral("COMMON CLOTHING")
                                                  : QString::fromLatin1(suppliers[i % 6]),
                                    TicketRecord::SupplierWidth);
    r.Description = Values::fixedWidth(QString::fromLatin1(descriptions[i % 8]) +
                                           QStringLiteral(" \u00A3%1").arg(i % 50),
                                       TicketRecord::DescriptionWidth);
    r.ColourID =
        Values::fixedWidth(QString::fromLatin1(colours[i % 4]), TicketRecord::ColourIDWidth);
    r.Fit = Values::fixedWidth(QString::fromLatin1(fits[i % 4]), TicketRecord::FitWidth);
    r.SizeScale =
        Values::fixedWidth(QString::fromLatin1(scales[i % 3]), TicketRecord::SizeScaleWidth);
    r.Price = 4.99 + (i % 200) * 0.5;
    r.DateCreated = 45000 + i / 10;
    r.DateLastUsed = r.DateCreated + i % 30;
    for (int p = 0; p < 5; ++p) {
        r.TotalQty[size_t(p)] = 1 + (i + p) % 4;
        if (i <= PrintFileEntries)
            r.OrderQty[size_t(p)] = 1 + (i + p) % 2;
    }
    r.DeleteMark = i == MarkedRecord ? 1 : 0;
    return r;
}

QByteArray printFileBytes()
{
    QByteArray bytes;
    for (int n = 1; n <= PrintFileEntries; ++n)
        bytes += '"' + QByteArray::number(n) + "\"\r\n";
    return bytes;
}

bool writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The data set of a shop whose record file is full.
bool buildDataSet()
{
    QByteArray records;
    records.reserve(qsizetype(RecordCount) * TicketRecord::Length);
    for (int n = 1; n <= RecordCount; ++n)
        records += recordFor(n).encode();
    const QByteArray scales = quoted(QStringLiteral("MENS"), 10) + ",\"S     \",\"M     \"," +
                              "\"L     \",\"XL    \",\"XXL   \",\"      \",\"      \"\r\n" +
                              quoted(QStringLiteral("LADIES"), 10) + ",\"8     \",\"10    \"," +
                              "\"12    \",\"14    \",\"16    \",\"18    \",\"      \"\r\n" +
                              quoted(QStringLiteral("KIDS"), 10) + ",\"2-3   \",\"4-5   \"," +
                              "\"6-7   \",\"8-9   \",\"10-11 \",\"      \",\"      \"\r\n";
    QByteArray colours;
    const char* const colourRows[][2] = {
        {"R", "Red"}, {"BLK", "Black"}, {"WHT", "White"}, {"NVY", "Navy"}};
    for (const auto& row : colourRows)
        colours += quoted(QString::fromLatin1(row[0]), 3) + ',' +
                   quoted(QString::fromLatin1(row[1]), 20) + "\r\n";
    return writeFile(QStringLiteral("ZRNDB.DAT"), records) &&
           writeFile(QStringLiteral("ZRNZ.DAT"), scales) &&
           writeFile(QStringLiteral("ZRCOL.DAT"), colours) &&
           writeFile(QStringLiteral("ZRPRT.DAT"), printFileBytes());
}

// The window and its folder, shared by every benchmark.
struct Bench
{
    QTemporaryDir dir;
    BenchDialogs dialogs;
    std::unique_ptr<MainFrm> frm;
};
Bench* bench = nullptr;

MainFrm& window()
{
    return *bench->frm;
}

void processEvents()
{
    QCoreApplication::processEvents();
}

// Wall time in milliseconds, as staff feel it; a fixed number of runs in
// each of five repetitions, of which the median is the figure to read.
void settings(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20)->Repetitions(5);
    b->ReportAggregatesOnly(true);
}

// ---------------------------------------------------------------------------

// The first key typed into title line 1 after the barcode box was emptied:
// the free-slot scan, the provisional barcode and the ticket preview.
void BM_KeystrokeWithFreeSlotScan(benchmark::State& state)
{
    MainFrm& frm = window();
    frm.Toolbar1_ButtonClick(2);
    processEvents();
    int key = 0;
    for (auto _ : state) {
        state.PauseTiming();
        frm.Combo1[0]->setText(QStringLiteral("SUMMER"));
        frm.Text1[1]->setText(QString());
        processEvents();
        state.ResumeTiming();
        frm.Combo1[0]->setText(QStringLiteral("SUMMER") + QChar(u'A' + key++ % 26));
    }
    if (frm.Text1[1]->Text() != QStringLiteral("99999xxx"))
        state.SkipWithError("the provisional barcode does not name the free slot");
}
BENCHMARK(BM_KeystrokeWithFreeSlotScan)->Apply(settings);

// "Search on above detail." on the look-up screen, by title prefix (10
// hits) or by supplier prefix (500 hits).
void BM_LookUpSearch(benchmark::State& state)
{
    MainFrm& frm = window();
    const bool rare = state.range(0) == 10;
    frm.Toolbar1_ButtonClick(3);
    processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        frm.Command5_Click(0);
        for (int combo = 13; combo >= 7; --combo)
            frm.Combo1[size_t(combo)]->setText(QString());
        frm.Text1[2]->setText(QString());
        frm.Text1[3]->setText(QString());
        if (rare)
            frm.Combo1[13]->setText(QStringLiteral("rare"));
        else
            frm.Combo1[11]->setText(QStringLiteral("COMMON"));
        processEvents();
        state.ResumeTiming();
        frm.Command4_Click(0);
    }
    if (frm.ListView1->itemCount() != state.range(0))
        state.SkipWithError("the search did not find the expected records");
}
BENCHMARK(BM_LookUpSearch)->Arg(10)->Arg(500)->Apply(settings);

// "Go" on the records screen: every record (9,999 rows), or the ten records
// of one supplier.
void BM_RecordsScreen(benchmark::State& state)
{
    MainFrm& frm = window();
    const bool all = state.range(0) == RecordCount;
    frm.Toolbar1_ButtonClick(5);
    if (frm.Command13->Visible())
        frm.Command13_Click();
    frm.Combo4->setText(QStringLiteral("Created/Used anytime"));
    frm.Combo4_Click();
    frm.Combo2->setText(all ? QStringLiteral("All Records") : QStringLiteral("Supplier"));
    frm.Combo2_Click();
    frm.Combo3->setText(all ? QString() : QStringLiteral("rare ltd"));
    processEvents();
    for (auto _ : state) {
        frm.Command15_Click(0);
        state.PauseTiming();
        processEvents();
        state.ResumeTiming();
    }
    if (frm.Label10->Caption() != QStringLiteral("Records in list (%1)").arg(state.range(0)))
        state.SkipWithError("the list does not hold the expected records");
}
BENCHMARK(BM_RecordsScreen)->Arg(RecordCount)->Arg(10)->Apply(settings);

// "Accept" of a new ticket while 100 tickets wait in the print file. The
// ticket takes the marked last slot; afterwards the slot is marked again and
// the ticket's line leaves the print file.
void BM_AcceptTicket(benchmark::State& state)
{
    MainFrm& frm = window();
    frm.Toolbar1_ButtonClick(2);
    const TicketRecord marked = recordFor(MarkedRecord);
    const int boxesBefore = bench->dialogs.shown;
    for (auto _ : state) {
        state.PauseTiming();
        frm.Combo1[0]->setText(QStringLiteral("BENCH"));
        frm.Combo1[1]->setText(QStringLiteral("ACCEPT"));
        frm.Combo1[2]->setText(QStringLiteral("NORTHWIND"));
        frm.Combo1[3]->setText(QStringLiteral("SHIRT"));
        frm.Combo1[4]->setText(QStringLiteral("R  :Red"));
        frm.Combo1[5]->setText(QStringLiteral("L"));
        frm.Combo1[6]->setText(QStringLiteral("MENS      "));
        frm.LoadScaleGrid(1, frm.Combo1[6]->Text());
        frm.Text1[0]->setText(QStringLiteral("12.5"));
        frm.Text2[0]->setText(QStringLiteral("2"));
        frm.Text2[2]->setText(QStringLiteral("3"));
        processEvents();
        const int linesBefore = frm.ListView2->itemCount();
        state.ResumeTiming();

        frm.Command2_Click();

        state.PauseTiming();
        const bool added = frm.ListView2->itemCount() == linesBefore + 1 &&
                           frm.store().GetTicketRecord(MarkedRecord).DeleteMark == 0;
        if (added) {
            frm.ListView2->removeItem(frm.ListView2->itemCount());
            frm.SavePrintFile();
        }
        frm.store().PutTicketRecord(marked, MarkedRecord);
        processEvents();
        state.ResumeTiming();
        if (!added || frm.ListView2->itemCount() != PrintFileEntries) {
            state.SkipWithError("the ticket was not accepted into the marked slot");
            break;
        }
    }
    if (bench->dialogs.shown != boxesBefore)
        state.SkipWithError(("a message box was shown: " + bench->dialogs.lastText).toUtf8());
}
BENCHMARK(BM_AcceptTicket)->Apply(settings);

// Producing the ticket run from a print file of 100 entries.
void BM_CreatePrintRun(benchmark::State& state)
{
    MainFrm& frm = window();
    frm.Toolbar1_ButtonClick(4);
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(QStringLiteral("ZRPRT.DAT"), printFileBytes());
        frm.LoadPrintFile();
        processEvents();
        const bool full = frm.ListView2->itemCount() == PrintFileEntries;
        state.ResumeTiming();
        if (!full) {
            state.SkipWithError("the print file did not load its 100 entries");
            break;
        }
        frm.CreateTicketRun();
    }
    if (bench->dialogs.lastText != QStringLiteral("Ticket-run created.") ||
        !FileNames::exists(QStringLiteral("Ticket.run")))
        state.SkipWithError("no ticket run was created");
    // Later benchmarks find the print file as it was built.
    writeFile(QStringLiteral("ZRPRT.DAT"), printFileBytes());
    frm.LoadPrintFile();
}
BENCHMARK(BM_CreatePrintRun)->Apply(settings);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own start.
    keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    Bench state;
    if (!state.dir.isValid() || !QDir::setCurrent(state.dir.path()) || !buildDataSet()) {
        std::fprintf(stderr, "The data set could not be built in a temporary folder.\n");
        return EXIT_FAILURE;
    }
    Dialogs::install(&state.dialogs);
    state.frm = std::make_unique<MainFrm>();
    state.frm->Form_Load();
    state.frm->show();
    bench = &state;

    benchmark::AddCustomContext("records", std::to_string(RecordCount));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    bench = nullptr;
    state.frm.reset();
    Dialogs::install(nullptr);
    return EXIT_SUCCESS;
}
