#include "display/ClickableLabel.h"
#include "profiles/frmMain.h"
#include "support/PaneRuns.h"
#include "support/TestApp.h"
#include "support/TestServer.h"
#include "support/WaitUntil.h"
#include "update/UpdateCheck.h"
#include "update/UpdateReply.h"
#include "update/frmAbout.h"
#include "update/frmUpdate.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTcpSocket>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Takes the addresses the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

QByteArray reply(const QByteArray &version)
{
    return "HTTP/1.1 200 OK\r\nDate: Tue, 08 Dec 2026 13:05:09 GMT\r\nServer: Apache\r\n"
           "Last-Modified: Mon, 07 Dec 2026 10:00:00 GMT\r\nETag: \"5-1\"\r\nAccept-Ranges: bytes\r\n"
           "Content-Length: 5\r\nKeep-Alive: timeout=15\r\nContent-Type: text/plain\r\n\r\n" +
           version + "\r\n";
}

class UpdateCheckTest : public ::testing::Test {
protected:
    TestApp test;
    TestServer server;
    UpdateCheck &check = test.app->updateCheck();

    void SetUp() override
    {
        test.startUp();
        check.setServer({QStringLiteral("127.0.0.1"), server.port()});
    }
    // Starts the check against the server and waits for its whole request.
    void startAndAwaitRequest(const TestServer &to)
    {
        check.setServer({QStringLiteral("127.0.0.1"), to.port()});
        check.start();
        ASSERT_TRUE(to.waitForBytes(0, 4));
        ASSERT_TRUE(WaitUntil([&] { return to.received(0).endsWith("\r\n\r\n"); }));
    }
    void startAndAwaitRequest() { startAndAwaitRequest(server); }
};

TEST_F(UpdateCheckTest, ANewerVersionIsOfferedWithItsDownloadAddress)
{
    startAndAwaitRequest();
    EXPECT_EQ(server.received(0), "GET /de/TarnwellVer.txt HTTP/1.1\r\nUser-Agent: Tarnwell\r\nHost: 127.0.0.1\r\n"
                                  "Connection: Keep-Alive\r\n\r\n");
    server.send(0, reply("1.1.3"));
    ASSERT_TRUE(WaitUntil([&] { return check.notice() && check.notice()->isVisible(); }));
    frmUpdate &notice = *check.notice();
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("Time for an Update!"));
    EXPECT_EQ(notice.lblCurrent->text(), QStringLiteral("1.1.3"));
    EXPECT_EQ(notice.lblYour->text(), QStringLiteral("1.1.2"));
    EXPECT_FALSE(server.clientClosed(0)) << "the client leaves the connection open";

    UrlCatcher browser;
    QTest::mouseClick(notice.lblDownload, Qt::LeftButton);
    EXPECT_EQ(browser.opened,
              QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:%1/de/Tarnwell_Upgrade.exe").arg(server.port()))});
    EXPECT_TRUE(notice.isVisible());
    QTest::mouseClick(notice.lblSkip, Qt::LeftButton);
    EXPECT_FALSE(notice.isVisible());
}

TEST_F(UpdateCheckTest, AReplyInThreePiecesIsGatheredUntilItsEleventhLine)
{
    startAndAwaitRequest();
    const QByteArray whole = reply("1.1.3");
    const qsizetype cuts[] = {0, 30, whole.size() - 3, whole.size()};
    for (int piece = 0; piece < 3; ++piece) {
        server.send(0, whole.mid(cuts[piece], cuts[piece + 1] - cuts[piece]));
        if (piece < 2) {
            ASSERT_TRUE(WaitUntil([&] { return check.gatheredBytes() == cuts[piece + 1]; }));
        }
        EXPECT_EQ(check.notice(), nullptr);
    }
    ASSERT_TRUE(WaitUntil([&] { return check.notice() != nullptr; }));
    EXPECT_EQ(check.notice()->lblCurrent->text(), QStringLiteral("1.1.3"));
}

TEST_F(UpdateCheckTest, NoNoticeForAnOlderEqualOrEmptyVersion)
{
    const QString before = test.chatText(0);
    for (const char *version : {"1.1.2", "1.0.9", "1.1.10", ""}) {
        TestServer each;
        startAndAwaitRequest(each);
        each.send(0, reply(version));
        each.close(0);
        ASSERT_TRUE(WaitUntil([&] { return check.sckVersion->state() == QAbstractSocket::UnconnectedState; }));
        EXPECT_EQ(check.notice(), nullptr) << version;
    }
    EXPECT_EQ(test.chatText(0), before) << "nothing is written";
}

TEST_F(UpdateCheckTest, AnUnreachableServerIsReportedInRedInTheCurrentPane)
{
    server.stopListening();
    check.start();
    ASSERT_TRUE(WaitUntil([&] { return test.chatText(0).contains(QStringLiteral("Update version")); }));
    EXPECT_EQ(LastLineRuns(test.app->profile(0).pane()),
              (std::vector<TextRun>{{QStringLiteral("Update version Error #10061 - Connection is forcefully rejected"),
                                     QColor(0xBD, 0x3D, 0x3D)}}));
}

TEST_F(UpdateCheckTest, AMegabyteWithoutLineBreaksIsDroppedWithinTheBound)
{
    startAndAwaitRequest();
    server.send(0, QByteArray(1 << 20, 'x'));
    qsizetype mostHeld = 0;
    ASSERT_TRUE(WaitUntil([&] {
        mostHeld = std::max(mostHeld, check.gatheredBytes());
        return server.clientClosed(0);
    }));
    EXPECT_LE(mostHeld, kMaxUpdateReplyBytes + 1);
    EXPECT_EQ(check.notice(), nullptr);
    EXPECT_FALSE(test.chatText(0).contains(QStringLiteral("Update version")));
}

TEST_F(UpdateCheckTest, WithoutAnUpdateServerNothingIsDialled)
{
    check.setServer({});
    check.start();
    EXPECT_EQ(check.sckVersion->state(), QAbstractSocket::UnconnectedState);
}

TEST(AboutWindow, TheAboutLabelOpensItAndCloseClosesIt)
{
    TestApp test;
    test.startUp();
    QTest::mouseClick(test.app->mainWindow().lblAbout, Qt::LeftButton);
    frmAbout &about = test.app->aboutWindow();
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Tarnwell"));
    QTest::mouseClick(about.lblClose, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

} // namespace

#include "UpdateCheckTest.moc"
