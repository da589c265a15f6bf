#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QValueAxis>
#include <gtest/gtest.h>

#include "PrintMgrFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommandButton.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PictureBox.h"
#include "platform/files/FileNames.h"
#include "platform/printing/Printers.h"
#include "platform/printing/RecordingPrinter.h"
#include "printrun/manager/SettingsFile.h"
#include "printrun/manager/StatisticsChart.h"
#include "printrun/manager/StatisticsDatabase.h"
#include "printrun/manager/TicketStats.h"
#include "printrun/stock/KVPBv11Lib.h"

using namespace platform;

namespace {

using Answer = Dialogs::Answer;

const QStringList FixedFiles = {QStringLiteral("brevox2.ft"), QStringLiteral("ticket.prn"),
                                QStringLiteral("brevox.ps"), QStringLiteral("tfile.tm"),
                                QStringLiteral("ticket.use")};

class PrintMgrOptionsTest : public PrintMgrFixture
{
protected:
    void SetUp() override
    {
        PrintMgrFixture::SetUp();
        m_previousFloppy = FileNames::floppyRoot();
        QDir().mkpath(path(QStringLiteral("floppy")));
        FileNames::setFloppyRoot(path(QStringLiteral("floppy")));
    }

    void TearDown() override
    {
        FileNames::setFloppyRoot(m_previousFloppy);
        EXPECT_TRUE(m_dialogs.allAnswersUsed());
        PrintMgrFixture::TearDown();
    }

    // Selects the item of that text and double-clicks it.
    void run(const QString& item)
    {
        select(item);
        window().ListView2_DblClick();
    }

    void select(const QString& item)
    {
        ListView& list = *window().ListView2;
        for (int n = 1; n <= list.itemCount(); ++n) {
            if (list.itemText(n) == item) {
                list.selectItem(n);
                return;
            }
        }
        ADD_FAILURE() << "no item " << item.toStdString();
    }

    QString entryOnDisk(int index) const
    {
        return SettingsFile::decode(readBytes(SettingsFile::FileName)).at(index);
    }

    void setSecurityCode(const QString& code)
    {
        KVPBv11Lib stock;
        ASSERT_TRUE(stock.PutInfo(KVPBv11Lib::SecurityCodeEntry, code));
    }

