#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include "PrintMgrFixture.h"
#include "entry/store/TicketRecord.h"
#include "entry/store/TicketRunWriter.h"
#include "entry/store/ZRNDBm.h"
#include "printrun/manager/RunHandOver.h"

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
        {"blank lines only", "\r\n\r\n", false},
        {"a run written after the count", runLines(2), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(QStringLiteral("Ticket.run"), c.waiting);
        ASSERT_TRUE(RunHandOver::removeIfEmpty(QString()));
        if (c.deleted) {
            EXPECT_FALSE(present(QStringLiteral("Ticket.run")));
        } else {
            EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")), c.waiting);
        }
        EXPECT_FALSE(present(RunHandOver::TakenName));
    }
}

TEST_F(RunHandOverTest, TakenRunGoesBackWithoutOverwritingANewerRun)
{
    const QByteArray taken = runLines(2, QStringLiteral("OLD"));
    const QByteArray newer = runLines(3, QStringLiteral("NEW"));
    const struct
    {
        const char* name;
        const char* waitingName; // empty: no run waits
        QByteArray afterwards;
    } cases[] = {
        {"nothing waits", "", taken},
        {"a newer run waits", "Ticket.run", taken + newer},
        {"a newer run spelt in lower case", "ticket.run", taken + newer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(RunHandOver::TakenName, taken);
        const QString waitingName = QString::fromLatin1(c.waitingName);
        if (!waitingName.isEmpty())
            writeBytes(waitingName, newer);
        ASSERT_TRUE(RunHandOver::giveBack(QString()));
        const QStringList runs =
            QDir(m_dir.path()).entryList({QStringLiteral("*.run")}, QDir::Files);
        ASSERT_EQ(runs.size(), 1) << runs.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(readBytes(runs.at(0)), c.afterwards);
        QFile::remove(path(runs.at(0)));
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

TEST_F(RunHandOverTest, StartFilesAPrintedRunAndPutsBackAnUnfinishedOne)
{
    writeBytes(RunHandOver::PrintedName, runLines(1, QStringLiteral("DONE")));
    writeBytes(RunHandOver::TakenName, runLines(2, QStringLiteral("CUT")));
    writeBytes(QStringLiteral("PrevRun.001"), "older\r\n");
    load();
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), runLines(1, QStringLiteral("DONE")));
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.002")), "older\r\n");
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")), runLines(2, QStringLiteral("CUT")));
    EXPECT_FALSE(present(RunHandOver::PrintedName));
    EXPECT_FALSE(present(RunHandOver::TakenName));
    EXPECT_EQ(window().WaitingTickets, 2);
}

// The entry program's run writer against the watch polling without pause:
// the writer puts each run in place as soon as no run waits (as a user who
// never replaces an unprinted run), one run in eleven empty.
TEST_F(RunHandOverTest, EveryRunWrittenWhileTheWatchPollsIsPrintedExactlyOnce)
{
    constexpr int Runs = 1000;
    constexpr qint64 DeadlineMs = 45000;
    writeBytes(QStringLiteral("ZRNZ.DAT"),
               "\"ONE       \",\"S     \",\"      \",\"      \",\"      \",\"      \",\"      \","
               "\"      \"\r\n");
    {
        ZRNDBm store;
        ASSERT_TRUE(store.OpenRecordFile());
        for (qint32 recNo = 1; recNo <= Runs; ++recNo) {
            TicketRecord rec;
            rec.SizeScale = QStringLiteral("ONE");
            rec.OrderQty[0] = 1;
            ASSERT_TRUE(store.PutTicketRecord(rec, recNo));
        }
        store.CloseRecordFile();
    }
    auto isEmptyRun = [](int run) { return run % 11 == 0; };

    PrintMgr& w = loadDirectThermal();
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
            while (
                !stop &&
                !QDir::current().entryList({QStringLiteral("ticket.run")}, QDir::Files).isEmpty())
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
}
