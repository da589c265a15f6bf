// A host that closes (and so deletes) its form, or deletes the control or
// one of its own controls, while a job runs.
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "HostFormFixture.h"
#include "MdiHostForm.h"
#include "ThreePageForm.h"
#include "control/core/Prview.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/FlexGrid.h"
#include "platform/controls/Frame.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/MultiLineTextBox.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DoEvents.h"

using namespace platform;

namespace {

class HostGoesAway : public HostFormFixture
{
protected:
    // A shown form of three pages with the control on it; `window` is the
    // form itself, or the multiple-document parent of a child form.
    struct Host
    {
        QPointer<QWidget> form;
        QPointer<Zentrel> control;
        QPointer<QWidget> window = form;
    };

    static Host makeHost(bool deleteOnClose)
    {
        auto* form = new QWidget();
        form->setObjectName(QStringLiteral("ClosingForm"));
        form->resize(640, 900);
        if (deleteOnClose)
            form->setAttribute(Qt::WA_DeleteOnClose);
        ThreePageForm::addTo(form);
        auto* control = new Zentrel(form);
        control->InitProperties();
        control->Move(6500, 0, 800, 375);
        form->show();
        return {form, control};
    }

    // The control on a multiple-document parent whose active child form
    // has the three pages; another child, behind it, has one label.
    static Host makeMdiHost()
    {
        auto* parent = new MdiHostForm();
        parent->resize(800, 900);
        auto* area = new QMdiArea(parent);
        area->setGeometry(0, 40, 800, 860);
        auto* other = new QWidget();
        new Label(other);
        area->addSubWindow(other)->show();
        auto* form = new QWidget();
        ThreePageForm::addTo(form);
        QMdiSubWindow* window = area->addSubWindow(form);
        window->resize(640, 800);
        window->show();
        area->setActiveSubWindow(window);
        auto* control = new Zentrel(parent);
        control->InitProperties();
        control->Move(6500, 0, 800, 375);
        parent->show();
        return {form, control, parent};
    }

    // Runs what the event loop would still run (deferred deletions
    // included), then deletes what is left of the host's window.
    static void dispose(Host& host)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete host.window.data();
    }

    static void onPage(Zentrel* control, qint16 number, std::function<void()> action)
    {
        QObject::connect(control, &Zentrel::Page, control, [number, action](qint16& page) {
            if (page == number)
                action();
        });
    }

    static QImage pageImage(size_t index)
    {
        const auto& pages = SharedState::get().PreviewPages;
        return index < pages.size() && pages[index]->dc() ? pages[index]->dc()->image() : QImage();
    }
};

} // namespace

TEST_F(HostGoesAway, AFormClosedOrAControlDeletedDuringAJobEndsItAsStopped)
{
    enum class Way
    {
        CloseBox,           // the window's close box, pressed while the job runs
        HostTimer,          // a timer of the host closes the form
        CloseInPageHandler, // Page(2) closes the form
        ClosedBeforeTheJob, // the form closed, its deletion still pending
        ControlDeleteLater, // Page(2) deletes the control with deleteLater
        MdiChildDeleted     // Page(2) deletes the printed child of an MDI parent
    };
    const struct
    {
        const char* name;
        Way way;
    } ways[] = {{"close box", Way::CloseBox},
                {"host timer", Way::HostTimer},
                {"close() in Page(2)", Way::CloseInPageHandler},
                {"closed before the job", Way::ClosedBeforeTheJob},
                {"control deleteLater in Page(2)", Way::ControlDeleteLater},
                {"MDI child deleted in Page(2)", Way::MdiChildDeleted}};
    for (const auto& way : ways) {
        for (const bool preview : {false, true}) {
            SCOPED_TRACE(std::string(way.name) + (preview ? " preview" : " print"));
            startHost();
            Host host = way.way == Way::MdiChildDeleted ? makeMdiHost() : makeHost(true);
            QWidget* form = host.form;
            switch (way.way) {
            case Way::CloseBox:
                onPage(host.control, 2, [form] {
                    QTimer::singleShot(0, form, [form] { form->windowHandle()->close(); });
                });
                break;
            case Way::HostTimer: {
                auto* timer = new QTimer(form);
                timer->setSingleShot(true);
                QObject::connect(timer, &QTimer::timeout, form, [form] { form->close(); });
                onPage(host.control, 2, [timer] { timer->start(0); });
                break;
            }
            case Way::CloseInPageHandler:
                onPage(host.control, 2, [form] { form->close(); });
                break;
            case Way::ClosedBeforeTheJob:
                form->close();
                break;
            case Way::ControlDeleteLater: {
                Zentrel* control = host.control;
                onPage(control, 2, [control] { control->deleteLater(); });
                break;
            }
            case Way::MdiChildDeleted:
                onPage(host.control, 2, [form] { delete form; });
                break;
            }
            EXPECT_FALSE(preview ? host.control->Preview() : host.control->LVPrint());
            if (preview) {
                EXPECT_TRUE(SharedState::get().PreviewPages.empty());
                EXPECT_FALSE(JobWindows::PreviewShown());
            } else {
                // A form closed before the job gets no document at all.
                EXPECT_EQ(recorder().endedDocuments(), 0);
                EXPECT_EQ(recorder().killedDocuments(), way.way == Way::ClosedBeforeTheJob ? 0 : 1);
            }
            EXPECT_FALSE(SharedState::get().JobRunning);
            EXPECT_TRUE(m_dialogs.messages().isEmpty());
            // What was closed or deleted is gone once the event loop runs.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(way.way == Way::ControlDeleteLater ? host.control.isNull()
                                                           : host.form.isNull());
            dispose(host);

            // The next job, on a new form, prints its three pages.
            Host next = makeHost(false);
            ASSERT_TRUE(next.control->LVPrint());
            EXPECT_EQ(recorder().pagesPerDocument().last(), 3);
            EXPECT_EQ(recorder().endedDocuments(), 1);
            dispose(next);
            endHost();
        }
    }
}

