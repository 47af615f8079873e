#include "channel/ChannelUserList.h"
#include "channel/clsUsers.h"
#include "profiles/frmMain.h"
#include "session/ConnectionTimers.h"
#include "session/clsConnection.h"
#include "profiles/modProfiles.h"
#include "support/ServerProfiles.h"
#include "support/WaitUntil.h"

#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

TEST(Disconnect, ClosesTheSocketAndResetsTheProfilesConnectionState)
{
    ServerProfiles profiles;
    profiles.startUp(2);
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    TarnwellApp &app = profiles.app();
    frmMain &window = app.mainWindow();
    qint16 colourIndex = 0;
    ProfileColor(app, colourIndex, false, false);
    EXPECT_EQ(window.lstProfiles->item(0)->foreground().color(), QColor(0x65, 0xD3, 0x46));
    app.record(0).ReconnectPending = true;
    app.record(0).EnterChatTick = 99;
    window.lstChannelUsers->insertRow(0, QStringLiteral(" someone"));
    app.users(0).AddUser(QStringLiteral("someone"), 10, 0, QStringLiteral("RATS"), 0);
    window.lblChlInfo->setText(QStringLiteral("Op Tarn (1)"));

    app.connection(0).Disconnect();
    EXPECT_FALSE(app.isConnected(0));
    EXPECT_EQ(profiles.chatLines(0).last(), QStringLiteral("You have been disconnected from Battle.net."));
    EXPECT_EQ(window.lstProfiles->item(0)->foreground().color(), QColor(0xBD, 0x3D, 0x3D));
    EXPECT_FALSE(app.record(0).ReconnectPending);
    EXPECT_EQ(app.record(0).EnterChatTick, 0u);
    EXPECT_EQ(window.lstChannelUsers->rowCount(), 0);
    EXPECT_EQ(app.users(0).UserlistCount(), 0);
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Disconnected [0]"));
    EXPECT_TRUE(profiles.server.waitForClientClose(connection));

    // A profile not on screen leaves the shared controls alone.
    window.lstChannelUsers->insertRow(0, QStringLiteral(" someone"));
    app.connection(1).Disconnect();
    EXPECT_EQ(window.lstChannelUsers->rowCount(), 1);
    EXPECT_EQ(profiles.chatLines(1).last(), QStringLiteral("You have been disconnected from Battle.net."));
    EXPECT_TRUE(profiles.test.errorLogText().isEmpty());
}

TEST(Disconnect, AMessageSentJustBeforeStillReachesTheServer)
{
    ServerProfiles profiles;
    profiles.startUp(1);
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    profiles.app().connection(0).Sendx00();
    profiles.app().connection(0).Disconnect();
    ASSERT_TRUE(profiles.server.waitForClientClose(connection));
    EXPECT_EQ(profiles.server.messages(connection).back().id, 0x00);
}

TEST(Disconnect, ACloseByTheServerDisconnectsWithoutReconnecting)
{
    ServerProfiles profiles;
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
    EXPECT_FALSE(profiles.app().record(0).ReconnectPending);
    EXPECT_FALSE(profiles.app().timers().autoReconnectEnabled());
    EXPECT_EQ(lines.count(QStringLiteral("You have been disconnected from Battle.net.")), 1);
}

} // namespace
