#include <QDir>
#include <QFile>
#include <QTabBar>
#include <gtest/gtest.h>

#include "PrintMgrFixture.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/TextBox.h"
#include "printrun/designer/Ticketstp.h"
#include "printrun/designer/ticketbas.h"
#include "printrun/manager/ReprintFiles.h"

using namespace platform;

namespace {

class RunWatchTest : public PrintMgrFixture
{
protected:
    QString status() const { return m_window->Label1[0]->Caption(); }
    bool startEnabled() const
    {
        return m_window->TMButton[0]->Enabled() && m_window->TMRunOptions->Enabled();
    }
    // Direct Printing on, with a thermal (no start label) or a sheet layout.
    PrintMgr& loadDirect(qint16 ticketType)
    {
        writeSettings({{3, QStringLiteral("YES")}});
        PrintMgr& w = load();
        setTicketType(ticketType);
        return w;
    }
};

const QString NoTickets = QStringLiteral("There are no new tickets to print.");

} // namespace

TEST_F(RunWatchTest, StatusCountsTheTicketLinesOfTheWaitingRun)
{
    const struct
    {
        const char* name;
        QByteArray bytes;
        const char* text;
    } cases[] = {
        {"three lines", runLines(3), "There are  3 new tickets waiting."},
        {"one line", runLines(1), "There are  1 new tickets waiting."},
        {"a comma splits a line", "> A,B\r\n> C\r\n", "There are  3 new tickets waiting."},
        {"blank lines count nothing", "\r\n> A\r\n\r\n", "There are  1 new tickets waiting."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(QStringLiteral("TICKET.RUN"), c.bytes);
        PrintMgr& w = load();
        EXPECT_EQ(status(), QString::fromLatin1(c.text));
        EXPECT_TRUE(startEnabled());

        w.Timer1_Timer();
        EXPECT_EQ(status(), QString::fromLatin1(c.text));
        EXPECT_EQ(w.WaitingTickets, QString::fromLatin1(c.text).mid(11, 1).toInt());
    }
}

TEST_F(RunWatchTest, PollDeletesAnEmptyRunAndShowsNoTickets)
{
    PrintMgr& w = load();
    EXPECT_EQ(status(), NoTickets);
    EXPECT_FALSE(startEnabled());

    writeBytes(QStringLiteral("Ticket.run"), runLines(2));
    w.Timer1_Timer();
    EXPECT_EQ(status(), QStringLiteral("There are  2 new tickets waiting."));
    EXPECT_TRUE(startEnabled());

    writeBytes(QStringLiteral("Ticket.run"), QByteArray());
    w.Timer1_Timer();
    EXPECT_EQ(status(), NoTickets);
    EXPECT_FALSE(startEnabled());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run"))));
}

TEST_F(RunWatchTest, RunFilesAreLookedForInTheDataPath)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("runs")));
    writeSettings({{2, QStringLiteral("runs/")}});
    writeBytes(QStringLiteral("ticket.run"), runLines(5));
    writeBytes(QStringLiteral("runs/Ticket.run"), runLines(2));
    PrintMgr& w = load();
    EXPECT_EQ(status(), QStringLiteral("There are  2 new tickets waiting."));

    m_dialogs.answerInput(QStringLiteral("1"));
    w.TMButton_Click(0);
    ASSERT_EQ(m_printed.size(), 1);
    EXPECT_EQ(m_printed.at(0).count, 2);
    EXPECT_EQ(m_printed.at(0).path, QStringLiteral("runs/Printing.run"));
    EXPECT_EQ(readBytes(QStringLiteral("runs/PrevRun.001")), runLines(2));
    EXPECT_EQ(readBytes(QStringLiteral("ticket.run")), runLines(5));
}

TEST_F(RunWatchTest, DirectPrintingPrintsAThermalRunAtTheNextPollWithoutAPrompt)
{
    PrintMgr& w = loadDirect(3);
    const QByteArray run = runLines(4);
    writeBytes(QStringLiteral("Ticket.run"), run);

    w.Timer1_Timer();
    ASSERT_EQ(m_printed.size(), 1);
    EXPECT_EQ(m_printed.at(0).count, 4);
    EXPECT_EQ(m_printed.at(0).startLabel, 1);
    EXPECT_EQ(m_printed.at(0).path, QStringLiteral("Printing.run"));
    EXPECT_EQ(m_printed.at(0).contents, run);
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), run);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run"))));
    EXPECT_EQ(w.PanelMode, 0);

    w.Timer1_Timer();
    EXPECT_EQ(m_printed.size(), 1);
    EXPECT_EQ(status(), NoTickets);
}

