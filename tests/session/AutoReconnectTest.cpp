#include "session/ConnectionTimers.h"
#include "session/clsConnection.h"
#include "support/ServerProfiles.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

namespace {

const QString kAttempt = QStringLiteral("Attempting to connect to Battle.net...");
const QString kRefused = QStringLiteral("Error #10061 - Connection is forcefully rejected");
const QString kDisconnected = QStringLiteral("You have been disconnected from Battle.net.");

bool WaitForLineCount(const ServerProfiles &profiles, int index, const QString &line, qsizetype count)
{
    return WaitUntil([&] { return profiles.chatLines(index).count(line) >= count; });
}

// Profile 0's server refuses its connection.
class AutoReconnect : public ::testing::Test {
protected:
    void refuseConnection(int profileCount)
    {
        profiles.startUp(profileCount);
        profiles.server.stopListening();
        app().connection(0).Connect(app().record(0).Server);
        ASSERT_TRUE(WaitForLineCount(profiles, 0, kDisconnected, 1));
    }
    TarnwellApp &app() const { return profiles.app(); }

    ServerProfiles profiles;
};

TEST_F(AutoReconnect, ARefusedConnectionIsRetriedOnEveryTimerEventUntilItSucceeds)
{
    refuseConnection(2);
    TarnwellApp &app = profiles.app();
    EXPECT_EQ(profiles.chatLines(0).mid(1), QStringList({kAttempt, kRefused, kDisconnected}));
    EXPECT_TRUE(app.record(0).ReconnectPending);
    EXPECT_TRUE(app.timers().autoReconnectEnabled());

    app.timers().tmrAutoReconnect_Timer();
    ASSERT_TRUE(WaitForLineCount(profiles, 0, kDisconnected, 2));
    EXPECT_EQ(profiles.chatLines(0).mid(4), QStringList({kAttempt, kRefused, kDisconnected}));
    EXPECT_EQ(profiles.chatLines(1).count(kAttempt), 0) << "only the profile that failed is retried";

    // The server is back (here: the profile's setting now names a live one).
    TestServer live;
    app.record(0).Server = live.address();
    app.timers().tmrAutoReconnect_Timer();
    ASSERT_TRUE(live.waitForMessages(0, 2));
    EXPECT_TRUE(app.isConnected(0));
    EXPECT_TRUE(app.timers().autoReconnectEnabled()) << "retries go on until the profile enters chat";
    EXPECT_TRUE(profiles.test.errorLogText().isEmpty());
}

TEST_F(AutoReconnect, StopsWhenNoProfileWaitsForItAnyMore)
{
    refuseConnection(1);
    TarnwellApp &app = profiles.app();
    app.connection(0).Disconnect();
    EXPECT_FALSE(app.record(0).ReconnectPending);
    app.timers().tmrAutoReconnect_Timer();
    EXPECT_FALSE(app.timers().autoReconnectEnabled());
    EXPECT_EQ(profiles.chatLines(0).count(kAttempt), 1);
}

TEST_F(AutoReconnect, ADeletedProfileIsNotRetried)
{
    profiles.startUp(1);
    TarnwellApp &app = profiles.app();
    app.record(0).ReconnectPending = true;
    app.record(0).Active = false;
    app.timers().EnableAutoReconnect();
    app.timers().tmrAutoReconnect_Timer();
    EXPECT_FALSE(app.timers().autoReconnectEnabled());
    EXPECT_EQ(profiles.chatLines(0).count(kAttempt), 0);
}

} // namespace
