#include <QFile>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/DatePicker.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/Toolbar.h"
#include "platform/runtime/Values.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "tests/entry/window/MainFrmFixture.h"

using namespace platform;

namespace {

using Answer = Dialogs::Answer;
using Icon = Dialogs::Icon;

const QString UnlockText = QStringLiteral("It is possible to delete records from your data "
                                          "beyond this point!\r\n\r\nAre you sure you want to "
                                          "enter this section?");

TicketRecord ticket(const QString& supplier, double created = 45100, qint16 mark = 0)
{
    TicketRecord r;
    r.Title1 = QStringLiteral("TOP");
    r.Title2 = QStringLiteral("LINE2");
    r.Supplier = supplier;
    r.Description = QStringLiteral("SHIRT");
    r.ColourID = QStringLiteral("RED");
    r.Fit = QStringLiteral("R");
    r.SizeScale = QStringLiteral("MENS");
    r.Price = 9.99;
    r.DateCreated = created;
    r.DateLastUsed = created;
    r.DeleteMark = mark;
    return r;
}

class RecordsScreenTest : public MainFrmFixture
{
protected:
    void put(const QList<TicketRecord>& records)
    {
        for (const TicketRecord& r : records)
            ASSERT_TRUE(frm->store().PutTicketRecord(r, frm->store().GetRecordNo(1)));
    }
    void unlock()
    {
        frm->Toolbar1_ButtonClick(5);
        dialogs.answerMessage(Answer::Yes);
        frm->Command13_Click();
    }
    void inPrintFile(int recNo, const QString& units)
    {
        frm->ListView2->addItem(QString::number(recNo), {"TOP : LINE2", "S", "SHIRT", "RED", "R",
                                                         "MENS", "9.99", "1.00", units});
    }
    qint16 markOf(int recNo) { return frm->store().GetTicketRecord(recNo).DeleteMark; }
    QList<int> listed() const
    {
        QList<int> numbers;
        for (int n = 1; n <= frm->ListView4->itemCount(); ++n)
            numbers << frm->ListView4->itemText(n).toInt();
        return numbers;
    }
    QList<int> icons() const
    {
        QList<int> result;
        for (int n = 1; n <= frm->ListView4->itemCount(); ++n)
            result << frm->recordRowIcon(n);
        return result;
    }
    void pick(ComboBox* combo, const QString& entry)
    {
        combo->setText(entry);
        if (combo == frm->Combo2)
            frm->Combo2_Click();
        else
            frm->Combo4_Click();
    }
    void expectLocked(bool locked) const
    {
        for (CommandButton* button : frm->Command12)
            EXPECT_EQ(button->Enabled(), !locked);
        EXPECT_EQ(frm->ListView4->Enabled(), !locked);
        EXPECT_EQ(frm->Command15[0]->Enabled(), !locked);
        EXPECT_EQ(frm->Combo2->Enabled(), !locked);
        EXPECT_EQ(frm->Combo4->Enabled(), !locked);
        EXPECT_EQ(frm->Command13->Visible(), locked);
    }
    ScriptedDialogs::Shown lastBox() const { return dialogs.shown().last(); }

    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(RecordsScreenTest, StartsLockedWithSelectorsOnTheirFirstEntries)
{
    expectLocked(true);
    EXPECT_EQ(frm->Combo2->ListCount(), 10);
    EXPECT_EQ(frm->Combo2->Text(), QStringLiteral("All Records"));
    EXPECT_EQ(frm->Combo2->List(9), QStringLiteral("Value"));
    EXPECT_EQ(frm->Combo4->ListCount(), 7);
    EXPECT_EQ(frm->Combo4->Text(), QStringLiteral("Created/Used anytime"));
    EXPECT_FALSE(frm->Command11->Visible());
    EXPECT_FALSE(frm->Combo3->Visible());
    EXPECT_FALSE(frm->DTPicker1->Visible());
    EXPECT_EQ(frm->DTPicker1->date(), QDate::currentDate());

    // A data-set switch runs start-up again: locked again, nothing doubled.
    unlock();
    pick(frm->Combo2, QStringLiteral("Supplier"));
    frm->Form_Load();
    expectLocked(true);
    EXPECT_EQ(frm->Combo2->ListCount(), 10);
    EXPECT_EQ(frm->Combo4->ListCount(), 7);
    EXPECT_EQ(frm->SearchFieldNo, 0);
    EXPECT_FALSE(frm->Command11->Visible());
}

TEST_F(RecordsScreenTest, UnlockAsksAndNoKeepsTheScreenLocked)
{
    put({ticket("A")});
    dialogs.answerMessage(Answer::No);
    frm->Command13_Click();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(lastBox().text, UnlockText);
    EXPECT_EQ(lastBox().title, QStringLiteral("Warning"));
    EXPECT_EQ(lastBox().icon, Icon::Question);
    EXPECT_EQ(lastBox().buttons, Dialogs::Buttons::YesNo);
    expectLocked(true);
    EXPECT_EQ(frm->ListView4->itemCount(), 0);
}

TEST_F(RecordsScreenTest, UnlockListsEveryRecordWhateverTheSelectorsShow)
{
    put({ticket("A"), ticket("B", 45100, 1), ticket("C")});
    frm->Combo2->setText(QStringLiteral("Supplier"));
    frm->Combo2_Click();
    frm->Combo3->setText(QStringLiteral("C"));
    unlock();
    expectLocked(false);
    EXPECT_EQ(listed(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(icons(), (QList<int>{1, 6, 1}));
    EXPECT_EQ(frm->ListView4->itemText(1), QStringLiteral("000001"));
    EXPECT_EQ(frm->Label10->Caption(), QStringLiteral("Records in list (3)"));
}

TEST_F(RecordsScreenTest, ReturningToTheScreenSearchesOnlyOnceUnlocked)
{
    put({ticket("A")});
    frm->Toolbar1_ButtonClick(5);
    EXPECT_EQ(frm->ListView4->itemCount(), 0);
    unlock();
    pick(frm->Combo2, QStringLiteral("Supplier"));
    frm->Combo3->setText(QStringLiteral("B*"));
    frm->Toolbar1_ButtonClick(1);
    put({ticket("B1"), ticket("A"), ticket("B2")});
    frm->Toolbar1_ButtonClick(5);
    EXPECT_TRUE(frm->Frame8->Visible());
    EXPECT_EQ(listed(), (QList<int>{2, 4}));
    EXPECT_EQ(frm->Label10->Caption(), QStringLiteral("Records in list (2)"));
}

TEST_F(RecordsScreenTest, FieldSelectorSetsFieldAndShowsTheRightControls)
{
    const struct
    {
        const char* entry;
        int fieldNo;
        bool suggest;
        bool value;
    } rows[] = {
        {"All Records", 0, false, false}, {"Record no.", 1, false, true},
        {"Title 1", 2, true, true},       {"Title 2", 3, true, true},
        {"Supplier", 4, true, true},      {"Description", 5, true, true},
        {"Colour I.D.", 6, true, true},   {"Fit", 7, true, true},
        {"Scale I.D.", 8, true, true},    {"Value", 9, false, true},
    };
    for (const auto& row : rows) {
        frm->Combo3->AddItem(QStringLiteral("old"));
        frm->Combo3->setText(QStringLiteral("old"));
        pick(frm->Combo2, QString::fromLatin1(row.entry));
        EXPECT_EQ(frm->SearchFieldNo, row.fieldNo) << row.entry;
        EXPECT_EQ(frm->Command11->Visible(), row.suggest) << row.entry;
        EXPECT_EQ(frm->Combo3->Visible(), row.value) << row.entry;
        EXPECT_EQ(frm->Combo3->ListCount(), 0);
        EXPECT_EQ(frm->Combo3->Text(), QString());
    }
    // Typed text that is no entry empties the value box and changes nothing else.
    frm->Combo3->setText(QStringLiteral("old"));
    pick(frm->Combo2, QStringLiteral("Colour"));
    EXPECT_EQ(frm->SearchFieldNo, 9);
    EXPECT_EQ(frm->Combo3->Text(), QString());
}

TEST_F(RecordsScreenTest, DateSelectorSetsModeAndShowsThePicker)
{
    const char* entries[] = {"Created/Used anytime", "Created before",   "Created after",
                             "Created on",           "Last used before", "Last used after",
                             "Last used on"};
    for (int mode = 0; mode < 7; ++mode) {
        pick(frm->Combo4, QString::fromLatin1(entries[mode]));
        EXPECT_EQ(frm->SearchDateMode, mode);
        EXPECT_EQ(frm->DTPicker1->Visible(), mode != 0);
    }
    pick(frm->Combo4, QStringLiteral("Created"));
    EXPECT_EQ(frm->SearchDateMode, 6);
    EXPECT_TRUE(frm->DTPicker1->Visible());
}

TEST_F(RecordsScreenTest, ApplySearchesByFieldAndByPickedDay)
{
    const double today = Values::dateSerial(QDate::currentDate());
    put({ticket("RED ONE", today - 1), ticket("red", today), ticket("BLUE", today),
         ticket("Redder", today + 1)});
    unlock();
    pick(frm->Combo2, QStringLiteral("Supplier"));
    frm->Combo3->setText(QStringLiteral("red*"));
    frm->Command15_Click(0);
    EXPECT_EQ(listed(), (QList<int>{1, 2, 4}));
    EXPECT_EQ(frm->Label10->Caption(), QStringLiteral("Records in list (3)"));

    // The picker holds the time of start-up; the day alone is compared.
    frm->DTPicker1->setValue(today + 0.6);
    pick(frm->Combo2, QStringLiteral("All Records"));
    const struct
    {
        const char* entry;
        QList<int> expected;
    } cases[] = {
        {"Created on", {2, 3}},   {"Created before", {1}},   {"Created after", {4}},
        {"Last used on", {2, 3}}, {"Last used before", {1}}, {"Created/Used anytime", {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        pick(frm->Combo4, QString::fromLatin1(c.entry));
        frm->Command15_Click(0);
        EXPECT_EQ(listed(), c.expected) << c.entry;
    }
    pick(frm->Combo2, QStringLiteral("Record no."));
    frm->Combo3->setText(QStringLiteral("3"));
    frm->Command15_Click(0);
    EXPECT_EQ(listed(), QList<int>{3});
    EXPECT_EQ(frm->Label10->Caption(), QStringLiteral("Records in list (1)"));
}

TEST_F(RecordsScreenTest, SuggestFillsTheValueBoxForTextFieldsOnly)
{
    TicketRecord second = ticket("B");
    second.Fit = QStringLiteral("L");
    put({ticket("A"), second, ticket("A")});
    unlock();
    pick(frm->Combo2, QStringLiteral("Supplier"));
    frm->Command11_Click();
    EXPECT_EQ(frm->Combo3->ListCount(), 2);
    EXPECT_EQ(frm->Combo3->Text(), QStringLiteral("A"));
    pick(frm->Combo2, QStringLiteral("Fit"));
    frm->Command11_Click();
    EXPECT_EQ(frm->Combo3->List(1), QStringLiteral("L"));
    pick(frm->Combo2, QStringLiteral("Value"));
    frm->Command11_Click();
    EXPECT_EQ(frm->Combo3->ListCount(), 0);
}

TEST_F(RecordsScreenTest, ToggleMarksAndUnmarksAndRefreshesTheStatusBar)
{
    put({ticket("A"), ticket("B"), ticket("C")});
    unlock();
    frm->ListView4->selectItem(2);
    frm->Command12_Click(0);
    EXPECT_EQ(markOf(2), 1);
    EXPECT_EQ(icons(), (QList<int>{1, 6, 1}));
    EXPECT_EQ(frm->StatusBar1->panelText(2), QStringLiteral("Next Free Rec = 2"));
    EXPECT_EQ(frm->StatusBar1->panelText(1), QStringLiteral("Recs Used = 3"));
    EXPECT_EQ(frm->store().GetRecordNo(3), 2);

    // A double-click does the same: the mark goes again.
    frm->ListView4_DblClick();
    EXPECT_EQ(markOf(2), 0);
    EXPECT_EQ(icons(), (QList<int>{1, 1, 1}));
    EXPECT_EQ(frm->StatusBar1->panelText(2), QStringLiteral("Next Free Rec = 4"));
    EXPECT_TRUE(dialogs.allAnswersUsed());
    EXPECT_EQ(dialogs.shown().size(), 1);
}

TEST_F(RecordsScreenTest, ARecordInThePrintFileCannotBeMarked)
{
    put({ticket("A"), ticket("B")});
    inPrintFile(2, QStringLiteral("3"));
    inPrintFile(2, QStringLiteral("12"));
    unlock();
    writeBytes(QStringLiteral("ZRLR.DAT"), "1\r\n");
    frm->ListView4->selectItem(2);
    dialogs.answerMessage(Answer::OK);
    frm->Command12_Click(0);
    EXPECT_EQ(lastBox().title, QStringLiteral("Cant Delete this record."));
    EXPECT_EQ(lastBox().icon, Icon::Critical);
    EXPECT_EQ(lastBox().text,
              QStringLiteral("Can't mark this record for deletion.\r\n\r\nThe record is currently "
                             "in use in your print file.\r\n\r\nYou have  12 tickets in this "
                             "record awaiting printing."));
    EXPECT_EQ(markOf(2), 0);
    EXPECT_EQ(icons(), (QList<int>{1, 1}));
    EXPECT_EQ(readBytes(QStringLiteral("ZRLR.DAT")), QByteArray("1\r\n"));
}

TEST_F(RecordsScreenTest, ReusedSlotIsJudgedByItsRecordButViewByItsIcon)
{
    put({ticket("A"), ticket("B", 45100, 1)});
    unlock();
    // The marked slot is taken by a new ticket after the list was made.
    ASSERT_TRUE(frm->store().PutTicketRecord(ticket("NEW"), 2));
    frm->ListView4->selectItem(2);
    dialogs.answerMessage(Answer::OK);
    frm->Command12_Click(1);
    EXPECT_EQ(lastBox().title, QStringLiteral("Lookup."));
    EXPECT_EQ(lastBox().text, QStringLiteral("Cant view a record marked for deletion. Un-mark "
                                             "this record and try again."));
    EXPECT_TRUE(frm->Frame8->Visible());

    frm->Command12_Click(0);
    EXPECT_EQ(markOf(2), 1);
    EXPECT_EQ(frm->recordRowIcon(2), 6);
}

TEST_F(RecordsScreenTest, JumpShowsTheRecordOnTheLookUpScreen)
{
    put({ticket("A"), ticket("B")});
    unlock();
    frm->ListView4->selectItem(2);
    frm->Command12_Click(1);
    EXPECT_TRUE(frm->Frame2->Visible());
    EXPECT_FALSE(frm->Frame8->Visible());
    // The look-up search has run: its result list holds the record.
    EXPECT_EQ(frm->Text1[3]->Text(), QStringLiteral("2"));
    ASSERT_EQ(frm->ListView1->itemCount(), 1);
    EXPECT_EQ(frm->ListView1->itemText(1), QStringLiteral("2"));
    EXPECT_EQ(frm->Toolbar1->buttonValue(3), 1);
}

TEST_F(RecordsScreenTest, ALineWhoseRecordIsGoneIsReportedNotWritten)
{
    put({ticket("A")});
    unlock();
    frm->ListView4->addItem(QStringLiteral("000005"), {});
    frm->ListView4->selectItem(2);
    const qint64 size = QFile(path(QStringLiteral("ZRNDB.DAT"))).size();
    dialogs.answerMessage(Answer::OK);
    frm->Command12_Click(0);
    EXPECT_EQ(lastBox().icon, Icon::Critical);
    EXPECT_TRUE(lastBox().text.contains(QStringLiteral("Record 5")));
    EXPECT_EQ(QFile(path(QStringLiteral("ZRNDB.DAT"))).size(), size);
    EXPECT_EQ(frm->recordRowIcon(2), 0);
}

TEST_F(RecordsScreenTest, MarkAllSkipsRecordsInThePrintFileAndSumsUp)
{
    QList<TicketRecord> records;
    for (int n = 1; n <= 10; ++n)
        records << ticket(QStringLiteral("S%1").arg(n), 45100, n == 4 || n == 9 ? 1 : 0);
    put(records);
    for (int recNo : {2, 5, 7})
        inPrintFile(recNo, QStringLiteral("1"));
    unlock();
    dialogs.answerMessage(Answer::Yes);
    dialogs.answerMessage(Answer::OK);
    frm->Command12_Click(2);
    const QList<ScriptedDialogs::Shown> boxes = dialogs.messages();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes.at(1).title, QStringLiteral("Delete?"));
    EXPECT_EQ(boxes.at(1).text,
              QStringLiteral("Are you sure you want to mark all records for deletion?"));
    EXPECT_EQ(boxes.at(1).buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(boxes.at(2).title, QStringLiteral("You are trying to delete records in use."));
    EXPECT_EQ(boxes.at(2).text,
              QStringLiteral("Can't mark all records for deletion.\r\n\r\n 3 of these records are "
                             "currently in use in your print file.\r\n\r\nYou must print these "
                             "tickets before the records can be deleted.\r\n\r\nRecords marked "
                             "for deletion =  7/ 10"));
    EXPECT_EQ(icons(), (QList<int>{6, 1, 6, 6, 1, 6, 1, 6, 6, 6}));
    for (int recNo = 1; recNo <= 10; ++recNo)
        EXPECT_EQ(markOf(recNo), recNo == 2 || recNo == 5 || recNo == 7 ? 0 : 1) << recNo;
    EXPECT_EQ(frm->StatusBar1->panelText(2), QStringLiteral("Next Free Rec = 1"));
}

TEST_F(RecordsScreenTest, MarkAllOnlyTouchesTheListedRowsAndNoChangesNothing)
{
    put({ticket("A"), ticket("B"), ticket("A")});
    unlock();
    pick(frm->Combo2, QStringLiteral("Supplier"));
    frm->Combo3->setText(QStringLiteral("A"));
    frm->Command15_Click(0);
    dialogs.answerMessage(Answer::No);
    frm->Command12_Click(2);
    EXPECT_EQ(markOf(1), 0);
    dialogs.answerMessage(Answer::Yes);
    frm->Command12_Click(2);
    EXPECT_EQ(markOf(1), 1);
    EXPECT_EQ(markOf(2), 0);
    EXPECT_EQ(markOf(3), 1);
    EXPECT_EQ(frm->StatusBar1->panelText(2), QStringLiteral("Next Free Rec = 1"));
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(RecordsScreenTest, RestoreAllClearsMarksEvenOfRecordsInThePrintFile)
{
    put({ticket("A", 45100, 1), ticket("B", 45100, 1), ticket("C")});
    inPrintFile(2, QStringLiteral("4"));
    unlock();
    dialogs.answerMessage(Answer::Yes);
    frm->Command12_Click(3);
    EXPECT_EQ(lastBox().title, QStringLiteral("Restore?"));
    EXPECT_EQ(lastBox().text,
              QStringLiteral("Are you sure you want to restore all records marked for deletion?"));
    EXPECT_EQ(icons(), (QList<int>{1, 1, 1}));
    EXPECT_EQ(markOf(1), 0);
    EXPECT_EQ(markOf(2), 0);
    EXPECT_EQ(frm->StatusBar1->panelText(2), QStringLiteral("Next Free Rec = 4"));
    EXPECT_EQ(dialogs.messages().size(), 2);
}

TEST_F(RecordsScreenTest, EmptyListChangesNothing)
{
    unlock();
    ASSERT_EQ(frm->ListView4->itemCount(), 0);
    EXPECT_EQ(frm->Label10->Caption(), QStringLiteral("Records in list (0)"));
    frm->Command12_Click(0);
    frm->Command12_Click(1);
    dialogs.answerMessage(Answer::Yes);
    frm->Command12_Click(2);
    dialogs.answerMessage(Answer::Yes);
    frm->Command12_Click(3);
    // The unlock warning and the two questions; no summary.
    EXPECT_EQ(dialogs.messages().size(), 3);
    EXPECT_FALSE(frm->Frame2->Visible());
}

TEST_F(RecordsScreenTest, HeaderClickSortsByThatColumn)
{
    put({ticket("C"), ticket("A"), ticket("B")});
    unlock();
    frm->ListView4_ColumnClick(3);
    EXPECT_EQ(listed(), (QList<int>{2, 3, 1}));
    frm->ListView4_ColumnClick(1);
    EXPECT_EQ(listed(), (QList<int>{1, 2, 3}));
    EXPECT_TRUE(frm->ListView4->Sorted());
}

TEST_F(RecordsScreenTest, ValueListButtonFillsTheValueBoxWithTheFieldsValues)
{
    TicketRecord second = ticket("B");
    second.Fit = QStringLiteral("L");
    put({ticket("A"), second, ticket("C")});
    pick(frm->Combo2, QStringLiteral("Fit"));
    frm->Combo3->AddItem(QStringLiteral("old"));
    QStringList texts;
    QObject::connect(frm->Combo3, &ComboBox::Change, [&] { texts << frm->Combo3->Text(); });
    frm->Command11_Click();
    QStringList entries;
    for (int n = 0; n < frm->Combo3->ListCount(); ++n)
        entries << frm->Combo3->List(n);
    EXPECT_EQ(entries, (QStringList{"R", "L"}));
    EXPECT_EQ(frm->Combo3->Text(), QStringLiteral("R"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Retrieving...")));
}

TEST_F(RecordsScreenTest, APriceFilterTakesOnlyAPrice)
{
    put({ticket("A"), ticket("B")});
    unlock();
    pick(frm->Combo2, QStringLiteral("Value"));
    const QString numeric = QStringLiteral("Price may only contain numeric values.");
    const QString rules = QStringLiteral("Price may only hold a plain number below 10000000, with "
                                         "at most two decimals after a point (as 12.50), or "
                                         "nothing.");
    const struct
    {
        const char* text;
        QString message; // empty: taken
    } cases[] = {{"9.99", {}},      {" 9.9* ", {}},   {"*", {}},
                 {"9,99", rules},   {"-9.99", rules}, {"9.999", rules},
                 {"1.2.3*", rules}, {"1e1", numeric}, {"9:99", numeric}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        frm->ListView4->clearItems();
        const qsizetype mark = dialogs.messages().size();
        const bool refused = !c.message.isEmpty();
        if (refused)
            dialogs.answerMessage(Answer::OK);
        frm->Combo3->setText(QString::fromLatin1(c.text));
        frm->Command15_Click(0);
        ASSERT_EQ(dialogs.messages().size(), mark + (refused ? 1 : 0));
        if (refused) {
            EXPECT_EQ(dialogs.messages().last().text, c.message);
            EXPECT_EQ(listed(), QList<int>{});
        } else {
            EXPECT_EQ(listed(), (QList<int>{1, 2}));
        }
    }
}
