#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "HostFormFixture.h"
#include "ThreePageForm.h"
#include "control/core/Interin.h"
#include "control/core/OffScreenDC.h"
#include "control/core/Prview.h"
#include "platform/controls/CommandButton.h"
#include "platform/gdi/DeviceContext.h"

using namespace platform;

using ThreePageForm::Texts;

// A preview of a form of three pages.
class PreviewWindow : public HostFormFixture
{
protected:
    void SetUp() override
    {
        HostFormFixture::SetUp();
        Prview::get().reset();
        Interin::get().reset();
        ThreePageForm::addTo(m_form.get());
        m_control = new Zentrel(m_form.get());
        m_control->InitProperties();
        m_control->Move(6500, 0, 800, 375);
        m_form->show();
    }
    void TearDown() override
    {
        Prview::get().reset();
        Interin::get().reset();
        HostFormFixture::TearDown();
    }

    void preview()
    {
        ASSERT_TRUE(m_control->Preview());
        QCoreApplication::processEvents();
        ASSERT_TRUE(Prview::get().isLoaded());
        ASSERT_EQ(SharedState::get().PreviewPages.size(), 3u);
    }

    PrviewForm& form() { return Prview::get().form(); }
    // The index of the stored page the view shows, -1 for none.
    int pageShown()
    {
        const QImage view = form().View->surface();
        for (int i = 0; i < int(SharedState::get().PreviewPages.size()); ++i) {
            const QImage page = SharedState::get().PreviewPages[i]->page();
            if (page.convertToFormat(QImage::Format_RGB32) ==
                view.copy(page.rect()).convertToFormat(QImage::Format_RGB32))
                return i;
        }
        return -1;
    }
};

TEST_F(PreviewWindow, PagesThroughNextPreviousAndTheList)
{
    enum Action
    {
        Next,
        Prev,
        Pick0,
        Pick1,
        Pick2
    };
    struct Step
    {
        const char* name;
        Action action;
        int page;
        bool up;
        bool down;
        const char* listText;
    };
    const Step steps[] = {
        {"next to page 2", Next, 1, true, true, "2"},
        {"next to the last page", Next, 2, true, false, "3"},
        {"next on the last page does nothing", Next, 2, true, false, "3"},
        {"previous", Prev, 1, true, true, "2"},
        {"previous to page 1", Prev, 0, false, true, "1"},
        {"previous on page 1 only disables Up", Prev, 0, false, true, "1"},
        {"pick the last number", Pick2, 2, true, false, nullptr},
        {"pick the middle one", Pick1, 1, true, true, nullptr},
        {"pick the first one", Pick0, 0, false, true, nullptr},
    };
    preview();
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Shop report"));
    ASSERT_EQ(pageShown(), 0);
    EXPECT_EQ(form().Comb->Text(), QStringLiteral("1"));
    ASSERT_EQ(form().Comb->ListCount(), 3);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        switch (step.action) {
        case Next:
            form().Down->click();
            break;
        case Prev:
            form().Up->click();
            break;
        case Pick0:
        case Pick1:
        case Pick2:
            form().Comb->setCurrentIndex(step.action - Pick0);
            emit form().Comb->Click();
            break;
        }
        EXPECT_EQ(SharedState::get().CurrentPage, step.page);
        EXPECT_EQ(pageShown(), step.page);
        EXPECT_EQ(form().Up->isEnabled(), step.up);
        EXPECT_EQ(form().Down->isEnabled(), step.down);
        if (step.listText) {
            EXPECT_EQ(form().Comb->Text(), QString::fromLatin1(step.listText));
        }
    }
}

TEST_F(PreviewWindow, OnePagePreviewHasNoListAndNoPaging)
{
    for (const char* name : {"Part1", "Part2"})
        m_form->findChild<Label*>(QString::fromLatin1(name))->setTag(QStringLiteral("noprint"));
    ASSERT_TRUE(m_control->Preview());
    QCoreApplication::processEvents();
    ASSERT_EQ(SharedState::get().PreviewPages.size(), 1u);
    EXPECT_FALSE(form().Up->isEnabled());
    EXPECT_FALSE(form().Down->isEnabled());
    EXPECT_TRUE(form().Comb->isHidden());
    form().Down->click();
    EXPECT_EQ(SharedState::get().CurrentPage, 0);
}

TEST_F(PreviewWindow, ScrollBarsFollowThePageSize)
{
    struct Case
    {
        const char* name;
        QSize view;
        bool horizontal;
        int hMax;
        bool vertical;
        int vMax;
    };
    // The frame of a window of 818 x 623 pixels (outside) is 800 x 577.
    const Case cases[] = {
        {"page fits", {700, 500}, false, 0, false, 0},
        {"wider than the frame", {1000, 500}, true, 300, false, 0},
        {"taller than the frame", {700, 1200}, false, 0, true, 823},
        {"both", {1000, 1200}, true, 300, true, 823},
        {"just inside the 40-pixel margin", {760, 537}, false, 0, false, 0},
        {"just past it", {761, 538}, true, 61, true, 161},
    };
    preview();
    PrviewForm& f = form();
    f.resize(QSize(818, 623) - (f.frameGeometry().size() - f.size()));
    ASSERT_EQ(f.Back->size(), QSize(800, 577));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.View->setViewSize(c.view.width(), c.view.height());
        Prview::get().ArrangeView();
        EXPECT_EQ(!f.HScrl->isHidden(), c.horizontal);
        EXPECT_EQ(!f.VScrl->isHidden(), c.vertical);
        if (c.horizontal) {
            EXPECT_EQ(f.HScrl->maximum(), c.hMax);
        }
        if (c.vertical) {
            EXPECT_EQ(f.VScrl->maximum(), c.vMax);
        }
        // Without a horizontal bar the vertical one reaches 16 pixels lower.
        if (c.vertical && !c.horizontal) {
            EXPECT_EQ(f.VScrl->height(), f.HScrl->y() + 16);
        }
        EXPECT_EQ(!f.Corner->isHidden(), c.horizontal && c.vertical);
    }
}

