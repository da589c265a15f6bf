#include <QDate>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TabStrip.h"
#include "platform/controls/TextBox.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class PartitionWindowTest : public TempDirTest
{
protected:
    bool exists(const QString& name) const { return QFile::exists(path(name)); }

    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(PartitionWindowTest, NewTicketsPlaceholderIsFramedByThePartitionNumber)
{
    MainFrm frm;
    frm.Form_Load();
    frm.Toolbar1_ButtonClick(2);
    EXPECT_EQ(frm.Text1[1]->Text(), QStringLiteral("0001xx"));

    frm.Text1[1]->setText(QString());
    frm.store().PartitionNumber = QStringLiteral("37");
    frm.Toolbar1_ButtonClick(2);
    EXPECT_EQ(frm.Text1[1]->Text(), QStringLiteral("700013xx"));
}

TEST_F(PartitionWindowTest, NamingAPartitionAsksConfirmsAndReloadsTheWorkingData)
{
    MainFrm frm;
    frm.Form_Load();
    TicketRecord rec;
    rec.Title1 = QStringLiteral("KEPT");
    ASSERT_TRUE(frm.store().PutTicketRecord(rec, 1));
    frm.UpdateStatusBar();
    writeBytes(QStringLiteral("ZRNZ.DAT"),
               "\"KIDS      \",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\"\r\n");

    dialogs.answerInput(QStringLiteral("Summer sale with a long name"));
    dialogs.answerInput(QStringLiteral("Stock for the summer"));
    dialogs.answerMessage(Dialogs::Answer::OK);  // the free number
    dialogs.answerMessage(Dialogs::Answer::Yes); // keep colours and scales
    dialogs.answerMessage(Dialogs::Answer::OK);  // the check
    EXPECT_TRUE(frm.NamePartition(0));
    EXPECT_TRUE(dialogs.allAnswersUsed());

    const auto& shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown[0].defaultText, QStringLiteral("Data1"));
    // The free number of an empty list.
    EXPECT_EQ(shown[2].text, QStringLiteral("0"));
    EXPECT_EQ(shown[4].title, QStringLiteral("Check data is correct."));
    EXPECT_TRUE(shown[4].text.startsWith(
        QStringLiteral("Please check the following information is correct before continuing."
                       "\r\n\r\nPartition Name: Summer sale with a l\r\nPartition Description: "
                       "Stock for the summer") +
        QString(30, QLatin1Char(' ')) + QStringLiteral("\r\nDate: ")))
        << shown[4].text.toStdString();
    EXPECT_TRUE(shown[4].text.endsWith(QStringLiteral("\r\n\r\nContinue?")));

    // The name is cut to 20 characters; the record went with the data, the
    // scales were copied.
    EXPECT_TRUE(exists(QStringLiteral("Summer sale with a l.Stk")));
    EXPECT_TRUE(exists(QStringLiteral("Summer sale with a l.Sze")));
    EXPECT_TRUE(exists(QStringLiteral("ZRNZ.DAT")));
    EXPECT_TRUE(exists(QStringLiteral("ZRNPART.DAT")));
    // The window works on the (new, empty) working data.
    EXPECT_TRUE(frm.store().isRecordFileOpen());
    EXPECT_EQ(frm.StatusBar1->panelText(1), QStringLiteral("Recs Used = 0"));
}

TEST_F(PartitionWindowTest, RefusedNameBlankNameAndCancelMoveNothing)
{
    MainFrm frm;
    frm.Form_Load();
    dialogs.answerInput(QStringLiteral("../up"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    EXPECT_FALSE(frm.NamePartition(0));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("Invalid File Name."));
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("File Name Error."));

    // A blank name ends without a box.
    dialogs.answerInput(QStringLiteral("   "));
    EXPECT_FALSE(frm.NamePartition(0));
    EXPECT_EQ(dialogs.messages().size(), 1);

    dialogs.answerInput(QStringLiteral("Fresh"));
    dialogs.answerInput(QString());
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerMessage(Dialogs::Answer::No);
    dialogs.answerMessage(Dialogs::Answer::Cancel);
    EXPECT_FALSE(frm.NamePartition(0));
    EXPECT_FALSE(exists(QStringLiteral("Fresh.Stk")));
    EXPECT_TRUE(exists(QStringLiteral("ZRNDB.DAT")));
    EXPECT_TRUE(frm.store().isRecordFileOpen());
}

