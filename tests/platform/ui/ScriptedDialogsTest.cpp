#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/ui/QtDialogs.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"

using namespace platform;

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

TEST(ScriptedDialogsTest, RecordsEachBoxAndAnswersInOrderPerKind)
{
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Answer::Yes);
    dialogs.answerMessage(Answer::Cancel);
    dialogs.answerInput(QStringLiteral("typed"));
    dialogs.answerFile(QStringLiteral("first.zr1"));
    dialogs.answerFile(QString());

    // The programs reach the boxes through Dialogs::current().
    Dialogs& shown = Dialogs::current();
    EXPECT_EQ(shown.openFile(QString(), QStringLiteral("*.zr1|*.zr1")), "first.zr1");
    EXPECT_EQ(shown.message(QStringLiteral("Save changes?"), QStringLiteral("Tickets"),
                            Icon::Question, Buttons::YesNo),
              Answer::Yes);
    EXPECT_EQ(shown.input(QStringLiteral("Name:"), QStringLiteral("Ask"), QStringLiteral("x")),
              "typed");
    EXPECT_EQ(shown.message(QStringLiteral("Disk full"), QStringLiteral("Error"), Icon::Critical,
                            Buttons::OKCancel),
              Answer::Cancel);
    EXPECT_EQ(shown.saveFile(QStringLiteral("Save"), QStringLiteral("*.zr1|*.zr1"),
                             QStringLiteral("set.zr1")),
              "");
    EXPECT_TRUE(dialogs.allAnswersUsed());

    const QList<ScriptedDialogs::Shown>& all = dialogs.shown();
    ASSERT_EQ(all.size(), 5);
    EXPECT_EQ(all[0].kind, ScriptedDialogs::Kind::OpenFile);
    EXPECT_EQ(all[0].filter, "*.zr1|*.zr1");
    EXPECT_EQ(all[2].kind, ScriptedDialogs::Kind::Input);
    EXPECT_EQ(all[2].text, "Name:");
    EXPECT_EQ(all[2].title, "Ask");
    EXPECT_EQ(all[2].defaultText, "x");
    EXPECT_EQ(all[4].kind, ScriptedDialogs::Kind::SaveFile);
    EXPECT_EQ(all[4].title, "Save");
    EXPECT_EQ(all[4].defaultText, "set.zr1");

    const QList<ScriptedDialogs::Shown> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].text, "Save changes?");
    EXPECT_EQ(messages[0].title, "Tickets");
    EXPECT_EQ(messages[0].icon, Icon::Question);
    EXPECT_EQ(messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(messages[1].text, "Disk full");
    EXPECT_EQ(messages[1].icon, Icon::Critical);
    EXPECT_EQ(messages[1].buttons, Buttons::OKCancel);
}

TEST(ScriptedDialogsTest, InstallsItselfWhileAliveOnly)
{
    {
        ScriptedDialogs dialogs;
        EXPECT_EQ(&Dialogs::current(), &dialogs);
    }
    EXPECT_NE(dynamic_cast<QtDialogs*>(&Dialogs::current()), nullptr);
}

// EXPECT_NONFATAL_FAILURE only sees statics, so the boxes are shown from
// free functions that keep their results here.
namespace {
Buttons g_buttons = Buttons::OK;
Answer g_answer = Answer::OK;
QString g_text;

void showUnexpectedMessage()
{
    ScriptedDialogs dialogs;
    g_answer = Dialogs::current().message(QStringLiteral("Record not found"),
                                          QStringLiteral("Look-up"), Icon::Exclamation, g_buttons);
}

void showUnexpectedInput()
{
    ScriptedDialogs dialogs;
    g_text = Dialogs::current().input(QStringLiteral("Record number?"), QStringLiteral("Find"),
                                      QStringLiteral("7"));
}

void showUnexpectedOpenFile()
{
    ScriptedDialogs dialogs;
    g_text = Dialogs::current().openFile(QStringLiteral("Open set"), QStringLiteral("*.zr1|*.zr1"));
}

void showUnexpectedSaveFile()
{
    ScriptedDialogs dialogs;
    g_text = Dialogs::current().saveFile(QStringLiteral("Save set"), QStringLiteral("*.zr1|*.zr1"));
}

void leaveAnswersUnused()
{
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Answer::Yes);
    dialogs.answerFile(QStringLiteral("a.zr1"));
}

void answerWithAMissingButton()
{
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Answer::Yes);
    g_answer = Dialogs::current().message(QStringLiteral("Printed."), QStringLiteral("Print"),
                                          Icon::Information, Buttons::OK);
}
} // namespace

TEST(ScriptedDialogsTest, UnexpectedMessageFailsAndAnswersAsClosingTheBox)
{
    const struct
    {
        Buttons buttons;
        Answer expected;
    } cases[] = {
        {Buttons::OK, Answer::OK},
        {Buttons::OKCancel, Answer::Cancel},
        {Buttons::YesNo, Answer::No},
        {Buttons::YesNoCancel, Answer::Cancel},
        {Buttons::RetryCancel, Answer::Cancel},
        {Buttons::AbortRetryIgnore, Answer::Abort},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buttons));
        g_buttons = c.buttons;
        g_answer = Answer::Ignore;
        EXPECT_NONFATAL_FAILURE(
            showUnexpectedMessage(),
            "unexpected message box title \"Look-up\" text \"Record not found\"");
        EXPECT_EQ(g_answer, c.expected);
    }
}

TEST(ScriptedDialogsTest, UnexpectedInputOrFileBoxFailsAndAnswersEmpty)
{
    g_text = QStringLiteral("not set");
    EXPECT_NONFATAL_FAILURE(showUnexpectedInput(),
                            "unexpected input box title \"Find\" text \"Record number?\"");
    EXPECT_EQ(g_text, "");

    g_text = QStringLiteral("not set");
    EXPECT_NONFATAL_FAILURE(showUnexpectedOpenFile(), "unexpected open-file dialog");
    EXPECT_EQ(g_text, "");

    g_text = QStringLiteral("not set");
    EXPECT_NONFATAL_FAILURE(showUnexpectedSaveFile(), "unexpected save-file dialog");
    EXPECT_EQ(g_text, "");
}

TEST(ScriptedDialogsTest, UnusedAnswersFailAtDestruction)
{
    EXPECT_NONFATAL_FAILURE(leaveAnswersUnused(),
                            "unused scripted answers: 1 message, 0 input, 1 file");
}

TEST(ScriptedDialogsTest, AnswerThatIsNotAButtonOfTheBoxFails)
{
    EXPECT_NONFATAL_FAILURE(answerWithAMissingButton(), "scripted answer Yes is not a button");
}

TEST(QtDialogsFilterTest, ConvertsDescriptionPatternPairs)
{
    const struct
    {
        const char* programs;
        const char* qt;
    } cases[] = {
        {"*.zr1|*.zr1", "*.zr1 (*.zr1)"},
        {"Ticket sets|*.zr1|All files|*.*", "Ticket sets (*.zr1);;All files (*.*)"},
        {"Pictures|*.bmp;*.jpg", "Pictures (*.bmp *.jpg)"},
        {" Text | *.txt ", "Text (*.txt)"},
        {"|*.txt", "*.txt (*.txt)"},
        {"*.run", "*.run (*.run)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QtDialogs::qtFilter(QString::fromLatin1(c.programs)), QString::fromLatin1(c.qt))
            << c.programs;
    }
}
