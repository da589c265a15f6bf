#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "HostFormFixture.h"
#include "ZentrelFixture.h"
#include "control/core/Interin.h"
#include "platform/controls/CommandButton.h"

using namespace platform;

class ProgressWindow : public ZentrelFixture
{
protected:
    void SetUp() override
    {
        ZentrelFixture::SetUp();
        Interin::get().reset();
        m_form.setWindowTitle(QStringLiteral("Stock list"));
        QPalette palette = m_form.palette();
        palette.setColor(QPalette::Window, Qt::red);
        m_form.setPalette(palette);
        m_form.setAutoFillBackground(true);
        // The form's window at 1005, 795, 6000 x 9000 twips.
        m_form.show();
        const QRect outer = m_form.frameGeometry();
        const QRect inner = m_form.geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        m_form.setGeometry(QRect(67, 53, 400, 600).marginsRemoved(frame));
    }
    void TearDown() override
    {
        Interin::get().reset();
        ZentrelFixture::TearDown();
    }
};

TEST_F(ProgressWindow, CoversTheHostFormWithItsPictureAndTheStopButton)
{
    Interin& interin = Interin::get();
    interin.ShowProgressOverlay(&m_form, &m_form, false);
    InterinForm& f = interin.form();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Stock list"));
    EXPECT_EQ(f.Left(), 1005);
    EXPECT_EQ(f.Top(), 795);
    EXPECT_EQ(f.Width(), 6000);
    EXPECT_EQ(f.Height(), 9018);
    // The button sits a third of the way down less its height and 300,
    // centred across: 1762.5, 1476.
    EXPECT_NEAR(f.Stoper->Left(), 1762.5, 0.5);
    EXPECT_EQ(f.Stoper->Top(), 1476);
    EXPECT_EQ(f.Stoper->Width(), 2475);
    EXPECT_EQ(f.Stoper->Height(), 1230);
    EXPECT_TRUE(f.Stoper->isVisible());
    // The frozen picture of the host form.
    const QImage shown = f.grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 200), QColor(Qt::red));

    interin.Finito();
    EXPECT_FALSE(interin.isLoaded());
    interin.Finito();
}

TEST_F(ProgressWindow, HiddenStopButtonStillCoversTheForm)
{
    Interin::get().ShowProgressOverlay(&m_form, &m_form, true);
    InterinForm& f = Interin::get().form();
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(f.Stoper->isHidden());
    EXPECT_EQ(f.grab().toImage().pixelColor(200, 200), QColor(Qt::red));
}

TEST_F(ProgressWindow, StopButtonStaysInsideASmallForm)
{
    // A form 3210 twips high would put the button's top 460 twips above
    // the window.
    m_form.resize(312, 214);
    Interin::get().ShowProgressOverlay(&m_form, &m_form, false);
    const InterinForm& f = Interin::get().form();
    EXPECT_TRUE(f.rect().contains(f.Stoper->geometry()));
}

TEST_F(ProgressWindow, StopClickAsksTheJobToStop)
{
    Interin::get().ShowProgressOverlay(&m_form, &m_form, false);
    CommandButton& stop = Interin::get().Stoper();
    QTest::mouseClick(&stop, Qt::LeftButton);
    EXPECT_TRUE(SharedState::get().PrintAborted);
    QTest::mouseClick(&stop, Qt::LeftButton);
    EXPECT_TRUE(SharedState::get().PrintAborted);
}

TEST_F(ProgressWindow, CoversTheActiveChildOfAMultipleDocumentHost)
{
    QMdiArea area;
    area.setGeometry(100, 100, 600, 500);
    QWidget* child = new QWidget;
    child->setWindowTitle(QStringLiteral("Child"));
    QMdiSubWindow* sub = area.addSubWindow(child);
    sub->setGeometry(40, 30, 300, 200);
    area.show();
    sub->show();

    Interin::get().ShowProgressOverlay(child, &area, false);
    const InterinForm& f = Interin::get().form();
    const QRect covered(sub->mapToGlobal(QPoint(0, 0)), sub->size());
    EXPECT_EQ(f.pos(), covered.topLeft());
    EXPECT_EQ(f.width(), covered.width());
    EXPECT_NEAR(f.height(), covered.height(), 1);
}

class StopDuringAJob : public HostFormFixture
{
protected:
    void TearDown() override
    {
        Interin::get().reset();
        HostFormFixture::TearDown();
    }
};

TEST_F(StopDuringAJob, StopButtonEndsTheJobByTheStoppedPath)
{
    struct Case
    {
        const char* name;
        bool print;
    };
    for (const Case c : {Case{"print", true}, Case{"preview", false}}) {
        SCOPED_TRACE(c.name);
        buildTextForm();
        recordEvents();
        m_form->show();
        // The stop is pressed while page 2 is composed: the click waits for
        // the job's next yield.
        bool stopWasShown = false;
        QObject::connect(m_control, &Zentrel::Page, m_control, [&](qint16& page) {
            if (page != 2)
                return;
            stopWasShown = Interin::get().isLoaded() && Interin::get().form().isVisible() &&
                           Interin::get().Stoper().isVisible();
            QTimer::singleShot(0, m_control, [] {
                if (Interin::get().isLoaded())
                    QTest::mouseClick(&Interin::get().Stoper(), Qt::LeftButton);
            });
        });
        const bool result = c.print ? m_control->LVPrint() : m_control->Preview();
        EXPECT_TRUE(stopWasShown);
        EXPECT_FALSE(result);
        EXPECT_FALSE(SharedState::get().PrintAborted);
        // Pages after the stop are never started.
        EXPECT_FALSE(m_events.contains(QStringLiteral("Page 3")));
        EXPECT_EQ(m_events.count(QStringLiteral("AfterPrint")), c.print ? 2 : 1);
        if (c.print) {
            EXPECT_FALSE(recorder().documentOpen());
        }
        // The host form is back as it was: no overlay, the control shown.
        EXPECT_FALSE(Interin::get().isLoaded());
        EXPECT_TRUE(m_control->isVisible());
        m_events.clear();
        m_form = std::make_unique<QWidget>();
    }
}
