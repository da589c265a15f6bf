#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "PrintMgrFixture.h"
#include "printrun/manager/ReprintFiles.h"

using namespace platform;

namespace {

class ReprintRotationTest : public PrintMgrFixture
{
protected:
    QByteArray generation(int n) const { return readBytes(ReprintFiles::generationName(n)); }
    bool hasGeneration(int n) const { return QFile::exists(path(ReprintFiles::generationName(n))); }
};

} // namespace

TEST_F(ReprintRotationTest, TenGenerationsMoveUpAndTheOldestIsDropped)
{
    for (int n = 1; n <= 10; ++n)
        writeBytes(ReprintFiles::generationName(n), "gen " + QByteArray::number(n) + "\r\n");
    writeBytes(QStringLiteral("Ticket.run"), "new\r\n");
    ASSERT_TRUE(ReprintFiles::rotate(QString()));
    EXPECT_EQ(generation(1), QByteArray("new\r\n"));
    for (int n = 2; n <= 10; ++n)
        EXPECT_EQ(generation(n), "gen " + QByteArray::number(n - 1) + "\r\n") << n;
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run"))));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 10);
}

TEST_F(ReprintRotationTest, GapsMoveUpWithTheGenerations)
{
    writeBytes(QStringLiteral("PrevRun.001"), "one\r\n");
    writeBytes(QStringLiteral("PrevRun.003"), "three\r\n");
    writeBytes(QStringLiteral("ticket.RUN"), "new\r\n");
    ASSERT_TRUE(ReprintFiles::rotate(QString()));
    EXPECT_EQ(generation(1), QByteArray("new\r\n"));
    EXPECT_EQ(generation(2), QByteArray("one\r\n"));
    EXPECT_FALSE(hasGeneration(3));
    EXPECT_EQ(generation(4), QByteArray("three\r\n"));
}

TEST_F(ReprintRotationTest, NamesOfAnyCaseAreMovedAndTheDataPathIsUsed)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("data")));
    writeBytes(QStringLiteral("data/prevrun.010"), "ten\r\n");
    writeBytes(QStringLiteral("data/PREVRUN.002"), "two\r\n");
    writeBytes(QStringLiteral("data/TICKET.RUN"), "new\r\n");
    writeBytes(QStringLiteral("PrevRun.001"), "elsewhere\r\n");
    ASSERT_TRUE(ReprintFiles::rotate(QStringLiteral("data\\")));
    const QStringList files = QDir(path(QStringLiteral("data"))).entryList(QDir::Files);
    EXPECT_EQ(files, (QStringList{"PrevRun.001", "PrevRun.003"}));
    EXPECT_EQ(readBytes(QStringLiteral("data/PrevRun.001")), QByteArray("new\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("data/PrevRun.003")), QByteArray("two\r\n"));
    EXPECT_EQ(readBytes(QStringLiteral("PrevRun.001")), QByteArray("elsewhere\r\n"));
}

TEST_F(ReprintRotationTest, StepThatFailsStopsTheRotationBeforeAnythingIsOverwritten)
{
    // A folder holding a file in the oldest generation's place cannot be
    // deleted; moving .009 onto it would fail too.
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("PrevRun.010/kept")));
    writeBytes(QStringLiteral("PrevRun.009"), "nine\r\n");
    writeBytes(QStringLiteral("PrevRun.001"), "one\r\n");
    writeBytes(QStringLiteral("Ticket.run"), "new\r\n");
    QString error;
    EXPECT_FALSE(ReprintFiles::rotate(QString(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("PrevRun.010"))) << error.toStdString();
    EXPECT_EQ(generation(9), QByteArray("nine\r\n"));
    EXPECT_EQ(generation(1), QByteArray("one\r\n"));
    EXPECT_FALSE(hasGeneration(2));
    EXPECT_EQ(readBytes(QStringLiteral("Ticket.run")), QByteArray("new\r\n"));
}

TEST_F(ReprintRotationTest, ElevenRunsKeepTheLastTen)
{
    PrintMgr& w = load();
    setTicketType(4);
    for (int run = 1; run <= 11; ++run) {
        writeBytes(QStringLiteral("Ticket.run"), runLines(run, QStringLiteral("R%1").arg(run)));
        w.TMButton_Click(0);
    }
    EXPECT_EQ(m_printed.size(), 11);
    EXPECT_EQ(generation(1), runLines(11, QStringLiteral("R11")));
    EXPECT_EQ(generation(10), runLines(2, QStringLiteral("R2")));
    EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("PrevRun.*")}, QDir::Files).size(), 10);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Ticket.run"))));
}
