#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TextBox.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

using Icon = Dialogs::Icon;
using Buttons = Dialogs::Buttons;
using Answer = Dialogs::Answer;

QByteArray scaleLine(const QByteArray& name, const QList<QByteArray>& sizes)
{
    QByteArray line = '"' + name.leftJustified(10, ' ') + '"';
    for (int n = 0; n < 7; ++n)
        line += ",\"" + (n < sizes.size() ? sizes.at(n) : QByteArray()).leftJustified(6, ' ') + '"';
    return line + "\r\n";
}

const QString Warning = QStringLiteral(
    "Rezuve Zoraziv has unprinted tickets that will be deleted if you continue.\r\n"
    "Click 'OK' to discard awaiting tickets and produce this run or\r\n"
    "Click 'Cancel' and print awaiting tickets in Rezuve Zoraziv first, your print file will "
    "not be altered.");
const QString NotInstalled =
    QStringLiteral("Rezuve Zoraziv is not installed.\r\n\r\nPlease contact program vendor.");
const QByteArray PrintFile("\"1\"\r\n\"2\"\r\n");

class PrintFileScreenTest : public TempDirTest
{
protected:
    // Record 1 (MENS) awaits 2, 0, 3 and has 5, 1, 3 in its totals; record 2
    // (KIDS) awaits 1 at size 1; record 3 awaits nothing.
    void SetUp() override
    {
        TempDirTest::SetUp();
        writeBytes(QStringLiteral("ZRNZ.DAT"),
                   scaleLine("MENS", {"S", "M", "L", "XL", "XXL"}) +
                       scaleLine("KIDS", {"2-3", "4-5", "6-7"}) +
                       scaleLine("SHOES", {"6", "7", "8", "9", "10", "11", "12"}));
        {
            ZRNDBm store;
            ASSERT_TRUE(store.OpenRecordFile());
            ASSERT_TRUE(store.PutTicketRecord(record("MENS", {2, 0, 3}, {5, 1, 3}), 1));
            ASSERT_TRUE(store.PutTicketRecord(record("KIDS", {0, 1}, {0, 4}), 2));
            ASSERT_TRUE(store.PutTicketRecord(record("SHOES", {}, {1}), 3));
        }
        writeBytes(QStringLiteral("ZRPRT.DAT"), PrintFile);
        frm = std::make_unique<MainFrm>();
        frm->Form_Load();
        ASSERT_EQ(frm->ListView2->itemCount(), 2);
    }
    void TearDown() override
    {
        frm.reset();
        TempDirTest::TearDown();
    }

    static TicketRecord record(const char* scale, std::initializer_list<qint32> order,
                               std::initializer_list<qint32> total)
    {
        TicketRecord rec;
        rec.Title1 = QStringLiteral("TITLE");
        rec.Title2 = QStringLiteral("LINE 2");
        rec.Supplier = QStringLiteral("NORTHWIND");
        rec.Description = QStringLiteral("SHIRT");
        rec.ColourID = QStringLiteral("BLK");
        rec.Fit = QStringLiteral("L");
        rec.SizeScale = QString::fromLatin1(scale);
        rec.Price = 2.5;
        rec.DateCreated = 45100;
        std::copy(order.begin(), order.end(), rec.OrderQty.begin());
        std::copy(total.begin(), total.end(), rec.TotalQty.begin());
        return rec;
    }

