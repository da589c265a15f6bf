#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include "platform/shell/WebPage.h"
#include "support/QStringPrinter.h"

using namespace platform;

namespace {

// A one-page web server on the loopback interface. An empty response makes
// it accept connections and never answer.
class PageServer
{
public:
    explicit PageServer(const QByteArray& response) : m_response(response)
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    socket->readAll();
                    if (m_response.isEmpty())
                        return;
                    socket->write(m_response);
                    socket->disconnectFromHost();
                });
            }
        });
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
    }
    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort()));
    }

private:
    QTcpServer m_server;
    QByteArray m_response;
};

QByteArray httpResponse(const QByteArray& status, const QByteArray& body)
{
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

struct Outcome
{
    bool ok = false;
    QString text;
    QString error;
};

Outcome fetchAndWait(WebPage& page, const QUrl& url)
{
    QSignalSpy finished(&page, &WebPage::finished);
    EXPECT_TRUE(page.fetch(url));
    EXPECT_TRUE(finished.wait(5000));
    Outcome outcome;
    if (finished.count() == 1) {
        outcome.ok = finished.at(0).at(0).toBool();
        outcome.text = finished.at(0).at(1).toString();
        outcome.error = finished.at(0).at(2).toString();
    }
    return outcome;
}

} // namespace

TEST(WebPageFetch, GivesThePageText)
{
    PageServer server(httpResponse("200 OK", "<html><body>Welcome</body></html>"));
    WebPage page;
    const Outcome outcome = fetchAndWait(page, server.url());
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.text.contains(QStringLiteral("Welcome")));
    EXPECT_FALSE(page.isBusy());
}

TEST(WebPageFetch, AMissingPageIsAFailure)
{
    PageServer server(httpResponse("404 Not Found", "<html>Error 404</html>"));
    WebPage page;
    const Outcome outcome = fetchAndWait(page, server.url());
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.error.isEmpty());
}

TEST(WebPageFetch, ASilentServerEndsInTheTimeOut)
{
    PageServer server{QByteArray()};
    WebPage page;
    page.setTimeout(300);
    const Outcome outcome = fetchAndWait(page, server.url());
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains(QStringLiteral("No answer")));
}

TEST(WebPageFetch, NoServerIsAFailureNotAStop)
{
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    WebPage page;
    const Outcome outcome =
        fetchAndWait(page, QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
    EXPECT_FALSE(outcome.ok);
}

TEST(WebPageFetch, OneFetchAtATime)
{
    PageServer server{QByteArray()};
    WebPage page;
    page.setTimeout(300);
    QSignalSpy finished(&page, &WebPage::finished);
    ASSERT_TRUE(page.fetch(server.url()));
    EXPECT_TRUE(page.isBusy());
    EXPECT_FALSE(page.fetch(server.url()));
    EXPECT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.count(), 1);
}
