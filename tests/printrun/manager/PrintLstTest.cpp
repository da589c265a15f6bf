#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItem>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/controls/ListView.h"
#include "platform/controls/StatusBar.h"
#include "printrun/manager/PrintLst.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

// A 117-character run line as the ticket-entry program writes it, with the
// fields the tests tell apart.
QByteArray entryLine(const QByteArray& dpt, const QByteArray& sell, const QByteArray& barcode)
{
    QByteArray line(117, ' ');
    line[0] = '>';
    line.replace(1, dpt.size(), dpt);
    line.replace(5, 4, "0034");
    line.replace(18, 16, "R  .SHIRT LONG  ");
    line.replace(56, sell.size(), sell);
    line.replace(76, barcode.size(), barcode);
    line.replace(85, 6, "SUMMER");
    return line + "\r\n";
}

// Five tickets, Dpt "0001" to "0005" in file order.
QByteArray fiveTickets()
{
    return entryLine("0001", "20.00", "900000011") + entryLine("0002", "100.00", "900000022") +
           entryLine("0003", "7", "900000033") + entryLine("0004", "12.50", "900000044") +
           entryLine("0005", "3.99", "900000055");
}

const QString SaveText =
    QStringLiteral("Save ticket.run?\r\n\r\nNote, this will overwrite existing file.");

class PrintLstTest : public TempDirTest
{
protected:
    // The Dpt column of every row, in display order.
    QStringList dpts() const
    {
        QStringList result;
        for (int index = 1; index <= m_lst.ListView1->itemCount(); ++index)
            result.append(m_lst.ListView1->subItem(index, 3));
        return result;
    }
    // The Dpt field of every line of the saved file, and each line's length.
    QStringList savedDpts(const QString& name = QStringLiteral("ticket.run")) const
    {
        QStringList result;
        const QByteArray bytes = readBytes(name);
        for (const QByteArray& line : bytes.split('\n')) {
            if (line.isEmpty())
                continue;
            EXPECT_EQ(line.size(), 151) << "150 characters and CR";
            result.append(QString::fromLatin1(line.mid(1, 4)));
        }
        return result;
    }
    void save()
    {
        m_dialogs.answerMessage(Dialogs::Answer::Yes);
        m_lst.Menu_File_Save_Click();
    }

    ScriptedDialogs m_dialogs;
    PrintLst m_lst;
};

} // namespace

TEST_F(PrintLstTest, WindowBuildsColumnsPanelsAndMenus)
{
    EXPECT_EQ(m_lst.windowTitle(), QStringLiteral("Edit Ticket Run"));
    const QStringList headings = {"Barcode",     "B#",       "Grp",  "Dpt",  "Supplier",
                                  "Description", "Size",     "Fit",  "Sell", "Prv Sell",
                                  "Header",      "Header 2", "Date", "CCode"};
    const int widths[] = {800, 0, 500, 500, 1700, 1700, 550, 350, 900, 900, 1000, 1000, 0, 800};
    ASSERT_EQ(m_lst.ListView1->columnHeaderCount(), 14);
    for (int column = 1; column <= 14; ++column) {
        EXPECT_EQ(m_lst.ListView1->columnHeaderText(column), headings.at(column - 1));
        EXPECT_EQ(m_lst.ListView1->columnWidth(column - 1),
                  int(std::lround(widths[column - 1] / 15.0)))
            << headings.at(column - 1).toStdString();
    }
    ASSERT_EQ(m_lst.StatusBar1->panelCount(), 4);
    EXPECT_EQ(m_lst.StatusBar1->panelText(1), QStringLiteral("Total Tickets"));
    EXPECT_EQ(m_lst.StatusBar1->panelText(2), QStringLiteral("?"));
    EXPECT_EQ(m_lst.StatusBar1->panelText(3), QStringLiteral("Total Selected"));
    EXPECT_EQ(m_lst.StatusBar1->panelText(4), QStringLiteral("1"));
    EXPECT_EQ(m_lst.Menu_File_Reload->text(), QStringLiteral("ReLoad"));
    EXPECT_EQ(m_lst.Menu_Delete_Delete1toN->text(), QStringLiteral("Amount?"));
    EXPECT_EQ(m_lst.Menu_Delete_DeleteSelected->text(), QStringLiteral("Selected tickets"));
}

