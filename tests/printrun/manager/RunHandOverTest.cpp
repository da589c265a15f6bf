#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include "PrintMgrFixture.h"
#include "entry/store/TicketRecord.h"
#include "entry/store/TicketRunWriter.h"
#include "entry/store/ZRNDBm.h"
#include "platform/controls/Label.h"
#include "printrun/manager/RunHandOver.h"
#include "printrun/manager/SettingsFile.h"

using namespace platform;

namespace {

class RunHandOverTest : public PrintMgrFixture
{
protected:
    // Direct Printing on with a thermal layout: every poll that finds a run
    // prints it without a prompt.
    PrintMgr& loadDirectThermal()
    {
        writeSettings({{3, QStringLiteral("YES")}});
        PrintMgr& w = load();
        setTicketType(3);
        return w;
    }
};

} // namespace

// What the poll finds when no ticket waits: the run is taken out of the
// shared name first, deleted only when that very file holds no ticket, and
// otherwise held, joined after a run already held.
TEST_F(RunHandOverTest, PollDeletesOnlyTheEmptyFileItTookAndJoinsHeldRunsInOrder)
{
    const QByteArray old = runLines(2, QStringLiteral("OLD"));
    const QByteArray cut = runLines(1, QStringLiteral("CUT"));
    const QByteArray run = runLines(3, QStringLiteral("NEW"));
    const struct
    {
        const char* name;
        QByteArray held, joining, waiting; // held and joining: empty for none
        QByteArray afterwards;             // the held run; empty for none
    } cases[] = {
        {"zero bytes", {}, {}, {}, {}},
        {"blank lines only", {}, {}, "\r\n\r\n", {}},
        {"a run written after the count", {}, {}, run, run},
        {"a run already held", old, {}, run, old + run},
        {"a join cut short", old, cut, run, old + cut + run},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.held.isEmpty())
            writeBytes(RunHandOver::HeldName, c.held);
        if (!c.joining.isEmpty())
            writeBytes(QStringLiteral("Joining.run"), c.joining);
        writeBytes(QStringLiteral("ticket.run"), c.waiting);
        ASSERT_TRUE(RunHandOver::removeIfEmpty(QString()));
        const QStringList runs = QDir(m_dir.path()).entryList({QStringLiteral("*.run*")});
        EXPECT_EQ(runs,
                  c.afterwards.isEmpty() ? QStringList() : QStringList{RunHandOver::HeldName});
        EXPECT_EQ(readBytes(RunHandOver::HeldName), c.afterwards);
        QFile::remove(path(RunHandOver::HeldName));
    }
}

TEST_F(RunHandOverTest, RunWrittenWhileAnotherPrintsWaitsAndOnlyThePrintedOneIsFiled)
{
    PrintMgr& w = loadDirectThermal();
    const QByteArray old = runLines(3, QStringLiteral("OLD"));
    const QByteArray replacement = runLines(2, QStringLiteral("NEW"));
    writeBytes(QStringLiteral("Ticket.run"), old);
    w.setRunPrinter([&](qint32 count, qint32, const QString& runPath) {
        m_printed.append({count, 1, runPath, readBytes(runPath), w.ticketBuffer().TicketType});
        if (m_printed.size() == 1)
            writeBytes(QStringLiteral("Ticket.run"), replacement);
        return true;
    });
    w.Timer1_Timer();
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), old);
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")), replacement);
    w.Timer1_Timer();
    ASSERT_EQ(m_printed.size(), 2);
    EXPECT_EQ(m_printed.at(0).contents, old);
    EXPECT_EQ(m_printed.at(1).contents, replacement);
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), replacement);
}

TEST_F(RunHandOverTest, StartFilesAPrintedRunAndKeepsAnUnfinishedOneWaiting)
{
    writeBytes(RunHandOver::PrintedName, runLines(1, QStringLiteral("DONE")));
    writeBytes(RunHandOver::HeldName, runLines(2, QStringLiteral("CUT")));
    writeBytes(QStringLiteral("Ticket.run"), runLines(3, QStringLiteral("NEW")));
    PrintMgr& w = load();
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), runLines(1, QStringLiteral("DONE")));
    EXPECT_EQ(w.Label1[0]->Caption(), QStringLiteral("There are  5 new tickets waiting."));
    m_dialogs.answerInput(QStringLiteral("1"));
    w.TMButton_Click(0);
    ASSERT_EQ(m_printed.size(), 1);
    EXPECT_EQ(m_printed.at(0).contents,
              runLines(2, QStringLiteral("CUT")) + runLines(3, QStringLiteral("NEW")));
}