TEST_F(HostGoesAway, APreviewLeftOpenOutlivesItsFormOrClosesWithIt)
{
    for (const bool deleted : {true, false}) {
        SCOPED_TRACE(deleted ? "form deleted" : "form closed");
        startHost();
        Host host = makeHost(false);
        ASSERT_TRUE(host.control->Preview());
        ASSERT_TRUE(JobWindows::PreviewShown());
        if (deleted)
            delete host.form.data();
        else
            host.form->close();
        DoEvents();

        if (deleted) {
            // Closed with the form: nothing is left to press.
            EXPECT_FALSE(JobWindows::PreviewShown());
            EXPECT_TRUE(SharedState::get().PreviewPages.empty());
            Prview::get().NextPage();
            Prview::get().PreviousPage();
            Prview::get().Close();
        } else {
            // Still usable: it pages, and prints the closed form.
            PrviewForm& window = Prview::get().form();
            window.Down->click();
            EXPECT_EQ(SharedState::get().CurrentPage, 1);
            window.Up->click();
            EXPECT_EQ(SharedState::get().CurrentPage, 0);
            window.Printbt->click();
            DoEvents();
            EXPECT_EQ(recorder().endedDocuments(), 1);
            EXPECT_EQ(recorder().pagesPerDocument().last(), 3);
            ASSERT_TRUE(host.control->Preview());
            Prview::get().form().Closebtn->click();
            EXPECT_FALSE(JobWindows::PreviewShown());
        }
        dispose(host);
        endHost();
    }
}