    // A file's bytes, its name matched without regard to case ("A:" too).
    static QByteArray contents(const QString& name)
    {
        QFile file(FileNames::resolve(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QString m_previousFloppy;
};

TEST_F(PrintMgrOptionsTest, TogglesSwitchTheirEntryOnAndOff)
{
    const struct
    {
        const char* item;
        int entry;
    } cases[] = {
        {"Cost code on ticket", 0},
        {"Description on lower part of swing tag", 1},
        {"Supplier detail on lower part of swing tag", 4},
        {"* Hide Supplier", 5},
        {"* Hide Description", 6},
        {"* Hide Group & Department", 8},
        {"* Hide Supplier Code", 9},
        {"* Hide Price", 10},
        {"Prompt for Date code", 11},
        {"Prompt for Reference", 12},
        {"Description as RRP", 13},
    };
    load();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        const QString item = QString::fromUtf8(c.item);
        run(item);
        EXPECT_EQ(entryOnDisk(c.entry), QStringLiteral("YES"));
        EXPECT_EQ(window().Settings.at(c.entry), QStringLiteral("YES"));
        // The list is rebuilt with the same item selected.
        EXPECT_EQ(window().ListView2->itemText(window().ListView2->selectedIndex()), item);
        window().ListView2_DblClick();
        EXPECT_EQ(entryOnDisk(c.entry), QString());
    }
    // No other entry was touched and no box shown.
    EXPECT_EQ(readBytes(SettingsFile::FileName), QByteArray("\r\n").repeated(100));
    EXPECT_TRUE(m_dialogs.shown().isEmpty());
}

TEST_F(PrintMgrOptionsTest, AnyShownTextCountsAsOn)
{
    writeSettings({{0, QStringLiteral("NO")}, {2, QStringLiteral("keep\\")}});
    load();
    run(QStringLiteral("Cost code on ticket"));
    EXPECT_EQ(entryOnDisk(0), QString());
    EXPECT_EQ(entryOnDisk(2), QStringLiteral("keep\\"));
}

TEST_F(PrintMgrOptionsTest, EnterDoesWhatDoubleClickDoesAndClickOnlyShowsHelp)
{
    PrintMgr& w = load();
    select(QStringLiteral("* Hide Price"));
    emit w.ListView2->itemClicked(w.ListView2->selectedItem(), 0);
    EXPECT_EQ(w.Label3->Caption(), QStringLiteral("Removes Price from ticket"));
    EXPECT_EQ(entryOnDisk(10), QString());

    QKeyEvent other(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(w.ListView2, &other);
    w.ListView2_KeyPress(27);
    EXPECT_EQ(entryOnDisk(10), QString());

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(w.ListView2, &enter);
    EXPECT_EQ(entryOnDisk(10), QStringLiteral("YES"));
    w.ListView2_KeyPress(13);
    EXPECT_EQ(entryOnDisk(10), QString());
    emit w.ListView2->itemDoubleClicked(w.ListView2->selectedItem(), 0);
    EXPECT_EQ(entryOnDisk(10), QStringLiteral("YES"));
}

TEST_F(PrintMgrOptionsTest, DirectPrintingOnNeedsCodeAndConfirmation)
{
    setSecurityCode(QStringLiteral("4711"));
    PrintMgr& w = load();

    // A wrong code: nothing more is asked or changed.
    m_dialogs.answerInput(QStringLiteral("1234"));
    run(QStringLiteral("Direct Printing"));
    EXPECT_EQ(m_dialogs.messages().size(), 0);
    EXPECT_EQ(entryOnDisk(3), QString());

    // The right code, then No.
    m_dialogs.answerInput(QStringLiteral("4711"));
    m_dialogs.answerMessage(Answer::No);
    run(QStringLiteral("Direct Printing"));
    EXPECT_EQ(entryOnDisk(3), QString());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    const auto warning = m_dialogs.messages().at(0);
    EXPECT_EQ(warning.title, QStringLiteral("Warning"));
    EXPECT_EQ(warning.icon, Dialogs::Icon::Question);
    EXPECT_EQ(warning.buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(warning.text,
              QStringLiteral("Any tickets waiting will print now.\r\nIf you have selected this "
                             "feature by mistake click 'No' now\r\nIf you are using an A4 printer "
                             "click 'No' now.\r\n\r\nAre you sure you want to enable Direct "
                             "Printing?"));

    // The right code, then Yes.
    m_dialogs.answerInput(QStringLiteral("4711"));
    m_dialogs.answerMessage(Answer::Yes);
    run(QStringLiteral("Direct Printing"));
    EXPECT_EQ(entryOnDisk(3), QStringLiteral("YES"));
    EXPECT_TRUE(w.Image2->Visible());

    // Off again without a question.
    const qsizetype boxes = m_dialogs.shown().size();
    run(QStringLiteral("Direct Printing"));
    EXPECT_EQ(entryOnDisk(3), QString());
    EXPECT_FALSE(w.Image2->Visible());
    EXPECT_EQ(m_dialogs.shown().size(), boxes);
}

TEST_F(PrintMgrOptionsTest, ExportCopiesSetupFilesAndTheFieldFilesThatExist)
{
    load();
    const QStringList local = {QStringLiteral("BrEVox2.Ft"), QStringLiteral("Ticket.prn"),
                               QStringLiteral("ticket.use")};
    for (const QString& name : local)
        writeBytes(name, "local " + name.toLatin1());
    writeBytes(QStringLiteral("ticket_c.dat"), "c fields");
    writeBytes(QStringLiteral("ticket_j.dat"), "j fields");
    writeBytes(QStringLiteral("floppy/ticket_a.dat"), "stale a");
    writeBytes(QStringLiteral("floppy/ticket.prn"), "old printers");

    m_dialogs.answerMessage(Answer::OK);
    run(QStringLiteral("Export Rezuve Zoraziv Tag Data"));

    ASSERT_EQ(m_dialogs.messages().size(), 1);
    const auto box = m_dialogs.messages().at(0);
    EXPECT_EQ(box.title, QStringLiteral("EXPORT DATA"));
    EXPECT_EQ(box.icon, Dialogs::Icon::None);
    EXPECT_EQ(box.buttons, Dialogs::Buttons::OKCancel);
    EXPECT_EQ(box.text, QStringLiteral("EXPORT tag data.\r\n\r\nMake sure there is a blank Floppy "
                                       "disk in drive A\r\n\r\nWait for Disk Drive to stop and "
                                       "light go out before removing disk"));

    for (const QString& name : FixedFiles) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(FileNames::exists(QStringLiteral("A:") + name));
        EXPECT_EQ(contents(QStringLiteral("A:") + name), contents(name));
    }
    EXPECT_EQ(contents(QStringLiteral("A:ticket.prn")), QByteArray("local Ticket.prn"));
    EXPECT_EQ(contents(QStringLiteral("A:ticket_c.dat")), QByteArray("c fields"));
    EXPECT_EQ(contents(QStringLiteral("A:ticket_j.dat")), QByteArray("j fields"));
    // A stale copy on the disk stays; no copy is made of a missing file.
    EXPECT_EQ(contents(QStringLiteral("A:ticket_a.dat")), QByteArray("stale a"));
    EXPECT_FALSE(FileNames::exists(QStringLiteral("A:ticket_b.dat")));
}

TEST_F(PrintMgrOptionsTest, ExportWithoutDiskOrCancelledCopiesNothingQuietly)
{
    load();
    writeBytes(QStringLiteral("ticket.prn"), "printers");
    m_dialogs.answerMessage(Answer::Cancel);
    run(QStringLiteral("Export Rezuve Zoraziv Tag Data"));
    EXPECT_TRUE(QDir(path(QStringLiteral("floppy"))).isEmpty());

    FileNames::setFloppyRoot(path(QStringLiteral("no-disk")));
    m_dialogs.answerMessage(Answer::OK);
    run(QStringLiteral("Export Rezuve Zoraziv Tag Data"));
    EXPECT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_FALSE(QDir(path(QStringLiteral("no-disk"))).exists());
}

TEST_F(PrintMgrOptionsTest, ImportCopiesWhatTheDiskHoldsAndKeepsTheRest)
{
    PrintMgr& w = load();
    const QStringList settingsBefore = w.Settings;
    QStringList floppySettings(SettingsFile::EntryCount);
    floppySettings[0] = QStringLiteral("YES");
    writeBytes(QStringLiteral("floppy/BREVOX.PS"), SettingsFile::encode(floppySettings));
    writeBytes(QStringLiteral("floppy/brevox2.ft"), "floppy offsets");
    writeBytes(QStringLiteral("floppy/ticket.prn"), "floppy printers");
    writeBytes(QStringLiteral("floppy/ticket.use"), "\"C\"\r\n");
    writeBytes(QStringLiteral("floppy/ticket_c.dat"), "floppy c");
    // No "tfile.tm" on the disk: the local layouts stay as they are.
    const QByteArray layouts = contents(QStringLiteral("tfile.tm"));
    ASSERT_FALSE(layouts.isEmpty());
    writeBytes(QStringLiteral("ticket_a.dat"), "local a");
    writeBytes(QStringLiteral("Ticket_C.dat"), "local c");
    writeBytes(QStringLiteral("BrEVox2.Ft"), "local offsets");

    m_dialogs.answerMessage(Answer::OK);
    run(QStringLiteral("Import Rezuve Zoraziv Tag Data"));

    ASSERT_EQ(m_dialogs.messages().size(), 1);
    const auto box = m_dialogs.messages().at(0);
    EXPECT_EQ(box.title, QStringLiteral("IMPORT DATA"));
    EXPECT_EQ(box.buttons, Dialogs::Buttons::OKCancel);
    EXPECT_EQ(box.text,
              QStringLiteral("IMPORT tag data.\r\n\r\nMake sure disk is in floppy drive A\r\n\r\n"
                             "Wait for Disk Drive to stop and light go out before removing "
                             "disk\r\n\r\nTHIS WILL OVERWRITE YOUR TICKET SETTINGS"));

    EXPECT_EQ(entryOnDisk(0), QStringLiteral("YES"));
    EXPECT_EQ(contents(QStringLiteral("BrEVox2.Ft")), QByteArray("floppy offsets"));
    EXPECT_EQ(contents(QStringLiteral("ticket.prn")), QByteArray("floppy printers"));
    EXPECT_EQ(contents(QStringLiteral("ticket.use")), QByteArray("\"C\"\r\n"));
    EXPECT_EQ(contents(QStringLiteral("Ticket_C.dat")), QByteArray("floppy c"));
    EXPECT_EQ(contents(QStringLiteral("ticket_a.dat")), QByteArray("local a"));
    EXPECT_EQ(contents(QStringLiteral("tfile.tm")), layouts);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("ticket_b.dat"))));
    // Nothing is reloaded.
    EXPECT_EQ(w.Settings, settingsBefore);
    EXPECT_EQ(w.UseTicketLetter, QStringLiteral("A"));
}

TEST_F(PrintMgrOptionsTest, ImportCancelledLeavesEverything)
{
    load();
    writeBytes(QStringLiteral("floppy/ticket.prn"), "floppy printers");
    writeBytes(QStringLiteral("ticket.prn"), "local printers");
    m_dialogs.answerMessage(Answer::Cancel);
    run(QStringLiteral("Import Rezuve Zoraziv Tag Data"));
    EXPECT_EQ(contents(QStringLiteral("ticket.prn")), QByteArray("local printers"));
}

TEST_F(PrintMgrOptionsTest, StatisticsWindowIsMadeOnceAndClosedAtUnload)
{
    PrintMgr& w = load();
    EXPECT_EQ(w.ticketStats(), nullptr);
    run(QStringLiteral("Ticket Stats"));
    TicketStats* first = w.ticketStats();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    first->hide();
    run(QStringLiteral("Ticket Stats"));
    EXPECT_EQ(w.ticketStats(), first);
    EXPECT_TRUE(first->isVisible());

    w.Form_Unload();
    EXPECT_EQ(w.ticketStats(), nullptr);
}

// Tickets printed while the window is away are counted when it is shown
// again, for the type chosen, however it went away.
TEST_F(PrintMgrOptionsTest, StatisticsWindowShowsTheDatabaseEachTimeItIsShown)
{
    const QDate today = QDate::currentDate();
    const struct
    {
        const char* name;
        int type; // index of the type choice
        void (*away)(QWidget*);
        const char* letter; // of the tickets printed meanwhile
        int total;          // the type's count after them
    } cases[] = {
        {"closed", 0, [](QWidget* w) { w->close(); }, "A", 150},
        {"minimised, letter A", 1, [](QWidget* w) { w->showMinimized(); }, "A", 150},
        {"left open, letter A", 1, [](QWidget*) {}, "B", 141},
        {"left open", 0, [](QWidget*) {}, "B", 150},
    };
    PrintMgr& w = load();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path(StatisticsDatabase::FileName));
        StatisticsDatabase database;
        ASSERT_TRUE(database.CreateStatsDb());
        ASSERT_TRUE(database.addPrintedTickets(today, QStringLiteral("A"), 141));
        run(QStringLiteral("Ticket Stats"));
        TicketStats& stats = *w.ticketStats();
        stats.Combo1->setListIndex(c.type);
        stats.Combo1_Click();
        const QString type = stats.Combo1->Text();
        EXPECT_TRUE(stats.MSChart1->FootnoteText().startsWith(
            QStringLiteral("%1 in %2 = 141 ").arg(type).arg(today.year())));
        c.away(&stats);
        ASSERT_TRUE(database.addPrintedTickets(today, QString::fromLatin1(c.letter), 9));