    void writeProgram()
    {
        writeBytes(QStringLiteral("brevox"), "#!/bin/sh\necho started > started.txt\n");
        ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("brevox")),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    bool programStarted()
    {
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            if (readBytes(QStringLiteral("started.txt")) == "started\n")
                return true;
            QThread::msleep(20);
        }
        return false;
    }

    void click(int line)
    {
        frm->ListView2->selectItem(line);
        frm->ListView2_ItemClick();
    }
    QStringList captions(int first, int last) const
    {
        QStringList result;
        for (int index = first; index <= last; ++index)
            result << frm->Label6[size_t(index)]->Caption();
        return result;
    }
    // Every cell empty but "Totals".
    static QStringList emptyBreakdown()
    {
        QStringList cells(24, QString());
        cells[21] = QStringLiteral("Totals");
        return cells;
    }
    TicketRecord readRecord(qint32 recNo) { return frm->store().GetTicketRecord(recNo); }

    void expectMessage(int index, const QString& text, const QString& title, Icon icon,
                       Buttons buttons = Buttons::OK)
    {
        const QList<ScriptedDialogs::Shown> shown = dialogs.messages();
        ASSERT_GT(shown.size(), index);
        EXPECT_EQ(shown[index].text, text);
        EXPECT_EQ(shown[index].title, title);
        EXPECT_EQ(shown[index].icon, icon);
        EXPECT_EQ(shown[index].buttons, buttons);
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<MainFrm> frm;
};

} // namespace

// ---------------------------------------------------------------------------
// Producing the run

