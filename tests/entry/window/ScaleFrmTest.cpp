#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/ScaleFrm.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "tests/entry/window/MainFrmFixture.h"

using namespace platform;

namespace {

using Icon = Dialogs::Icon;
using Buttons = Dialogs::Buttons;

const QString NamePrompt = QStringLiteral("Please enter a unique name for your new size scale.\r\n"
                                          "\r\nYour size scale name can be upto 10 characters "
                                          "long.");
const QString Blank6 = QStringLiteral("      ");
const QString Blank10 = QStringLiteral("          ");

// One line of the size-scale file as the editor writes it.
QByteArray scaleLine(const char* name, const QList<const char*>& sizes)
{
    QByteArray line = '"' + QByteArray(name).leftJustified(10) + '"';
    for (int n = 0; n < 7; ++n)
        line += ",\"" + QByteArray(n < sizes.size() ? sizes.at(n) : "").leftJustified(6) + '"';
    return line + "\r\n";
}

class ScaleFrmTest : public MainFrmFixture
{
protected:
    // Opens the editor as the Edit menu does, or from the field's button.
    ScaleFrm* openFromMenu()
    {
        frm->MEScales_Click();
        return frm->scaleEditor();
    }
    ScaleFrm* openFromField()
    {
        frm->Command1_Click(0);
        return frm->scaleEditor();
    }
    void putRecord(qint32 recNo, const QString& scale, qint16 mark = 0)
    {
        TicketRecord r;
        r.Title1 = QStringLiteral("T%1").arg(recNo);
        r.SizeScale = scale;
        r.DeleteMark = mark;
        ASSERT_TRUE(frm->store().PutTicketRecord(r, recNo));
    }
    QStringList listNames(ScaleFrm* editor) const
    {
        QStringList names;
        for (int line = 1; line <= editor->ListView1->itemCount(); ++line)
            names << editor->ListView1->itemText(line);
        return names;
    }
    QStringList comboEntries() const { return MainFrmFixture::comboEntries(6); }
};

} // namespace

TEST_F(ScaleFrmTest, AddingKidsWritesItsLineAndSelectsItInTheField)
{
    writeBytes(QStringLiteral("ZRNZ.DAT"), scaleLine("MENS", {"S", "M", "L"}));
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Size Scales."));
    EXPECT_EQ(editor->Label1[1]->Caption(), QStringLiteral("1"));

    for (const char* answer : {"KIDS", "2-3", "4-5", "6-7", ""})
        dialogs.answerInput(QString::fromLatin1(answer));
    editor->Command1_Click(0);

    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")),
              scaleLine("MENS", {"S", "M", "L"}) +
                  "\"KIDS      \",\"2-3   \",\"4-5   \",\"6-7   \",\"      \",\"      \","
                  "\"      \",\"      \"\r\n");
    const QList<ScriptedDialogs::Shown> boxes = dialogs.shown();
    ASSERT_EQ(boxes.size(), 5);
    EXPECT_EQ(boxes.at(0).text, NamePrompt);
    EXPECT_EQ(boxes.at(0).title, QStringLiteral("Creating a new size scale."));
    EXPECT_EQ(boxes.at(0).defaultText, QString());
    EXPECT_EQ(boxes.at(1).text, QStringLiteral("Please enter scale  1\r\n\r\nYour scale can be "
                                               "upto 4 characters long.\r\n\r\nScale "));
    EXPECT_EQ(boxes.at(3).text,
              QStringLiteral("Please enter scale  3\r\n\r\nYour scale can be upto 4 characters "
                             "long.\r\n\r\nScale   2-3     4-5   "));
    EXPECT_EQ(boxes.at(3).title, QStringLiteral("Creating size scale 'KIDS'"));

    // Closing steps: the field lists the editor's names, holds the new one
    // and shows its sizes; the editor has gone.
    EXPECT_EQ(frm->scaleEditor(), nullptr);
    EXPECT_EQ(comboEntries(), (QStringList{"MENS      ", "KIDS      "}));
    EXPECT_EQ(frm->Combo1[6]->Text(), QStringLiteral("KIDS      "));
    EXPECT_EQ(frm->Label3[0]->Caption(), QStringLiteral("2-3"));
    EXPECT_EQ(frm->Label3[2]->Caption(), QStringLiteral("6-7"));
    EXPECT_TRUE(frm->Label3[2]->Visible());
    EXPECT_FALSE(frm->Label3[3]->Visible());
}