TEST_F(PreviewWindow, ZoomDrawsLargerAndTheBarsFollowThePage)
{
    // The width of the first page's label as drawn, in pixels.
    const auto inkWidth = [this] {
        const QImage page =
            SharedState::get().PreviewPages[0]->page().convertToFormat(QImage::Format_RGB32);
        // Below the top title, above the foot title: the label's line.
        int left = page.width();
        int right = -1;
        for (int y = 40; y < page.height() / 2; ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (qGray(page.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        return right - left;
    };
    preview();
    const int atHundred = inkWidth();
    const QSize pageAtHundred = form().View->size();
    JobWindows::Finir();
    m_control->setZoom(200);
    preview();
    PrviewForm& f = form();
    EXPECT_NEAR(inkWidth(), 2 * atHundred, atHundred / 5);
    // The page keeps the paper's size; the bars follow it.
    EXPECT_EQ(f.View->size(), pageAtHundred);
    f.resize(300, 400);
    Prview::get().ArrangeView();
    EXPECT_EQ(f.HScrl->maximum(), f.View->width() - f.Back->width() + 100);
    EXPECT_EQ(f.VScrl->maximum(), f.View->height() - f.Back->height() + 200);
}

TEST_F(PreviewWindow, ScrollingMovesThePage)
{
    preview();
    PrviewForm& f = form();
    f.resize(400, 300);
    QCoreApplication::processEvents();
    f.VScrl->setValue(120);
    f.HScrl->setValue(35);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.View->pos(), QPoint(-35, -120));
    // Each arrangement brings the page back to its left edge only.
    Prview::get().ArrangeView();
    EXPECT_EQ(f.View->pos(), QPoint(0, -120));
}

TEST_F(PreviewWindow, CloseFreesEveryPageAndClosesTheProgressWindow)
{
    struct Case
    {
        const char* name;
        bool byCloseBox;
    };
    for (const Case c : {Case{"Close button", false}, Case{"the window's close box", true}}) {
        SCOPED_TRACE(c.name);
        preview();
        Interin::get().ShowProgressOverlay(m_form.get(), m_control, false);
        ASSERT_TRUE(Interin::get().isLoaded());
        QPointer<PrviewForm> f = &form();
        if (c.byCloseBox)
            f->close();
        else
            f->Closebtn->click();
        EXPECT_TRUE(SharedState::get().PreviewPages.empty());
        EXPECT_FALSE(SharedState::get().JobActive);
        EXPECT_FALSE(Prview::get().ViewReady);
        EXPECT_FALSE(Interin::get().isLoaded());
        EXPECT_TRUE(f.isNull() || f->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(f.isNull());
    }
    // A closed preview draws nothing until the next load during a job.
    Prview::get().DrawIntoScrn();
    EXPECT_FALSE(Prview::get().isLoaded());
    Prview::get().Finir();
}

TEST_F(PreviewWindow, PrintFromThePreviewPrintsTheSamePagesFromTheEventLoop)
{
    preview();
    // The control need not be painted, nor even shown.
    m_control->hide();
    form().Printbt->click();
    EXPECT_FALSE(Prview::get().isLoaded());
    EXPECT_TRUE(SharedState::get().PreviewPages.empty());
    EXPECT_TRUE(recorder().dcCalls().isEmpty());
    QCoreApplication::processEvents();
    EXPECT_FALSE(SharedState::get().PrintFromPreview);

    QStringList pageOf(3);
    for (const RecordingPrinter::DcCall& call : recorder().dcCalls()) {
        for (int i = 0; i < 3; ++i) {
            if (call.call.text.contains(QString::fromLatin1(Texts[i])))
                pageOf[i] += QString::number(call.page);
        }
    }
    EXPECT_EQ(pageOf, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

TEST_F(PreviewWindow, ButtonTextsComeFromTheSlashSeparatedProperties)
{
    struct Case
    {
        const char* name;
        const char* text;
        QStringList buttons; // Printbt, Up, Down, Closebtn
    };
    const Case cases[] = {
        {"default",
         "Print/Prev Page/Next Page/Zoom In/Zoom Out/Close",
         {"Print", "Prev Page", "Next Page", "Close"}},
        {"no slash keeps the first three",
         "Fermer",
         {"Print...", "Prev Page", "Next Page", "Fermer"}},
        {"other words",
         "Drucken/Zurück/Weiter/+/-/Schließen",
         {"Drucken", "Zurück", "Weiter", "Schließen"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString text = QString::fromUtf8(c.text);
        m_control->setBtnsView_Captions(text);
        m_control->setBtnsView_ToolTipText(text);
        preview();
        PrviewForm& f = form();
        const CommandButton* buttons[] = {f.Printbt, f.Up, f.Down, f.Closebtn};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(buttons[i]->Caption(), c.buttons[i]);
            if (text.contains(QLatin1Char('/'))) {
                EXPECT_EQ(buttons[i]->ToolTipText(), c.buttons[i]);
            }
        }
        JobWindows::Finir();
    }
}
