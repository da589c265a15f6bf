#include <QFile>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/TextBox.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

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
