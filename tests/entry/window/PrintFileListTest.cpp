#include <QFile>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/controls/ListView.h"
#include "platform/controls/StatusBar.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class PrintFileListTest : public TempDirTest
{
protected:
    // Records 1 to 7; record 3 holds 1, 0 and 2 at a price of 4.5 and a
    // blank second title, record 5 holds no units.
    void writeRecords()
    {
        ZRNDBm store;
        ASSERT_TRUE(store.OpenRecordFile());
        for (qint32 n = 1; n <= 7; ++n) {
            TicketRecord rec;
            rec.Title1 = QStringLiteral("TITLE %1").arg(n);
            rec.Title2 = n == 3 ? QStringLiteral("   ") : QStringLiteral("LINE 2");
            rec.Supplier = QStringLiteral("NORTHWIND");
            rec.Description = QStringLiteral("SHIRT");
            rec.ColourID = QStringLiteral("BLK");
            rec.Fit = QStringLiteral("L");
            rec.SizeScale = QStringLiteral("KIDS");
            rec.Price = n == 3 ? 4.5 : 1.0;
            if (n == 3) {
                rec.OrderQty[0] = 1;
                rec.OrderQty[2] = 2;
            } else if (n != 5) {
                rec.OrderQty[1] = n;
            }
            ASSERT_TRUE(store.PutTicketRecord(rec, n));
        }
    }
    QStringList line(const MainFrm& frm, int index) const
    {
        QStringList columns;
        for (int column = 0; column < 10; ++column)
            columns << frm.ListView2->subItem(index, column);
        return columns;
    }

    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(PrintFileListTest, StartUpListsTheEntriesThatGiveTickets)
{
    writeRecords();
    const QByteArray file("\"3\"\r\n\"7\"\r\n\"5\"\r\n\"3\"\r\n");
    writeBytes(QStringLiteral("ZRPRT.DAT"), file);

    MainFrm frm;
    frm.Form_Load();
    ASSERT_EQ(frm.ListView2->itemCount(), 3);
    EXPECT_EQ(line(frm, 1), (QStringList{"3", "TITLE 3 : ", "NORTHWIND", "SHIRT", "BLK", "L",
                                         "KIDS", "4.50", "13.50", "3"}));
    EXPECT_EQ(frm.ListView2->itemText(2), QStringLiteral("7"));
    EXPECT_EQ(frm.ListView2->itemText(3), QStringLiteral("3"));
    EXPECT_EQ(frm.StatusBar1->panelText(4), QStringLiteral("3:13"));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // Record 5 stays in the file until the list is saved.
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), file);
    EXPECT_TRUE(frm.SavePrintFile());
    EXPECT_EQ(readBytes(QStringLiteral("ZRPRT.DAT")), QByteArray("\"3\"\r\n\"7\"\r\n\"3\"\r\n"));
}

TEST_F(PrintFileListTest, AFailedSaveIsReported)
{
    MainFrm frm;
    frm.Form_Load();
    frm.store().PrintFileName = QStringLiteral("missing/ZRPRT.DAT").leftJustified(30);
    frm.ListView2->addItem(QStringLiteral("1"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    EXPECT_FALSE(frm.SavePrintFile());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().text.contains(QStringLiteral("missing/ZRPRT.DAT")));
    EXPECT_EQ(dialogs.messages().first().title, MainFrm::ProgramTitle);
    EXPECT_EQ(dialogs.messages().first().icon, Dialogs::Icon::Critical);
}
