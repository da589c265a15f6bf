// Speed of the run editor's deletions on a large run: the editor is opened
// on a run of 30,000 lines, then "Amount?" deletes 29,990 rows from the top,
// or "Selected tickets" deletes every other row. Only the deletion is
// timed; opening the file and selecting the rows are not.
//
//   bench/printrun_bench --benchmark_filter=RunEditor
//
// Each benchmark reports wall time and the process's CPU time, and the
// rows left (`rows_left`) as a check that the deletion took place.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/RunFile.h"
#include "platform/controls/ListView.h"
#include "platform/ui/Dialogs.h"
#include "printrun/manager/PrintLst.h"

using namespace platform;

namespace {

constexpr int RunLines = 30000;

// Answers the "Amount?" input box with a fixed count; every other box is
// counted, as none should be shown.
class DeleteDialogs : public Dialogs
{
public:
    Answer message(const QString&, const QString&, Icon, Buttons) override
    {
        ++messages;
        return Answer::No;
    }
    QString input(const QString&, const QString&, const QString&) override { return amount; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString amount;
    int messages = 0;
};

// Selects rows 1, 3, 5, ... of the list in one step.
void selectEveryOtherRow(ListView& list)
{
    QItemSelection selection;
    const int lastColumn = list.columnCount() - 1;
    for (int row = 0; row < list.itemCount(); row += 2)
        selection.select(list.model()->index(row, 0), list.model()->index(row, lastColumn));
    list.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

// The editor opened on the benchmark's run in a temporary folder.
class Fixture
{
public:
    Fixture()
    {
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
        QFile run(QStringLiteral("Ticket.run"));
        m_ready = run.open(QIODevice::WriteOnly) && run.write(benchRunFile(RunLines)) > 0;
        Dialogs::install(&dialogs);
    }
    ~Fixture()
    {
        Dialogs::install(nullptr);
        QDir::setCurrent(m_previous);
    }
    bool ready() const { return m_ready; }

    DeleteDialogs dialogs;
    PrintLst editor;

private:
    QTemporaryDir m_folder;
    QString m_previous;
    bool m_ready = false;
};

void finish(benchmark::State& state, const Fixture& fixture, int expectedRows)
{
    const int left = fixture.editor.ListView1->itemCount();
    if (left != expectedRows || fixture.dialogs.messages > 0)
        state.SkipWithError("the rows were not deleted");
    state.counters["rows_left"] = left;
}

void BM_RunEditorDeleteAmount(benchmark::State& state)
{
    const int amount = int(state.range(0));
    Fixture fixture;
    fixture.dialogs.amount = QString::number(amount);
    for (auto _ : state) {
        state.PauseTiming();
        fixture.editor.OpenFile(QStringLiteral("Ticket.run"));
        QApplication::processEvents();
        state.ResumeTiming();
        fixture.editor.Menu_Delete_Delete1toN_Click();
        QApplication::processEvents();
    }
    finish(state, fixture, RunLines - amount);
}
BENCHMARK(BM_RunEditorDeleteAmount)
    ->Arg(29990)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

void BM_RunEditorDeleteSelected(benchmark::State& state)
{
    Fixture fixture;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.editor.OpenFile(QStringLiteral("Ticket.run"));
        selectEveryOtherRow(*fixture.editor.ListView1);
        QApplication::processEvents();
        state.ResumeTiming();
        fixture.editor.Menu_Delete_DeleteSelected_Click();
        QApplication::processEvents();
    }
    finish(state, fixture, RunLines / 2);
}
BENCHMARK(BM_RunEditorDeleteSelected)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

} // namespace
