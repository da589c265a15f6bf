#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/ColourFrm.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "tests/entry/window/MainFrmFixture.h"

using namespace platform;

namespace {

using Icon = Dialogs::Icon;
using Buttons = Dialogs::Buttons;

const QString IdPrompt =
    QStringLiteral("Please enter a unique Colour ID.\r\n\r\nYour Colour ID can "
                   "be upto 3 characters long.");

QByteArray colourLine(const char* id, const char* name)
{
    return '"' + QByteArray(id).leftJustified(3) + "\",\"" + QByteArray(name).leftJustified(20) +
           "\"\r\n";
}

class ColourFrmTest : public MainFrmFixture
{
protected:
    ColourFrm* openFromMenu()
    {
        frm->MEColours_Click();
        return frm->colourEditor();
    }
    ColourFrm* openFromField()
    {
        frm->Command1_Click(1);
        return frm->colourEditor();
    }
    void putRecord(qint32 recNo, const QString& colour, qint16 mark = 0)
    {
        TicketRecord r;
        r.Title1 = QStringLiteral("T%1").arg(recNo);
        r.ColourID = colour;
        r.DeleteMark = mark;
        ASSERT_TRUE(frm->store().PutTicketRecord(r, recNo));
    }
    QStringList comboEntries() const { return MainFrmFixture::comboEntries(4); }
};

} // namespace

TEST_F(ColourFrmTest, AddingRedWritesItsLineAndTheFieldListsBareIds)
{
    writeBytes(QStringLiteral("ZRCOL.DAT"), colourLine("BLK", "Black"));
    ScriptedDialogs dialogs;
    ColourFrm* editor = openFromMenu();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Colours."));
    EXPECT_EQ(editor->ListView1->columnHeaderText(2), QStringLiteral("Colour Name"));
    dialogs.answerInput(QStringLiteral("R"));
    dialogs.answerInput(QStringLiteral("Red"));
    editor->Command1_Click(0);

    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")),
              colourLine("BLK", "Black") + QByteArray("\"R  \",\"Red                 \"\r\n"));
    const QList<ScriptedDialogs::Shown> boxes = dialogs.shown();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes.at(0).text, IdPrompt);
    EXPECT_EQ(boxes.at(0).title, QStringLiteral("Creating a new colour."));
    EXPECT_EQ(boxes.at(1).text, QStringLiteral("Please enter the colour name for 'R  '\r\n\r\nYour "
                                               "colour name can be upto 20 characters long."));
    EXPECT_EQ(boxes.at(1).title, QStringLiteral("Creating Colour 'R'"));
    EXPECT_EQ(boxes.at(1).defaultText, QString());

    EXPECT_EQ(frm->colourEditor(), nullptr);
    EXPECT_EQ(comboEntries(), (QStringList{"BLK", "R  "}));
    EXPECT_EQ(frm->Combo1[4]->Text(), QStringLiteral("R  "));
}

TEST_F(ColourFrmTest, DuplicateIdIsRefusedAndOfferedPadded)
{
    writeBytes(QStringLiteral("ZRCOL.DAT"), colourLine("R", "Red"));
    ScriptedDialogs dialogs;
    ColourFrm* editor = openFromField();
    dialogs.answerInput(QStringLiteral(" r"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerInput(QStringLiteral("RO"));
    dialogs.answerInput(QStringLiteral("Rose pink and a long name"));
    editor->Command1_Click(0);

    const QList<ScriptedDialogs::Shown> boxes = dialogs.shown();
    ASSERT_EQ(boxes.size(), 4);
    expectMessage(boxes.at(1),
                  QStringLiteral("This Colour ID is already being used.\r\n\r\nThe Colour ID must "
                                 "be unique."),
                  QStringLiteral("Message"), Icon::Critical);
    EXPECT_EQ(boxes.at(2).text, IdPrompt);
    EXPECT_EQ(boxes.at(2).defaultText, QStringLiteral(" r "));
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")),
              colourLine("R", "Red") + colourLine("RO", "Rose pink and a long"));
    EXPECT_EQ(frm->Combo1[4]->Text(), QStringLiteral("RO "));
}

TEST_F(ColourFrmTest, NameIsAskedUntilGiven)
{
    ScriptedDialogs dialogs;
    ColourFrm* editor = openFromMenu();
    dialogs.answerInput(QStringLiteral("GRNX"));
    dialogs.answerInput(QString());
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerInput(QStringLiteral("   "));
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerInput(QStringLiteral("Green"));
    editor->Command1_Click(0);

    const QList<ScriptedDialogs::Shown> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2);
    for (const ScriptedDialogs::Shown& box : messages)
        expectMessage(box, QStringLiteral("You must enter a colour name."),
                      QStringLiteral("Message"), Icon::Critical);
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")), colourLine("GRN", "Green"));
}

