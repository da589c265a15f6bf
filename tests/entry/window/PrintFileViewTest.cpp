#include <QTest>
#include <gtest/gtest.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "entry/window/PrintFileView.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/ListView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class PrintFileViewTest : public TempDirTest
{
protected:
    // A main-list line: record, then Title, Supplier, Description, Clr, Fit,
    // Scale, PP/Unit, Total, Units.
    void addLine(MainFrm& frm, const QString& rec, const QString& supplier,
                 const QString& description, const QString& price, const QString& total,
                 const QString& units)
    {
        frm.ListView2->addItem(
            rec, {"T : 2", supplier, description, "RED", "S", "KIDS", price, total, units});
    }
    QStringList row(const PrintFileView& viewer, int index) const
    {
        QStringList columns;
        for (int column = 0; column < 7; ++column)
            columns << viewer.PFileList->subItem(index, column);
        return columns;
    }
    // Records 1 to 3, each with units in its first size at 2.50.
    void writeRecords()
    {
        ZRNDBm store;
        ASSERT_TRUE(store.OpenRecordFile());
        for (qint32 n = 1; n <= 3; ++n) {
            TicketRecord rec;
            rec.Supplier = QStringLiteral("SUPP %1").arg(n);
            rec.Description = QStringLiteral("DESC");
            rec.SizeScale = QStringLiteral("KIDS");
            rec.Price = 2.5;
            rec.OrderQty[0] = n;
            ASSERT_TRUE(store.PutTicketRecord(rec, n));
        }
    }

    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(PrintFileViewTest, FillCopiesTheMainListInItsOrderWithATotalsRow)
{
    MainFrm frm;
    addLine(frm, "12", "NORTHWIND", "SHIRT", "9.99", "19.98", "2");
    addLine(frm, "7", "ACME", "SOCKS", "0.40", "0.40", "1");
    addLine(frm, "30", "ZETA", "COAT", "1.12", "10.12", "9");
    PrintFileView* viewer = frm.printFileView();
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("PFV"));
    viewer->UpdatePFV();

    ASSERT_EQ(viewer->PFileList->itemCount(), 4);
    EXPECT_EQ(row(*viewer, 1),
              (QStringList{"0001", "12", "NORTHWIND", "SHIRT", "9.99", "2", "19.98"}));
    EXPECT_EQ(row(*viewer, 2), (QStringList{"0002", "7", "ACME", "SOCKS", "0.40", "1", "0.40"}));
    EXPECT_EQ(row(*viewer, 3), (QStringList{"0003", "30", "ZETA", "COAT", "1.12", "9", "10.12"}));
    EXPECT_EQ(row(*viewer, 4), (QStringList{"", "", "", "", "Total ", "12", "30.50"}));
    EXPECT_EQ(viewer->PFileList->selectedIndex(), 4);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Print File Viewer |  12  |  30.50"));

    // A sort of the main list shows at the next fill, numbered anew.
    frm.ListView2->setSortKey(0);
    frm.ListView2->setSorted(true);
    EXPECT_EQ(viewer->PFileList->subItem(1, 1), QStringLiteral("12"));
    viewer->UpdatePFV();
    EXPECT_EQ(row(*viewer, 1).mid(0, 2), (QStringList{"0001", "12"}));
    EXPECT_EQ(row(*viewer, 2).mid(0, 2), (QStringList{"0002", "30"}));
    EXPECT_EQ(row(*viewer, 3).mid(0, 2), (QStringList{"0003", "7"}));
}

TEST_F(PrintFileViewTest, EmptyListShowsOnlyTheTotalsRow)
{
    MainFrm frm;
    frm.printFileView()->UpdatePFV();
    ASSERT_EQ(frm.printFileView()->PFileList->itemCount(), 1);
    EXPECT_EQ(row(*frm.printFileView(), 1), (QStringList{"", "", "", "", "Total ", "0", "0.00"}));
    EXPECT_EQ(frm.printFileView()->windowTitle(),
              QStringLiteral("Print File Viewer |  0  |  0.00"));
}