TEST_F(PartitionWindowTest, DataManagementScreenOpensOnTheInformationPage)
{
    // Two partitions, as the list file holds them: name, description, date
    // and number in fixed columns.
    writeBytes(QStringLiteral("ZRNPART.DAT"),
               QByteArray("Summer").leftJustified(20) +
                   QByteArray("Light stock").leftJustified(50) + "01/06/2026" + "7 \r\n" +
                   QByteArray("Winter").leftJustified(20) + QByteArray("Coats").leftJustified(50) +
                   "01/11/2026" + "12\r\n");
    TicketRecord summer;
    summer.Title1 = QStringLiteral("SUMMER");
    writeBytes(QStringLiteral("Summer.Stk"), summer.encode());

    MainFrm frm;
    frm.Form_Load();
    frm.show();
    const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    const struct
    {
        const char* current;
        QString count;
        int lines;
    } cases[] = {
        {"", QStringLiteral("Partitions  :  3"), 3}, // the unnamed data is listed
        {"Winter", QStringLiteral("Partitions  :  2"), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        frm.store().PartitionName = QString::fromLatin1(c.current);
        frm.ScreenDBM();
        for (QWidget* other : {frm.Frame1, frm.Frame2, frm.Frame5, frm.Frame6, frm.Frame12})
            EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();
        EXPECT_TRUE(frm.Frame8->isVisible());
        EXPECT_TRUE(frm.TabStrip1->isVisible());
        EXPECT_EQ(frm.TabStrip1->SelectedItem(), 1);
        EXPECT_TRUE(frm.Frame13->isVisible());
        EXPECT_EQ(frm.Label26->Caption(), c.count);
        EXPECT_EQ(frm.Label27->Caption(), QStringLiteral("Todays Date : ") + today);
        ASSERT_EQ(frm.ListView3->itemCount(), c.lines);
        // The date and number come from the columns they were written to.
        EXPECT_EQ(frm.ListView3->subItem(2, 2), QStringLiteral("01/11/2026"));
        EXPECT_EQ(frm.ListView3->subItem(2, 3), QStringLiteral("12"));
    }

    // The second tab shows the records; the toolbar's records screen has no
    // tab strip.
    QTest::mouseClick(frm.TabStrip1, Qt::LeftButton, {}, frm.TabStrip1->tabRect(1).center());
    EXPECT_FALSE(frm.Frame13->isVisible());
    EXPECT_TRUE(frm.ListView4->isVisible());
    QTest::mouseClick(frm.TabStrip1, Qt::LeftButton, {}, frm.TabStrip1->tabRect(0).center());
    EXPECT_TRUE(frm.Frame13->isVisible());

    // The partition picked in the list is the one that mode 1 opens.
    frm.ListView3->selectItem(1);
    dialogs.answerMessage(Dialogs::Answer::OK); // the check
    EXPECT_TRUE(frm.NamePartition(1));
    EXPECT_TRUE(exists(QStringLiteral("Winter.Stk")));
    EXPECT_FALSE(exists(QStringLiteral("Summer.Stk")));
    EXPECT_EQ(frm.store().GetTicketRecord(1).Title1.trimmed(), QStringLiteral("SUMMER"));

    frm.ScreenRecords();
    EXPECT_FALSE(frm.TabStrip1->isVisible());
    EXPECT_FALSE(frm.Frame13->isVisible());
}