TEST_F(ScaleFrmTest, DuplicateNamesAreRefusedAndOfferedAgain)
{
    writeBytes(QStringLiteral("ZRNZ.DAT"), scaleLine("SHOES", {"4", "5"}));
    const QByteArray before = readBytes(QStringLiteral("ZRNZ.DAT"));
    for (const char* typed : {"shoes", "  SHOES", "Shoes   ", "SHOES"}) {
        SCOPED_TRACE(typed);
        ScriptedDialogs dialogs;
        ScaleFrm* editor = openFromMenu();
        ASSERT_NE(editor, nullptr);
        dialogs.answerInput(QString::fromLatin1(typed));
        dialogs.answerMessage(Dialogs::Answer::OK);
        dialogs.answerInput(QString());
        editor->Command1_Click(0);

        const QList<ScriptedDialogs::Shown> boxes = dialogs.shown();
        ASSERT_EQ(boxes.size(), 3);
        expectMessage(boxes.at(1),
                      QStringLiteral("This size scale name is already being used.\r\n\r\nThe size "
                                     "scale name must be unique."),
                      QStringLiteral("Message"), Icon::Critical);
        EXPECT_EQ(boxes.at(2).text, NamePrompt);
        EXPECT_EQ(boxes.at(2).defaultText, QString::fromLatin1(typed).trimmed());
        // Cancelled: the editor closes with a blank field.
        EXPECT_EQ(frm->scaleEditor(), nullptr);
        EXPECT_EQ(frm->Combo1[6]->Text(), Blank10);
        EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), before);
    }
}

TEST_F(ScaleFrmTest, OverLongNameAndSizesAreCut)
{
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    for (const char* answer : {"ABCDEFGHIJKL", "12345678", " XS", "M", "L", "XL", "2XL", "3XL"})
        dialogs.answerInput(QString::fromLatin1(answer));
    editor->Command1_Click(0);
    // Seven sizes fill the scale; no eighth box is asked.
    EXPECT_EQ(dialogs.shown().size(), 8);
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")),
              scaleLine("ABCDEFGHIJ", {"123456", " XS", "M", "L", "XL", "2XL", "3XL"}));
    EXPECT_EQ(frm->Combo1[6]->Text(), QStringLiteral("ABCDEFGHIJ"));
}

TEST_F(ScaleFrmTest, AbandonedAddsCloseWithTenBlanks)
{
    writeBytes(QStringLiteral("ZRNZ.DAT"), scaleLine("MENS", {"S"}));
    const QByteArray before = readBytes(QStringLiteral("ZRNZ.DAT"));
    const struct
    {
        const char* name;
        QStringList answers;
        bool message;
    } cases[] = {
        {"name cancelled", {""}, false},
        {"name blank", {"    "}, false},
        {"size 1 cancelled", {"KIDS", ""}, true},
        {"size 1 blank", {"KIDS", "   "}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs dialogs;
        frm->Combo1[6]->setText(QStringLiteral("MENS"));
        ScaleFrm* editor = openFromMenu();
        ASSERT_NE(editor, nullptr);
        for (const QString& answer : c.answers)
            dialogs.answerInput(answer);
        if (c.message)
            dialogs.answerMessage(Dialogs::Answer::OK);
        editor->Command1_Click(0);

        const QList<ScriptedDialogs::Shown> messages = dialogs.messages();
        ASSERT_EQ(messages.size(), c.message ? 1 : 0);
        if (c.message)
            expectMessage(messages.at(0),
                          QStringLiteral("You must enter one scale element or more.\r\n\r\n"
                                         "Canceling operation."),
                          QStringLiteral("Message"), Icon::Critical);
        EXPECT_EQ(frm->scaleEditor(), nullptr);
        EXPECT_EQ(frm->Combo1[6]->Text(), Blank10);
        EXPECT_EQ(comboEntries(), QStringList{"MENS      "});
        EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), before);
    }
}

TEST_F(ScaleFrmTest, CancellingAtSizeFourKeepsThreeSizes)
{
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromField();
    for (const char* answer : {"KIDS", "2-3", "4-5", "6-7", ""})
        dialogs.answerInput(QString::fromLatin1(answer));
    editor->Command1_Click(0);
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), scaleLine("KIDS", {"2-3", "4-5", "6-7"}));
}

TEST_F(ScaleFrmTest, EditingMovesTheScaleToTheEnd)
{
    writeBytes(QStringLiteral("ZRNZ.DAT"),
               scaleLine("MENS", {"S", "M", "L", "XL"}) + scaleLine("KIDS", {"2-3"}));
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    editor->ListView1->selectItem(1);
    // Size 1 changed, size 2 kept, size 3 blanked: the scale ends after 2.
    for (const char* answer : {"XS", "M", ""})
        dialogs.answerInput(QString::fromLatin1(answer));
    editor->Command1_Click(1);

    const QList<ScriptedDialogs::Shown> boxes = dialogs.shown();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes.at(0).title, QStringLiteral("Editing size scale 'MENS'"));
    EXPECT_EQ(boxes.at(0).defaultText, QStringLiteral("S"));
    EXPECT_EQ(boxes.at(2).defaultText, QStringLiteral("L"));
    EXPECT_EQ(boxes.at(2).text,
              QStringLiteral("Please enter scale  3\r\n\r\nYour scale can be upto 6 characters "
                             "long.\r\n\r\nScale   XS      M     "));
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")),
              scaleLine("KIDS", {"2-3"}) + scaleLine("MENS", {"XS", "M"}));
    // The editor stays open with both scales.
    ASSERT_EQ(frm->scaleEditor(), editor);
    EXPECT_EQ(listNames(editor), (QStringList{"KIDS      ", "MENS      "}));
    EXPECT_EQ(editor->Label1[1]->Caption(), QStringLiteral("2"));
}

