#include <gtest/gtest.h>

#include "platform/ui/Dialogs.h"

using namespace platform;

namespace {

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;

// Takes the real dialogs away for the test's duration, as in a program that
// runs without the widgets library.
struct WithoutRealDialogs
{
    WithoutRealDialogs() : real(Dialogs::current()) { Dialogs::setDefault(nullptr); }
    ~WithoutRealDialogs() { Dialogs::setDefault(&real); }
    Dialogs& real;
};

TEST(DialogsTest, WithoutRealDialogsEachBoxIsAnsweredAsIfClosed)
{
    WithoutRealDialogs unattended;
    ASSERT_NE(&Dialogs::current(), &unattended.real);
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
    for (const auto& c : cases)
        EXPECT_EQ(Dialogs::current().message(QStringLiteral("Delete all?"),
                                             QStringLiteral("Records"), Dialogs::Icon::Question,
                                             c.buttons),
                  c.expected)
            << static_cast<int>(c.buttons);
    EXPECT_EQ(Dialogs::current().input(QStringLiteral("Reference?"), QStringLiteral("Run"),
                                       QStringLiteral("R1")),
              QString());
    EXPECT_EQ(Dialogs::current().openFile(QStringLiteral("Open"), QStringLiteral("*.zr1|*.zr1")),
              QString());
    EXPECT_EQ(Dialogs::current().saveFile(QStringLiteral("Save"), QStringLiteral("*.zr1|*.zr1")),
              QString());
}

} // namespace