TEST_F(RunWatchTest, CancelledStartLabelKeepsTheRunAndAsksAgainAtTheNextPoll)
{
    PrintMgr& w = loadDirect(0);
    writeBytes(QStringLiteral("Ticket.run"), runLines(3));
    for (int poll = 1; poll <= 2; ++poll) {
        m_dialogs.answerInput(QString());
        m_dialogs.answerMessage(Dialogs::Answer::OK);
        w.Timer1_Timer();
    }
    ASSERT_EQ(m_dialogs.shown().size(), 4);
    const auto prompt = m_dialogs.shown().at(0);
    EXPECT_EQ(prompt.kind, ScriptedDialogs::Kind::Input);
    EXPECT_EQ(prompt.text, QStringLiteral("At what label do you wish to start printing?"));
    EXPECT_EQ(prompt.title, QStringLiteral("A4 Labels"));
    EXPECT_EQ(prompt.defaultText, QStringLiteral("1"));
    const auto cancelled = m_dialogs.shown().at(1);
    EXPECT_EQ(cancelled.kind, ScriptedDialogs::Kind::Message);
    EXPECT_EQ(cancelled.text, QStringLiteral("Print cancelled."));
    EXPECT_EQ(cancelled.title, QStringLiteral("Printer"));
    EXPECT_EQ(cancelled.icon, Dialogs::Icon::Information);
    EXPECT_EQ(cancelled.buttons, Dialogs::Buttons::OK);
    EXPECT_EQ(m_dialogs.shown().at(2).kind, ScriptedDialogs::Kind::Input);

    EXPECT_TRUE(m_printed.isEmpty());
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Ticket.run"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("PrevRun.001"))));
}

TEST_F(RunWatchTest, StartLabelIsTheAnswersNumberRoundedHalfToEven)
{
    const struct
    {
        const char* answer;
        qint32 label; // 0: cancelled
    } cases[] = {{"1", 1}, {"5", 5},  {"2.5", 2}, {"3.5", 4}, {" 7 labels", 7},
                 {"0", 0}, {"-3", 0}, {"abc", 0}, {"", 0},    {"0.4", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        m_printed.clear();
        writeBytes(QStringLiteral("Ticket.run"), runLines(2));
        PrintMgr& w = load();
        m_dialogs.answerInput(QString::fromLatin1(c.answer));
        if (c.label == 0)
            m_dialogs.answerMessage(Dialogs::Answer::OK);
        w.TMButton_Click(0);
        if (c.label == 0) {
            EXPECT_TRUE(m_printed.isEmpty());
        } else {
            ASSERT_EQ(m_printed.size(), 1);
            EXPECT_EQ(m_printed.at(0).startLabel, c.label);
        }
    }
}

TEST_F(RunWatchTest, PollDuringTheStartLabelPromptStartsNoSecondRun)
{
    PrintMgr& w = loadDirect(0);
    writeBytes(QStringLiteral("Ticket.run"), runLines(3));
    int ticksWhileOpen = 0;
    m_dialogs.whileOpen = [&] {
        ++ticksWhileOpen;
        w.Timer1_Timer();
    };
    m_dialogs.answerInput(QStringLiteral("2"));
    w.Timer1_Timer();

    EXPECT_EQ(ticksWhileOpen, 1);
    EXPECT_EQ(m_dialogs.shown().size(), 1);
    ASSERT_EQ(m_printed.size(), 1);
    EXPECT_EQ(m_printed.at(0).startLabel, 2);
    EXPECT_FALSE(w.runInProgress());
}

TEST_F(RunWatchTest, RunThatVanishedDuringThePromptPrintsAndFilesNothing)
{
    PrintMgr& w = load();
    writeBytes(QStringLiteral("Ticket.run"), runLines(3));
    writeBytes(QStringLiteral("PrevRun.001"), "older\r\n");
    w.Timer1_Timer();
    m_dialogs.whileOpen = [this] { QFile::remove(path(QStringLiteral("Ticket.run"))); };
    m_dialogs.answerInput(QStringLiteral("1"));
    w.TMButton_Click(0);

    EXPECT_TRUE(m_printed.isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), QByteArray("older\r\n"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("PrevRun.002"))));
}