TEST_F(ScaleFrmTest, EditCancelledAtSizeOneChangesNothing)
{
    const QByteArray file = scaleLine("MENS", {"S", "M"}) + scaleLine("KIDS", {"2-3"});
    writeBytes(QStringLiteral("ZRNZ.DAT"), file);
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    dialogs.answerInput(QString());
    editor->Command1_Click(1);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), file);
    EXPECT_EQ(listNames(editor), (QStringList{"MENS      ", "KIDS      "}));
}

TEST_F(ScaleFrmTest, ScalesThatRecordsNameCannotBeDeleted)
{
    writeBytes(QStringLiteral("ZRNZ.DAT"),
               scaleLine("MENS", {"S"}) + scaleLine("KIDS", {"2-3"}) + scaleLine("SHOES", {"4"}));
    putRecord(1, QStringLiteral("MENS"));
    putRecord(2, QStringLiteral("KIDS"), /*marked deleted*/ 1);
    putRecord(3, QStringLiteral("shoes"));
    const QByteArray before = readBytes(QStringLiteral("ZRNZ.DAT"));
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    for (int line : {1, 2}) {
        SCOPED_TRACE(line);
        dialogs.answerMessage(Dialogs::Answer::OK);
        editor->ListView1->selectItem(line);
        const QString name = editor->ListView1->itemText(line).trimmed();
        editor->Command1_Click(2);
        expectMessage(dialogs.messages().last(),
                      QStringLiteral("Can't delete size scale '%1'\r\n\r\nSome of your records "
                                     "are using this size scale.")
                          .arg(name),
                      QStringLiteral("DELETE SIZE SCALE"), Icon::Exclamation);
    }
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), before);

    // A record naming "shoes" does not hold "SHOES": it may go, after a Yes.
    editor->ListView1->selectItem(3);
    dialogs.answerMessage(Dialogs::Answer::No);
    editor->Command1_Click(2);
    expectMessage(dialogs.messages().last(),
                  QStringLiteral("Are you sure you want to delete the size scale 'SHOES'"),
                  QStringLiteral("DELETE SIZE SCALE"), Icon::None, Buttons::YesNo);
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), before);
    dialogs.answerMessage(Dialogs::Answer::Yes);
    editor->Command1_Click(2);
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")),
              scaleLine("MENS", {"S"}) + scaleLine("KIDS", {"2-3"}));
    EXPECT_EQ(editor->Label1[1]->Caption(), QStringLiteral("2"));
}

TEST_F(ScaleFrmTest, EditAndDeleteOnAnEmptyListDoNothing)
{
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    editor->Command1_Click(1);
    editor->Command1_Click(2);
    editor->ListView1_DblClick();
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("ZRNZ.DAT"))));
    EXPECT_EQ(editor->Label1[1]->Caption(), QStringLiteral("0"));
}

