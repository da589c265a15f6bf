#include <QDir>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "entry/window/MainFrm.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ListView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class ScreenGrabTest : public TempDirTest
{
};

// Counts the pixels that differ from the screen's background colour.
int inkedPixels(const QImage& image, const QRect& area)
{
    const QRgb background = image.pixel(area.topLeft() + QPoint(2, area.height() - 3));
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != background)
                ++count;
        }
    }
    return count;
}

} // namespace

// Each screen draws inside a window of about 10,200 x 7,600 twips. Set
// TICKETS_SCREENSHOTS to a folder to keep the pictures for a look.
TEST_F(ScreenGrabTest, EveryScreenDrawsInAWindowOfTheDesignedSize)
{
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    frm.ListView2->addItem(QStringLiteral("1"), {"SPRING : SALE", "NORTHWIND", "SHIRT", "BLU", "R",
                                                 "MENS", "19.99", "59.97", "3"});
    frm.ListView2->addItem(QStringLiteral("2"), {"SPRING : SALE", "NORTHWIND", "TROUSERS", "BLK",
                                                 "S", "MENS", "24.50", "49.00", "2"});
    frm.UpdatePFileStatus();
    frm.show();

    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    const struct
    {
        const char* name;
        int button;
        Frame* screen;
    } screens[] = {
        {"main", 1, frm.Frame6},    {"new-tickets", 2, frm.Frame1},
        {"look-up", 3, frm.Frame2}, {"print-file", 4, frm.Frame5},
        {"records", 5, frm.Frame8}, {"information", 0, frm.Frame12},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(s.name);
        if (s.button == 0)
            frm.BUTSettings_Click();
        else
            frm.Toolbar1_ButtonClick(s.button);
        const QImage image = frm.grab().toImage();
        EXPECT_GT(image.width(), Frame::toPixels(9600));
        EXPECT_LT(image.width(), Frame::toPixels(12000));
        EXPECT_GT(image.height(), Frame::toPixels(7000));
        EXPECT_LT(image.height(), Frame::toPixels(9000));
        EXPECT_TRUE(s.screen->isVisible());
        // The screen itself is drawn: its frame line at least.
        const QRect area(s.screen->mapTo(&frm, QPoint(0, 0)), s.screen->size());
        EXPECT_GT(inkedPixels(image, area), 100);
        if (!folder.isEmpty())
            image.save(QDir(folder).filePath(
                QStringLiteral("mainfrm-%1.png").arg(QString::fromLatin1(s.name))));
    }
}
