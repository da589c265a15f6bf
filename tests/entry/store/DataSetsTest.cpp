#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "entry/store/StoreView.h"
#include "entry/store/ZRNDBm.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

const QStringList DefaultNames{"ZRNDB.DAT", "ZRNH.DAT",  "ZRNZ.DAT",
                               "ZRCOL.DAT", "ZRPRT.DAT", "ZRLR.DAT"};

class RecordingView : public StoreView
{
public:
    void showDataInUse(const QString& name) override { shown << name; }
    QStringList shown;
};

class DataSetsTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        store.setView(&view);
    }

    // Gives each working file its own content, so moves can be followed.
    void writeWorkingFiles(const QStringList& names)
    {
        for (int n = 0; n < names.size(); ++n)
            writeBytes(names.at(n), "file " + QByteArray::number(n + 1));
    }
    bool exists(const QString& name) const { return QFile::exists(path(name)); }

    RecordingView view;
    ZRNDBm store;
};

} // namespace

TEST_F(DataSetsTest, WithoutAnInUseFileTheDefaultNamesAreTheUntitledSet)
{
    store.LoadInUseDataSet();
    EXPECT_EQ(store.DataSetFileNames(), DefaultNames);
    EXPECT_EQ(store.DataInUseName, QStringLiteral("Untitled.").leftJustified(30));
    EXPECT_EQ(store.RecordFileName.size(), 30);
    EXPECT_EQ(view.shown, QStringList{"Untitled."});
}

TEST_F(DataSetsTest, TheInUseFileNamesTheSetAndItsFiveOtherFiles)
{
    const struct
    {
        const char* inUse;
        QStringList names;
    } cases[] = {
        {"Untitled.",
         {"Untitled.", "Untitlzr2", "Untitlzr3", "Untitlzr4", "Untitlzr5", "Untitlzr6"}},
        {"DATA\\SHOP.zr1",
         {"DATA\\SHOP.zr1", "DATA\\SHOP.zr2", "DATA\\SHOP.zr3", "DATA\\SHOP.zr4", "DATA\\SHOP.zr5",
          "DATA\\SHOP.zr6"}},
        // Without a three-letter extension the last three characters still go.
        {"DATA/SHOPS",
         {"DATA/SHOPS", "DATA/SHzr2", "DATA/SHzr3", "DATA/SHzr4", "DATA/SHzr5", "DATA/SHzr6"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inUse);
        writeBytes(QStringLiteral("ZrninUse.dat"),
                   QByteArray(c.inUse).leftJustified(30, ' ') + "\r\n");
        store.LoadInUseDataSet();
        EXPECT_EQ(store.DataSetFileNames(), c.names);
        EXPECT_EQ(store.DataInUseName.trimmed(), QString::fromLatin1(c.inUse));
        EXPECT_EQ(view.shown.last(), QString::fromLatin1(c.inUse));
    }
}

TEST_F(DataSetsTest, AnEmptyInUseFileGivesTheDefaultNames)
{
    writeBytes(QStringLiteral("ZrninUse.dat"), "\r\n");
    store.LoadInUseDataSet();
    EXPECT_EQ(store.DataSetFileNames(), DefaultNames);
    EXPECT_EQ(store.DataInUseName.trimmed(), QStringLiteral("Untitled."));
}

TEST_F(DataSetsTest, TheInUseFileHoldsThirtyPaddedCharactersAndCrLf)
{
    store.DataInUseName = QStringLiteral("SHOP.zr1");
    ASSERT_TRUE(store.SaveInUseDataSet());
    EXPECT_EQ(readBytes(QStringLiteral("ZrninUse.dat")),
              QByteArray("SHOP.zr1") + QByteArray(22, ' ') + "\r\n");
    EXPECT_EQ(view.shown.last(), QStringLiteral("SHOP.zr1"));
}

TEST_F(DataSetsTest, AChosenPathInsideTheWorkingFolderIsKeptRelative)
{
    QDir().mkdir(QStringLiteral("sets"));
    EXPECT_EQ(ZRNDBm::DataSetPath(path(QStringLiteral("SHOP.zr1"))), QStringLiteral("SHOP.zr1"));
    EXPECT_EQ(ZRNDBm::DataSetPath(path(QStringLiteral("sets/SHOP.zr1"))),
              QStringLiteral("sets/SHOP.zr1"));
    EXPECT_EQ(ZRNDBm::DataSetPath(QStringLiteral("sets\\SHOP.zr1")),
              QStringLiteral("sets/SHOP.zr1"));
    EXPECT_EQ(ZRNDBm::DataSetPath(QStringLiteral("/elsewhere/SHOP.zr1")),
              QStringLiteral("/elsewhere/SHOP.zr1"));
}

TEST_F(DataSetsTest, SaveMovesTheSixWorkingFilesToTheSet)
{
    store.LoadInUseDataSet();
    writeWorkingFiles(DefaultNames);
    QString savedAs;
    ASSERT_EQ(store.SaveDataSet(path(QStringLiteral("SHOP.zr1")), &savedAs),
              ZRNDBm::DataSetResult::Done)
        << store.lastError().toStdString();
    EXPECT_EQ(savedAs, QStringLiteral("SHOP.zr1"));
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr%1").arg(n)), "file " + QByteArray::number(n));
        EXPECT_FALSE(exists(DefaultNames.at(n - 1)));
    }
    // The names in use still name the working files.
    EXPECT_EQ(store.DataSetFileNames(), DefaultNames);
    EXPECT_FALSE(exists(QStringLiteral("ZrninUse.dat")));
}