        run(QStringLiteral("Ticket Stats"));
        EXPECT_TRUE(stats.isVisible() && !stats.isMinimized());
        EXPECT_TRUE(stats.MSChart1->FootnoteText().startsWith(
            QStringLiteral("%1 in %2 = %3 ").arg(type).arg(today.year()).arg(c.total)))
            << stats.MSChart1->FootnoteText().toStdString();
        EXPECT_EQ(stats.MSChart1->Data(today.month(), 1), c.total);
        const auto* axis =
            qobject_cast<QValueAxis*>(stats.MSChart1->view()->chart()->axes(Qt::Vertical).value(0));
        ASSERT_NE(axis, nullptr);
        EXPECT_EQ(axis->max(), c.total);
    }
}

TEST_F(PrintMgrOptionsTest, DataPathIsCheckedSavedAndReloaded)
{
    PrintMgr& w = load();
    QDir().mkpath(path(QStringLiteral("runs")));
    w.TMButton[2]->setEnabled(false);

    // A folder that does not exist: refused, and the run watch keeps
    // looking where it looked.
    m_dialogs.answerInput(QStringLiteral("missing\\"));
    m_dialogs.answerMessage(Answer::OK);
    run(QStringLiteral("Specify Data Path"));
    EXPECT_EQ(entryOnDisk(2), QString());
    EXPECT_EQ(w.DataPath, QString());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().at(0).text, QStringLiteral("Invalid Path"));
    EXPECT_EQ(m_dialogs.messages().at(0).title, QStringLiteral("Data Path"));
    EXPECT_EQ(m_dialogs.messages().at(0).icon, Dialogs::Icon::Exclamation);
    const auto prompt = m_dialogs.shown().at(0);
    EXPECT_EQ(prompt.text, QStringLiteral("Please specify a path name\r\n\r\neg. C:\\KV\\"));
    EXPECT_EQ(prompt.title, QStringLiteral("Data Path"));

    // Cancel: nothing saved.
    m_dialogs.answerInput(QString());
    run(QStringLiteral("Specify Data Path"));
    EXPECT_EQ(entryOnDisk(2), QString());

    // An existing folder typed without a trailing separator is saved with
    // one, and the window loads again with it and finds its run.
    writeBytes(QStringLiteral("runs/ticket.run"), runLines(3));
    m_dialogs.answerInput(QStringLiteral("runs"));
    run(QStringLiteral("Specify Data Path"));
    w.Timer1->stop();
    EXPECT_EQ(entryOnDisk(2), QStringLiteral("runs\\"));
    EXPECT_EQ(w.DataPath, QStringLiteral("runs\\"));
    EXPECT_EQ(w.Label1[2]->Caption(), QStringLiteral("runs\\"));
    EXPECT_EQ(w.Label1[0]->Caption(), QStringLiteral("There are  3 new tickets waiting."));
    EXPECT_TRUE(w.TMButton[2]->Enabled());

    // Clearing asks first; Cancel keeps, OK clears.
    m_dialogs.answerMessage(Answer::Cancel);
    run(QStringLiteral("Specify Data Path"));
    EXPECT_EQ(entryOnDisk(2), QStringLiteral("runs\\"));
    m_dialogs.answerMessage(Answer::OK);
    run(QStringLiteral("Specify Data Path"));
    w.Timer1->stop();
    EXPECT_EQ(m_dialogs.messages().last().text, QStringLiteral("This will clear your data path!"));
    EXPECT_EQ(m_dialogs.messages().last().buttons, Dialogs::Buttons::OKCancel);
    EXPECT_EQ(entryOnDisk(2), QString());
    EXPECT_EQ(w.DataPath, QString());
}

