#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "platform/ui/QtDialogs.h"
#include "support/QStringPrinter.h"
#include "support/TempDirTest.h"

using namespace platform;

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

namespace {

// Runs act on the modal dialog of type T once it is shown. If none comes
// within about a minute the test fails, and from then on any modal dialog is
// rejected as soon as it shows, so the test cannot hang however slow the
// machine is. The timers belong to guard, so none outlives the test.
template <typename T>
void whenShown(QObject* guard, std::function<void(T*)> act, int triesLeft = 6000)
{
    QTimer::singleShot(triesLeft == 6000 ? 0 : 10, guard, [guard, act, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (triesLeft < 0) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                whenShown<T>(guard, act, triesLeft);
            return;
        }
        if (auto* dialog = qobject_cast<T*>(modal)) {
            act(dialog);
            return;
        }
        if (triesLeft > 0) {
            whenShown<T>(guard, act, triesLeft - 1);
            return;
        }
        ADD_FAILURE() << "the dialog did not appear";
        whenShown<T>(guard, act, -1);
    });
}

} // namespace

TEST(QtDialogsTest, MessageShowsTextTitleIconButtonsAndReturnsTheClickedAnswer)
{
    QObject guard;
    whenShown<QMessageBox>(&guard, [](QMessageBox* box) {
        EXPECT_EQ(box->text(), "Delete the record?\nIt cannot be undone.");
        EXPECT_EQ(box->windowTitle(), "Records");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->button(QMessageBox::Yes)->click();
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.message(QStringLiteral("Delete the record?\r\nIt cannot be undone."),
                              QStringLiteral("Records"), Icon::Exclamation, Buttons::YesNoCancel),
              Answer::Yes);
}

TEST(QtDialogsTest, ClosingAMessageBoxGivesCancelElseNoElseOK)
{
    const struct
    {
        Buttons buttons;
        bool escape; // Escape key, else the window's close
        Answer expected;
    } cases[] = {
        {Buttons::OK, true, Answer::OK},
        {Buttons::OKCancel, true, Answer::Cancel},
        {Buttons::YesNo, true, Answer::No},
        {Buttons::YesNo, false, Answer::No},
        {Buttons::YesNoCancel, false, Answer::Cancel},
        {Buttons::RetryCancel, true, Answer::Cancel},
        {Buttons::AbortRetryIgnore, false, Answer::Abort},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buttons));
        QObject guard;
        const bool escape = c.escape;
        whenShown<QMessageBox>(&guard, [escape](QMessageBox* box) {
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        QtDialogs dialogs;
        EXPECT_EQ(dialogs.message(QStringLiteral("Go on?"), QStringLiteral("Print"), Icon::None,
                                  c.buttons),
                  c.expected);
    }
}

TEST(QtDialogsTest, InputShowsPromptLinesAndReturnsTheText)
{
    QObject guard;
    whenShown<QInputDialog>(&guard, [](QInputDialog* dialog) {
        EXPECT_EQ(dialog->labelText(), "Enter the new size scale\nfor this ticket");
        EXPECT_EQ(dialog->windowTitle(), "Size scale");
        EXPECT_EQ(dialog->textValue(), "S-M-L");
        dialog->setTextValue(QStringLiteral("XS-XL"));
        dialog->accept();
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.input(QStringLiteral("Enter the new size scale\r\nfor this ticket"),
                            QStringLiteral("Size scale"), QStringLiteral("S-M-L")),
              "XS-XL");
}

TEST(QtDialogsTest, CancelledInputReturnsEmptyText)
{
    QObject guard;
    whenShown<QInputDialog>(&guard, [](QInputDialog* dialog) { dialog->reject(); });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.input(QStringLiteral("Name?"), QStringLiteral("Ask"), QStringLiteral("x")),
              "");
}

class QtFileDialogsTest : public TempDirTest
{
};

TEST_F(QtFileDialogsTest, OpenStartsInTheCurrentFolderAndAcceptsANewName)
{
    QObject guard;
    whenShown<QFileDialog>(&guard, [](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Open set");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->directory().canonicalPath(), QDir::current().canonicalPath());
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("*.zr1 (*.zr1)")});
        dialog->selectFile(QStringLiteral("new.zr1"));
        // A refused name brings up a warning box; answer it so the test ends.
        whenShown<QMessageBox>(dialog, [](QMessageBox* box) {
            ADD_FAILURE() << "warning over the open dialog: " << box->text().toStdString();
            box->close();
        });
        // The OK button's path: QDialog::accept dispatches to the file dialog's.
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the open dialog refused a new name";
            dialog->reject();
        }
    });
    QtDialogs dialogs;
    const QString chosen =
        dialogs.openFile(QStringLiteral("Open set"), QStringLiteral("*.zr1|*.zr1"), QString());
    EXPECT_EQ(QFileInfo(chosen).fileName(), "new.zr1");
    EXPECT_EQ(QFileInfo(chosen).absoluteDir().canonicalPath(), QDir::current().canonicalPath());
}

TEST_F(QtFileDialogsTest, SaveOffersTheInitialNameAndCancelGivesEmpty)
{
    QObject guard;
    whenShown<QFileDialog>(&guard, [](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        ASSERT_EQ(dialog->selectedFiles().size(), 1);
        EXPECT_EQ(QFileInfo(dialog->selectedFiles().first()).fileName(), "set.zr1");
        dialog->reject();
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.saveFile(QStringLiteral("Save set"), QStringLiteral("*.zr1|*.zr1"),
                               QStringLiteral("set.zr1")),
              "");
}

TEST(QtDialogsTest, PrintSetupOffersThePageRangeAndGivesBackTheChoice)
{
    const struct
    {
        const char* name;
        bool confirm;
    } cases[] = {{"confirmed", true}, {"cancelled", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QObject guard;
        whenShown<QPrintDialog>(&guard, [&c](QPrintDialog* dialog) {
            EXPECT_EQ(dialog->minPage(), 1);
            EXPECT_EQ(dialog->maxPage(), 9);
            EXPECT_EQ(dialog->fromPage(), 2);
            EXPECT_EQ(dialog->toPage(), 3);
            EXPECT_EQ(dialog->printRange(), QAbstractPrintDialog::PageRange);
            EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
            EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
            EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
            if (c.confirm)
                dialog->accept();
            else
                dialog->reject();
        });
        PrintSetupRequest request;
        request.flags =
            PrintSetupRequest::PD_NOSELECTION | PrintSetupRequest::PD_DISABLEPRINTTOFILE;
        request.fromPage = 2;
        request.toPage = 3;
        request.maxPage = 9;
        request.copies = 2;
        request.orientation = 2;
        QtDialogs dialogs;
        EXPECT_EQ(dialogs.printSetup(request), c.confirm);
        EXPECT_EQ(request.range, PrintSetupRequest::Range::Pages);
        EXPECT_EQ(request.fromPage, 2);
        EXPECT_EQ(request.toPage, 3);
        EXPECT_EQ(request.copies, 2);
        EXPECT_EQ(request.orientation, 2);
    }
}