TEST_F(HostGoesAway, AControlDeletedBeforeItsTurnFailsAsItsRendererFailsAReadOrIsLeftOut)
{
    const auto build = [](QWidget* form, bool withLabel, bool inFrame) {
        ThreePageForm::addTo(form);
        QWidget* parent = form;
        if (inFrame) {
            auto* frame = new Frame(form);
            frame->setObjectName(QStringLiteral("Window"));
            frame->Move(600, 5200, 5000, 1500);
            frame->setCaption(QStringLiteral("Window display"));
            parent = frame;
        }
        if (withLabel) {
            auto* label = new Label(parent);
            label->setObjectName(QStringLiteral("Remark"));
            label->Move(inFrame ? 300 : 600, inFrame ? 400 : 5600, 4000, 300);
            label->setCaption(QStringLiteral("Remark for the third page"));
        }
        auto* control = new Zentrel(form);
        control->InitProperties();
        control->Move(6500, 0, 800, 375);
        return control;
    };
    struct Case
    {
        const char* name;
        bool inFrame; // the frame holding the label is deleted, else the label
        bool preview;
        bool result;
        bool reported; // "Printer Operation # 91"
    };
    const Case cases[] = {
        {"label, print", false, false, false, true},
        {"label, preview", false, true, true, false},
        {"frame with a label, print", true, false, false, true},
        {"frame with a label, preview", true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startHost();
        Zentrel* control = build(m_form.get(), true, c.inFrame);
        QPointer<QWidget> doomed = m_form->findChild<QWidget*>(
            c.inFrame ? QStringLiteral("Window") : QStringLiteral("Remark"));
        // A print raises Page(2) twice (before and after the sheet).
        onPage(control, 2, [doomed] { delete doomed.data(); });
        if (c.reported)
            m_dialogs.answerMessage(Dialogs::Answer::OK);
        const qsizetype before = m_dialogs.messages().size();
        EXPECT_EQ(c.preview ? control->Preview() : control->LVPrint(), c.result);
        const QList<ScriptedDialogs::Shown> shown = m_dialogs.messages().mid(before);
        ASSERT_EQ(shown.size(), c.reported ? 1 : 0);
        if (c.reported) {
            EXPECT_EQ(shown[0].text, QStringLiteral("Printer Operation # 91"));
            EXPECT_EQ(shown[0].icon, Dialogs::Icon::Critical);
        }
        if (!c.preview) {
            EXPECT_EQ(recorder().endedDocuments(), 0);
            EXPECT_EQ(recorder().killedDocuments(), 1);
        } else if (!c.result) {
            EXPECT_TRUE(SharedState::get().PreviewPages.empty());
            EXPECT_FALSE(JobWindows::PreviewShown());
        } else {
            // Left out: the third page is the page of a form that never had
            // the label, and not that of one that keeps it.
            const QImage skipped = pageImage(2);
            endHost();
            startHost();
            ASSERT_TRUE(build(m_form.get(), false, false)->Preview());
            EXPECT_EQ(skipped, pageImage(2));
            endHost();
            startHost();
            ASSERT_TRUE(build(m_form.get(), true, false)->Preview());
            EXPECT_NE(skipped, pageImage(2));
        }
        endHost();
    }
}

TEST_F(HostGoesAway, AControlDeletedWhileItIsDrawnEndsItsDrawingAsAFailedRead)
{
    // A grid or a text box long enough for three pages, deleted by the host
    // in Page(2) while its own renderer is drawing it.
    struct Case
    {
        const char* name;
        bool grid;
        bool preview;
        bool result;
        bool reported; // "Printer Operation # 91"
    };
    const Case cases[] = {
        {"grid, print", true, false, true, false},
        {"grid, preview", true, true, true, false},
        {"text box, print", false, false, false, true},
        {"text box, preview", false, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startHost();
        QWidget* long_ = nullptr;
        if (c.grid) {
            auto* grid = new FlexGrid(m_form.get());
            grid->setRows(150);
            grid->setCols(3);
            for (int row = 0; row < 150; ++row)
                grid->setTextMatrix(row, 0, QStringLiteral("Row %1").arg(row));
            grid->Move(600, 600, 6000, 3000);
            long_ = grid;
        } else {
            auto* box = new MultiLineTextBox(m_form.get());
            QStringList lines;
            for (int line = 0; line < 200; ++line)
                lines << QStringLiteral("Line %1").arg(line);
            box->setText(lines.join(QLatin1Char('\n')));
            box->Move(600, 600, 6000, 3000);
            long_ = box;
        }
        long_->setObjectName(QStringLiteral("Long"));
        auto* control = new Zentrel(m_form.get());
        control->InitProperties();
        control->Move(6500, 0, 800, 375);
        int pages = 0;
        QObject::connect(control, &Zentrel::Page, control,
                         [&pages](qint16& page) { pages = std::max(pages, int(page)); });
        QPointer<QWidget> doomed = long_;
        onPage(control, 2, [doomed] { delete doomed.data(); });
        if (c.reported)
            m_dialogs.answerMessage(Dialogs::Answer::OK);
        const qsizetype before = m_dialogs.messages().size();
        EXPECT_EQ(c.preview ? control->Preview() : control->LVPrint(), c.result);
        EXPECT_TRUE(doomed.isNull());
        const QList<ScriptedDialogs::Shown> shown = m_dialogs.messages().mid(before);
        ASSERT_EQ(shown.size(), c.reported ? 1 : 0);
        if (c.reported) {
            EXPECT_EQ(shown[0].text, QStringLiteral("Printer Operation # 91"));
        }
        if (!c.preview) {
            EXPECT_EQ(recorder().endedDocuments(), c.result ? 1 : 0);
            EXPECT_EQ(recorder().killedDocuments(), c.result ? 0 : 1);
        }
        // The drawing stopped at the deletion: no third page was begun.
        EXPECT_EQ(pages, 2);
        endHost();
    }
}

// Records printed side by side over pages wait at their page breaks for
// one another: a form closed then, or the page range ending then, ends
// the job with nothing left waiting, and the next job prints.
TEST_F(HostGoesAway, AJobEndedWhileRecordsBesideOneAnotherWaitLeavesNothingWaiting)
{
    for (const bool closeForm : {true, false}) {
        for (const bool preview : {false, true}) {
            SCOPED_TRACE(std::string(closeForm ? "closed" : "page range") +
                         (preview ? " preview" : " print"));
            startHost();
            auto* form = new QWidget();
            form->setAttribute(Qt::WA_DeleteOnClose);
            form->resize(640, 900);
            auto* box = new MultiLineTextBox(form);
            box->Move(300, 600, 3000, 3000);
            QStringList lines;
            for (int k = 0; k < 150; ++k)
                lines << QStringLiteral("Line%1").arg(k);
            box->setText(lines.join(QLatin1Char('\n')));
            auto* list = new ListBox(form);
            list->Move(3600, 600, 3000, 12000);
            for (int k = 0; k < 150; ++k)
                list->AddItem(QStringLiteral("Entry%1").arg(k));
            auto* control = new Zentrel(form);
            control->InitProperties();
            control->Move(8000, 0, 800, 375);
            form->show();
            Host host{form, control};
            if (closeForm)
                onPage(control, 2, [form] { form->close(); });
            else
                control->setToPage(2);
            const bool done = preview ? control->Preview() : control->LVPrint();
            EXPECT_EQ(done, !closeForm);
            EXPECT_FALSE(SharedState::get().JobRunning);
            if (preview)
                JobWindows::Finir();
            dispose(host);

            Host next = makeHost(false);
            ASSERT_TRUE(next.control->LVPrint());
            EXPECT_EQ(recorder().pagesPerDocument().last(), 3);
            dispose(next);
            endHost();
        }
    }
}