TEST_F(RunWatchTest, StartRunShowsThePrintingLineAndCountsTheFileAgain)
{
    PrintMgr& w = load();
    writeBytes(QStringLiteral("Ticket.run"), runLines(2));
    w.Timer1_Timer();
    // Two more lines arrive after the status was shown.
    writeBytes(QStringLiteral("Ticket.run"), runLines(4));
    m_dialogs.whileOpen = [this] {
        EXPECT_EQ(status(), QStringLiteral("Printing Tickets please wait.."));
    };
    m_dialogs.answerInput(QStringLiteral("1"));
    w.StartRun_Click();
    ASSERT_EQ(m_printed.size(), 1);
    EXPECT_EQ(m_printed.at(0).count, 4);
    EXPECT_EQ(w.WaitingTickets, 4);
}

TEST_F(RunWatchTest, OpenPanelKeepsItsStatusLinesButDirectPrintingStillPrints)
{
    PrintMgr& w = loadDirect(4);
    w.TMButton_Click(3); // Setup panel open
    ASSERT_FALSE(w.WindowCollapsed);
    writeBytes(QStringLiteral("Ticket.run"), runLines(2));

    w.Timer1_Timer();
    ASSERT_EQ(m_printed.size(), 1);
    EXPECT_EQ(m_printed.at(0).count, 2);
    EXPECT_EQ(status(), QStringLiteral("Printing Tickets please wait.."));
    EXPECT_FALSE(w.WindowCollapsed);
    EXPECT_EQ(w.WindowHeight(), PrintMgr::ExpandedHeight);

    w.Timer1_Timer();
    EXPECT_EQ(status(), NoTickets);
}

TEST_F(RunWatchTest, UpdateLatestWaitsWhileAPanelIsOpen)
{
    PrintMgr& w = load();
    w.TMButton_Click(4);
    writeBytes(QStringLiteral("Ticket.run"), runLines(3));
    w.UpdateLatest();
    EXPECT_EQ(status(), NoTickets);
    w.TMButton_Click(4);
    EXPECT_EQ(status(), QStringLiteral("There are  3 new tickets waiting."));
}

TEST_F(RunWatchTest, DeleteRunAsksAndDeletesOnYesOnly)
{
    PrintMgr& w = load();
    writeBytes(QStringLiteral("Ticket.run"), runLines(2));
    m_dialogs.answerMessage(Dialogs::Answer::No);
    w.DellAll_Click();
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Ticket.run"))));

    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    w.DellAll_Click();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run"))));

    ASSERT_EQ(m_dialogs.messages().size(), 2);
    const auto box = m_dialogs.messages().at(0);
    EXPECT_EQ(box.text,
              QStringLiteral("Delete all Tickets?\r\n\r\nNote, tickets will be irretrievable."));
    EXPECT_EQ(box.title, QStringLiteral("Delete Tickets"));
    EXPECT_EQ(box.icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(box.buttons, Dialogs::Buttons::YesNo);
}

TEST_F(RunWatchTest, FailedRotationIsReportedAndDirectPrintingDoesNotPrintTheRunAgain)
{
    PrintMgr& w = loadDirect(3);
    // A folder in the oldest generation's place cannot be deleted.
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("PrevRun.010/kept")));
    writeBytes(QStringLiteral("PrevRun.009"), "nine\r\n");
    writeBytes(QStringLiteral("Ticket.run"), runLines(2));

    m_dialogs.answerMessage(Dialogs::Answer::OK);
    w.Timer1_Timer();
    ASSERT_EQ(m_printed.size(), 1);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().at(0).icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(m_dialogs.messages().at(0).text.contains(QStringLiteral("PrevRun.010")));
    // Nothing moved, nothing lost: the printed run is held apart from the
    // waiting run.
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.009")), QByteArray("nine\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("Printed.run")), runLines(2));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run"))));

    w.Timer1_Timer();
    w.Timer1_Timer();
    EXPECT_EQ(m_printed.size(), 1);

    // Once the folder is out of the way the next Start Run files it, without
    // printing it again.
    ASSERT_TRUE(QDir(path(QStringLiteral("PrevRun.010"))).removeRecursively());
    w.TMButton_Click(0);
    EXPECT_EQ(m_printed.size(), 1);
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), runLines(2));
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.010")), QByteArray("nine\r\n"));
}

