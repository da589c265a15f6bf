#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "entry/window/MainFrm.h"
#include "entry/window/WTHelp.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "platform/controls/TextBox.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "tests/entry/window/MainFrmFixture.h"

using namespace platform;

namespace {

constexpr qint32 rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

const qint32 Window = qint32(0x80000005);
const qint32 CaptionNormal = rgb(224, 224, 224);
const qint32 SizeCaptionNormal = rgb(192, 192, 255);

// The main-window controls a step marks, by array and index.
struct Marked
{
    QList<int> label1;
    QList<int> label3;
    QList<int> combo1;
    QList<int> text1;
    QList<int> text2;
};

QList<int> range(int first, int last)
{
    QList<int> indexes;
    for (int index = first; index <= last; ++index)
        indexes << index;
    return indexes;
}

struct StepCase
{
    const char* title;
    Marked marked;
    const char* end;
};

struct TopicCase
{
    int topic;
    qint32 band;
    qint32 captionColour;
    qint32 fieldColour;
    QList<StepCase> steps;
};

QList<TopicCase> topicCases()
{
    return {
        {WTHelp::NewTickets,
         rgb(128, 128, 255),
         rgb(128, 128, 255),
         rgb(192, 192, 255),
         {
             {"New tickets - Step 1 /Info", {}, "{End of Step 1}"},
             {"New tickets - Step 2 /Inputing Ticket 'Title",
              {{0, 1}, {}, {0, 1}, {}, {}},
              "{End of Step 2}"},
             {"New tickets - Step 3 /Inputing Ticket 'Supplier",
              {{2}, {}, {2}, {}, {}},
              "{End of Step 3}"},
             {"New tickets - Step 4 /Inputing Ticket 'Description",
              {{3}, {}, {3}, {}, {}},
              "{End of Step 4}"},
             {"New tickets - Step 5 /Inputing Ticket 'Colour",
              {{4}, {}, {4}, {}, {}},
              "{End of Step 5}"},
             {"New tickets - Step 6 /Inputing Ticket 'Fit",
              {{5}, {}, {5}, {}, {}},
              "{End of Step 6}"},
             {"New tickets - Step 7 /Inputing Ticket 'Size",
              {{6}, {}, {6}, {}, {}},
              "{End of Step 7}"},
             {"New tickets - Step 8 /Inputing Ticket 'Price",
              {{7}, {}, {}, {0}, {}},
              "{End of Step 8}"},
             {"New tickets - Step 9 /Inputing Ticket 'Barcode",
              {{8}, {}, {}, {1}, {}},
              "{End of Step 9}"},
             {"New tickets - Step 10 /Inputing Ticket 'Qty",
              {{}, range(0, 6), {}, {}, range(0, 6)},
              "{End of Step 10}"},
             {"New tickets - Step 11 /Inputing Ticket 'Accept",
              {},
              "{End of 'Adding Tickets' Help }"},
         }},
        {WTHelp::LookUp,
         rgb(255, 128, 128),
         rgb(255, 0, 0),
         rgb(255, 192, 192),
         {
             {"Look Up - Step 1 /Info", {}, "{End of Step 1}"},
             {"Look Up - Step 2 /Searching for tickets.",
              {{22}, {}, {}, {3}, {}},
              "{End of Step 2}"},
             {"Look Up - Step 3 /Searching for tickets.",
              {range(14, 21), {}, range(7, 13), {2}, {}},
              "{End of Step 3}"},
             {"Look Up - Step 4 /Search results.", {}, "{End of Step 4}"},
             {"Look Up - Step 5 /Lookup ticket options.", {}, "{End of Step 5}"},
             {"Look Up - Step 6 /New Search.", {}, "{End of Step 6}"},
             {"Look Up - Step 7 /More of this ticket.", {}, "{End of Step 7}"},
             {"Look Up - Step 8 /Duplicate Ticket.", {}, "{End of Step 8}"},
         }},
        {WTHelp::PrintFile,
         rgb(0, 128, 0),
         0,
         0,
         {
             {"Print file - Step 1 /Info", {}, "{End of Step 1}"},
             {"Print file - Step 2 /Altering detail", {}, "{End of Step 2}"},
             {"Print file - Step 3 /Creating Print file", {}, "{End of Step 3}"},
         }},
    };
}

class WTHelpTest : public MainFrmFixture
{
protected:
    void SetUp() override
    {
        MainFrmFixture::SetUp();
        frm->show();
    }

