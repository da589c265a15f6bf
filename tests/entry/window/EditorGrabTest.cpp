#include <QDir>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "entry/window/ColourFrm.h"
#include "entry/window/MainFrm.h"
#include "entry/window/ScaleFrm.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class EditorGrabTest : public TempDirTest
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

// Every control lies inside the window and the list shows its lines. Set
// TICKETS_SCREENSHOTS to a folder to keep the pictures for a look.
template <class Editor> void checkGrab(Editor* editor, const char* name)
{
    ASSERT_NE(editor, nullptr);
    const QImage image = editor->grab().toImage();
    const QRect window(QPoint(0, 0), image.size());
    for (QWidget* control : std::initializer_list<QWidget*>{
             editor->ListView1, editor->Command1[0], editor->Command1[1], editor->Command1[2],
             editor->Label1[0], editor->Label1[1]})
        EXPECT_TRUE(window.contains(control->geometry())) << control->objectName().toStdString();
    EXPECT_GT(inkedPixels(image, editor->ListView1->geometry()), 1000);
    EXPECT_GT(inkedPixels(image, editor->Command1[2]->geometry()), 100);
    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(QString::fromLatin1(name)));
}

} // namespace

TEST_F(EditorGrabTest, EditorsDrawTheirListsAndButtons)
{
    writeBytes(QStringLiteral("ZRNZ.DAT"),
               "\"MENS      \",\"S     \",\"M     \",\"L     \",\"XL    \",\"XXL   \",\"      \","
               "\"      \"\r\n"
               "\"KIDS      \",\"2-3   \",\"4-5   \",\"6-7   \",\"8-9   \",\"10-11 \",\"12-13 \","
               "\"14-15 \"\r\n"
               "\"SHOES     \",\"6     \",\"7     \",\"8     \",\"9     \",\"10    \",\"11    \","
               "\"      \"\r\n");
    writeBytes(QStringLiteral("ZRCOL.DAT"), "\"R  \",\"Red                 \"\r\n"
                                            "\"BLK\",\"Black               \"\r\n"
                                            "\"NAV\",\"Navy blue           \"\r\n");
    ScriptedDialogs dialogs;
    MainFrm frm;
    frm.Form_Load();
    frm.show();
    frm.MEScales_Click();
    ASSERT_NE(frm.scaleEditor(), nullptr);
    EXPECT_EQ(frm.scaleEditor()->Label1[1]->Caption(), QStringLiteral("3"));
    checkGrab(frm.scaleEditor(), "scalefrm.png");
    frm.MEColours_Click();
    checkGrab(frm.colourEditor(), "colourfrm.png");
}