TEST_F(PrintMgrOptionsTest, CurrencySymbolIsStoredAsAnswered)
{
    PrintMgr& w = load();
    m_dialogs.answerInput(QStringLiteral("$"));
    run(QStringLiteral("Select currency symbol"));
    EXPECT_EQ(m_dialogs.shown().at(0).title, QStringLiteral("Symbol"));
    EXPECT_EQ(m_dialogs.shown().at(0).text, QStringLiteral("Symbol ="));
    EXPECT_EQ(m_dialogs.shown().at(0).defaultText, QStringLiteral("\u00A3"));
    EXPECT_EQ(entryOnDisk(7), QStringLiteral("$"));

    m_dialogs.answerInput(QString());
    run(QStringLiteral("Select currency symbol"));
    EXPECT_EQ(m_dialogs.shown().at(1).defaultText, QStringLiteral("$"));
    EXPECT_EQ(entryOnDisk(7), QString());
    EXPECT_EQ(w.Settings.at(7), QStringLiteral("\u00A3"));
}

TEST_F(PrintMgrOptionsTest, BhtSheetPrintsOnlyOnYes)
{
    Printers printers(QStringList{QStringLiteral("Recorder")}, QStringLiteral("Recorder"),
                      [](const QString& name) { return std::make_unique<RecordingPrinter>(name); });
    Printers::install(&printers);
    load();
    auto& recorder = static_cast<RecordingPrinter&>(*printers.printer(QStringLiteral("Recorder")));

    m_dialogs.answerMessage(Answer::No);
    run(QStringLiteral("BHT Data sheet"));
    EXPECT_EQ(recorder.endedDocuments(), 0);
    m_dialogs.answerMessage(Answer::Yes);
    run(QStringLiteral("BHT Data sheet"));
    EXPECT_EQ(recorder.endedDocuments(), 1);
    const auto box = m_dialogs.messages().at(0);
    EXPECT_EQ(box.text, QStringLiteral("Print BHT Barcode's?"));
    EXPECT_EQ(box.title, QStringLiteral("BHT"));
    EXPECT_EQ(box.icon, Dialogs::Icon::Question);
    EXPECT_EQ(box.buttons, Dialogs::Buttons::YesNo);

    m_window.reset();
    Printers::install(nullptr);
}

} // namespace
