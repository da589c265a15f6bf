#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "entry/window/MainFrm.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"
#include "tests/entry/window/MainFrmFixture.h"

using namespace platform;

namespace {

using Icon = Dialogs::Icon;
using Kind = ScriptedDialogs::Kind;

const QStringList DefaultNames{"ZRNDB.DAT", "ZRNH.DAT",  "ZRNZ.DAT",
                               "ZRCOL.DAT", "ZRPRT.DAT", "ZRLR.DAT"};

struct Box
{
    QString text;
    QString title;
    Icon icon;
};

class FileMenuTest : public MainFrmFixture
{
protected:
    // Gives every file of the set in use some content of its own.
    void fillWorkingFiles(const QByteArray& tag)
    {
        frm->store().CloseRecordFile();
        const QStringList names = frm->store().DataSetFileNames();
        for (int n = 0; n < names.size(); ++n)
            writeBytes(names.at(n), tag + QByteArray::number(n + 1));
        ASSERT_TRUE(frm->store().OpenRecordFile());
    }
    // Starts the window on a saved set: in-use file and its six files.
    void startOnSavedSet(const QString& setPath)
    {
        frm.reset();
        writeBytes(QStringLiteral("ZrninUse.dat"), setPath.toLatin1().leftJustified(30) + "\r\n");
        const QStringList names = ZRNDBm::SavedSetFileNames(setPath);
        for (int n = 0; n < names.size(); ++n)
            writeBytes(names.at(n), "saved" + QByteArray::number(n + 1));
        frm = std::make_unique<MainFrm>();
        frm->Form_Load();
    }
    void expectMessages(const ScriptedDialogs& dialogs, const QList<Box>& expected)
    {
        const QList<ScriptedDialogs::Shown> shown = dialogs.messages();
        ASSERT_EQ(shown.size(), expected.size());
        for (qsizetype n = 0; n < shown.size(); ++n) {
            SCOPED_TRACE(n);
            EXPECT_EQ(shown.at(n).text, expected.at(n).text);
            EXPECT_EQ(shown.at(n).title, expected.at(n).title);
            EXPECT_EQ(shown.at(n).icon, expected.at(n).icon);
            EXPECT_EQ(shown.at(n).buttons, Dialogs::Buttons::OK);
        }
    }
    QByteArray inUseBytes(const char* name) const
    {
        return QByteArray(name).leftJustified(30) + "\r\n";
    }
    bool exists(const QString& name) const { return QFile::exists(path(name)); }
};

const Box SaveFirstForNew{"You must save your current data before creating new.", "Save data.",
                          Icon::Exclamation};
const Box SaveFirstForOpen{"You must save your current data before opening.", "Save data.",
                           Icon::Exclamation};
const Box SavedForNew{"Data Saved O.K.  New Data created.", "Save", Icon::Information};
const Box Saved{"Data Saved O.K.", "Save", Icon::Information};
const Box NewCreated{"New Database Created.", "New", Icon::Information};

} // namespace

TEST_F(FileMenuTest, SaveAsMovesTheSixFilesAndWorksOnInTheSavedSet)
{
    fillWorkingFiles("work");
    ScriptedDialogs dialogs;
    dialogs.answerFile(path(QStringLiteral("SHOP.zr1")));
    dialogs.answerMessage(Dialogs::Answer::OK);
    frm->MFSaveas->trigger();

    expectMessages(dialogs, {Saved});
    const ScriptedDialogs::Shown& dialog = dialogs.shown().first();
    EXPECT_EQ(dialog.kind, Kind::SaveFile);
    EXPECT_EQ(dialog.filter, QStringLiteral("*.zr1|*.zr1"));
    EXPECT_EQ(dialog.title, QString());
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr%1").arg(n)), "work" + QByteArray::number(n));
        EXPECT_FALSE(exists(DefaultNames.at(n - 1)));
    }
    EXPECT_EQ(readBytes(QStringLiteral("ZrninUse.dat")), inUseBytes("SHOP.zr1"));
    EXPECT_EQ(frm->store().DataSetFileNames(),
              ZRNDBm::SavedSetFileNames(QStringLiteral("SHOP.zr1")));
    EXPECT_TRUE(frm->store().isRecordFileOpen());
    EXPECT_EQ(frm->Label4->Caption(), QStringLiteral("SHOP.zr1"));
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("Velmar-Tag  (SHOP.zr1: Print-file is empty)"));
    // The working folder stays the current directory.
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(m_dir.path()).canonicalPath());

    // The next start works on the saved set.
    frm = std::make_unique<MainFrm>();
    frm->Form_Load();
    EXPECT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("SHOP.zr1"));
}

