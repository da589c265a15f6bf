#include <QFile>
#include <QToolButton>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/Toolbar.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class MainFrmTest : public TempDirTest
{
protected:
    QList<Frame*> screens(const MainFrm& frm) const
    {
        return {frm.Frame6, frm.Frame1, frm.Frame2, frm.Frame5, frm.Frame8, frm.Frame12};
    }
    // The one screen shown, and the toolbar buttons pressed.
    Frame* shownScreen(const MainFrm& frm) const
    {
        Frame* shown = nullptr;
        for (Frame* frame : screens(frm)) {
            if (frame->Visible()) {
                EXPECT_EQ(shown, nullptr) << "two screens shown";
                shown = frame;
            }
        }
        return shown;
    }
    QList<int> pressedButtons(const MainFrm& frm) const
    {
        QList<int> pressed;
        for (int index = 1; index <= 5; ++index) {
            if (frm.Toolbar1->buttonValue(index) == 1)
                pressed << index;
        }
        return pressed;
    }
    void addPrintFileLine(MainFrm& frm, const QString& rec, const QString& total,
                          const QString& units)
    {
        frm.ListView2->addItem(rec,
                               {"T : 2", "SUPP", "DESC", "RED", "S", "KIDS", "9.99", total, units});
    }
};

} // namespace

TEST_F(MainFrmTest, FirstStartInAnEmptyFolder)
{
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();

    EXPECT_EQ(readBytes(QStringLiteral("tfile.tm")).size(), 4420);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("ZRNDB.DAT"))));
    EXPECT_EQ(frm.store().DataInUseName.trimmed(), QStringLiteral("Untitled."));
    EXPECT_EQ(frm.store().DataSetFileNames(), (QStringList{"ZRNDB.DAT", "ZRNH.DAT", "ZRNZ.DAT",
                                                           "ZRCOL.DAT", "ZRPRT.DAT", "ZRLR.DAT"}));
    EXPECT_EQ(frm.Label4->Caption(), QStringLiteral("Untitled."));
    EXPECT_EQ(frm.StatusBar1->panelText(1), QStringLiteral("Recs Used = 0"));
    EXPECT_EQ(frm.StatusBar1->panelText(2), QStringLiteral("Next Free Rec = 1"));
    EXPECT_EQ(frm.StatusBar1->panelText(3), QStringLiteral("Version 2"));
    EXPECT_EQ(frm.StatusBar1->panelText(4), QStringLiteral("0:0"));
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Velmar-Tag  (Untitled.: Print-file is empty)"));
    EXPECT_EQ(shownScreen(frm), frm.Frame6);
    EXPECT_EQ(pressedButtons(frm), QList<int>{1});
    EXPECT_TRUE(frm.Frame3->Visible());
    EXPECT_TRUE(frm.Frame4->Visible());
    EXPECT_TRUE(dialogs.shown().isEmpty());
    // The layout in use is "A", the first default.
    EXPECT_EQ(frm.store().TicketBuffer.TicketType, 0);
}

TEST_F(MainFrmTest, AnExistingLayoutFileIsKept)
{
    ScriptedDialogs dialogs;
    {
        MainFrm first;
        first.Form_Load();
    }
    QByteArray layouts = readBytes(QStringLiteral("tfile.tm"));
    layouts[440] = 6; // record "A" becomes ticket type 6
    writeBytes(QStringLiteral("tfile.tm"), layouts);
    MainFrm frm;
    frm.Form_Load();
    EXPECT_EQ(readBytes(QStringLiteral("tfile.tm")), layouts);
    EXPECT_EQ(frm.store().TicketBuffer.TicketType, 6);
}

TEST_F(MainFrmTest, TheLayoutInUseComesFromTicketUse)
{
    ScriptedDialogs dialogs;
    const struct
    {
        QByteArray ticketUse;
        qint16 type;
    } cases[] = {{"  G  \r\n", 1}, {"B\r\n", 0}, {"\r\n", 0}, {"Z\r\n", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ticketUse.toStdString());
        writeBytes(QStringLiteral("ticket.use"), c.ticketUse);
        MainFrm frm;
        frm.Form_Load();
        EXPECT_EQ(frm.store().TicketBuffer.TicketType, c.type);
    }
}

