#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMap>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "entry/store/TicketRecord.h"
#include "entry/window/MainFrm.h"
#include "platform/shell/SingleInstance.h"
#include "support/TempDirTest.h"

using namespace platform;

namespace {

// Generous: the program may run under the sanitizers.
constexpr int StartWaitMs = 60000;

QString keyOf(const QString& folder)
{
    return SingleInstance::folderKey(MainFrm::ProgramTitle, folder);
}

// Every file under a folder with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            files.insert(file.fileName(), file.readAll());
    }
    return files;
}

// The socket file a program leaves when it dies: bound, then closed without
// being removed.
void leaveDeadSocket(const QString& key)
{
    const QByteArray path =
        QFile::encodeName(QDir(QDir::tempPath()).filePath(SingleInstance::serverNameFor(key)));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(path.size()), sizeof(address.sun_path));
    memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
}

// True once a program answers on the key, false when it ended first.
bool answersOn(const QString& key, const QProcess& program)
{
    const QDeadlineTimer deadline(StartWaitMs);
    while (!deadline.hasExpired() && program.state() != QProcess::NotRunning) {
        QLocalSocket socket;
        socket.connectToServer(SingleInstance::serverNameFor(key));
        if (socket.waitForConnected(1000))
            return true;
        QTest::qWait(50);
    }
    return false;
}

class ProgramStartTest : public TempDirTest
{
};

} // namespace

// The running program is the main window loaded here on its folder, with
// a waiting ticket, holding the folder's key as the program's start does.
TEST_F(ProgramStartTest, OneTicketEntryProgramRunsPerWorkingFolder)
{
    writeBytes(QStringLiteral("ZRPRT.DAT"), "\"1\"\r\n");
    MainFrm running;
    running.Form_Load();
    TicketRecord rec;
    rec.Title1 = QStringLiteral("SUMMER");
    rec.OrderQty = {3};
    ASSERT_TRUE(running.store().PutTicketRecord(rec, 1));
    running.LoadPrintFile();
    SingleInstance instance(keyOf(QDir::currentPath()));
    ASSERT_FALSE(instance.activatePrevInstance());
    instance.setWindow(&running);
    QSignalSpy asked(&instance, &SingleInstance::activationRequested);
    const QMap<QString, QByteArray> files = filesUnder(QDir::currentPath());
    ASSERT_TRUE(files.contains(path(QStringLiteral("ZRPRT.DAT"))));

    QTemporaryDir other;
    QTemporaryDir otherAfterACrash;
    const struct
    {
        const char* name;
        QString folder;
        bool deadSocketLeft; // a program on the folder died without tidying up
        bool ends;           // else it runs beside the first
    } cases[] = {
        {"second start on the same folder", QDir::currentPath(), false, true},
        {"start on another folder", other.path(), false, false},
        {"start on a folder whose program died", otherAfterACrash.path(), true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        running.showMinimized();
        asked.clear();
        const QString key = keyOf(c.folder);
        if (c.deadSocketLeft)
            leaveDeadSocket(key);

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (!environment.contains(QStringLiteral("ASAN_OPTIONS")))
            environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(c.folder);
        program.start(QStringLiteral(TICKET_ENTRY_PROGRAM), QStringList());
        ASSERT_TRUE(program.waitForStarted(StartWaitMs));

        if (c.ends) {
            EXPECT_TRUE(program.waitForFinished(StartWaitMs));
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(program.exitCode(), 0);
            ASSERT_TRUE(asked.wait(StartWaitMs));
            EXPECT_FALSE(running.isMinimized());
        } else {
            EXPECT_TRUE(answersOn(key, program));
            EXPECT_EQ(program.state(), QProcess::Running);
            QTest::qWait(100);
            EXPECT_EQ(asked.count(), 0);
            EXPECT_TRUE(running.isMinimized());
        }
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(StartWaitMs);
            QLocalServer::removeServer(SingleInstance::serverNameFor(key));
        }
        EXPECT_TRUE(instance.isListening());
        EXPECT_EQ(filesUnder(QDir::currentPath()), files);
    }
}