TEST_F(PrintFileViewTest, ValueTotalIsExactToThePenny)
{
    // Summed in single precision, seven lines of 12345.67 come to 86419.70.
    MainFrm frm;
    for (int n = 1; n <= 7; ++n)
        addLine(frm, QString::number(n), "S", "D", "12345.67", "12345.67", "1");
    frm.printFileView()->UpdatePFV();
    EXPECT_EQ(frm.printFileView()->PFileList->subItem(8, 6), QStringLiteral("86419.69"));
    EXPECT_EQ(frm.printFileView()->windowTitle(),
              QStringLiteral("Print File Viewer |  7  |  86419.69"));
}

TEST_F(PrintFileViewTest, StartUpShowsTheViewerFilledFromThePrintFile)
{
    writeRecords();
    writeBytes(QStringLiteral("ZRPRT.DAT"), "\"2\"\r\n\"3\"\r\n");
    MainFrm frm;
    frm.Form_Load();
    PrintFileView* viewer = frm.printFileView();
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Tag(), QStringLiteral("ON"));
    EXPECT_EQ(viewer->PFileList->itemCount(), 3);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Print File Viewer |  5  |  12.50"));
}

TEST_F(PrintFileViewTest, ViewerIsRefreshedOnlyWhileItsTagIsOn)
{
    writeRecords();
    MainFrm frm;
    frm.Form_Load();
    PrintFileView* viewer = frm.printFileView();
    ASSERT_EQ(viewer->PFileList->itemCount(), 1);

    // Open: a save and a load of the print file show in it.
    addLine(frm, "1", "SUPP 1", "DESC", "2.50", "2.50", "1");
    ASSERT_TRUE(frm.SavePrintFile());
    EXPECT_EQ(viewer->PFileList->itemCount(), 2);
    writeBytes(QStringLiteral("ZRPRT.DAT"), "\"3\"\r\n\"2\"\r\n\"1\"\r\n");
    frm.LoadPrintFile();
    EXPECT_EQ(viewer->PFileList->itemCount(), 4);

    // Closed: the Tag reads "OFF" and the viewer keeps its last content.
    viewer->close();
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_EQ(viewer->Tag(), QStringLiteral("OFF"));
    frm.ListView2->removeItem(1);
    ASSERT_TRUE(frm.SavePrintFile());
    frm.LoadPrintFile();
    EXPECT_EQ(viewer->PFileList->itemCount(), 4);
    EXPECT_FALSE(viewer->isVisible());

    // "Print View" shows and fills it again.
    frm.show();
    QTest::mouseClick(frm.Command8, Qt::LeftButton);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Tag(), QStringLiteral("ON"));
    EXPECT_EQ(viewer->PFileList->itemCount(), 3);
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Print File Viewer |  3  |  7.50"));
}

TEST_F(PrintFileViewTest, ListFollowsTheWindowSize)
{
    MainFrm frm;
    PrintFileView* viewer = frm.printFileView();
    viewer->show();
    viewer->resize(400, 300);
    QCoreApplication::processEvents();
    const QRect outer = viewer->frameGeometry();
    EXPECT_EQ(viewer->PFileList->Height(), outer.height() * 15 - 400);
    EXPECT_EQ(viewer->PFileList->Width(), outer.width() * 15 - 100);
    EXPECT_EQ(viewer->PFileList->Left(), 0);
    EXPECT_EQ(viewer->PFileList->Top(), 0);

    // Lower than the allowance: the list shrinks to nothing, not below.
    viewer->resize(300, 20);
    QCoreApplication::processEvents();
    ASSERT_LT(viewer->frameGeometry().height() * 15, 400);
    EXPECT_EQ(viewer->PFileList->Height(), 0);
    EXPECT_EQ(viewer->PFileList->Width(), viewer->frameGeometry().width() * 15 - 100);
}

TEST_F(PrintFileViewTest, ClosingTheMainWindowClosesTheViewer)
{
    MainFrm frm;
    frm.Form_Load();
    ASSERT_TRUE(frm.printFileView()->isVisible());
    frm.close();
    EXPECT_FALSE(frm.printFileView()->isVisible());
    EXPECT_EQ(frm.printFileView()->Tag(), QStringLiteral("OFF"));
}