TEST_F(PrintLstTest, OpenFileShowsRowsCountAndCaption)
{
    writeBytes(QStringLiteral("Ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("ticket.run"));
    EXPECT_TRUE(m_lst.isVisible());
    EXPECT_EQ(m_lst.windowTitle(), QStringLiteral("Edit Ticket Run (ticket.run)"));
    EXPECT_EQ(m_lst.CurrentRunFile, QStringLiteral("ticket.run"));
    EXPECT_EQ(m_lst.StatusBar1->panelText(2), QStringLiteral("5"));
    EXPECT_EQ(dpts(), QStringList({"0001", "0002", "0003", "0004", "0005"}));
    EXPECT_EQ(m_lst.ListView1->itemText(1), QStringLiteral("900000011"));
    EXPECT_EQ(m_lst.ListView1->subItem(3, 8), QStringLiteral("7.00"));
    EXPECT_EQ(m_lst.ListView1->subItem(1, 12), QString()); // Date
    EXPECT_EQ(m_lst.ListView1->subItem(1, 1), QString());  // B# of a 117-character line
}

TEST_F(PrintLstTest, MissingFileOpensEmptyAndKeepsTheCount)
{
    writeBytes(QStringLiteral("PrevRun.002"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("PrevRun.002"));
    ASSERT_EQ(m_lst.StatusBar1->panelText(2), QStringLiteral("5"));
    m_lst.OpenFile(QStringLiteral("PrevRun.009"));
    EXPECT_EQ(m_lst.ListView1->itemCount(), 0);
    EXPECT_EQ(m_lst.windowTitle(), QStringLiteral("Edit Ticket Run (PrevRun.009)"));
    EXPECT_EQ(m_lst.StatusBar1->panelText(2), QStringLiteral("5"));
    // Saving the empty list leaves no file.
    save();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("PrevRun.009"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("PrevRun.002"))));
}

TEST_F(PrintLstTest, SaveAsksThenRewritesEveryLineAs150Characters)
{
    writeBytes(QStringLiteral("ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("ticket.run"));
    QSignalSpy saved(&m_lst, &PrintLst::ListSaved);

    m_dialogs.answerMessage(Dialogs::Answer::No);
    m_lst.Menu_File_Save_Click();
    EXPECT_EQ(readBytes(QStringLiteral("ticket.run")), fiveTickets());
    EXPECT_EQ(saved.count(), 0);

    save();
    ASSERT_EQ(m_dialogs.messages().size(), 2);
    for (const ScriptedDialogs::Shown& box : m_dialogs.messages()) {
        EXPECT_EQ(box.text, SaveText);
        EXPECT_EQ(box.title, QStringLiteral("Save"));
        EXPECT_EQ(box.icon, Dialogs::Icon::Exclamation);
        EXPECT_EQ(box.buttons, Dialogs::Buttons::YesNo);
    }
    EXPECT_EQ(savedDpts(), QStringList({"0001", "0002", "0003", "0004", "0005"}));
    const QByteArray bytes = readBytes(QStringLiteral("ticket.run"));
    EXPECT_EQ(bytes.size(), 5 * 152);
    EXPECT_EQ(bytes.mid(2 * 152 + 56, 10), QByteArray("7.00      "));
    EXPECT_EQ(bytes.mid(136, 14), QByteArray(14, ' '));
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved.at(0).at(0).toString(), QStringLiteral("ticket.run"));
    EXPECT_EQ(m_lst.ListView1->itemCount(), 5);
}

TEST_F(PrintLstTest, FailedSaveIsReportedAndNotSignalled)
{
    QDir().mkdir(path(QStringLiteral("gone")));
    writeBytes(QStringLiteral("gone/ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("gone/ticket.run"));
    QDir(path(QStringLiteral("gone"))).removeRecursively();
    QSignalSpy saved(&m_lst, &PrintLst::ListSaved);

    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    m_dialogs.answerMessage(Dialogs::Answer::Yes); // the run is gone: save anew
    m_dialogs.answerMessage(Dialogs::Answer::OK);
    m_lst.Menu_File_Save_Click();
    ASSERT_EQ(m_dialogs.messages().size(), 3);
    const ScriptedDialogs::Shown failure = m_dialogs.messages().at(2);
    EXPECT_TRUE(failure.text.startsWith(QStringLiteral("The ticket run could not be saved.")));
    EXPECT_EQ(failure.title, QStringLiteral("Save"));
    EXPECT_EQ(failure.icon, Dialogs::Icon::Critical);
    EXPECT_EQ(saved.count(), 0);
    EXPECT_EQ(m_lst.ListView1->itemCount(), 5);
}

TEST_F(PrintLstTest, SaveAsksBeforeWritingARunPrintedOrChangedSinceItWasOpened)
{
    const QByteArray newRun = entryLine("0009", "1.00", "900000099");
    const struct
    {
        const char* name;
        bool printed; // else rewritten by the ticket-entry program
        Dialogs::Answer answer;
        const char* question;
        QByteArray fileAfter; // empty: no file
    } cases[] = {
        {"printed, not saved", true, Dialogs::Answer::No,
         "ticket.run is gone: it was printed or deleted after it was opened.\r\n\r\n"
         "Save the list as a new ticket.run?",
         QByteArray()},
        {"printed, saved as a new run", true, Dialogs::Answer::Yes, nullptr, QByteArray()},
        {"rewritten, kept", false, Dialogs::Answer::No,
         "ticket.run has changed since it was opened.\r\n\r\nOverwrite it with the list?", newRun},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path(QStringLiteral("ticket.run")));
        writeBytes(QStringLiteral("ticket.run"), fiveTickets());
        m_lst.OpenFile(QStringLiteral("ticket.run"));
        if (c.printed) {
            ASSERT_TRUE(QFile::rename(path(QStringLiteral("ticket.run")),
                                      path(QStringLiteral("PrevRun.001"))));
        } else {
            writeBytes(QStringLiteral("ticket.run"), newRun);
        }

        const qsizetype before = m_dialogs.messages().size();
        m_dialogs.answerMessage(Dialogs::Answer::Yes);
        m_dialogs.answerMessage(c.answer);
        m_lst.Menu_File_Save_Click();
        ASSERT_EQ(m_dialogs.messages().size(), before + 2);
        const ScriptedDialogs::Shown question = m_dialogs.messages().last();
        if (c.question) {
            EXPECT_EQ(question.text, QString::fromLatin1(c.question));
        }
        EXPECT_EQ(question.title, QStringLiteral("Save"));
        EXPECT_EQ(question.buttons, Dialogs::Buttons::YesNo);
        if (c.answer == Dialogs::Answer::Yes) {
            EXPECT_EQ(savedDpts(), QStringList({"0001", "0002", "0003", "0004", "0005"}));
        } else if (c.fileAfter.isEmpty()) {
            EXPECT_FALSE(QFile::exists(path(QStringLiteral("ticket.run"))));
        } else {
            EXPECT_EQ(readBytes(QStringLiteral("ticket.run")), c.fileAfter);
        }

        // Once saved or reloaded, the file is the list's own again.
        if (c.answer == Dialogs::Answer::Yes) {
            save();
            EXPECT_EQ(m_dialogs.messages().size(), before + 3);
        }
        QFile::remove(path(QStringLiteral("PrevRun.001")));
    }
}

TEST_F(PrintLstTest, ReloadAsksThenDiscardsChanges)
{
    writeBytes(QStringLiteral("ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("ticket.run"));
    m_lst.ListView1->removeItem(1);

    m_dialogs.answerMessage(Dialogs::Answer::No);
    m_lst.Menu_File_Reload_Click();
    EXPECT_EQ(m_lst.ListView1->itemCount(), 4);

    m_dialogs.answerMessage(Dialogs::Answer::Yes);
    m_lst.Menu_File_Reload_Click();
    EXPECT_EQ(m_lst.ListView1->itemCount(), 5);
    EXPECT_EQ(m_lst.StatusBar1->panelText(2), QStringLiteral("5"));
    const ScriptedDialogs::Shown box = m_dialogs.messages().last();
    EXPECT_EQ(box.text,
              QStringLiteral("Reload ticket.run?\r\n\r\nNote, Any changes made will be lost."));
    EXPECT_EQ(box.title, QStringLiteral("Reload"));
    EXPECT_EQ(box.icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(box.buttons, Dialogs::Buttons::YesNo);
}

TEST_F(PrintLstTest, AmountDeletesFromTheTop)
{
    const struct
    {
        const char* answer;
        QStringList left;
    } cases[] = {
        {"2.6", {"0004", "0005"}},
        {"2.5", {"0003", "0004", "0005"}},
        {"abc", {"0001", "0002", "0003", "0004", "0005"}},
        {"", {"0001", "0002", "0003", "0004", "0005"}}, // Cancel
        {"-1", {"0001", "0002", "0003", "0004", "0005"}},
        {"40000", {}},
    };
    writeBytes(QStringLiteral("ticket.run"), fiveTickets());
    for (const auto& c : cases) {
        m_lst.OpenFile(QStringLiteral("ticket.run"));
        m_dialogs.answerInput(QString::fromLatin1(c.answer));
        m_lst.Menu_Delete_Delete1toN_Click();
        EXPECT_EQ(dpts(), c.left) << c.answer;
        EXPECT_EQ(m_lst.StatusBar1->panelText(2), QString::number(c.left.size())) << c.answer;
    }
    const ScriptedDialogs::Shown box = m_dialogs.shown().first();
    EXPECT_EQ(box.kind, ScriptedDialogs::Kind::Input);
    EXPECT_EQ(box.text, QStringLiteral("Please enter how many tickets to delete?\r\n\r\n"
                                       "Tickets will be deleted from the top down"));
    EXPECT_EQ(box.title, QStringLiteral("Delete Tickets"));
    EXPECT_EQ(box.defaultText, QStringLiteral("0"));
}

TEST_F(PrintLstTest, DeletedRowsStayDeletedAfterSave)
{
    writeBytes(QStringLiteral("ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("ticket.run"));
    m_dialogs.answerInput(QStringLiteral("1"));
    m_lst.Menu_Delete_Delete1toN_Click();
    save();
    EXPECT_EQ(savedDpts(), QStringList({"0002", "0003", "0004", "0005"}));
}

TEST_F(PrintLstTest, SelectedTicketsDeletesOnlyTheChosenRows)
{
    writeBytes(QStringLiteral("ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("ticket.run"));
    m_lst.ListView1->setCurrentItem(m_lst.ListView1->item(2));
    m_lst.ListView1->item(4)->setSelected(true);
    m_lst.ListView1->item(5)->setSelected(true);
    m_lst.ListView1_SelectedCount();
    EXPECT_EQ(m_lst.StatusBar1->panelText(4), QStringLiteral("3"));

    m_lst.Menu_Delete_DeleteSelected_Click();
    EXPECT_EQ(dpts(), QStringList({"0001", "0003"}));
    EXPECT_EQ(m_lst.ListView1->selectedIndex(), 2) << "the row after the first deleted";
    EXPECT_EQ(m_lst.StatusBar1->panelText(2), QStringLiteral("2"));
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
    save();
    EXPECT_EQ(savedDpts(), QStringList({"0001", "0003"}));
}

TEST_F(PrintLstTest, EveryDeletionRefreshesTheSelectedCount)
{
    const struct
    {
        const char* name;
        QList<int> selected; // rows selected before, the first one current
        const char* amount;  // the "Amount?" answer; null for "Selected tickets"
        QStringList left;
        const char* count; // the fourth panel after the deletion
    } cases[] = {
        {"selected rows, the next row is selected", {2, 4, 5}, nullptr, {"0001", "0003"}, "1"},
        {"every row selected", {1, 2, 3, 4, 5}, nullptr, {}, "0"},
        {"amount takes the current row", {1, 3, 4}, "2", {"0003", "0004", "0005"}, "1"},
        {"amount keeps the selection below", {3, 4}, "1", {"0002", "0003", "0004", "0005"}, "2"},
        {"amount takes every row", {2, 3}, "9", {}, "0"},
    };
    writeBytes(QStringLiteral("ticket.run"), fiveTickets());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_lst.OpenFile(QStringLiteral("ticket.run"));
        m_lst.ListView1->setCurrentItem(m_lst.ListView1->item(c.selected.first()));
        for (int row : c.selected)
            m_lst.ListView1->item(row)->setSelected(true);
        m_lst.ListView1_SelectedCount();
        ASSERT_EQ(m_lst.StatusBar1->panelText(4), QString::number(c.selected.size()));
        if (c.amount) {
            m_dialogs.answerInput(QString::fromLatin1(c.amount));
            m_lst.Menu_Delete_Delete1toN_Click();
        } else {
            m_lst.Menu_Delete_DeleteSelected_Click();
        }
        EXPECT_EQ(dpts(), c.left);
        EXPECT_EQ(m_lst.StatusBar1->panelText(4), QString::fromLatin1(c.count));
        EXPECT_EQ(m_lst.ListView1->selectedItems().size(), QString::fromLatin1(c.count).toInt());
    }
}

TEST_F(PrintLstTest, ClicksAndKeysOverTheListRefreshTheSelectedCount)
{
    writeBytes(QStringLiteral("ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("ticket.run"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_lst));
    m_lst.ListView1->setFocus();
    QTest::keyClick(m_lst.ListView1, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(m_lst.ListView1, Qt::Key_Down, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_EQ(m_lst.StatusBar1->panelText(4), QStringLiteral("3"));

    const QRect fourth = m_lst.ListView1->visualItemRect(m_lst.ListView1->item(4));
    QTest::mouseClick(m_lst.ListView1->viewport(), Qt::LeftButton, Qt::NoModifier, fourth.center());
    QApplication::processEvents();
    EXPECT_EQ(m_lst.StatusBar1->panelText(4), QStringLiteral("1"));
    EXPECT_EQ(m_lst.ListView1->selectedIndex(), 4);
}

TEST_F(PrintLstTest, SortOnSellSavesInTextOrderOfPrices)
{
    writeBytes(QStringLiteral("ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("ticket.run"));
    emit m_lst.ListView1->ColumnClick(9); // "Sell"
    // As text: 100.00, 12.50, 20.00, 3.99, 7.00.
    EXPECT_EQ(dpts(), QStringList({"0002", "0004", "0001", "0005", "0003"}));
    emit m_lst.ListView1->ColumnClick(9); // no toggling
    EXPECT_EQ(dpts(), QStringList({"0002", "0004", "0001", "0005", "0003"}));
    save();
    EXPECT_EQ(savedDpts(), QStringList({"0002", "0004", "0001", "0005", "0003"}));

    // A click on a heading sorts on that column: "Dpt" is the fourth.
    m_lst.ListView1->header()->sectionClicked(3);
    EXPECT_EQ(dpts(), QStringList({"0001", "0002", "0003", "0004", "0005"}));
}

TEST_F(PrintLstTest, DeletingEveryRowAndSavingDeletesTheRunFile)
{
    writeBytes(QStringLiteral("Ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("ticket.run"));
    m_dialogs.answerInput(QStringLiteral("5"));
    m_lst.Menu_Delete_Delete1toN_Click();
    EXPECT_EQ(m_lst.StatusBar1->panelText(2), QStringLiteral("0"));
    save();
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PrintLstTest, ResizeFitsTheListToTheWindow)
{
    m_lst.show();
    m_lst.resize(600, 400);
    QApplication::processEvents();
    const QRect outer = m_lst.frameGeometry();
    EXPECT_EQ(m_lst.ListView1->Top(), 0);
    EXPECT_EQ(m_lst.ListView1->Width(), outer.width() * 15 - 100);
    EXPECT_EQ(m_lst.ListView1->Height(), outer.height() * 15 - 1080);
}

TEST(PrintLstInstanceTest, OneInstanceThatUnloadsOnce)
{
    ScriptedDialogs dialogs;
    EXPECT_EQ(PrintLst::loaded(), nullptr);
    PrintLst& editor = PrintLst::load();
    EXPECT_EQ(&PrintLst::load(), &editor);
    EXPECT_EQ(PrintLst::loaded(), &editor);
    editor.OpenFile(QStringLiteral("ticket.run"));
    QSignalSpy unloaded(&editor, &PrintLst::Unloaded);
    editor.Menu_File_Exit_Click();
    EXPECT_EQ(unloaded.count(), 1);
    // Deleted on close: the next open loads a fresh window.
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(PrintLst::loaded(), nullptr);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

// Set TICKETS_SCREENSHOTS to a folder to keep the picture for a look.
TEST_F(PrintLstTest, WindowDrawsItsRows)
{
    writeBytes(QStringLiteral("ticket.run"), fiveTickets());
    m_lst.OpenFile(QStringLiteral("ticket.run"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_lst));
    const QImage image = m_lst.grab().toImage();
    const QRect list = m_lst.ListView1->geometry().translated(m_lst.centralWidget()->pos());
    const QRgb background = image.pixel(list.center().x(), list.bottom() - 4);
    int inked = 0;
    for (int y = list.top(); y < list.top() + 120 && y < image.height(); ++y)
        for (int x = list.left(); x < list.right() && x < image.width(); ++x)
            inked += image.pixel(x, y) != background ? 1 : 0;
    EXPECT_GT(inked, 1000);
    const QString folder = qEnvironmentVariable("TICKETS_SCREENSHOTS");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(QStringLiteral("printlst.png")));
}
