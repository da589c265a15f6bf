#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUuid>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "platform/shell/SingleInstance.h"

using namespace platform;

namespace {

// A key of its own for each test, so parallel runs never meet.
QString uniqueKey()
{
    return QStringLiteral("SingleInstanceTest ") +
           QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

TEST(SingleInstanceTest, FirstStartTakesTheKey)
{
    SingleInstance first(uniqueKey());
    EXPECT_FALSE(first.activatePrevInstance());
    EXPECT_TRUE(first.isListening());
}

TEST(SingleInstanceTest, SecondStartRestoresAndRaisesTheFirstWindowAndEnds)
{
    const QString key = uniqueKey();
    QWidget window;
    window.setWindowTitle(key);
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());

    SingleInstance first(key);
    first.setWindow(&window);
    ASSERT_FALSE(first.activatePrevInstance());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    SingleInstance second(key);
    EXPECT_TRUE(second.activatePrevInstance());
    EXPECT_FALSE(second.isListening());

    ASSERT_TRUE(asked.wait(5000));
    EXPECT_EQ(asked.count(), 1);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    // The first instance keeps answering later starts.
    EXPECT_TRUE(first.isListening());
}

TEST(SingleInstanceTest, DifferentKeysDoNotMeet)
{
    SingleInstance first(uniqueKey());
    SingleInstance other(uniqueKey());
    EXPECT_FALSE(first.activatePrevInstance());
    EXPECT_FALSE(other.activatePrevInstance());
    EXPECT_TRUE(other.isListening());
}

TEST(SingleInstanceTest, KeyIsFreeAgainWhenTheFirstInstanceEnds)
{
    const QString key = uniqueKey();
    auto first = std::make_unique<SingleInstance>(key);
    ASSERT_FALSE(first->activatePrevInstance());
    first.reset();

    SingleInstance next(key);
    EXPECT_FALSE(next.activatePrevInstance());
    EXPECT_TRUE(next.isListening());
}

TEST(SingleInstanceTest, SocketFileLeftByADeadInstanceIsTakenOver)
{
    const QString key = uniqueKey();
    const QString socketPath = QDir(QDir::tempPath()).filePath(SingleInstance::serverNameFor(key));
    {
        QFile leftOver(socketPath);
        ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    }

    SingleInstance first(key);
    EXPECT_FALSE(first.activatePrevInstance());
    EXPECT_TRUE(first.isListening());

    SingleInstance second(key);
    EXPECT_TRUE(second.activatePrevInstance());
}

TEST(SingleInstanceTest, AFolderKeyNamesTheFolderHoweverItIsWritten)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("shop")));
    ASSERT_TRUE(dir.mkpath(QStringLiteral("other")));
    const QString longName(200, QLatin1Char('x'));
    ASSERT_TRUE(dir.mkpath(longName));
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("shop")), dir.filePath(QStringLiteral("link"))));
    const QString shop =
        SingleInstance::folderKey(QStringLiteral("Program"), dir.filePath(QStringLiteral("shop")));

    const struct
    {
        const char* name;
        QString folder;
        bool sameAsShop;
    } cases[] = {
        {"trailing slash", dir.filePath(QStringLiteral("shop/")), true},
        {"through its parent", dir.filePath(QStringLiteral("other/../shop")), true},
        {"through a link", dir.filePath(QStringLiteral("link")), true},
        {"another folder", dir.filePath(QStringLiteral("other")), false},
        {"a long path", dir.filePath(longName), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString key = SingleInstance::folderKey(QStringLiteral("Program"), c.folder);
        EXPECT_EQ(key == shop, c.sameAsShop);
        // Short enough for a local socket's path however long the folder's.
        EXPECT_EQ(key.size(), shop.size());
        SingleInstance instance(key);
        EXPECT_FALSE(instance.activatePrevInstance());
        EXPECT_TRUE(instance.isListening());
    }
}
