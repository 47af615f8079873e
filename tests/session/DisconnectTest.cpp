#include "channel/ChannelUserList.h"
#include "channel/ChannelUserModel.h"
#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"
#include "session/ConnectionTimers.h"
#include "session/clsConnection.h"
#include "support/ListedUser.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <QLabel>
#include <QListWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include <functional>

#include <sys/socket.h>

namespace {

TEST(Disconnect, ClosesTheSocketAndResetsTheProfilesConnectionState)
{
    ServerProgram profiles;
    profiles.startUp(2);
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    TarnwellApp &app = profiles.app();
    frmMain &window = app.mainWindow();
    qint16 colourIndex = 0;
    ProfileColor(app, colourIndex, false, false);
    EXPECT_EQ(window.lstProfiles->item(0)->foreground().color(), QColor(0x65, 0xD3, 0x46));
    app.profile(0).state().ReconnectPending = true;
    app.profile(0).state().EnterChatTick = 99;
    ListUser(app, 0, QStringLiteral("someone"));
    app.profile(0).users().AddUser(QStringLiteral("someone"), 10, 0, QStringLiteral("RATS"), 0);
    window.lblChlInfo->setText(QStringLiteral("Op Tarn (1)"));

    app.profile(0).connection().Disconnect();
    EXPECT_FALSE(app.isConnected(0));
    EXPECT_EQ(profiles.chatLines(0).last(), QStringLiteral("You have been disconnected from Battle.net."));
    EXPECT_EQ(window.lstProfiles->item(0)->foreground().color(), QColor(0xBD, 0x3D, 0x3D));
    EXPECT_FALSE(app.profile(0).state().ReconnectPending);
    EXPECT_EQ(app.profile(0).state().EnterChatTick, 0u);
    EXPECT_EQ(window.lstChannelUsers->rowCount(), 0);
    EXPECT_EQ(app.profile(0).users().UserlistCount(), 0);
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Disconnected [0]"));
    EXPECT_TRUE(profiles.server.waitForClientClose(connection));

    // A profile not on screen empties its own rows and leaves the screen alone.
    ListUser(app, 0, QStringLiteral("someone"));
    ListUser(app, 1, QStringLiteral("someone"));
    app.profile(1).connection().Disconnect();
    EXPECT_EQ(window.lstChannelUsers->rowCount(), 1);
    EXPECT_EQ(app.profile(1).bncs().rows().count(), 0);
    EXPECT_EQ(profiles.chatLines(1).last(), QStringLiteral("You have been disconnected from Battle.net."));
    EXPECT_TRUE(profiles.test.errorLogText().isEmpty());
}

TEST(Disconnect, AMessageSentJustBeforeStillReachesTheServer)
{
    ServerProgram profiles;
    profiles.startUp(1);
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    profiles.app().profile(0).connection().Sendx00();
    profiles.app().profile(0).connection().Disconnect();
    ASSERT_TRUE(profiles.server.waitForClientClose(connection));
    EXPECT_EQ(profiles.server.messages(connection).back().id, 0x00);
}

TEST(Disconnect, ACloseByTheServerDisconnectsWithoutReconnecting)
{
    ServerProgram profiles;
    profiles.startUp(1);
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    // The server's last words still count before the close.
    profiles.server.send(connection, TestServer::message(0x5E));
    profiles.server.close(connection);
    ASSERT_TRUE(WaitUntil([&] { return !profiles.app().isConnected(0); }));
    ASSERT_TRUE(WaitUntil([&] {
        return profiles.chatLines(0).last() == QStringLiteral("You have been disconnected from Battle.net.");
    }));
    const QStringList lines = profiles.chatLines(0);
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(QStringLiteral("You have received packet 0x5E.")));
    EXPECT_FALSE(profiles.app().profile(0).state().ReconnectPending);
    EXPECT_FALSE(profiles.app().timers().autoReconnectEnabled());
    EXPECT_EQ(lines.count(QStringLiteral("You have been disconnected from Battle.net.")), 1);
}

TEST(Disconnect, AResetByTheServerIsAnErrorThatReconnectsAndAPoliteCloseIsNot)
{
    const QString reset = QStringLiteral("Error #10054 - Connection is reset by remote side");
    const struct {
        const char *name;
        std::function<void(QTcpSocket &)> end;
        bool reconnects;
    } cases[] = {
        {"reset",
         [](QTcpSocket &server) {
             // Closing with a zero linger time resets, as a crashed server does.
             const linger none{1, 0};
             ::setsockopt(static_cast<int>(server.socketDescriptor()), SOL_SOCKET, SO_LINGER, &none, sizeof none);
             server.abort();
         },
         true},
        {"close in the middle of a message",
         [](QTcpSocket &server) {
             server.write(TestServer::message(0x25, "1234").left(6));
             server.disconnectFromHost();
         },
         false},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.name);
        ServerProgram profiles;
        profiles.startUp(1);
        QTcpServer server;
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
        profiles.app().profile(0).connection().Connect(QStringLiteral("127.0.0.1:") + QString::number(server.serverPort()));
        ASSERT_TRUE(WaitUntil([&] { return profiles.chatLines(0).last().startsWith(QStringLiteral("Connection has")); }));
        ASSERT_TRUE(WaitUntil([&] { return server.hasPendingConnections(); }));
        QTcpSocket *accepted = server.nextPendingConnection();
        // What the client sent is read first: a server that closes on unread
        // data resets the connection instead of closing it.
        constexpr qint64 kGreeting = 1 + 58 + 8;
        ASSERT_TRUE(WaitUntil([&] { return accepted->bytesAvailable() >= kGreeting; }));
        accepted->readAll();
        each.end(*accepted);
        ASSERT_TRUE(WaitUntil([&] {
            return profiles.chatLines(0).contains(QStringLiteral("You have been disconnected from Battle.net."));
        }));
        EXPECT_EQ(!profiles.chatLines(0).filter(reset).isEmpty(), each.reconnects);
        EXPECT_EQ(profiles.app().profile(0).state().ReconnectPending, each.reconnects);
        EXPECT_EQ(profiles.app().timers().autoReconnectEnabled(), each.reconnects);
        EXPECT_TRUE(profiles.test.errorLogText().isEmpty());
    }
}

} // namespace
