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

namespace {

class RunHandOverTest : public PrintMgrFixture
{
protected:
    bool present(const QString& name) const { return QFile::exists(path(name)); }
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

TEST_F(RunHandOverTest, EmptyRunIsDeletedOnlyWhenTheFileTakenIsEmpty)
{
    const struct
    {
        const char* name;
        QByteArray waiting;
        bool deleted;
    } cases[] = {
        {"zero bytes", QByteArray(), true},
        {"blank lines only", "\r\n\r\n", true},
        {"a run written after the count", runLines(2), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(QStringLiteral("Ticket.run"), c.waiting);
        ASSERT_TRUE(RunHandOver::removeIfEmpty(QString()));
        EXPECT_FALSE(present(QStringLiteral("Ticket.run")));
        if (c.deleted) {
            EXPECT_FALSE(present(RunHandOver::HeldName));
        } else {
            // Held apart from the shared name, still waiting.
            EXPECT_EQ(readBytes(RunHandOver::HeldName), c.waiting);
            EXPECT_EQ(RunHandOver::waitingCount(QString()), 2);
        }
        QFile::remove(path(RunHandOver::HeldName));
    }
}

TEST_F(RunHandOverTest, RunTakenWhileAnotherIsHeldJoinsItInTheOrderWritten)
{
    const QByteArray held = runLines(2, QStringLiteral("OLD"));
    const QByteArray cutShort = runLines(1, QStringLiteral("MID"));
    const QByteArray newer = runLines(3, QStringLiteral("NEW"));
    const struct
    {
        const char* name;
        QByteArray held;    // empty: none
        QByteArray joining; // left by a join cut short; empty: none
        QByteArray afterwards;
    } cases[] = {
        {"nothing held", {}, {}, newer},
        {"a run held", held, {}, held + newer},
        {"a join cut short", held, cutShort, held + cutShort + newer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.held.isEmpty())
            writeBytes(RunHandOver::HeldName, c.held);
        if (!c.joining.isEmpty())
            writeBytes(QStringLiteral("Joining.run"), c.joining);
        writeBytes(QStringLiteral("ticket.run"), newer);
        ASSERT_TRUE(RunHandOver::take(QString()));
        const QStringList runs =
            QDir(m_dir.path()).entryList({QStringLiteral("*.run*")}, QDir::Files);
        EXPECT_EQ(runs, QStringList{RunHandOver::HeldName});
        EXPECT_EQ(readBytes(RunHandOver::HeldName), c.afterwards);
        QFile::remove(path(RunHandOver::HeldName));
    }
}

TEST_F(RunHandOverTest, RunReplacedWhilePrintingWaitsAndTheOldOneIsFiled)
{
    PrintMgr& w = loadDirectThermal();
    const QByteArray old = runLines(3, QStringLiteral("OLD"));
    const QByteArray replacement = runLines(2, QStringLiteral("NEW"));
    writeBytes(QStringLiteral("Ticket.run"), old);
    w.setRunPrinter([&](qint32 count, qint32, const QString& runPath) {
        QFile file(runPath);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        m_printed.append({count, 1, runPath, file.readAll()});
        // The entry program writes a new run while the old one prints.
        if (m_printed.size() == 1)
            writeBytes(QStringLiteral("Ticket.run"), replacement);
        return true;
    });

    w.Timer1_Timer();
    ASSERT_EQ(m_printed.size(), 1);
    EXPECT_EQ(m_printed.at(0).contents, old);
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), old);
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")), replacement);

    w.Timer1_Timer();
    ASSERT_EQ(m_printed.size(), 2);
    EXPECT_EQ(m_printed.at(1).contents, replacement);
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.002")), old);
    EXPECT_FALSE(present(QStringLiteral("Ticket.run")));
}

TEST_F(RunHandOverTest, StartFilesAPrintedRunAndKeepsAnUnfinishedOneWaiting)
{
    writeBytes(RunHandOver::PrintedName, runLines(1, QStringLiteral("DONE")));
    writeBytes(RunHandOver::HeldName, runLines(2, QStringLiteral("CUT")));
    writeBytes(QStringLiteral("Ticket.run"), runLines(3, QStringLiteral("NEW")));
    writeBytes(QStringLiteral("PrevRun.001"), "older\r\n");
    PrintMgr& w = load();
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), runLines(1, QStringLiteral("DONE")));
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.002")), "older\r\n");
    EXPECT_FALSE(present(RunHandOver::PrintedName));
    EXPECT_EQ(w.WaitingTickets, 5);
    EXPECT_EQ(w.Label1[0]->Caption(), QStringLiteral("There are  5 new tickets waiting."));

    m_dialogs.answerInput(QStringLiteral("1"));
    w.TMButton_Click(0);
    ASSERT_EQ(m_printed.size(), 1);
    EXPECT_EQ(m_printed.at(0).contents,
              runLines(2, QStringLiteral("CUT")) + runLines(3, QStringLiteral("NEW")));
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), m_printed.at(0).contents);
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
        if (!store.OpenRecordFile()) {
            writerError = store.lastError();
            writerDone = true;
            return;
        }
        TicketRunWriter runs(store);
        for (int run = 1; run <= Runs && !stop; ++run) {
            while (!stop && QFile::exists(QStringLiteral("Ticket.run")))
                QThread::usleep(50);
            const QString units = isEmptyRun(run) ? QStringLiteral("0") : QStringLiteral("1");
            const auto result = runs.CreateTicketRun({{QString::number(run), units}});
            if (result == TicketRunWriter::Result::Refused) {
                writerError = runs.lastError();
                break;
            }
        }
        store.CloseRecordFile();
        writerDone = true;
    });

    QElapsedTimer clock;
    clock.start();
    bool waiting = true;
    while ((!writerDone || waiting) && clock.elapsed() < DeadlineMs) {
        w.Timer1_Timer();
        waiting = !QDir::current().entryList({QStringLiteral("*.run")}, QDir::Files).isEmpty();
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
    int lost = 0;
    int twice = 0;
    for (int run = 1; run <= Runs; ++run) {
        const int times = printed.value(run);
        if (!isEmptyRun(run) && times == 0)
            ++lost;
        if (times > 1)
            ++twice;
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(twice, 0);
    EXPECT_EQ(printed.size(), Runs - Runs / 11);
    m_window.reset();
    QDir::setCurrent(m_dir.path());
}