TEST_F(PrintFileScreenTest, EmptyListRefusesEvenWithAWaitingRun)
{
    writeBytes(QStringLiteral("ticket.run"), "waiting\r\n");
    frm->ListView2->clearItems();
    dialogs.answerMessage(Answer::OK);
    frm->Command6_Click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    expectMessage(0, QStringLiteral("You have no tickets to produce."),
                  QStringLiteral("Print file."), Icon::Critical);
    EXPECT_EQ(readBytes(QStringLiteral("ticket.run")), QByteArray("waiting\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), PrintFile);
}

TEST_F(PrintFileScreenTest, AnsweringNoProducesNothing)
{
    dialogs.answerMessage(Answer::No);
    frm->Command6_Click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    expectMessage(0, QStringLiteral("Produce Ticket-run from the listed tickets?"),
                  QStringLiteral("Create Print run"), Icon::Question, Buttons::YesNo);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run"))));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), PrintFile);
    EXPECT_EQ(frm->ListView2->itemCount(), 2);
}

TEST_F(PrintFileScreenTest, CancelInTheWarningKeepsTheWaitingRunAndThePrintFile)
{
    // The run written as "Ticket.run" is found under any spelling.
    writeBytes(QStringLiteral("TICKET.RUN"), "waiting\r\n");
    dialogs.answerMessage(Answer::Cancel);
    frm->Command6_Click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    expectMessage(0, Warning, QStringLiteral("WARNING: Unprinted Tickets."), Icon::Critical,
                  Buttons::OKCancel);
    EXPECT_EQ(readBytes(QStringLiteral("TICKET.RUN")), QByteArray("waiting\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), PrintFile);
    EXPECT_EQ(frm->ListView2->itemCount(), 2);
    EXPECT_EQ(frm->StatusBar1->panelText(4), QStringLiteral("2:6"));
}

TEST_F(PrintFileScreenTest, OkInTheWarningReplacesTheRunAndStartsThePrintRunProgram)
{
    writeBytes(QStringLiteral("ticket.run"), "waiting\r\n");
    writeProgram();
    click(1);
    dialogs.answerMessage(Answer::OK);
    dialogs.answerMessage(Answer::OK);
    frm->Command6_Click();

    ASSERT_EQ(dialogs.messages().size(), 2);
    expectMessage(0, Warning, QStringLiteral("WARNING: Unprinted Tickets."), Icon::Critical,
                  Buttons::OKCancel);
    expectMessage(1, QStringLiteral("Ticket-run created."), QStringLiteral("Message"),
                  Icon::Information);
    // 2 + 3 tickets of record 1, then 1 of record 2.
    const QByteArray run = readBytes(QStringLiteral("Ticket.run"));
    ASSERT_EQ(run.size(), 6 * 119);
    EXPECT_EQ(run.mid(76, 7), QByteArray("9000102"));
    EXPECT_EQ(run.mid(5 * 119 + 76, 7), QByteArray("9000203"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("ticket.run"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("ZRPRT.DAT"))));
    EXPECT_EQ(frm->ListView2->itemCount(), 0);
    EXPECT_TRUE(programStarted());
    // The breakdown is emptied but for "Totals"; the status is recomputed.
    EXPECT_EQ(captions(0, 23), emptyBreakdown());
    EXPECT_EQ(frm->Frame5->Caption(), QStringLiteral("List of tickets awaiting printing.  "
                                                     "Lines:0  Tickets:0   Total Value: 0.00"));
    EXPECT_EQ(frm->StatusBar1->panelText(4), QStringLiteral("0:0"));
    // The ticket records keep their last order.
    EXPECT_EQ(readRecord(1).OrderQty[2], 3);
}

TEST_F(PrintFileScreenTest, MissingProgramIsReportedAfterTheRunIsWritten)
{
    dialogs.answerMessage(Answer::Yes);
    dialogs.answerMessage(Answer::OK);
    dialogs.answerMessage(Answer::OK);
    frm->Command6_Click();
    ASSERT_EQ(dialogs.messages().size(), 3);
    expectMessage(2, NotInstalled, QStringLiteral("TM Error."), Icon::Critical);
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")).size(), 6 * 119);
}

TEST_F(PrintFileScreenTest, APrintFileThatCannotBeDeletedKeepsTheRunAndTellsTheUser)
{
    // A folder with something in it stands where the print file was.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("ZRPRT.DAT"))));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ZRPRT.DAT")));
    writeBytes(QStringLiteral("ZRPRT.DAT/kept"), "kept\r\n");
    dialogs.answerMessage(Answer::Yes);
    dialogs.answerMessage(Answer::OK);
    dialogs.answerMessage(Answer::OK);
    dialogs.answerMessage(Answer::OK);
    frm->Command6_Click();

    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")).size(), 6 * 119);
    const QList<ScriptedDialogs::Shown> shown = dialogs.messages();
    ASSERT_GE(shown.size(), 3);
    expectMessage(1, QStringLiteral("Ticket-run created."), QStringLiteral("Message"),
                  Icon::Information);
    EXPECT_TRUE(shown[2].text.contains(QStringLiteral("ZRPRT.DAT")));
    EXPECT_TRUE(shown[2].text.contains(QStringLiteral("already in the new run")));
    EXPECT_EQ(shown[2].title, QStringLiteral("Create Print run"));
    EXPECT_EQ(shown[2].icon, Icon::Exclamation);
}

TEST_F(PrintFileScreenTest, MissingScaleFileRefusesTheRunAndKeepsThePrintFile)
{
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("ZRNZ.DAT"))));
    dialogs.answerMessage(Answer::Yes);
    dialogs.answerMessage(Answer::OK);
    frm->Command6_Click();
    // Refused: no "Ticket-run created." and no start of the print-run program.
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages()[1].title, QStringLiteral("Create Print run"));
    EXPECT_TRUE(dialogs.messages()[1].text.contains(QStringLiteral("ZRNZ.DAT")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run"))));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), PrintFile);
    EXPECT_EQ(frm->ListView2->itemCount(), 2);
}

// ---------------------------------------------------------------------------
// The status-bar panel

TEST_F(PrintFileScreenTest, OnlyPanelFourOffersTheLaunch)
{
    // No program file: an attempt to start would show "TM Error.".
    for (int panel = 1; panel <= 3; ++panel)
        frm->StatusBar1_PanelClick(panel);
    EXPECT_TRUE(dialogs.shown().isEmpty());

    dialogs.answerMessage(Answer::No);
    frm->StatusBar1_PanelClick(4);
    ASSERT_EQ(dialogs.messages().size(), 1);
    expectMessage(0, QStringLiteral("Launch Rezuve Zoraziv?"), QStringLiteral("Rezuve Zoraziv"),
                  Icon::Question, Buttons::YesNo);

    dialogs.answerMessage(Answer::Yes);
    dialogs.answerMessage(Answer::OK);
    frm->StatusBar1_PanelClick(4);
    ASSERT_EQ(dialogs.messages().size(), 3);
    expectMessage(2, NotInstalled, QStringLiteral("TM Error."), Icon::Critical);
    // Neither writes a run nor touches the print file.
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run"))));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), PrintFile);
}

// ---------------------------------------------------------------------------
// The size breakdown

TEST_F(PrintFileScreenTest, ClickShowsTheSizeBreakdownOfTheLine)
{
    click(1);
    EXPECT_EQ(captions(0, 6), (QStringList{"S", "M", "L", "XL", "XXL", "", ""}));
    EXPECT_EQ(captions(7, 13), (QStringList{"2", "", "3", "", "", "", ""}));
    EXPECT_EQ(captions(14, 20), (QStringList{"5", "1", "3", "", "", "", ""}));
    EXPECT_EQ(captions(21, 23), (QStringList{"Totals", "5", "9"}));

    // A line whose record awaits nothing: empty cells and a 0 total.
    frm->ListView2->addItem(QStringLiteral("3"), {"", "", "", "", "", "SHOES", "", "", "1"});
    click(3);
    EXPECT_EQ(captions(0, 2), (QStringList{"6", "7", "8"}));
    EXPECT_EQ(captions(7, 13), QStringList(7, QString()));
    EXPECT_EQ(captions(22, 23), (QStringList{"0", "1"}));
}

TEST_F(PrintFileScreenTest, MissingScaleFileKeepsTheSizeNames)
{
    // A missing file leaves the size names as they were.
    frm->ListView2->setSubItem(1, 6, QStringLiteral("MENS"));
    writeBytes(QStringLiteral("ZRNZ.DAT"), scaleLine("MENS", {"S", "M"}));
    click(1);
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("ZRNZ.DAT"))));
    click(2);
    EXPECT_EQ(captions(0, 1), (QStringList{"S", "M"}));
    EXPECT_EQ(captions(7, 8), (QStringList{"", "1"}));
}