TEST_F(MainFrmTest, StatusBarCountsRecordsAndTheNextFreeOne)
{
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    TicketRecord rec;
    for (qint32 n = 1; n <= 12; ++n) {
        rec.DeleteMark = (n == 5 || n == 9) ? 1 : 0;
        ASSERT_TRUE(frm.store().PutTicketRecord(rec, n));
    }
    frm.UpdateStatusBar();
    EXPECT_EQ(frm.StatusBar1->panelText(1), QStringLiteral("Recs Used = 12"));
    EXPECT_EQ(frm.StatusBar1->panelText(2), QStringLiteral("Next Free Rec = 5"));
}

TEST_F(MainFrmTest, ToolbarAndViewMenuSwitchScreens)
{
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    const struct
    {
        int button;
        QAction* view;
        Frame* screen;
    } cases[] = {
        {2, frm.MVNew, frm.Frame1},     {3, frm.MVLook, frm.Frame2}, {4, frm.MVPrint, frm.Frame5},
        {5, frm.MVRecords, frm.Frame8}, {1, frm.MVHome, frm.Frame6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        frm.ScreenSettings();
        frm.Toolbar1->button(c.button)->click();
        EXPECT_EQ(shownScreen(frm), c.screen);
        EXPECT_EQ(pressedButtons(frm), QList<int>{c.button});
        frm.ScreenSettings();
        c.view->trigger();
        EXPECT_EQ(shownScreen(frm), c.screen);
        EXPECT_EQ(pressedButtons(frm), QList<int>{c.button});
    }
    // The first click removed the version notice for good.
    EXPECT_EQ(frm.StatusBar1->panelText(3), QString());
    frm.Form_Load();
    EXPECT_EQ(frm.StatusBar1->panelText(3), QString());

    frm.BUTSettings->click();
    EXPECT_EQ(shownScreen(frm), frm.Frame12);
    EXPECT_TRUE(pressedButtons(frm).isEmpty());
}

TEST_F(MainFrmTest, PrintFileTotalsInCaptionPanelAndFrame)
{
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    addPrintFileLine(frm, QStringLiteral("1"), QStringLiteral("19.98"), QStringLiteral("2"));
    addPrintFileLine(frm, QStringLiteral("2"), QStringLiteral("0.40"), QStringLiteral("1"));
    frm.UpdatePFileStatus();
    EXPECT_EQ(frm.windowTitle(),
              QStringLiteral("Velmar-Tag  (Untitled.: 2 Lines, 3 Tickets, Value = 20.38) "));
    EXPECT_EQ(frm.StatusBar1->panelText(4), QStringLiteral("2:3"));
    EXPECT_EQ(frm.Frame5->Caption(), QStringLiteral("List of tickets awaiting printing.  "
                                                    "Lines:2  Tickets:3   Total Value: 20.38"));

    // The print-file screen shows the same totals.
    frm.Frame5->setCaption(QString());
    frm.Toolbar1_ButtonClick(4);
    EXPECT_EQ(frm.Frame5->Caption(), QStringLiteral("List of tickets awaiting printing.  "
                                                    "Lines:2  Tickets:3   Total Value: 20.38"));
}

TEST_F(MainFrmTest, LinesWithoutTicketsLeaveThePrintFileEmptyInTheCaption)
{
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    addPrintFileLine(frm, QStringLiteral("4"), QStringLiteral("0.00"), QStringLiteral("0"));
    frm.UpdatePFileStatus();
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Velmar-Tag  (Untitled.: Print-file is empty)"));
    EXPECT_EQ(frm.StatusBar1->panelText(4), QStringLiteral("1:0"));
    EXPECT_EQ(frm.Frame5->Caption(), QStringLiteral("List of tickets awaiting printing.  "
                                                    "Lines:1  Tickets:0   Total Value: 0.00"));
}

TEST_F(MainFrmTest, ExitAndCloseReleaseTheRecordFile)
{
    ScriptedDialogs dialogs;
    {
        MainFrm frm;
        frm.Form_Load();
        frm.show();
        ASSERT_TRUE(frm.store().isRecordFileOpen());
        frm.MFExit->trigger();
        EXPECT_FALSE(frm.store().isRecordFileOpen());
        EXPECT_FALSE(frm.isVisible());
    }
    MainFrm frm;
    frm.Form_Load();
    frm.show();
    frm.close();
    EXPECT_FALSE(frm.store().isRecordFileOpen());
}
