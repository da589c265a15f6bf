#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "UrlRecorder.h"
#include "ZentrelFixture.h"
#include "control/core/Demo.h"
#include "control/core/Zentrel.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/gdi/DeviceContext.h"

using namespace platform;

class AboutBox : public ZentrelFixture
{
protected:
    void TearDown() override
    {
        Demo::release();
        ZentrelFixture::TearDown();
    }
};

TEST_F(AboutBox, AboutReturnsOnlyAfterTheBoxIsClosed)
{
    struct Case
    {
        const char* name;
        std::function<void(Demo&)> close;
    };
    const Case cases[] = {
        {"Close button", [](Demo& box) { box.Command1->click(); }},
        {"X mark", [](Demo& box) { QTest::mouseClick(box.Label3, Qt::LeftButton); }},
        {"the window's close box", [](Demo& box) { box.close(); }},
    };
    Zentrel control(&m_form);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QPointer<Demo> shown;
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            shown = &Demo::instance();
            wasModal = shown->isVisible() && shown->isModal();
            c.close(*shown);
        });
        control.About();
        EXPECT_TRUE(wasModal);
        // Released after showing: the next use makes a new box.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(shown.isNull());
    }
}

TEST_F(AboutBox, ReferenceFontAndMeasuringSurfaceWithoutShowingTheBox)
{
    const QFont font = Demo::referenceFont();
    EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_TRUE(font.bold());
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);

    DeviceContext& surface = Demo::surface();
    const QSize a = surface.textExtent(QStringLiteral("A"));
    const QSize wide = surface.textExtent(QStringLiteral("AAAAAAAAAA"));
    // 9.75 point at 96 dots per inch is 13 pixels.
    EXPECT_EQ(surface.font().pixelSize(), 13);
    EXPECT_GT(a.width(), 0);
    EXPECT_NEAR(wide.width(), 10 * a.width(), 10);
    EXPECT_GE(a.height(), 13);
    EXPECT_FALSE(Demo::instance().isVisible());
}

TEST_F(AboutBox, LinkAndMailLabelsOpenTheirAddresses)
{
    UrlRecorder shell({QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto")});
    Demo& box = Demo::instance();
    box.show();
    QTest::mouseClick(box.lblLink, Qt::LeftButton);
    QTest::mouseClick(box.Mailto, Qt::LeftButton);
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_EQ(shell.opened[0].host(), box.lblLink->Caption());
    EXPECT_EQ(shell.opened[1].toString(), QStringLiteral("mailto:") + box.Mailto->Caption());
}