TEST_F(RunWatchTest, RunsPrintWithTheAppliedLayoutWhileTheDesignerIsOpen)
{
    PrintMgr& w = loadDirect(0);
    ASSERT_EQ(w.UseTicketLetter, QStringLiteral("A"));
    // Layout B is stored as a thermal label.
    ticketbas store;
    TicketFileRecord layoutB;
    ASSERT_TRUE(store.LoadTicketFile(2, layoutB));
    layoutB.TicketType = 4;
    ASSERT_TRUE(store.SaveTicketFile(2, layoutB));

    w.TMButton_Click(2); // "Tag Design"
    Ticketstp& designer = *w.designer();
    ASSERT_TRUE(designer.isVisible());
    // Layout A made a thermal label in the designer, not applied.
    designer.Image1_DblClick();
    designer.ListView1->selectItem(5);
    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    designer.ListView1_DblClick();
    ASSERT_EQ(designer.editedLayouts().TicketBuffer.TicketType, 4);

    // Each poll prints the waiting run with the sheet layout in use, so the
    // start label is asked for: after the unapplied type change, and after
    // a change to the tab of the thermal layout B.
    for (int poll = 0; poll < 2; ++poll) {
        SCOPED_TRACE(poll);
        if (poll == 1)
            designer.TabStrip1->setCurrentIndex(1);
        writeBytes(QStringLiteral("Ticket.run"), runLines(3));
        m_dialogs.answerInput(QStringLiteral("1"));
        w.Timer1_Timer();
        ASSERT_EQ(m_printed.size(), poll + 1);
        EXPECT_EQ(m_printed.last().ticketType, 0);
        EXPECT_EQ(m_dialogs.shown().last().title, QStringLiteral("A4 Labels"));
    }
    TicketFileRecord layoutA;
    ASSERT_TRUE(store.LoadTicketFile(1, layoutA));
    EXPECT_EQ(layoutA.TicketType, 0);

    // "Apply" on tab B makes the thermal layout the one in use: no prompt.
    m_dialogs.answerMessage(Dialogs::Answer::OK); // "Ticket Saved"
    designer.Command2_Click();
    writeBytes(QStringLiteral("Ticket.run"), runLines(3));
    const qsizetype boxes = m_dialogs.shown().size();
    w.Timer1_Timer();
    ASSERT_EQ(m_printed.size(), 3);
    EXPECT_EQ(m_printed.last().ticketType, 4);
    EXPECT_EQ(m_dialogs.shown().size(), boxes);
    EXPECT_TRUE(m_dialogs.allAnswersUsed());
}

TEST_F(RunWatchTest, ARunThatPrintedNothingStaysWaiting)
{
    const struct
    {
        const char* name;
        qint16 ticketType;
        const char* alignment;
        bool asksStartLabel;
    } cases[] = {
        {"unknown ticket type", 9, "0", true},
        {"alignment out of range", 3, "40000", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings({{3, QStringLiteral("YES")}});
        PrintMgr& w = load(false); // the print engine prints
        setTicketType(c.ticketType);
        w.Text3[0]->setText(QString::fromLatin1(c.alignment));
        const QByteArray run = runLines(3);
        writeBytes(QStringLiteral("Ticket.run"), run);
        if (c.asksStartLabel)
            m_dialogs.answerInput(QStringLiteral("1"));
        m_dialogs.answerMessage(Dialogs::Answer::OK); // the engine's refusal
        w.Timer1_Timer();
        ASSERT_FALSE(m_dialogs.messages().isEmpty());
        EXPECT_EQ(m_dialogs.messages().last().title, QStringLiteral("Printer"));
        EXPECT_EQ(m_dialogs.messages().last().icon, Dialogs::Icon::Critical);

        // The run was taken out of the shared name to be printed; it waits
        // under the watch's own name, whole, and is not filed as a reprint.
        EXPECT_EQ(readBytes(QStringLiteral("Printing.run")), run);
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("PrevRun.001"))));
        EXPECT_EQ(status(), QStringLiteral("There are  3 new tickets waiting."));
        EXPECT_TRUE(startEnabled());

        // Direct Printing leaves the failed run to the user's Start Run.
        const qsizetype boxes = m_dialogs.shown().size();
        w.Timer1_Timer();
        EXPECT_EQ(m_dialogs.shown().size(), boxes);
        EXPECT_EQ(readBytes(QStringLiteral("Printing.run")), run);
        EXPECT_TRUE(m_dialogs.allAnswersUsed());
        QFile::remove(path(QStringLiteral("Printing.run")));
    }
}