TEST_F(FileMenuTest, CancelledSaveAsChangesNothing)
{
    fillWorkingFiles("work");
    ScriptedDialogs dialogs;
    dialogs.answerFile(QString());
    frm->MFSaveas_Click();
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), "work1");
    EXPECT_FALSE(exists(QStringLiteral("ZrninUse.dat")));
    EXPECT_TRUE(frm->store().isRecordFileOpen());
}

TEST_F(FileMenuTest, RefusedSaveAsShowsWhyAndMovesNothing)
{
    fillWorkingFiles("work");
    const struct
    {
        const char* chosen;
        const char* says;
    } cases[] = {
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ1.zr1", "at most 30 characters"},
        {"SHOP,2.zr1", "comma"},
        {"ZRNH.DAT", "ZRNH.DAT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        ScriptedDialogs dialogs;
        dialogs.answerFile(QString::fromLatin1(c.chosen));
        dialogs.answerMessage(Dialogs::Answer::OK);
        frm->MFSaveas_Click();
        ASSERT_EQ(dialogs.messages().size(), 1);
        const ScriptedDialogs::Shown box = dialogs.messages().first();
        EXPECT_TRUE(box.text.contains(QString::fromLatin1(c.says))) << box.text.toStdString();
        EXPECT_EQ(box.title, QStringLiteral("Save data."));
        EXPECT_EQ(box.icon, Icon::Exclamation);
        for (int n = 0; n < 6; ++n)
            EXPECT_EQ(readBytes(DefaultNames.at(n)), "work" + QByteArray::number(n + 1));
        EXPECT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("Untitled."));
    }
}

TEST_F(FileMenuTest, SaveAsOntoTheSetInUseIsRefused)
{
    startOnSavedSet(QStringLiteral("SHOP.zr1"));
    ScriptedDialogs dialogs;
    dialogs.answerFile(path(QStringLiteral("SHOP.zr1")));
    dialogs.answerMessage(Dialogs::Answer::OK);
    frm->MFSaveas_Click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first().icon, Icon::Exclamation);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr%1").arg(n)), "saved" + QByteArray::number(n));
    EXPECT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("SHOP.zr1"));
}

TEST_F(FileMenuTest, AFailedMoveIsReportedNotSaved)
{
    fillWorkingFiles("work");
    // A folder in the scale file's place cannot replace the set's old scale
    // file: the move stops half way.
    QFile::remove(path(QStringLiteral("ZRNZ.DAT")));
    QDir().mkdir(QStringLiteral("ZRNZ.DAT"));
    writeBytes(QStringLiteral("SHOP.zr3"), "old3");
    ScriptedDialogs dialogs;
    dialogs.answerFile(QStringLiteral("SHOP.zr1"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    frm->MFSaveas_Click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first().icon, Icon::Critical);
    EXPECT_EQ(dialogs.messages().first().title, QStringLiteral("Save data."));
    EXPECT_TRUE(dialogs.messages().first().text.contains(QStringLiteral("could not be")));
    for (int n = 0; n < 6; ++n) {
        if (n != 2) {
            EXPECT_EQ(readBytes(DefaultNames.at(n)), "work" + QByteArray::number(n + 1));
        }
    }
    EXPECT_FALSE(exists(QStringLiteral("SHOP.zr1")));
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr3")), "old3");
    EXPECT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("Untitled."));
    EXPECT_FALSE(exists(QStringLiteral("ZrninUse.dat")));
    EXPECT_TRUE(frm->store().isRecordFileOpen());
}

