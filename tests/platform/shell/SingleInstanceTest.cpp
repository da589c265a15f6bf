#include <QDir>
#include <QFile>
#include <QSignalSpy>
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
