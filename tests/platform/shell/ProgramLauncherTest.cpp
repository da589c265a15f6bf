#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include "platform/shell/ProgramLauncher.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

class ProgramLauncherTest : public TempDirTest
{
protected:
    // A script that records its working folder and argument count.
    void writeScript(const QString& name, bool executable = true)
    {
        writeBytes(name, "#!/bin/sh\necho \"$# $(pwd)\" > started.txt\n");
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        ASSERT_TRUE(QFile::setPermissions(path(name), permissions));
    }

    // The marker the script writes, once it is complete (empty after 10 s).
    QByteArray waitForMarker()
    {
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            const QByteArray marker = readBytes(QStringLiteral("started.txt"));
            if (marker.endsWith('\n'))
                return marker;
            QThread::msleep(20);
        }
        return QByteArray();
    }
};

} // namespace

TEST_F(ProgramLauncherTest, StartsProgramOfCurrentFolderWithoutArguments)
{
    writeScript(QStringLiteral("brevox"));
    QString error;
    ASSERT_EQ(ProgramLauncher::startDetached(QStringLiteral("brevox"), &error),
              ProgramLauncher::Result::Started)
        << error.toStdString();
    const QByteArray marker = waitForMarker();
    EXPECT_EQ(marker, "0 " + QFile::encodeName(QDir(m_dir.path()).canonicalPath()) + "\n");
}

TEST_F(ProgramLauncherTest, FindsTheFileWithoutRegardToCase)
{
    writeScript(QStringLiteral("Brevox"));
    EXPECT_EQ(ProgramLauncher::startDetached(QStringLiteral("brevox")),
              ProgramLauncher::Result::Started);
    EXPECT_FALSE(waitForMarker().isEmpty());
}

TEST_F(ProgramLauncherTest, MissingFileStartsNothing)
{
    EXPECT_EQ(ProgramLauncher::startDetached(QStringLiteral("brevox")),
              ProgramLauncher::Result::Missing);
    // A folder of that name is no program.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("brevox")));
    EXPECT_EQ(ProgramLauncher::startDetached(QStringLiteral("brevox")),
              ProgramLauncher::Result::Missing);
}

TEST_F(ProgramLauncherTest, FileThatCannotRunIsReported)
{
    writeScript(QStringLiteral("brevox"), false);
    QString error;
    EXPECT_EQ(ProgramLauncher::startDetached(QStringLiteral("brevox"), &error),
              ProgramLauncher::Result::Failed);
    EXPECT_FALSE(error.isEmpty());
}