TEST_F(FileMenuTest, NewFromTheUntitledSetSavesItFirst)
{
    fillWorkingFiles("work");
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerFile(path(QStringLiteral("SHOP.zr1")));
    dialogs.answerMessage(Dialogs::Answer::OK);
    frm->MFNew->trigger();

    expectMessages(dialogs, {SaveFirstForNew, SavedForNew});
    EXPECT_EQ(dialogs.shown().at(1).kind, Kind::SaveFile);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr%1").arg(n)), "work" + QByteArray::number(n));
    EXPECT_EQ(readBytes(QStringLiteral("ZrninUse.dat")), inUseBytes("Untitled."));
    // The new set is the empty untitled set, named after "Untitled.".
    EXPECT_EQ(frm->store().DataSetFileNames(),
              (QStringList{"Untitled.", "Untitlzr2", "Untitlzr3", "Untitlzr4", "Untitlzr5",
                           "Untitlzr6"}));
    EXPECT_EQ(readBytes(QStringLiteral("Untitled.")), QByteArray());
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("Velmar-Tag  (Untitled.: Print-file is empty)"));
}

TEST_F(FileMenuTest, NewFromTheUntitledSetWithTheSaveCancelledChangesNothing)
{
    fillWorkingFiles("work");
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerFile(QString());
    frm->MFNew_Click();
    expectMessages(dialogs, {SaveFirstForNew});
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(readBytes(DefaultNames.at(n)), "work" + QByteArray::number(n + 1));
    EXPECT_FALSE(exists(QStringLiteral("ZrninUse.dat")));
    EXPECT_EQ(frm->store().DataSetFileNames(), DefaultNames);
    EXPECT_TRUE(frm->store().isRecordFileOpen());
}

TEST_F(FileMenuTest, NewFromASavedSetLeavesItOnDisk)
{
    startOnSavedSet(QStringLiteral("SHOP.zr1"));
    for (const QString& name : DefaultNames)
        writeBytes(name, "stale");
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    frm->MFNew_Click();
    expectMessages(dialogs, {NewCreated});
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr%1").arg(n)), "saved" + QByteArray::number(n));
    for (const QString& name : DefaultNames)
        EXPECT_FALSE(exists(name));
    EXPECT_EQ(readBytes(QStringLiteral("ZrninUse.dat")), inUseBytes("Untitled."));
    EXPECT_EQ(frm->store().RecordFileName.trimmed(), QStringLiteral("Untitled."));
    EXPECT_EQ(frm->Label4->Caption(), QStringLiteral("Untitled."));
}

TEST_F(FileMenuTest, NewFromASetRecordedUnderADefaultNameKeepsItsRecords)
{
    // An in-use file can name a set whose record file has a default name.
    startOnSavedSet(QStringLiteral("ZRNDB.DAT"));
    for (const QString& name : DefaultNames.mid(1))
        writeBytes(name, "stale");
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    frm->MFNew_Click();
    expectMessages(dialogs, {NewCreated});
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), "saved1");
    for (int n = 2; n <= 6; ++n)
        EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.zr%1").arg(n)), "saved" + QByteArray::number(n));
    for (const QString& name : DefaultNames.mid(1))
        EXPECT_FALSE(exists(name));
    EXPECT_EQ(frm->store().RecordFileName.trimmed(), QStringLiteral("Untitled."));
}

TEST_F(FileMenuTest, OpenFromASavedSetTakesANameThatDoesNotExist)
{
    startOnSavedSet(QStringLiteral("SHOP.zr1"));
    ScriptedDialogs dialogs;
    dialogs.answerFile(path(QStringLiteral("OTHER.zr1")));
    frm->MFOpen->trigger();
    EXPECT_TRUE(dialogs.messages().isEmpty());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown().first().kind, Kind::OpenFile);
    EXPECT_EQ(dialogs.shown().first().filter, QStringLiteral("*.zr1|*.zr1"));
    EXPECT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("OTHER.zr1"));
    EXPECT_EQ(readBytes(QStringLiteral("ZrninUse.dat")), inUseBytes("OTHER.zr1"));
    // Start-up created the new set's record file empty.
    EXPECT_TRUE(exists(QStringLiteral("OTHER.zr1")));
    EXPECT_EQ(readBytes(QStringLiteral("OTHER.zr1")), QByteArray());
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("Velmar-Tag  (OTHER.zr1: Print-file is empty)"));
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr1")), "saved1");
}

TEST_F(FileMenuTest, OpenFromASavedSetCancelledKeepsTheSet)
{
    startOnSavedSet(QStringLiteral("SHOP.zr1"));
    ScriptedDialogs dialogs;
    dialogs.answerFile(QString());
    frm->MFOpen_Click();
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("SHOP.zr1"));
    EXPECT_TRUE(frm->store().isRecordFileOpen());
}

