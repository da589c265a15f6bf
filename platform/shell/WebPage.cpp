#include "platform/shell/WebPage.h"

#include <QDesktopServices>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace platform {

WebPage::WebPage(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &WebPage::onTimeout);
}

WebPage::~WebPage()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

bool WebPage::fetch(const QUrl& url)
{
    if (isBusy())
        return false;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    m_timedOut = false;
    m_reply = m_manager.get(request);
    connect(m_reply.data(), &QNetworkReply::finished, this, &WebPage::onFinished);
    // The whole fetch, not only a stalled transfer, is bounded.
    m_timer.start(m_timeoutMs);
    return true;
}

void WebPage::onTimeout()
{
    if (!m_reply)
        return;
    m_timedOut = true;
    m_reply->abort(); // finishes the reply, which reports the time-out
}

void WebPage::onFinished()
{
    m_timer.stop();
    QNetworkReply* reply = m_reply.data();
    m_reply.clear();
    if (!reply)
        return;
    reply->deleteLater();

    bool ok = reply->error() == QNetworkReply::NoError;
    QString error;
    QString text;
    if (m_timedOut) {
        ok = false;
        error = tr("No answer from %1 within %2 seconds.")
                    .arg(reply->url().toString())
                    .arg(m_timeoutMs / 1000.0);
    } else if (!ok) {
        error = reply->errorString();
    } else {
        text = QString::fromUtf8(reply->readAll());
    }
    emit finished(ok, text, error);
}

bool WebPage::showInBrowser(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace platform
