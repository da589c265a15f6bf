#include <gtest/gtest.h>

#include "printrun/designer/AccessLock.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

const QDate Today(2024, 3, 7);
const QString LockTitle = QStringLiteral("You need an access code to enter this area");

void expectRefusalMessage(const ScriptedDialogs& dialogs)
{
    const QList<ScriptedDialogs::Shown> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, QStringLiteral("Problem with entry."));
    EXPECT_EQ(messages[0].title, QStringLiteral("Incorrect pass"));
    EXPECT_EQ(messages[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(messages[0].buttons, Dialogs::Buttons::OK);
}

TEST(AccessLockTest, DayCodeChangesWithTheDate)
{
    const qint16 code = AccessLock::dayCode(Today);
    EXPECT_NE(code, AccessLock::dayCode(Today.addDays(1)));
    EXPECT_NE(code, AccessLock::dayCode(Today.addMonths(1)));
    EXPECT_NE(code, AccessLock::dayCode(Today.addYears(1)));
    EXPECT_GT(AccessLock::dayCode(QDate(2099, 12, 31)), 0);
}

TEST(AccessLockTest, CodeAndDayCodePass)
{
    ScriptedDialogs dialogs;
    dialogs.answerInput(QStringLiteral("8057"));
    dialogs.answerInput(QString::number(AccessLock::dayCode(Today)) + QStringLiteral("xyz"));
    EXPECT_TRUE(AccessLock::UserKnowsPaSS(dialogs, Today));
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Enter Code"));
    EXPECT_EQ(dialogs.shown()[0].title, LockTitle);
    EXPECT_EQ(dialogs.shown()[0].defaultText, QString());
    EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("Entry Code #2"));
    EXPECT_EQ(dialogs.shown()[1].title, LockTitle);
}

TEST(AccessLockTest, KnownNameIsShownTheDayCode)
{
    ScriptedDialogs dialogs;
    dialogs.answerInput(QStringLiteral("8057"));
    dialogs.answerInput(QStringLiteral("Tobias Rune Kallenberg"));
    dialogs.answerInput(QString::number(AccessLock::dayCode(Today)));
    EXPECT_TRUE(AccessLock::UserKnowsPaSS(dialogs, Today));
    ASSERT_EQ(dialogs.shown().size(), 3);
    EXPECT_EQ(dialogs.shown()[2].text, QStringLiteral("Entry Code #2 \r\n\r\nTodays code is ") +
                                           QLatin1Char(' ') +
                                           QString::number(AccessLock::dayCode(Today)));
    EXPECT_EQ(dialogs.shown()[2].title, LockTitle);
}

TEST(AccessLockTest, WrongAnswersRefuse)
{
    {
        ScriptedDialogs dialogs; // a cancelled first box refuses without a word
        dialogs.answerInput(QString());
        EXPECT_FALSE(AccessLock::UserKnowsPaSS(dialogs, Today));
        EXPECT_TRUE(dialogs.messages().isEmpty());
    }
    {
        ScriptedDialogs dialogs;
        dialogs.answerInput(QStringLiteral("8058"));
        dialogs.answerMessage(Dialogs::Answer::OK);
        EXPECT_FALSE(AccessLock::UserKnowsPaSS(dialogs, Today));
        expectRefusalMessage(dialogs);
    }
    {
        ScriptedDialogs dialogs; // the code only counts exactly
        dialogs.answerInput(QStringLiteral(" 8057"));
        dialogs.answerMessage(Dialogs::Answer::OK);
        EXPECT_FALSE(AccessLock::UserKnowsPaSS(dialogs, Today));
        expectRefusalMessage(dialogs);
    }
    {
        ScriptedDialogs dialogs; // right code, yesterday's day code
        dialogs.answerInput(QStringLiteral("8057"));
        dialogs.answerInput(QString::number(AccessLock::dayCode(Today.addDays(-1))));
        dialogs.answerMessage(Dialogs::Answer::OK);
        EXPECT_FALSE(AccessLock::UserKnowsPaSS(dialogs, Today));
        expectRefusalMessage(dialogs);
    }
    {
        ScriptedDialogs dialogs; // a known name, then a wrong code
        dialogs.answerInput(QStringLiteral("8057"));
        dialogs.answerInput(QStringLiteral("MARGIT ELSA VANHOLM"));
        dialogs.answerInput(QStringLiteral("1"));
        dialogs.answerMessage(Dialogs::Answer::OK);
        EXPECT_FALSE(AccessLock::UserKnowsPaSS(dialogs, Today));
        expectRefusalMessage(dialogs);
    }
}

} // namespace