    WTHelp* openHelp()
    {
        QTest::mouseClick(frm->Command7, Qt::LeftButton);
        return frm->helpWindow();
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // Deletes the help windows that were closed.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Every control the help colours, with the colour it should have: the
    // marked ones in the step's colours, the rest in their normal colours.
    void expectColours(const Marked& marked, qint32 caption, qint32 field)
    {
        const auto check = [](QList<int> indexes, const QList<int>& marks, qint32 mark,
                              qint32 normal, const std::function<qint32(int)>& colourOf,
                              const char* name) {
            for (int index : indexes)
                EXPECT_EQ(colourOf(index), marks.contains(index) ? mark : normal)
                    << name << "(" << index << ")";
        };
        check(
            range(0, 8) + range(14, 22), marked.label1, caption, CaptionNormal,
            [&](int i) { return frm->Label1[size_t(i)]->BackColor(); }, "Label1");
        check(
            range(0, 6), marked.label3, caption, SizeCaptionNormal,
            [&](int i) { return frm->Label3[size_t(i)]->BackColor(); }, "Label3");
        check(
            range(0, 13), marked.combo1, field, Window,
            [&](int i) { return frm->Combo1[size_t(i)]->BackColor(); }, "Combo1");
        check(
            range(0, 3), marked.text1, field, Window,
            [&](int i) { return frm->Text1[size_t(i)]->BackColor(); }, "Text1");
        check(
            range(0, 6), marked.text2, field, Window,
            [&](int i) { return frm->Text2[size_t(i)]->BackColor(); }, "Text2");
    }
    void expectMenu(WTHelp* help)
    {
        EXPECT_TRUE(help->Frame1->Visible());
        EXPECT_FALSE(help->Frame2->Visible());
        EXPECT_EQ(help->Shape2->BackColor(), rgb(192, 192, 192));
        EXPECT_FALSE(help->Command1[0]->isEnabled());
        EXPECT_TRUE(help->Command1[1]->isEnabled());
        EXPECT_FALSE(help->Command1[2]->isEnabled());
        EXPECT_FALSE(help->Command1[3]->isEnabled());
    }

    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(WTHelpTest, HelpButtonOpensAndClosesTheWindow)
{
    WTHelp* help = openHelp();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Help"));
    EXPECT_EQ(help->Label1->Caption(), QStringLiteral("Walk Through Help"));
    EXPECT_EQ(frm->Command7->Tag(), QStringLiteral("HelpON"));
    expectMenu(help);

    click(frm->Command7);
    EXPECT_EQ(frm->helpWindow(), nullptr);
    EXPECT_EQ(frm->Command7->Tag(), QString());
    settle();

    // Closed by its own button or its close box, the next press opens it.
    for (const char* how : {"Close Help", "close box"}) {
        SCOPED_TRACE(how);
        help = openHelp();
        ASSERT_NE(help, nullptr);
        if (QString::fromLatin1(how) == QStringLiteral("close box"))
            help->close();
        else
            click(help->Command1[1]);
        EXPECT_EQ(frm->helpWindow(), nullptr);
        EXPECT_EQ(frm->Command7->Tag(), QString());
        settle();
        help = openHelp();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        click(frm->Command7);
        settle();
    }
}

TEST_F(WTHelpTest, EveryTopicWalksThroughItsStepsAndMarksTheirControls)
{
    WTHelp* help = openHelp();
    ASSERT_NE(help, nullptr);
    for (const TopicCase& topic : topicCases()) {
        SCOPED_TRACE(topic.topic);
        click(help->Command1[3]);
        click(help->Image1[size_t(topic.topic)]);
        EXPECT_EQ(help->Shape2->BackColor(), topic.band);
        for (int k = 0; k < WTHelp::TopicCount; ++k)
            EXPECT_EQ(help->Image1[size_t(k)]->Tag(), k == topic.topic ? "1" : "0");
        ASSERT_EQ(WTHelp::lastStep(topic.topic), topic.steps.size());
        for (int step = 1; step <= topic.steps.size(); ++step) {
            SCOPED_TRACE(step);
            if (step > 1)
                click(help->Command1[0]);
            const StepCase& page = topic.steps.at(step - 1);
            EXPECT_EQ(help->stepNumber(), step);
            EXPECT_TRUE(help->Frame2->Visible());
            EXPECT_FALSE(help->Frame1->Visible());
            EXPECT_EQ(help->Label3->Caption(), QString::fromLatin1(page.title));
            EXPECT_TRUE(help->stepText().endsWith(QStringLiteral("\r\n\r\n") +
                                                  QString::fromLatin1(page.end)))
                << help->stepText().toStdString();
            EXPECT_TRUE(help->Text1->toPlainText().endsWith(QString::fromLatin1(page.end)));
            EXPECT_EQ(help->Command1[2]->isEnabled(), step != 1);
            EXPECT_EQ(help->Command1[0]->isEnabled(), step != topic.steps.size());
            EXPECT_TRUE(help->Command1[3]->isEnabled());
            if (step > 1)
                expectColours(page.marked, topic.captionColour, topic.fieldColour);
        }
        // And back down to the first step.
        for (int step = int(topic.steps.size()) - 1; step >= 1; --step)
            click(help->Command1[2]);
        EXPECT_EQ(help->Label3->Caption(), QString::fromLatin1(topic.steps.first().title));
        EXPECT_FALSE(help->Command1[2]->isEnabled());
        EXPECT_TRUE(help->Command1[0]->isEnabled());
    }
}

TEST_F(WTHelpTest, StepTextKeepsItsParagraphAndLineBreaks)
{
    WTHelp* help = openHelp();
    ASSERT_NE(help, nullptr);
    click(help->Image1[WTHelp::LookUp]);
    for (int n = 1; n < 5; ++n)
        click(help->Command1[0]);
    EXPECT_EQ(help->stepText(),
              QStringLiteral("Having selected a ticket the sizescale will be displayed at the "
                             "bottom of the screen with the last quantities.\r\n\r\nThree options "
                             "are given. These options are:-\r\n\r\n1.New Search.\r\n2.More of "
                             "this ticket.\r\n3.Duplicate ticket.\r\n\r\nOther tickets in the list "
                             "can still be selected at this point.\r\n\r\n{End of Step 5}"));
}

TEST_F(WTHelpTest, LeavingAMarkingStepPutsTheNormalColoursBack)
{
    WTHelp* help = openHelp();
    ASSERT_NE(help, nullptr);
    click(help->Image1[WTHelp::LookUp]);
    click(help->Command1[0]);
    click(help->Command1[0]);
    ASSERT_EQ(frm->Combo1[9]->BackColor(), rgb(255, 192, 192));
    ASSERT_EQ(frm->Label1[16]->BackColor(), rgb(255, 0, 0));
    click(help->Command1[0]);
    EXPECT_EQ(help->stepNumber(), 4);
    expectColours({}, 0, 0);

    // "Menu" from a marking step.
    click(help->Command1[2]);
    ASSERT_EQ(frm->Text1[2]->BackColor(), rgb(255, 192, 192));
    click(help->Command1[3]);
    expectColours({}, 0, 0);
    expectMenu(help);
    // The topic flag stays until another topic is picked.
    EXPECT_EQ(help->Image1[WTHelp::LookUp]->Tag(), QStringLiteral("1"));

    // Closing on a marking step.
    click(help->Image1[WTHelp::NewTickets]);
    for (int n = 1; n < 10; ++n)
        click(help->Command1[0]);
    ASSERT_EQ(frm->Text2[3]->BackColor(), rgb(192, 192, 255));
    ASSERT_EQ(frm->Label3[3]->BackColor(), rgb(128, 128, 255));
    click(frm->Command7);
    expectColours({}, 0, 0);
}

TEST_F(WTHelpTest, TheWindowStartsInTheNormalColoursThatLeavingTheHelpPutsBack)
{
    expectColours({}, 0, 0);
    // "Close Help" on each step, those that mark controls among them.
    for (const TopicCase& topic : topicCases()) {
        for (int step = 1; step <= int(topic.steps.size()); ++step) {
            SCOPED_TRACE(topic.steps.at(step - 1).title);
            WTHelp* help = openHelp();
            ASSERT_NE(help, nullptr);
            click(help->Image1[size_t(topic.topic)]);
            for (int n = 1; n < step; ++n)
                click(help->Command1[0]);
            ASSERT_EQ(help->stepNumber(), step);
            click(help->Command1[1]);
            settle();
            ASSERT_EQ(frm->helpWindow(), nullptr);
            expectColours({}, 0, 0);
        }
    }
}

TEST_F(WTHelpTest, ClosingTheMainWindowUnloadsTheHelp)
{
    WTHelp* help = openHelp();
    ASSERT_NE(help, nullptr);
    click(help->Image1[WTHelp::NewTickets]);
    click(help->Command1[0]);
    frm->close();
    EXPECT_EQ(frm->helpWindow(), nullptr);
    EXPECT_EQ(frm->Command7->Tag(), QString());
    EXPECT_EQ(frm->Combo1[0]->BackColor(), Window);
}
