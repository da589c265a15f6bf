#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace platform {

// One running instance per key (a program's window title, or a program and
// its working folder) and user. The first instance listens on a local socket
// named after the key; a later start finds it, asks it to restore and raise
// its window, and ends.
//
// The server keeps Qt's default socket options: with any option set,
// QLocalServer silently takes over a name another instance still serves.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another instance holds the key; it has been asked to bring
    // its window to the front and this instance should end. Otherwise this
    // instance takes the key (false). A socket file left by an instance that
    // died is cleared first.
    bool activatePrevInstance();

    // The window a later start restores (when minimised) and raises.
    void setWindow(QWidget* window) { m_window = window; }

    // True while this instance answers later starts.
    bool isListening() const;
    // The socket name used for a key: the key and the user's id, so that
    // two users of one machine each get their own instance.
    static QString serverNameFor(const QString& key);

    // The key of a program that runs once per working folder: its name and a
    // digest of the folder's canonical path, so that every spelling of one
    // folder meets one instance and the socket name stays short however
    // long the path is.
    static QString folderKey(const QString& name, const QString& folder);

signals:
    // A later start asked for the window; it has been brought to the front.
    void activationRequested();

private:
    bool askOrTakeTheName();
    bool askRunningInstance();
    bool listen();
    void acceptConnections();
    void readRequest(QLocalSocket* socket);
    void bringWindowToFront();

    QString m_name;
    QLocalServer* m_server = nullptr;
    QPointer<QWidget> m_window;
};

} // namespace platform