TEST_F(ScaleFrmTest, DoubleClickPicksOnlyFromTheFieldButton)
{
    writeBytes(QStringLiteral("ZRNZ.DAT"),
               scaleLine("MENS", {"S", "M", "L"}) + scaleLine("KIDS", {"2-3", "4-5"}));
    ScriptedDialogs dialogs;
    frm->Combo1[6]->setText(QStringLiteral("MENS"));

    ScaleFrm* editor = openFromMenu();
    editor->ListView1->selectItem(2);
    editor->ListView1_DblClick();
    EXPECT_EQ(frm->Combo1[6]->Text(), QStringLiteral("MENS"));
    EXPECT_EQ(frm->scaleEditor(), editor);

    // The field's button reuses the open window and turns picking on.
    EXPECT_EQ(openFromField(), editor);
    editor->ListView1_DblClick();
    EXPECT_EQ(frm->Combo1[6]->Text(), QStringLiteral("KIDS      "));
    EXPECT_EQ(frm->Label3[1]->Caption(), QStringLiteral("4-5"));
    EXPECT_FALSE(frm->Label3[2]->Visible());
    EXPECT_EQ(frm->scaleEditor(), nullptr);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(ScaleFrmTest, DoubleQuotesAreRefusedBeforeTheyReachTheFile)
{
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    dialogs.answerInput(QStringLiteral("28\" LEG"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerInput(QStringLiteral("28IN LEG"));
    dialogs.answerInput(QStringLiteral("30\""));
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerInput(QStringLiteral("30IN"));
    dialogs.answerInput(QString());
    editor->Command1_Click(0);

    const QList<ScriptedDialogs::Shown> boxes = dialogs.shown();
    ASSERT_EQ(boxes.size(), 7);
    EXPECT_EQ(boxes.at(1).icon, Icon::Critical);
    EXPECT_TRUE(boxes.at(1).text.contains(QLatin1Char('"')));
    // The same box comes back, with the text typed less its quotes.
    EXPECT_EQ(boxes.at(2).title, QStringLiteral("Creating a new size scale."));
    EXPECT_EQ(boxes.at(2).defaultText, QStringLiteral("28 LEG"));
    EXPECT_EQ(boxes.at(5).text, boxes.at(3).text);
    EXPECT_EQ(boxes.at(5).defaultText, QStringLiteral("30"));
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")), scaleLine("28IN LEG", {"30IN"}));
}

TEST_F(ScaleFrmTest, AFailedSaveIsShownAndNothingIsOffered)
{
    frm->store().ScaleFileName = QStringLiteral("nofolder/ZRNZ.DAT").leftJustified(30);
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    for (const char* answer : {"KIDS", "2-3", ""})
        dialogs.answerInput(QString::fromLatin1(answer));
    dialogs.answerMessage(Dialogs::Answer::OK);
    editor->Command1_Click(0);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().at(0).text.startsWith(
        QStringLiteral("The size scales could not be saved.")));
    EXPECT_EQ(frm->Combo1[6]->Text(), Blank10);
    EXPECT_TRUE(comboEntries().isEmpty());
}

TEST_F(ScaleFrmTest, AnEditorOpenAcrossADataSetSwitchSavesIntoTheNewSet)
{
    // Work on a saved set, then open another set with the editor still open.
    frm.reset();
    writeBytes(QStringLiteral("ZrninUse.dat"), QByteArray("SHOP.zr1").leftJustified(30) + "\r\n");
    writeBytes(QStringLiteral("SHOP.zr3"), scaleLine("MENS", {"S", "M"}));
    writeBytes(QStringLiteral("OTHER.zr3"), scaleLine("BABY", {"0-3"}));
    frm = std::make_unique<MainFrm>();
    frm->Form_Load();

    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    ASSERT_EQ(listNames(editor), QStringList{"MENS      "});
    dialogs.answerFile(path(QStringLiteral("OTHER.zr1")));
    frm->MFOpen_Click();
    ASSERT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("OTHER.zr1"));

    ASSERT_EQ(frm->scaleEditor(), editor);
    EXPECT_EQ(listNames(editor), QStringList{"BABY      "});
    EXPECT_EQ(editor->Label1[1]->Caption(), QStringLiteral("1"));
    for (const char* answer : {"KIDS", "2-3", ""})
        dialogs.answerInput(QString::fromLatin1(answer));
    editor->Command1_Click(0);
    EXPECT_EQ(readBytes(QStringLiteral("OTHER.zr3")),
              scaleLine("BABY", {"0-3"}) + scaleLine("KIDS", {"2-3"}));
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr3")), scaleLine("MENS", {"S", "M"}));
}

TEST_F(ScaleFrmTest, ClosingTheMainWindowUnloadsTheEditors)
{
    ScriptedDialogs dialogs;
    ScaleFrm* editor = openFromMenu();
    frm->MEColours_Click();
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(frm->colourEditor(), nullptr);
    frm->close();
    EXPECT_EQ(frm->scaleEditor(), nullptr);
    EXPECT_EQ(frm->colourEditor(), nullptr);
}

TEST_F(ScaleFrmTest, AnUnreadableScaleFileIsNeverReplacedByTheEditor)
{
    // Something of the file's name that cannot be read as a file.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ZRNZ.DAT")));
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK); // cannot be read
    dialogs.answerInput(QStringLiteral("NEW"));
    dialogs.answerInput(QStringLiteral("S"));
    dialogs.answerInput(QString());
    dialogs.answerMessage(Dialogs::Answer::OK); // cannot be saved
    ScaleFrm* editor = openFromMenu();
    ASSERT_NE(editor, nullptr);
    editor->Command1_Click(0);
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown.at(0).text.startsWith(QStringLiteral("The size scales could not be read")));
    EXPECT_EQ(shown.at(0).icon, Icon::Critical);
    EXPECT_EQ(shown.at(1).text,
              QStringLiteral("The size scales could not be saved: the file could not be read."));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("ZRNZ.DAT"))).isDir());
    EXPECT_EQ(frm->Combo1[6]->Text(), Blank10);
}
