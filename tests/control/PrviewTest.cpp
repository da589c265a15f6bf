#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "ZentrelFixture.h"
#include "control/core/Interin.h"
#include "control/core/Prview.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/gdi/DeviceContext.h"

namespace {

constexpr int PageWidth = 560;
constexpr int PageHeight = 790;

// Page i carries a black block at a place of its own, so the view shows
// which page it copied.
QRect markOf(int index)
{
    return QRect(40 + 100 * index, 60, 50, 30);
}

} // namespace

// A preview of three pages made here as the composition makes them: on the
// view's surface, at the page's size, the window loaded during the job.
class PreviewWindow : public ZentrelFixture
{
protected:
    void SetUp() override
    {
        ZentrelFixture::SetUp();
        Prview::get().reset();
        Interin::get().reset();
        compose(3, 1);
    }
    void TearDown() override
    {
        Prview::get().reset();
        Interin::get().reset();
        ZentrelFixture::TearDown();
    }

    void compose(int pages, int fromPage)
    {
        SharedState& shared = SharedState::get();
        shared.JobActive = true;
        shared.DirectPrint = 0;
        shared.PageNumberOffset = qint16(fromPage + 1);
        PrviewForm& f = Prview::get().form();
        f.View->setViewSize(PageWidth, PageHeight);
        shared.PreviewPages.clear();
        for (int i = 0; i < pages; ++i) {
            auto page = std::make_unique<OffScreenDC>();
            page->Initialize(f.View->dc(), PageWidth, PageHeight, 2);
            page->setBackColor(0);
            const QRect mark = markOf(i);
            page->FillRect(mark.x(), mark.y(), mark.width(), mark.height(), QString(), 0, 0, false,
                           false, 1);
            shared.PreviewPages.push_back(std::move(page));
        }
        shared.PageCount = qint16(pages - 1);
        shared.CurrentPage = 0;
        Prview::get().FillPageList(fromPage);
        Prview::get().DrawIntoScrn();
        if (pages == 1)
            f.Down->setEnabled(false);
        // Shown as the job shows it: its paint arranges the view.
        f.show();
        QCoreApplication::processEvents();
    }

    PrviewForm& form() { return Prview::get().form(); }
    // The index of the page whose mark the view shows; -1 for none or more.
    int pageShown()
    {
        const QImage view = form().View->surface();
        int shown = -1;
        for (int i = 0; i < 3; ++i) {
            if (view.pixelColor(markOf(i).center()) == Qt::black) {
                if (shown >= 0)
                    return -1;
                shown = i;
            }
        }
        return shown;
    }
};

TEST_F(PreviewWindow, PagesThroughNextPreviousAndTheList)
{
    enum Action { Next, Prev, Pick0, Pick1, Pick2 };
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
        if (step.listText)
            EXPECT_EQ(form().Comb->Text(), QString::fromLatin1(step.listText));
    }
}

TEST_F(PreviewWindow, OnePagePreviewHasNoListAndNoPaging)
{
    compose(1, 1);
    Prview::get().ArrangeView();
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
    PrviewForm& f = form();
    f.resize(QSize(818, 623) - (f.frameGeometry().size() - f.size()));
    ASSERT_EQ(f.Back->size(), QSize(800, 577));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.View->setViewSize(c.view.width(), c.view.height());
        Prview::get().ArrangeView();
        EXPECT_EQ(!f.HScrl->isHidden(), c.horizontal);
        EXPECT_EQ(!f.VScrl->isHidden(), c.vertical);
        if (c.horizontal)
            EXPECT_EQ(f.HScrl->maximum(), c.hMax);
        if (c.vertical)
            EXPECT_EQ(f.VScrl->maximum(), c.vMax);
        // Without a horizontal bar the vertical one reaches 16 pixels lower.
        if (c.vertical && !c.horizontal)
            EXPECT_EQ(f.VScrl->height(), f.HScrl->y() + 16);
        EXPECT_EQ(!f.Corner->isHidden(), c.horizontal && c.vertical);
    }
}

TEST_F(PreviewWindow, ScrollingMovesThePage)
{
    PrviewForm& f = form();
    f.resize(400, 300);
    Prview::get().ArrangeView();
    f.VScrl->setValue(120);
    f.HScrl->setValue(35);
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
        compose(3, 1);
        Interin::get().ShowProgressOverlay(&m_form, &m_form, false);
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

TEST_F(PreviewWindow, PrintClosesAndAsksForThePrintFromTheEventLoop)
{
    int requests = 0;
    QObject context;
    Prview::get().setPrintRequest(&context, [&requests] { ++requests; });
    form().Printbt->click();
    EXPECT_TRUE(SharedState::get().PrintFromPreview);
    EXPECT_FALSE(Prview::get().isLoaded());
    EXPECT_TRUE(SharedState::get().PreviewPages.empty());
    EXPECT_EQ(requests, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(requests, 1);
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
        {"default", "Print/Prev Page/Next Page/Zoom In/Zoom Out/Close",
         {"Print", "Prev Page", "Next Page", "Close"}},
        {"no slash keeps the first three", "Fermer",
         {"Print...", "Prev Page", "Next Page", "Fermer"}},
        {"other words", "Drucken/Zurück/Weiter/+/-/Schließen",
         {"Drucken", "Zurück", "Weiter", "Schließen"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Prview::get().reset();
        PrviewForm& f = form();
        f.show();
        const QString text = QString::fromUtf8(c.text);
        Prview::get().SetCaptions(text, text);
        const CommandButton* buttons[] = {f.Printbt, f.Up, f.Down, f.Closebtn};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(buttons[i]->Caption(), c.buttons[i]);
            if (QString(c.text).contains(QLatin1Char('/')))
                EXPECT_EQ(buttons[i]->ToolTipText(), c.buttons[i]);
        }
    }
}
