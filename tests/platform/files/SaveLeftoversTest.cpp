#include "platform/files/SaveLeftovers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "support/TempDirTest.h"

namespace {

class SaveLeftoversTest : public TempDirTest
{
protected:
    void writeAged(const QString& name, int ageSeconds)
    {
        writeBytes(name, "x");
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                     QFileDevice::FileModificationTime));
    }
};

} // namespace

TEST_F(SaveLeftoversTest, OnlyOldTemporaryFilesOfTheNamedFilesGo)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("runs")));
    const struct
    {
        const char* file;
        int age;
        bool removed;
    } cases[] = {
        {"Brevox.ps.GHdLSI", 120, true},
        {"BREVOX.PS.a1B2c3", 61, true},
        {"runs/Ticket.run.Zz09aQ", 3600, true},
        {"Brevox.ps.Young1", 10, false},
        {"Brevox.ps", 120, false},
        {"Brevox.ps.GHdLS", 120, false},
        {"Brevox.ps.GHdLSIx", 120, false},
        {"Brevox.ps.GH-LSI", 120, false},
        {"Other.ps.GHdLSI", 120, false},
        {"Ticket.run.Zz09aQ", 120, false}, // named only in runs/
    };
    for (const auto& c : cases)
        writeAged(QString::fromLatin1(c.file), c.age);

    SaveLeftovers::remove({QStringLiteral("Brevox.ps"), QStringLiteral("runs/ticket.run")});
    for (const auto& c : cases)
        EXPECT_EQ(QFile::exists(path(QString::fromLatin1(c.file))), !c.removed) << c.file;
}
