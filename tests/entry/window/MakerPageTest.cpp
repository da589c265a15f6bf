#include <QDesktopServices>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include "entry/window/MainFrm.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirTest.h"

using namespace platform;

// Stands in for the desktop's browser: records the addresses it is given.
class BrowserStandIn : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl& url) { opened << url; }
};

namespace {

// Serves one fixed page on the loopback interface.
class PageServer
{
public:
    explicit PageServer(const QByteArray& body)
    {
        const QByteArray response = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                                    "Content-Length: " +
                                    QByteArray::number(body.size()) +
                                    "\r\nConnection: close\r\n\r\n" + body;
        QObject::connect(&m_server, &QTcpServer::newConnection, [this, response] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, response] {
                    socket->readAll();
                    socket->write(response);
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
};

class MakerPageTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "openUrl");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        TempDirTest::TearDown();
    }
    // Clicks an information label and waits for the outcome.
    bool clickAndWait(MainFrm& frm, const QUrl& address)
    {
        frm.setMakerAddress(address);
        QSignalSpy done(&frm, &MainFrm::makerPageDone);
        frm.Label8_Click(1);
        EXPECT_TRUE(done.wait(15000));
        return done.count() == 1 && done.at(0).at(0).toBool();
    }
    void expectUnableMessage(const ScriptedDialogs& dialogs)
    {
        ASSERT_EQ(dialogs.messages().size(), 1);
        const ScriptedDialogs::Shown box = dialogs.messages().first();
        EXPECT_EQ(box.text, QStringLiteral("Unable to display page.\r\n\r\nPlease try later"));
        EXPECT_EQ(box.title, QStringLiteral("VelmarTag_v2"));
        EXPECT_EQ(box.icon, Dialogs::Icon::Critical);
        EXPECT_EQ(box.buttons, Dialogs::Buttons::OK);
    }

    BrowserStandIn browser;
};

} // namespace

TEST_F(MakerPageTest, AFoundPageOpensInTheBrowser)
{
    PageServer server("<html><body>Velmar</body></html>");
    ScriptedDialogs dialogs;
    MainFrm frm;
    EXPECT_TRUE(clickAndWait(frm, server.url()));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(browser.opened, QList<QUrl>{server.url()});
}

TEST_F(MakerPageTest, APageSayingError404IsNotShown)
{
    PageServer server("<html><body><h1>Error 404</h1> page not found</body></html>");
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    MainFrm frm;
    EXPECT_FALSE(clickAndWait(frm, server.url()));
    expectUnableMessage(dialogs);
    EXPECT_TRUE(browser.opened.isEmpty());
}

TEST_F(MakerPageTest, NoNetworkGivesTheSameNotice)
{
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Answer::OK);
    MainFrm frm;
    EXPECT_FALSE(clickAndWait(frm, QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port))));
    expectUnableMessage(dialogs);
    EXPECT_TRUE(browser.opened.isEmpty());
}

#include "MakerPageTest.moc"