// The entry program's run writer against the watch polling without pause:
// the writer puts each run in place as soon as no run waits (as a user who
// never replaces an unprinted run), one run in eleven empty.
TEST_F(RunHandOverTest, EveryRunWrittenWhileTheWatchPollsIsPrintedExactlyOnce)
{
    constexpr int Runs = 1000;
    constexpr qint64 DeadlineMs = 45000;
    // The hand-over does not depend on how fast the disk syncs: where there
    // is memory-backed storage the runs are written there, which keeps the
    // test short.
    QTemporaryDir memory(QStringLiteral("/dev/shm/handover-XXXXXX"));
    if (memory.isValid()) {
        ASSERT_TRUE(QDir::setCurrent(memory.path()));
    }
    auto write = [](const QString& name, const QByteArray& bytes) {
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QStringList settings(SettingsFile::EntryCount);
    settings[3] = QStringLiteral("YES"); // Direct Printing
    ASSERT_TRUE(write(SettingsFile::FileName, SettingsFile::encode(settings)));
    ASSERT_TRUE(write(QStringLiteral("ZRNZ.DAT"),
                      "\"ONE       \",\"S     \",\"      \",\"      \",\"      \",\"      \","
                      "\"      \",\"      \"\r\n"));
    // Record n holds one ticket of size position 0.
    QByteArray records;
    for (qint32 recNo = 1; recNo <= Runs; ++recNo) {
        TicketRecord rec;
        rec.SizeScale = QStringLiteral("ONE");
        rec.OrderQty[0] = 1;
        records += rec.encode();
    }
    ASSERT_TRUE(write(QStringLiteral("ZRNDB.DAT"), records));
    auto isEmptyRun = [](int run) { return run % 11 == 0; };

    PrintMgr& w = load();
    setTicketType(3); // thermal: no start-label prompt
    std::atomic<bool> writerDone{false};
    std::atomic<bool> stop{false};
    QString writerError;
    std::thread writer([&] {
        ZRNDBm store;
        TicketRunWriter runs(store);
        if (!store.OpenRecordFile())
            writerError = store.lastError();
        for (int run = 1; run <= Runs && !stop && writerError.isEmpty(); ++run) {
            while (!stop && QFile::exists(QStringLiteral("Ticket.run")))
                QThread::usleep(50);
            const QString units = isEmptyRun(run) ? QStringLiteral("0") : QStringLiteral("1");
            if (runs.CreateTicketRun({{QString::number(run), units}}) ==
                TicketRunWriter::Result::Refused)
                writerError = runs.lastError();
        }
        store.CloseRecordFile();
        writerDone = true;
    });

    QElapsedTimer clock;
    clock.start();
    // Done is read before the poll, so the writer's last run is seen by it.
    for (bool done = false; !done && clock.elapsed() < DeadlineMs;) {
        done = writerDone;
        w.Timer1_Timer();
        done = done && QDir::current().entryList({QStringLiteral("*.run")}, QDir::Files).isEmpty();
    }
    stop = true;
    writer.join();
    ASSERT_TRUE(writerError.isEmpty()) << writerError.toStdString();
    ASSERT_LT(clock.elapsed(), DeadlineMs) << "runs still waiting at the deadline";

    // Each ticket line carries its run's record number in the barcode body.
    QMap<int, int> printed;
    for (const PrintedRun& run : m_printed) {
        for (const QByteArray& line : run.contents.split('\n')) {
            if (line.size() >= 81)
                ++printed[line.mid(77, 4).toInt()];
        }
    }
    // Runs printed other than once (an empty run: other than never).
    QList<int> wrong;
    for (int run = 1; run <= Runs; ++run) {
        if (printed.value(run) != (isEmptyRun(run) ? 0 : 1))
            wrong << run;
    }
    EXPECT_TRUE(wrong.isEmpty()) << wrong.size() << " runs, the first " << wrong.value(0);
    m_window.reset();
    QDir::setCurrent(m_dir.path());
}
