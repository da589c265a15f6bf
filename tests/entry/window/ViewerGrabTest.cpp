#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "entry/window/MainFrm.h"
#include "entry/window/PrintFileView.h"
#include "entry/window/WTHelp.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/Shape.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class ViewerGrabTest : public TempDirTest
{
};

// Pixels of the area that differ from its bottom-left corner.
int inkedPixels(const QImage& image, const QRect& area)
{
    const QRgb background = image.pixel(area.left() + 2, area.bottom() - 2);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != background)
                ++count;
        }
    }
    return count;
}

// The widget's rectangle in window coordinates.
QRect placeIn(const QWidget* window, const QWidget* control)
{
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

// Set TICKETS_SCREENSHOTS to a folder to keep the pictures for a look.
void keep(const QImage& image, const char* name)
{
    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(QString::fromLatin1(name)));
}

} // namespace

TEST_F(ViewerGrabTest, ViewerDrawsItsLinesAndTotals)
{
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    frm.ListView2->addItem(QStringLiteral("1"), {"SPRING : SALE", "NORTHWIND", "SHIRT", "BLU", "R",
                                                 "MENS", "19.99", "59.97", "3"});
    frm.ListView2->addItem(QStringLiteral("2"), {"SPRING : SALE", "NORTHWIND", "TROUSERS", "BLK",
                                                 "S", "MENS", "24.50", "49.00", "2"});
    frm.Command8_Click();
    PrintFileView* viewer = frm.printFileView();
    const QImage image = viewer->grab().toImage();
    const QRect window(QPoint(0, 0), image.size());
    EXPECT_TRUE(window.contains(viewer->PFileList->geometry()));
    EXPECT_GT(inkedPixels(image, viewer->PFileList->geometry()), 500);
    keep(image, "printfileview.png");
}

TEST_F(ViewerGrabTest, HelpDrawsItsMenuAndStepPage)
{
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    frm.show();
    frm.Command7_Click();
    WTHelp* help = frm.helpWindow();
    ASSERT_NE(help, nullptr);

    QImage image = help->grab().toImage();
    const QRect window(QPoint(0, 0), image.size());
    for (QWidget* control : std::initializer_list<QWidget*>{
             help->Label1, help->Shape2, help->Frame1, help->Image1[0], help->Image1[2],
             help->Command1[0], help->Command1[1], help->Command1[2], help->Command1[3]})
        EXPECT_TRUE(window.contains(placeIn(help, control))) << control->objectName().toStdString();
    for (PictureBox* picture : help->Image1)
        EXPECT_GT(inkedPixels(image, placeIn(help, picture)), 1000);
    keep(image, "wthelp-menu.png");

    QTest::mouseClick(help->Image1[WTHelp::LookUp], Qt::LeftButton);
    QTest::mouseClick(help->Command1[0], Qt::LeftButton);
    QTest::mouseClick(help->Command1[0], Qt::LeftButton);
    image = help->grab().toImage();
    EXPECT_TRUE(window.contains(placeIn(help, help->Text1)));
    EXPECT_GT(inkedPixels(image, placeIn(help, help->Text1)), 1000);
    keep(image, "wthelp-step.png");
    // The marked look-up fields show on the main window.
    frm.Toolbar1_ButtonClick(3);
    keep(frm.grab().toImage(), "wthelp-marked-lookup.png");
}
