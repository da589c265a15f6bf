#include "platform/files/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "FileSizeLimit.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class FileNamesTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        m_previousFloppy = FileNames::floppyRoot();
    }
    void TearDown() override
    {
        FileNames::setFloppyRoot(m_previousFloppy);
        TempDirTest::TearDown();
    }

    QStringList entries(const QString& folder = QStringLiteral(".")) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    QString m_previousFloppy;
};

} // namespace

TEST_F(FileNamesTest, NormalizeMapsSeparatorsAndFloppyDrive)
{
    FileNames::setFloppyRoot(QStringLiteral("/mnt/fl"));
    const struct
    {
        const char* name;
        const char* expected;
    } cases[] = {
        {"A:\\PRICES\\SET.zr1", "/mnt/fl/PRICES/SET.zr1"},
        {"a:x.dat", "/mnt/fl/x.dat"},
        {"A:", "/mnt/fl"},
        {"C:\\DATA\\SHOP.zr1", "C:/DATA/SHOP.zr1"},
        {"data\\sub\\x.txt", "data/sub/x.txt"},
        {"Ticket.run", "Ticket.run"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FileNames::normalize(QString::fromUtf8(c.name)), QString::fromUtf8(c.expected));
    }
}

TEST_F(FileNamesTest, ResolveMatchesFilesAndFoldersWithoutCase)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("Data/Sub")));
    writeBytes(QStringLiteral("Data/Sub/File.TXT"), "x");
    writeBytes(QStringLiteral("Ticket.run"), "r");

    EXPECT_EQ(FileNames::resolve(QStringLiteral("ticket.run")), QStringLiteral("Ticket.run"));
    EXPECT_EQ(FileNames::resolve(QStringLiteral("DATA\\sub\\file.txt")),
              QStringLiteral("Data/Sub/File.TXT"));
    EXPECT_EQ(FileNames::resolve(path(QStringLiteral("data/SUB/file.txt"))),
              path(QStringLiteral("Data/Sub/File.TXT")));
    // A new file goes into the folders that exist.
    EXPECT_EQ(FileNames::resolve(QStringLiteral("data\\new.txt")), QStringLiteral("Data/new.txt"));
    EXPECT_EQ(FileNames::resolve(QStringLiteral("other/new.txt")), QStringLiteral("other/new.txt"));
}

TEST_F(FileNamesTest, SameFileUnderAnotherCase)
{
    writeBytes(QStringLiteral("Ticket.run"), "run");
    EXPECT_TRUE(FileNames::exists(QStringLiteral("TICKET.RUN")));
    EXPECT_FALSE(FileNames::exists(QStringLiteral("ticket.use")));

    EXPECT_TRUE(FileNames::copy(QStringLiteral("ticket.RUN"), QStringLiteral("Copy.run")));
    EXPECT_EQ(readBytes(QStringLiteral("Copy.run")), QByteArray("run"));

    EXPECT_TRUE(FileNames::remove(QStringLiteral("TICKET.run")));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Copy.run")});
    // Removing what is not there leaves it gone: success.
    EXPECT_TRUE(FileNames::remove(QStringLiteral("ticket.run")));
}

TEST_F(FileNamesTest, RenameReplacesTargetSpeltInAnotherCase)
{
    writeBytes(QStringLiteral("Ticket.run"), "new");
    writeBytes(QStringLiteral("PREVRUN.001"), "old");

    EXPECT_TRUE(FileNames::rename(QStringLiteral("ticket.run"), QStringLiteral("prevrun.001")));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("PREVRUN.001")});
    EXPECT_EQ(readBytes(QStringLiteral("PREVRUN.001")), QByteArray("new"));
}

TEST_F(FileNamesTest, CopyReplacesTargetSpeltInAnotherCase)
{
    writeBytes(QStringLiteral("Brevox.ps"), "settings");
    writeBytes(QStringLiteral("BACKUP.PS"), "stale");

    EXPECT_TRUE(FileNames::copy(QStringLiteral("brevox.PS"), QStringLiteral("backup.ps")));
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("BACKUP.PS"), QStringLiteral("Brevox.ps")}));
    EXPECT_EQ(readBytes(QStringLiteral("BACKUP.PS")), QByteArray("settings"));
}