TEST_F(DataSetsTest, SavingOverASetReplacesItWhole)
{
    store.LoadInUseDataSet();
    writeWorkingFiles(DefaultNames);
    QFile::remove(path(QStringLiteral("ZRCOL.DAT")));
    for (int n = 1; n <= 6; ++n)
        writeBytes(QStringLiteral("SHOP.zr%1").arg(n), "old");
    ASSERT_EQ(store.SaveDataSet(QStringLiteral("SHOP.zr1")), ZRNDBm::DataSetResult::Done);
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr1")), "file 1");
    // The old colour file goes with the old set.
    EXPECT_FALSE(exists(QStringLiteral("SHOP.zr4")));
}

TEST_F(DataSetsTest, SaveAndUseKeepsOldFilesWithoutAWorkingFileAndSwitchesSets)
{
    store.LoadInUseDataSet();
    writeWorkingFiles(DefaultNames);
    QFile::remove(path(QStringLiteral("ZRCOL.DAT")));
    for (int n = 1; n <= 6; ++n)
        writeBytes(QStringLiteral("SHOP.zr%1").arg(n), "old");
    ASSERT_EQ(store.SaveAndUseDataSet(path(QStringLiteral("SHOP.zr1"))),
              ZRNDBm::DataSetResult::Done);
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr1")), "file 1");
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr4")), "old");
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr6")), "file 6");
    EXPECT_EQ(store.DataSetFileNames(), ZRNDBm::SavedSetFileNames(QStringLiteral("SHOP.zr1")));
    EXPECT_EQ(store.DataInUseName.trimmed(), QStringLiteral("SHOP.zr1"));
    EXPECT_EQ(readBytes(QStringLiteral("ZrninUse.dat")),
              QByteArray("SHOP.zr1").leftJustified(30) + "\r\n");
}

TEST_F(DataSetsTest, RefusedNamesMoveNothing)
{
    store.LoadInUseDataSet();
    writeWorkingFiles(DefaultNames);
    QDir().mkdir(QStringLiteral("folder.zr1"));
    const struct
    {
        const char* name;
        const char* chosen;
        const char* reason;
    } cases[] = {
        {"longer than thirty characters", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1.zr1", "too long"},
        {"comma", "SHOP,1.zr1", "comma"},
        {"a working file", "ZRNDB.DAT", "ZRNDB.DAT"},
        {"a working file in other letters", "zrlr.dat", "ZRLR.DAT"},
        {"the untitled set", "Untitled.", "Untitled."},
        {"the program's layout file", "tfile.tm", "tfile.tm"},
        {"the in-use file", "ZrninUse.dat", "ZrninUse.dat"},
        {"two files of one name", "SHOP.zr3", "same name"},
        {"a folder", "folder.zr1", "folder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int save = 0; save < 2; ++save) {
            const ZRNDBm::DataSetResult result =
                save == 0 ? store.SaveDataSet(QString::fromLatin1(c.chosen))
                          : store.SaveAndUseDataSet(QString::fromLatin1(c.chosen));
            EXPECT_EQ(result, ZRNDBm::DataSetResult::Refused);
            EXPECT_TRUE(store.lastError().contains(QString::fromLatin1(c.reason)))
                << store.lastError().toStdString();
        }
        for (int n = 0; n < 6; ++n)
            EXPECT_EQ(readBytes(DefaultNames.at(n)), "file " + QByteArray::number(n + 1));
    }
    // Exactly thirty characters fit.
    EXPECT_EQ(store.SaveDataSet(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ.zr1")),
              ZRNDBm::DataSetResult::Done);
}

TEST_F(DataSetsTest, SavingOntoTheSavedSetInUseIsRefused)
{
    writeBytes(QStringLiteral("ZrninUse.dat"), "SHOP.zr1\r\n");
    store.LoadInUseDataSet();
    writeWorkingFiles(store.DataSetFileNames());
    EXPECT_EQ(store.SaveAndUseDataSet(path(QStringLiteral("shop.ZR1"))),
              ZRNDBm::DataSetResult::Refused);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr%1").arg(n)), "file " + QByteArray::number(n));
}

TEST_F(DataSetsTest, AFolderAmongTheSetsFilesIsRefusedBeforeAnythingChanges)
{
    store.LoadInUseDataSet();
    writeWorkingFiles(DefaultNames);
    writeBytes(QStringLiteral("SHOP.zr1"), "old 1");
    writeBytes(QStringLiteral("SHOP.zr2"), "old 2");
    QDir().mkdir(QStringLiteral("SHOP.zr3"));
    for (int save = 0; save < 3; ++save) {
        SCOPED_TRACE(save);
        const QString chosen = QStringLiteral("SHOP.zr1");
        const ZRNDBm::DataSetResult result = save == 0   ? store.SaveDataSet(chosen)
                                             : save == 1 ? store.SaveAndUseDataSet(chosen)
                                                         : store.OpenDataSet(chosen);
        EXPECT_EQ(result, ZRNDBm::DataSetResult::Refused);
        EXPECT_TRUE(store.lastError().contains(QStringLiteral("SHOP.zr3 is a folder")))
            << store.lastError().toStdString();
        // The old set was not deleted on the way to the failure.
        EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr1")), "old 1");
        EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr2")), "old 2");
        for (int n = 0; n < 6; ++n)
            EXPECT_EQ(readBytes(DefaultNames.at(n)), "file " + QByteArray::number(n + 1));
        EXPECT_EQ(store.DataSetFileNames(), DefaultNames);
    }
}

TEST_F(DataSetsTest, AFailedMoveIsUndoneAndReported)
{
    store.LoadInUseDataSet();
    writeWorkingFiles(DefaultNames);
    // A folder where the history file should be cannot replace the old
    // history file of the set: the move fails after the record file moved.
    QFile::remove(path(QStringLiteral("ZRNH.DAT")));
    QDir().mkdir(QStringLiteral("ZRNH.DAT"));
    writeBytes(QStringLiteral("SHOP.zr2"), "old 2");
    EXPECT_EQ(store.SaveDataSet(QStringLiteral("SHOP.zr1")), ZRNDBm::DataSetResult::Failed);
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("ZRNH.DAT")));
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("unchanged")));
    EXPECT_FALSE(exists(QStringLiteral("SHOP.zr1")));
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr2")), "old 2");
    for (int n = 0; n < 6; ++n) {
        if (n != 1) {
            EXPECT_EQ(readBytes(DefaultNames.at(n)), "file " + QByteArray::number(n + 1));
        }
    }
    QDir().rmdir(QStringLiteral("ZRNH.DAT"));

    EXPECT_EQ(store.SaveAndUseDataSet(QStringLiteral("nofolder/SHOP.zr1")),
              ZRNDBm::DataSetResult::Failed);
    EXPECT_EQ(store.DataSetFileNames(), DefaultNames);
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), "file 1");
}

