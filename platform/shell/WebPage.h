#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkReply;

namespace platform {

// Fetches a web page with a time-out, and shows an address in the desktop's
// browser. Neither a missing network nor a missing browser stops the
// program: each failure comes back as a result.
class WebPage : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeoutMs = 10000;

    explicit WebPage(QObject* parent = nullptr);
    ~WebPage() override;

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    int timeout() const { return m_timeoutMs; }

    // Starts fetching url; finished() follows exactly once, also after a
    // failure or the time-out. A fetch while one is running is refused
    // (false) and the running one goes on.
    bool fetch(const QUrl& url);
    bool isBusy() const { return !m_reply.isNull(); }

    // Opens url in the desktop's browser; false when none could be started.
    static bool showInBrowser(const QUrl& url);

signals:
    // ok: the page came back (an HTTP success); text is its content.
    // Otherwise error says what went wrong.
    void finished(bool ok, const QString& text, const QString& error);

private:
    void onFinished();
    void onTimeout();

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    QTimer m_timer;
    int m_timeoutMs = DefaultTimeoutMs;
    bool m_timedOut = false;
};

} // namespace platform
