#include "platform/shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>

#include <unistd.h>

namespace platform {

namespace {

// The one request a later start sends.
const QByteArray RaiseRequest("raise\n");
constexpr int ConnectTimeoutMs = 1000;
constexpr int WriteTimeoutMs = 1000;
// Longer than one start holds the lock: asking and taking the name.
constexpr int LockWaitMs = 3000;
// Hex digits of the folder digest kept in a key: 80 bits.
constexpr int FolderDigestLength = 20;

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), m_name(serverNameFor(key))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::serverNameFor(const QString& key)
{
    return QStringLiteral("%1.%2").arg(key).arg(qulonglong(::getuid()));
}

QString SingleInstance::folderKey(const QString& name, const QString& folder)
{
    const QFileInfo info(folder);
    // A folder that cannot be resolved (removed meanwhile) keys by its
    // absolute path.
    QString path = info.canonicalFilePath();
    if (path.isEmpty())
        path = QDir::cleanPath(info.absoluteFilePath());
    const QByteArray digest =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("%1 %2").arg(name, QString::fromLatin1(digest.left(FolderDigestLength)));
}

bool SingleInstance::isListening() const
{
    return m_server && m_server->isListening();
}

bool SingleInstance::activatePrevInstance()
{
    if (isListening())
        return false;
    // Two starts at once must not both find the name free and both take it
    // (the later one clearing the earlier one's socket as left over): the
    // asking and the taking happen under a lock. QLockFile takes over a lock
    // whose holder died; a lock still held after the wait is not waited for
    // any longer, so no start is refused for good.
    QLockFile lock(QDir(QDir::tempPath()).filePath(m_name + QStringLiteral(".lock")));
    lock.tryLock(LockWaitMs);
    return askOrTakeTheName();
}

bool SingleInstance::askOrTakeTheName()
{
    if (askRunningInstance())
        return true;
    if (listen())
        return false;
    // Another start may have taken the name between the two steps.
    return askRunningInstance();
}

bool SingleInstance::askRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    // The request is queued in the socket; the running instance reads it
    // from its own event loop, so nothing here waits for an answer.
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(WriteTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    }
    if (m_server->listen(m_name))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // Nobody answered on the name, so its socket file is left from an
    // instance that ended without closing it.
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket* socket)
{
    while (socket->canReadLine()) {
        if (socket->readLine() == RaiseRequest)
            bringWindowToFront();
    }
    // Anything longer than the request without a line end is not ours.
    if (socket->bytesAvailable() > RaiseRequest.size())
        socket->abort();
}

void SingleInstance::bringWindowToFront()
{
    if (QWidget* window = m_window.data()) {
        if (window->isMinimized())
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->activateWindow();
    }
    emit activationRequested();
}

} // namespace platform