TEST_F(PrintFileScreenTest, PrintFileButtonEmptiesTheBreakdown)
{
    click(1);
    frm->Toolbar1_ButtonClick(4);
    EXPECT_EQ(captions(0, 20), QStringList(21, QString()));
    EXPECT_EQ(captions(21, 23), (QStringList{"Totals", "", ""}));
}

// ---------------------------------------------------------------------------
// Cancelling a line

TEST_F(PrintFileScreenTest, CancelLowersTotalsAndClearsTheOrder)
{
    const TicketRecord before = readRecord(1);
    click(1);
    dialogs.answerMessage(Answer::Yes);
    frm->Command14_Click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    expectMessage(0,
                  QStringLiteral("Are you sure you want to cancel these Tickets?.\r\n\r\nOnly "
                                 "awaiting tickets will be deleted. actual record will remain."),
                  QStringLiteral("Cancel Tickets."), Icon::Exclamation, Buttons::YesNo);

    TicketRecord expected = before;
    expected.TotalQty[0] = 3;
    expected.TotalQty[2] = 0;
    expected.OrderQty = {};
    EXPECT_EQ(readRecord(1), expected);
    ASSERT_EQ(frm->ListView2->itemCount(), 1);
    EXPECT_EQ(frm->ListView2->itemText(1), QStringLiteral("2"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"2\"\r\n"));
    EXPECT_EQ(captions(0, 23), emptyBreakdown());
    EXPECT_EQ(frm->StatusBar1->panelText(4), QStringLiteral("1:1"));
}

TEST_F(PrintFileScreenTest, CancelUsesTheSelectedRecordNotAStaleBreakdown)
{
    // The breakdown shows record 1 while record 2's line is selected.
    click(1);
    frm->ListView2->selectItem(2);
    dialogs.answerMessage(Answer::Yes);
    frm->Command14_Click();
    EXPECT_EQ(readRecord(2).TotalQty[1], 3);
    EXPECT_EQ(readRecord(2).OrderQty[1], 0);
    EXPECT_EQ(readRecord(1).TotalQty[0], 5);
    EXPECT_EQ(readRecord(1).OrderQty[0], 2);
}