TEST_F(FileMenuTest, OpenFromTheUntitledSetSavesItThenOpens)
{
    fillWorkingFiles("work");
    writeBytes(QStringLiteral("OTHER.zr1"), QByteArray());
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerFile(path(QStringLiteral("SHOP.zr1")));
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerFile(path(QStringLiteral("OTHER.zr1")));
    frm->MFOpen_Click();
    expectMessages(dialogs, {SaveFirstForOpen, Saved});
    const QList<ScriptedDialogs::Shown> shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown.at(1).kind, Kind::SaveFile);
    EXPECT_EQ(shown.at(3).kind, Kind::OpenFile);
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr2")), "work2");
    EXPECT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("OTHER.zr1"));
}

TEST_F(FileMenuTest, OpenCancelledAfterTheSaveWorksOnInTheSavedSet)
{
    fillWorkingFiles("work");
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerFile(path(QStringLiteral("SHOP.zr1")));
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerFile(QString());
    frm->MFOpen_Click();
    expectMessages(dialogs, {SaveFirstForOpen, Saved});
    // Not an empty set under the default names, which a later New deletes.
    EXPECT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("SHOP.zr1"));
    EXPECT_EQ(readBytes(QStringLiteral("ZrninUse.dat")), inUseBytes("SHOP.zr1"));
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr1")), "work1");
    EXPECT_FALSE(exists(QStringLiteral("ZRNDB.DAT")));
}

TEST_F(FileMenuTest, OpenFromTheUntitledSetWithTheSaveCancelledOpensNothing)
{
    fillWorkingFiles("work");
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    dialogs.answerFile(QString());
    frm->MFOpen_Click();
    expectMessages(dialogs, {SaveFirstForOpen});
    EXPECT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(frm->store().DataSetFileNames(), DefaultNames);
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), "work1");
}

TEST_F(FileMenuTest, OpenOfARefusedNameKeepsTheSetInUse)
{
    startOnSavedSet(QStringLiteral("SHOP.zr1"));
    ScriptedDialogs dialogs;
    dialogs.answerFile(QStringLiteral("A,B.zr1"));
    dialogs.answerMessage(Dialogs::Answer::OK);
    frm->MFOpen_Click();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().first().title, QStringLiteral("Open data."));
    EXPECT_EQ(dialogs.messages().first().icon, Icon::Exclamation);
    EXPECT_EQ(frm->store().DataInUseName.trimmed(), QStringLiteral("SHOP.zr1"));
}

TEST_F(FileMenuTest, HistoryTypedSinceStartGoesWithTheSetItWasTypedIn)
{
    const struct
    {
        const char* name;
        const char* startSet; // empty: the untitled set
        const char* chosen;   // the file dialog's answer
        int messages;         // message boxes answered OK
        const char* historyFile;
        void (MainFrm::*command)();
    } cases[] = {
        {"save as", "", "A.zr1", 1, "A.zr2", &MainFrm::MFSaveas_Click},
        {"new from untitled", "", "B.zr1", 2, "B.zr2", &MainFrm::MFNew_Click},
        {"new from a saved set", "C.zr1", nullptr, 1, "C.zr2", &MainFrm::MFNew_Click},
        {"open from a saved set", "D.zr1", "E.zr1", 0, "D.zr2", &MainFrm::MFOpen_Click},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (*c.startSet) {
            startOnSavedSet(QString::fromLatin1(c.startSet));
        } else {
            // A fresh untitled set.
            QFile::remove(path(QStringLiteral("ZrninUse.dat")));
            frm.reset();
            frm = std::make_unique<MainFrm>();
            frm->Form_Load();
        }
        ScriptedDialogs dialogs;
        const QString supplier = QStringLiteral("SUPPLIER %1").arg(QLatin1String(c.name).left(6));
        frm->Combo1[2]->setText(supplier);
        frm->UpdateAddRecComboHist();

        for (int n = 0; n < c.messages; ++n)
            dialogs.answerMessage(Dialogs::Answer::OK);
        if (c.chosen)
            dialogs.answerFile(path(QString::fromLatin1(c.chosen)));
        (frm.get()->*c.command)();
        EXPECT_TRUE(dialogs.allAnswersUsed());
        const QByteArray history = readBytes(QString::fromLatin1(c.historyFile));
        EXPECT_EQ(history.mid(32, 25), supplier.toLatin1().leftJustified(25)) << history.size();
    }
}
