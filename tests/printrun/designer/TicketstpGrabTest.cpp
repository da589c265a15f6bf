#include <QDir>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "DesignerWindowFixture.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/Shape.h"
#include "printrun/designer/AccessLock.h"

using namespace platform;

namespace {

class TicketstpGrabTest : public DesignerWindowFixture
{
};

// Pixels inside `area` that differ from the colour at its bottom-left.
int inkedPixels(const QImage& image, const QRect& area)
{
    const QRgb background = image.pixel(area.bottomLeft() + QPoint(2, -2));
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

// The designer draws in a window of 6105 x 4600 twips with the ticket
// outline and its fields inked. Set TICKETS_SCREENSHOTS to a folder to keep
// the pictures for a look.
TEST_F(TicketstpGrabTest, EachViewDrawsInTheDesignedWindow)
{
    storeType(2, 2);
    storeType(7, 4);
    window->show();
    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    const struct
    {
        const char* name;
        int tab;
        int panel; // 0 none, 3 type picker, 5 advanced
    } views[] = {
        {"swing-tag", 1, 0},    {"euro-tag", 2, 0},    {"mini-adhesive", 6, 0},
        {"thermal-5638", 7, 0}, {"type-picker", 1, 3}, {"advanced", 1, 5},
    };
    for (const auto& v : views) {
        SCOPED_TRACE(v.name);
        window->selectTab(v.tab);
        if (v.panel == 3) {
            window->Image1_DblClick();
        } else if (v.panel == 5) {
            dialogs.answerMessage(Dialogs::Answer::OK);
            dialogs.answerInput(QStringLiteral("8057"));
            dialogs.answerInput(QString::number(AccessLock::dayCode(QDate::currentDate())));
            window->Command7_Click();
        }
        const QImage image = window->grab().toImage();
        EXPECT_EQ(image.width(), Frame::toPixels(6105));
        EXPECT_EQ(image.height(), Frame::toPixels(4600));
        if (v.panel == 0) {
            const QRect outline(window->TicketTemplate->mapTo(window.get(), QPoint(0, 0)),
                                window->TicketTemplate->size());
            // The outline's white, its border, the field texts and the bars.
            EXPECT_GT(inkedPixels(image, outline.adjusted(-2, -2, 2, 2)), 1000);
            EXPECT_TRUE(window->Label1[0]->isVisible());
        }
        if (!folder.isEmpty())
            image.save(QDir(folder).filePath(
                QStringLiteral("ticketstp-%1.png").arg(QString::fromLatin1(v.name))));
    }
}
