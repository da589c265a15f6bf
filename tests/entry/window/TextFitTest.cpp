#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "entry/window/PrintFileView.h"
#include "platform/controls/ListView.h"
#include "platform/controls/StatusBar.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "support/TextFit.h"

using namespace platform;

namespace {

class TextFitTest : public TempDirTest
{
};

// A ticket whose texts fill their fields, as busy shops type them.
TicketRecord fullTicket()
{
    TicketRecord rec;
    rec.Title1 = QStringLiteral("WINTER WOOLLENS ");
    rec.Title2 = QStringLiteral("MADE IN SCOTLAND");
    rec.Supplier = QStringLiteral("MACKINTOSH MILLS");
    rec.Description = QStringLiteral("MERINO CARDI");
    rec.ColourID = QStringLiteral("WMB");
    rec.Fit = QStringLiteral("W");
    rec.SizeScale = QStringLiteral("LADIES XXL");
    rec.Price = 1249.99;
    rec.DateCreated = 46000;
    rec.DateLastUsed = 46000;
    rec.OrderQty[0] = 5;
    rec.TotalQty[0] = 5;
    return rec;
}

} // namespace

// Every window of the ticket-entry program, each screen with content: no
// caption, button text, panel text, column heading or list cell is wider
// than its control. TICKETS_SCREENSHOTS names a folder for pictures.
TEST_F(TextFitTest, EveryTextOfTheEntryProgramFitsItsControl)
{
    writeBytes(QStringLiteral("ZRNZ.DAT"),
               "\"LADIES XXL\",\"8     \",\"10    \",\"12    \",\"14    \",\"16    \",\"18    \","
               "\"20    \"\r\n");
    writeBytes(QStringLiteral("ZRCOL.DAT"), "\"WMB\",\"Warm Mid Brown      \"\r\n");
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    for (qint32 recNo = 1; recNo <= 3; ++recNo)
        ASSERT_TRUE(frm.store().PutTicketRecord(fullTicket(), recNo));
    frm.store().CloseRecordFile();
    writeBytes(QStringLiteral("ZRPRT.DAT"), "\"3\"\r\n");
    frm.Form_Load();
    frm.show();

    // The records screen unlocked and listing, the look-up screen showing a
    // record with tickets awaiting printing, the editors, help and viewer open.
    dialogs.answerMessage(Dialogs::Answer::Yes);
    frm.Command13_Click();
    frm.LookUpRecordNumber(QStringLiteral("3"));
    ASSERT_EQ(frm.StatusBar1->panelText(3),
              QStringLiteral("This record has  5 tickets awaiting printing."));
    frm.MEScales_Click();
    frm.MEColours_Click();
    frm.Command7_Click();
    frm.Command8_Click();
    QApplication::processEvents();

    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    if (!folder.isEmpty()) {
        frm.grab().save(QDir(folder).filePath(QStringLiteral("fit-look-up.png")));
        frm.ScreenRecords();
        frm.grab().save(QDir(folder).filePath(QStringLiteral("fit-records.png")));
        frm.ScreenDBM();
        frm.grab().save(QDir(folder).filePath(QStringLiteral("fit-data-management.png")));
    }
    // The data-management screen's information page, filled.
    frm.ScreenDBM();
    QApplication::processEvents();

    const QStringList problems = textsThatDoNotFit(&frm);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialogs.allAnswersUsed());
}
