#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <gtest/gtest.h>

#include "PrintMgrFixture.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "printrun/manager/ReprintFiles.h"

using namespace platform;

namespace {

class ReprintListTest : public PrintMgrFixture
{
protected:
    // Generations 1, 2 and 4 holding 3, 24 and 1 tickets; the Re-Print
    // panel opened.
    PrintMgr& openPanel(qint16 ticketType = 0)
    {
        writeBytes(QStringLiteral("PrevRun.001"), runLines(3, QStringLiteral("A")));
        writeBytes(QStringLiteral("prevrun.002"), runLines(24, QStringLiteral("B")));
        writeBytes(QStringLiteral("PrevRun.004"), runLines(1, QStringLiteral("C")));
        PrintMgr& w = load();
        setTicketType(ticketType);
        w.TMButton_Click(1);
        return w;
    }

    QString timeOf(const QString& name) const
    {
        return QFileInfo(path(name)).lastModified().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    }

    QMap<QString, QByteArray> reprintFiles() const
    {
        QMap<QString, QByteArray> files;
        for (int n = 1; n <= 10; ++n) {
            const QString name = ReprintFiles::generationName(n);
            for (const QString& spelt : {name, name.toLower()}) {
                if (QFile::exists(path(spelt)))
                    files[spelt] = readBytes(spelt);
            }
        }
        return files;
    }
};

} // namespace

TEST_F(ReprintListTest, ListsEachExistingGenerationNewestFirst)
{
    PrintMgr& w = openPanel();
    EXPECT_TRUE(w.Frame4->Visible());
    ASSERT_EQ(w.ListView3->itemCount(), 3);
    EXPECT_EQ(w.ListView3->itemText(1), QStringLiteral("PrevRun.001:  ") +
                                            timeOf(QStringLiteral("PrevRun.001")) +
                                            QStringLiteral("   Tickets  3"));
    EXPECT_EQ(w.ListView3->itemText(2), QStringLiteral("PrevRun.002:  ") +
                                            timeOf(QStringLiteral("prevrun.002")) +
                                            QStringLiteral("   Tickets  24"));
    EXPECT_TRUE(w.ListView3->itemText(3).startsWith(QStringLiteral("PrevRun.004:  ")));
    EXPECT_TRUE(w.ListView3->itemText(3).endsWith(QStringLiteral("   Tickets  1")));
}

TEST_F(ReprintListTest, ConfirmationNamesDateTimeAndCountAndNoPrintsNothing)
{
    PrintMgr& w = openPanel();
    w.ListView3->selectItem(2);
    m_dialogs.answerMessage(Dialogs::Answer::No);
    w.ListView3_DblClick();

    ASSERT_EQ(m_dialogs.shown().size(), 1);
    const auto box = m_dialogs.messages().at(0);
    EXPECT_EQ(box.text, QStringLiteral("Are you sure you want to reprint this run dated: ") +
                            timeOf(QStringLiteral("prevrun.002")) +
                            QStringLiteral("   Tickets  24?"));
    EXPECT_EQ(box.title, QStringLiteral("reprint run"));
    EXPECT_EQ(box.icon, Dialogs::Icon::Question);
    EXPECT_EQ(box.buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(m_printed.isEmpty());
    EXPECT_FALSE(w.WindowCollapsed);
}

TEST_F(ReprintListTest, ThermalReprintPrintsWithoutAPromptChangesNoFileAndClosesThePanel)
{
    PrintMgr& w = openPanel(3);
    const QMap<QString, QByteArray> before = reprintFiles();
    w.ListView3->selectItem(3);
    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    w.RePrint_Click();

    ASSERT_EQ(m_printed.size(), 1);
    EXPECT_EQ(m_printed.at(0).count, 1);
    EXPECT_EQ(m_printed.at(0).startLabel, 1);
    EXPECT_EQ(m_printed.at(0).path, QStringLiteral("PrevRun.004"));
    EXPECT_EQ(reprintFiles(), before);

    EXPECT_EQ(w.PanelMode, 0);
    EXPECT_TRUE(w.WindowCollapsed);
    EXPECT_EQ(w.WindowHeight(), PrintMgr::CollapsedHeight);
    EXPECT_FALSE(w.Frame4->Visible());
    for (int button = 1; button <= 4; ++button)
        EXPECT_TRUE(w.TMButton[button]->Enabled()) << button;
    for (const PictureBox* marker : w.Image3)
        EXPECT_FALSE(marker->Visible());
}

TEST_F(ReprintListTest, CancelledStartLabelLeavesThePanelOpen)
{
    PrintMgr& w = openPanel(0);
    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    m_dialogs.answerInput(QString());
    m_dialogs.answerMessage(Dialogs::Answer::OK);
    w.ListView3_DblClick();
    EXPECT_TRUE(m_printed.isEmpty());
    EXPECT_EQ(m_dialogs.messages().at(1).text, QStringLiteral("Print cancelled."));
    EXPECT_EQ(m_dialogs.messages().at(1).title, QStringLiteral("Printer"));
    EXPECT_FALSE(w.WindowCollapsed);
    EXPECT_EQ(w.PanelMode, 1);
}

TEST_F(ReprintListTest, FileThatVanishedIsNotPrinted)
{
    PrintMgr& w = openPanel(3);
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("PrevRun.001"))));
    w.ListView3->selectItem(1);
    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    m_dialogs.answerMessage(Dialogs::Answer::OK);
    w.ListView3_DblClick();
    EXPECT_TRUE(m_printed.isEmpty());
    EXPECT_EQ(m_dialogs.messages().at(1).text,
              QStringLiteral("PrevRun.001 holds no tickets to print."));
    EXPECT_EQ(w.ListView3->itemCount(), 2);
}

TEST_F(ReprintListTest, RightButtonSelectsTheLineUnderThePointerAndNamesItInTheMenu)
{
    PrintMgr& w = openPanel();
    w.show();
    const QRect second = w.ListView3->visualItemRect(w.ListView3->item(2));
    w.ListView3_MouseDown(Qt::RightButton, second.center().y());
    EXPECT_EQ(w.ListView3->selectedIndex(), 2);
    EXPECT_EQ(w.Menu_ReprintOptions_RePrint->text(), QStringLiteral("Print - PrevRun.002"));
    w.Menu_ReprintOptions->hide();

    // Below the last line: the selection stays, and so does the name.
    const QRect last = w.ListView3->visualItemRect(w.ListView3->item(3));
    w.ListView3_MouseDown(Qt::RightButton, last.bottom() + 40);
    EXPECT_EQ(w.ListView3->selectedIndex(), 2);
    EXPECT_EQ(w.Menu_ReprintOptions_RePrint->text(), QStringLiteral("Print - PrevRun.002"));
    w.Menu_ReprintOptions->hide();

    // The left button opens no menu.
    w.ListView3_MouseDown(Qt::LeftButton, second.center().y());
    EXPECT_FALSE(w.Menu_ReprintOptions->isVisible());
}

TEST_F(ReprintListTest, StatusLineNamesTheNewestReprint)
{
    PrintMgr& w = load();
    EXPECT_EQ(w.Label1[1]->Caption(), QString());
    writeBytes(QStringLiteral("prevrun.001"), runLines(1));
    w.Timer1_Timer(); // no run waiting: the status lines stay
    writeBytes(QStringLiteral("Ticket.run"), runLines(1));
    w.Timer1_Timer();
    EXPECT_EQ(w.Label1[1]->Caption(), QStringLiteral("Reprints available. Most recent (") +
                                          timeOf(QStringLiteral("prevrun.001")) +
                                          QStringLiteral(") "));
}