TEST_F(FileNamesTest, CopyOrRenameOntoItselfKeepsTheFile)
{
    writeBytes(QStringLiteral("tfile.tm"), "layout");
    EXPECT_TRUE(FileNames::copy(QStringLiteral("tfile.tm"), QStringLiteral("TFILE.TM")));
    EXPECT_TRUE(FileNames::rename(QStringLiteral("TFile.tm"), QStringLiteral("tfile.TM")));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("tfile.tm")});
    EXPECT_EQ(readBytes(QStringLiteral("tfile.tm")), QByteArray("layout"));
}

TEST_F(FileNamesTest, FailuresAreReportedAndTouchNothing)
{
    writeBytes(QStringLiteral("target.dat"), "keep");
    EXPECT_FALSE(FileNames::copy(QStringLiteral("missing.dat"), QStringLiteral("target.dat")));
    EXPECT_FALSE(FileNames::rename(QStringLiteral("missing.dat"), QStringLiteral("target.dat")));
    EXPECT_EQ(readBytes(QStringLiteral("target.dat")), QByteArray("keep"));

    // A folder is not a file: it is not removed, and it cannot be copied over.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Folder")));
    EXPECT_FALSE(FileNames::remove(QStringLiteral("folder")));
    EXPECT_FALSE(FileNames::copy(QStringLiteral("target.dat"), QStringLiteral("FOLDER")));
    EXPECT_TRUE(QFileInfo(QStringLiteral("Folder")).isDir());
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("Folder"), QStringLiteral("target.dat")}));
}

TEST_F(FileNamesTest, CutOffCopyDoesNotReplaceTheTarget)
{
    writeBytes(QStringLiteral("source.dat"), QByteArray(2000, 's'));
    writeBytes(QStringLiteral("TARGET.DAT"), "keep");
    {
        FileSizeLimit limit(500);
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(FileNames::copy(QStringLiteral("source.dat"), QStringLiteral("target.dat")));
    }
    EXPECT_EQ(readBytes(QStringLiteral("TARGET.DAT")), QByteArray("keep"));
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("TARGET.DAT"), QStringLiteral("source.dat")}));
}

TEST_F(FileNamesTest, FloppyDriveNamesMapUnderFloppyRoot)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("floppy/Prices")));
    writeBytes(QStringLiteral("floppy/Prices/Shop.zr1"), "set");
    FileNames::setFloppyRoot(path(QStringLiteral("floppy")));

    EXPECT_TRUE(FileNames::exists(QStringLiteral("a:\\PRICES\\shop.ZR1")));
    EXPECT_TRUE(
        FileNames::copy(QStringLiteral("A:\\prices\\SHOP.zr1"), QStringLiteral("local.zr1")));
    EXPECT_EQ(readBytes(QStringLiteral("local.zr1")), QByteArray("set"));
}

TEST_F(FileNamesTest, RenameAcrossFileSystemsCopiesThenRemoves)
{
    QTemporaryDir other(QStringLiteral("/dev/shm/filenames-XXXXXX"));
    if (!other.isValid())
        GTEST_SKIP() << "no second file system at /dev/shm";
    struct stat here
    {
    };
    struct stat there
    {
    };
    ASSERT_EQ(stat(".", &here), 0);
    ASSERT_EQ(stat(QFile::encodeName(other.path()).constData(), &there), 0);
    if (here.st_dev == there.st_dev)
        GTEST_SKIP() << "/dev/shm is on the same file system";

    writeBytes(QStringLiteral("Ticket.run"), "moved");
    QFile existing(other.filePath(QStringLiteral("RUN.BAK")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();

    EXPECT_TRUE(
        FileNames::rename(QStringLiteral("ticket.RUN"), other.filePath(QStringLiteral("run.bak"))));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("Ticket.run")));
    EXPECT_EQ(entries(other.path()), QStringList{QStringLiteral("RUN.BAK")});
    QFile moved(other.filePath(QStringLiteral("RUN.BAK")));
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), QByteArray("moved"));
}