TEST_F(ColourFrmTest, BlankIdClosesWithThreeBlanks)
{
    writeBytes(QStringLiteral("ZRCOL.DAT"), colourLine("R", "Red"));
    const QByteArray before = readBytes(QStringLiteral("ZRCOL.DAT"));
    ScriptedDialogs dialogs;
    frm->Combo1[4]->setText(QStringLiteral("R  :Red"));
    ColourFrm* editor = openFromMenu();
    dialogs.answerInput(QStringLiteral("  "));
    editor->Command1_Click(0);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(frm->colourEditor(), nullptr);
    EXPECT_EQ(frm->Combo1[4]->Text(), QStringLiteral("   "));
    EXPECT_EQ(comboEntries(), QStringList{"R  "});
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")), before);
}

TEST_F(ColourFrmTest, EditingMovesTheColourToTheEndAndBlankLeavesIt)
{
    const QByteArray file = colourLine("R", "Red") + colourLine("BLK", "Black");
    writeBytes(QStringLiteral("ZRCOL.DAT"), file);
    ScriptedDialogs dialogs;
    ColourFrm* editor = openFromMenu();
    editor->ListView1->selectItem(1);
    dialogs.answerInput(QString());
    editor->Command1_Click(1);
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")), file);

    dialogs.answerInput(QStringLiteral("Scarlet"));
    editor->Command1_Click(1);
    const QList<ScriptedDialogs::Shown> boxes = dialogs.shown();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes.at(1).text, QStringLiteral("Please enter Colour name for 'R  ,\r\n\r\nYour "
                                               "colour name can be upto 20 characters long."));
    EXPECT_EQ(boxes.at(1).title, QStringLiteral("Editing Colour 'R'"));
    EXPECT_EQ(boxes.at(1).defaultText, QStringLiteral("Red"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")),
              colourLine("BLK", "Black") + colourLine("R", "Scarlet"));
    EXPECT_EQ(frm->colourEditor(), editor);
    EXPECT_EQ(editor->Label1[1]->Caption(), QStringLiteral("2"));
}

TEST_F(ColourFrmTest, ColoursThatRecordsUseCannotBeDeleted)
{
    writeBytes(QStringLiteral("ZRCOL.DAT"),
               colourLine("R", "Red") + colourLine("BLK", "Black") + colourLine("NAV", "Navy"));
    putRecord(1, QStringLiteral("BLK"), /*marked deleted*/ 1);
    putRecord(2, QStringLiteral("R"));
    ScriptedDialogs dialogs;
    ColourFrm* editor = openFromMenu();
    for (int line : {1, 2}) {
        SCOPED_TRACE(line);
        editor->ListView1->selectItem(line);
        dialogs.answerMessage(Dialogs::Answer::OK);
        editor->Command1_Click(2);
        expectMessage(dialogs.messages().last(),
                      QStringLiteral("Can't delete colour '%1'\r\n\r\nSome of your records are "
                                     "using this colour.")
                          .arg(editor->ListView1->itemText(line).trimmed()),
                      QStringLiteral("DELETE COLOUR"), Icon::Exclamation);
    }
    editor->ListView1->selectItem(3);
    dialogs.answerMessage(Dialogs::Answer::Yes);
    editor->Command1_Click(2);
    expectMessage(dialogs.messages().last(),
                  QStringLiteral("Are you sure you want to delete the colour 'NAV'"),
                  QStringLiteral("DELETE COLOUR"), Icon::None, Buttons::YesNo);
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")),
              colourLine("R", "Red") + colourLine("BLK", "Black"));
    EXPECT_EQ(editor->Label1[1]->Caption(), QStringLiteral("2"));
}

TEST_F(ColourFrmTest, DoubleClickPicksOnlyFromTheFieldButton)
{
    writeBytes(QStringLiteral("ZRCOL.DAT"), colourLine("R", "Red") + colourLine("BLK", "Black"));
    ScriptedDialogs dialogs;
    frm->Combo1[4]->setText(QStringLiteral("R  :Red"));
    ColourFrm* editor = openFromMenu();
    editor->ListView1->selectItem(2);
    editor->ListView1_DblClick();
    EXPECT_EQ(frm->Combo1[4]->Text(), QStringLiteral("R  :Red"));
    EXPECT_EQ(frm->colourEditor(), editor);

    EXPECT_EQ(openFromField(), editor);
    editor->ListView1_DblClick();
    EXPECT_EQ(frm->Combo1[4]->Text(), QStringLiteral("BLK"));
    EXPECT_EQ(frm->colourEditor(), nullptr);
}

TEST_F(ColourFrmTest, DoubleQuotesAreRefusedBeforeTheyReachTheFile)
{
    ScriptedDialogs dialogs;
    ColourFrm* editor = openFromMenu();
    dialogs.answerInput(QStringLiteral("\"W"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerInput(QStringLiteral("W"));
    dialogs.answerInput(QStringLiteral("Snow \"white\""));
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerInput(QStringLiteral("Snow white, matt"));
    editor->Command1_Click(0);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.shown().at(2).defaultText, QStringLiteral("W"));
    EXPECT_EQ(dialogs.shown().at(5).defaultText, QStringLiteral("Snow white"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")), colourLine("W", "Snow white, matt"));

    // The comma stays inside its value when the file is read back.
    ColourFrm* again = openFromMenu();
    EXPECT_EQ(again->ListView1->subItem(1, 1), QStringLiteral("Snow white, matt    "));
}