TEST_F(DataSetsTest, OpeningASetNeedsNoFiles)
{
    store.LoadInUseDataSet();
    ASSERT_EQ(store.OpenDataSet(path(QStringLiteral("NEW.zr1"))), ZRNDBm::DataSetResult::Done);
    EXPECT_EQ(store.DataSetFileNames(), ZRNDBm::SavedSetFileNames(QStringLiteral("NEW.zr1")));
    EXPECT_EQ(store.DataInUseName.trimmed(), QStringLiteral("NEW.zr1"));
    EXPECT_EQ(readBytes(QStringLiteral("ZrninUse.dat")),
              QByteArray("NEW.zr1").leftJustified(30) + "\r\n");
    EXPECT_FALSE(exists(QStringLiteral("NEW.zr1")));

    // A default name would be deleted by the next File > New.
    EXPECT_EQ(store.OpenDataSet(QStringLiteral("ZRNDB.DAT")), ZRNDBm::DataSetResult::Refused);
    EXPECT_EQ(store.DataInUseName.trimmed(), QStringLiteral("NEW.zr1"));
}

TEST_F(DataSetsTest, DeletingTheDefaultFilesLeavesOtherFiles)
{
    ASSERT_TRUE(store.UseSavedDataSet(QStringLiteral("SHOP.zr1")));
    writeWorkingFiles(DefaultNames);
    writeBytes(QStringLiteral("SHOP.zr1"), "kept");
    ASSERT_TRUE(store.DeleteDefaultFiles());
    for (const QString& name : DefaultNames)
        EXPECT_FALSE(exists(name));
    EXPECT_EQ(readBytes(QStringLiteral("SHOP.zr1")), "kept");
}

TEST_F(DataSetsTest, DeletingTheDefaultFilesSparesTheSetInUse)
{
    // An in-use file may name a set whose record file has a default name.
    writeBytes(QStringLiteral("ZrninUse.dat"), QByteArray("ZRNDB.DAT").leftJustified(30) + "\r\n");
    store.LoadInUseDataSet();
    ASSERT_EQ(store.RecordFileName.trimmed(), QStringLiteral("ZRNDB.DAT"));
    writeWorkingFiles(DefaultNames);
    ASSERT_TRUE(store.DeleteDefaultFiles());
    EXPECT_EQ(readBytes(QStringLiteral("ZRNDB.DAT")), "file 1");
    for (int n = 1; n < 6; ++n)
        EXPECT_FALSE(exists(DefaultNames.at(n)));
}