TEST_F(PrintFileScreenTest, CancelRefusalsChangeNothing)
{
    const TicketRecord before = readRecord(1);
    click(1);
    dialogs.answerMessage(Answer::No);
    frm->Command14_Click();
    EXPECT_EQ(readRecord(1), before);
    EXPECT_EQ(frm->ListView2->itemCount(), 2);

    // A line that names no record.
    frm->ListView2->addItem(QStringLiteral("0"), {"", "", "", "", "", "", "", "", "1"});
    frm->ListView2->selectItem(3);
    dialogs.answerMessage(Answer::OK);
    frm->Command14_Click();
    expectMessage(1, QStringLiteral("Bad record number."), QStringLiteral("Delete."),
                  Icon::Critical);

    frm->ListView2->clearItems();
    dialogs.answerMessage(Answer::OK);
    frm->Command14_Click();
    expectMessage(2, QStringLiteral("There are no tickets to delete."), QStringLiteral("Delete."),
                  Icon::Critical);
    EXPECT_EQ(readRecord(1), before);
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), PrintFile);
}

// ---------------------------------------------------------------------------
// Sorting

TEST_F(PrintFileScreenTest, ColumnClickSortsByTextAscendingEveryTime)
{
    frm->ListView2->setSubItem(1, 9, QStringLiteral("9"));
    frm->ListView2->setSubItem(2, 9, QStringLiteral("10"));
    for (int n = 0; n < 2; ++n) {
        frm->ListView2_ColumnClick(10);
        EXPECT_EQ(frm->ListView2->itemText(1), QStringLiteral("2")) << "click " << n;
        EXPECT_EQ(frm->ListView2->itemText(2), QStringLiteral("1")) << "click " << n;
    }
    frm->ListView2_ColumnClick(1);
    EXPECT_EQ(frm->ListView2->itemText(1), QStringLiteral("1"));
    // Only the display changes.
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), PrintFile);
}

// ---------------------------------------------------------------------------
// Looking up a line

TEST_F(PrintFileScreenTest, LookUpRunsTheSearchForTheSelectedLine)
{
    frm->ListView2->selectItem(2);
    frm->ListView2_DblClick();
    EXPECT_TRUE(frm->Frame2->Visible());
    EXPECT_EQ(frm->Text1[3]->Text(), QStringLiteral("2"));
    ASSERT_EQ(frm->ListView1->itemCount(), 1);
    EXPECT_EQ(frm->ListView1->itemText(1), QStringLiteral("2"));
}

TEST_F(PrintFileScreenTest, LookUpRefusesEmptyListsAndBadNumbers)
{
    frm->ListView2->addItem(QStringLiteral("-4"), {"", "", "", "", "", "", "", "", "1"});
    frm->ListView2->selectItem(3);
    dialogs.answerMessage(Answer::OK);
    frm->Command9_Click(0);
    expectMessage(0, QStringLiteral("Cant lookup. Bad Record Number"), QStringLiteral("Lookup."),
                  Icon::Critical);

    frm->ListView2->clearItems();
    dialogs.answerMessage(Answer::OK);
    frm->Command9_Click(0);
    expectMessage(1, QStringLiteral("Cant lookup. The print file is empty."),
                  QStringLiteral("Lookup."), Icon::Critical);
    EXPECT_FALSE(frm->Frame2->Visible());
}

TEST_F(PrintFileScreenTest, CancelOfALineWithoutItsRecordKeepsTheLine)
{
    frm->ListView2->addItem(QStringLiteral("9"), {"", "", "", "", "", "", "", "", "1"});
    frm->ListView2->selectItem(3);
    dialogs.answerMessage(Answer::Yes);
    dialogs.answerMessage(Answer::OK);
    frm->Command14_Click();
    expectMessage(1, QStringLiteral("Bad record number."), QStringLiteral("Delete."),
                  Icon::Critical);
    EXPECT_EQ(frm->ListView2->itemCount(), 3);
    EXPECT_EQ(frm->store().GetRecordNo(0), 3);
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), PrintFile);
}
