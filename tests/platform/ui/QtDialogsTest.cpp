#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "platform/ui/PrintSetupDialog.h"
#include "platform/ui/QtDialogs.h"
#include "support/ModalDialog.h"
#include "support/QStringPrinter.h"
#include "support/TempDirTest.h"

using namespace platform;

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

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

TEST(QtDialogsTest, PrintSetupListsThePrintersAndGivesBackTheChoice)
{
    struct Case
    {
        const char* name;
        PrintSetupRequest::Range shownRange;
        std::function<void(PrintSetupDialog*)> act; // the user's choices
        bool confirm;
        // What comes back.
        const char* printer;
        PrintSetupRequest::Range range;
        int fromPage, toPage, copies, orientation;
        bool propertiesEnabled; // for the printer selected at the end
    };
    using Range = PrintSetupRequest::Range;
    const Case cases[] = {
        {"OK without choosing keeps everything", Range::Pages, [](PrintSetupDialog*) {}, true,
         "PDF", Range::Pages, 2, 3, 2, 2, true},
        {"another printer, pages, copies and orientation", Range::Pages,
         [](PrintSetupDialog* d) {
             d->findChild<QComboBox*>("printer")->setCurrentIndex(0);
             d->findChild<QSpinBox*>("toPage")->setValue(6);
             d->findChild<QSpinBox*>("fromPage")->setValue(4);
             d->findChild<QSpinBox*>("copies")->setValue(3);
             d->findChild<QRadioButton*>("portrait")->click();
         },
         true, "Laser", Range::Pages, 4, 6, 3, 1, false},
        {"every page", Range::Pages,
         [](PrintSetupDialog* d) { d->findChild<QRadioButton*>("allPages")->click(); }, true, "PDF",
         Range::AllPages, 2, 3, 2, 2, true},
        {"a range from a job to the end", Range::AllPages,
         [](PrintSetupDialog* d) {
             d->findChild<QRadioButton*>("pages")->click();
             d->findChild<QSpinBox*>("toPage")->setValue(5);
         },
         true, "PDF", Range::Pages, 2, 5, 2, 2, true},
        {"cancelled", Range::Pages,
         [](PrintSetupDialog* d) { d->findChild<QComboBox*>("printer")->setCurrentIndex(0); },
         false, "PDF", Range::Pages, 2, 3, 2, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintSetupRequest request;
        request.deviceNames = QStringList{QStringLiteral("Laser"), QStringLiteral("PDF")};
        request.deviceName = QStringLiteral("PDF");
        request.range = c.shownRange;
        request.fromPage = 2;
        request.toPage = 3;
        request.maxPage = 9;
        request.copies = 2;
        request.orientation = 2;
        request.printQuality = 300;
        request.scale = 90;
        QObject guard;
        whenShown<PrintSetupDialog>(&guard, [&c](PrintSetupDialog* dialog) {
            auto* printer = dialog->findChild<QComboBox*>("printer");
            QStringList listed;
            for (int i = 0; i < printer->count(); ++i)
                listed << printer->itemText(i);
            EXPECT_EQ(listed, (QStringList{"Laser", "PDF"}));
            EXPECT_EQ(printer->currentText(), "PDF");
            auto* from = dialog->findChild<QSpinBox*>("fromPage");
            EXPECT_EQ(from->value(), 2);
            EXPECT_EQ(from->minimum(), 1);
            EXPECT_EQ(from->maximum(), 9);
            EXPECT_EQ(from->isEnabled(), c.shownRange == Range::Pages);
            EXPECT_EQ(dialog->findChild<QRadioButton*>("allPages")->isChecked(),
                      c.shownRange == Range::AllPages);
            EXPECT_TRUE(dialog->findChild<QRadioButton*>("landscape")->isChecked());
            c.act(dialog);
            EXPECT_EQ(dialog->findChild<QPushButton*>("properties")->isEnabled(),
                      c.propertiesEnabled);
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            buttons->button(c.confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        QtDialogs dialogs;
        EXPECT_EQ(dialogs.printSetup(request), c.confirm);
        EXPECT_EQ(request.deviceName, QString::fromLatin1(c.printer));
        EXPECT_EQ(request.range, c.confirm ? c.range : c.shownRange);
        EXPECT_EQ(request.fromPage, c.fromPage);
        EXPECT_EQ(request.toPage, c.toPage);
        EXPECT_EQ(request.copies, c.copies);
        EXPECT_EQ(request.orientation, c.orientation);
        // What the dialog does not show goes round unchanged.
        EXPECT_EQ(request.printQuality, 300);
        EXPECT_EQ(request.scale, 90);
    }
}
