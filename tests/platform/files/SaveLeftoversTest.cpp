#include "platform/files/SaveLeftovers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "support/TempDirTest.h"

using namespace platform;

using SaveLeftoversTest = TempDirTest;

TEST_F(SaveLeftoversTest, OnlyOldTemporaryFilesOfTheNamedFilesGo)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("runs")));
    const struct
    {
        const char* file;
        int age; // seconds
        bool removed;
    } cases[] = {
        {"Brevox.ps.GHdLSI", 120, true},
        {"BREVOX.PS.a1B2c3", 61, true},
        {"runs/Ticket.run.Zz09aQ", 3600, true},
        {"Brevox.ps.Young1", 10, false},
        {"Brevox.ps", 120, false},
        {"Brevox.ps.GHdLS", 120, false},
        {"Brevox.ps.GH-LSI", 120, false},
        {"Other.ps.GHdLSI", 120, false},
        {"Ticket.run.Zz09aQ", 120, false}, // only runs/ is named
    };
    for (const auto& c : cases) {
        writeBytes(QString::fromLatin1(c.file), "x");
        QFile file(path(QString::fromLatin1(c.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-c.age),
                                     QFileDevice::FileModificationTime));
    }
    SaveLeftovers::remove({QStringLiteral("Brevox.ps"), QStringLiteral("runs/ticket.run")});
    for (const auto& c : cases)
        EXPECT_EQ(QFile::exists(path(QString::fromLatin1(c.file))), !c.removed) << c.file;
}
