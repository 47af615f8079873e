#include "session/ConnectionTimers.h"
#include "session/clsConnection.h"
#include "support/ServerProfiles.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

namespace {

const QString kAttempt = QStringLiteral("Attempting to connect to Battle.net...");
const QString kRefused = QStringLiteral("Error #10061 - Connection is forcefully rejected");

QString Waiting(int seconds)
{
    return QStringLiteral("Reconnecting in %1 seconds (F3 stops it).").arg(seconds);
}

bool WaitForLineCount(const ServerProfiles &profiles, int index, const QString &line, qsizetype count)
{
    return WaitUntil([&] { return profiles.chatLines(index).filter(line).size() >= count; });
}

// Profile 0's server refuses its connection.
class AutoReconnect : public ::testing::Test {
protected:
    void refuseConnection(int profileCount)
    {
        profiles.startUp(profileCount);
        profiles.server.stopListening();
        app().profile(0).connection().Connect(app().profile(0).record().Server);
        ASSERT_TRUE(WaitForLineCount(profiles, 0, kRefused, 1));
    }
    const ProfileHost &app() const { return profiles.host; }
    void after(quint32 milliseconds)
    {
        profiles.clock().advance(milliseconds);
        app().timers().tmrAutoReconnect_Timer();
    }

    ServerProfiles profiles;
};

TEST_F(AutoReconnect, ARefusedConnectionIsRetriedFurtherAndFurtherApartUntilItSucceeds)
{
    refuseConnection(2);
    ProfileHost &app = profiles.host;
    const QString refused = kRefused + QStringLiteral(" (") + app.profile(0).record().Server + QStringLiteral(")");
    EXPECT_EQ(profiles.chatLines(0), QStringList({kAttempt, refused, Waiting(10)}))
        << "the server is named, and a connection that never opened is not said to be disconnected";
    EXPECT_TRUE(app.profile(0).state().ReconnectPending);
    EXPECT_TRUE(app.timers().autoReconnectEnabled());

    qsizetype attempts = 1;
    for (const int wait : {10, 30, 60, 300, 300}) {
        after(static_cast<quint32>(wait) * 1000 - 1);
        EXPECT_EQ(profiles.chatLines(0).count(kAttempt), attempts) << "not a moment early";
        after(1);
        ASSERT_TRUE(WaitForLineCount(profiles, 0, kRefused, ++attempts));
        EXPECT_EQ(profiles.chatLines(0).last(), Waiting(wait == 10 ? 30 : wait == 30 ? 60 : 300));
    }
    EXPECT_EQ(profiles.chatLines(1).count(kAttempt), 0) << "only the profile that failed is retried";

    // The server is back (here: the profile's setting now names a live one).
    TestServer live;
    app.profile(0).record().Server = live.address();
    after(300000);
    ASSERT_TRUE(live.waitForMessages(0, 2));
    EXPECT_TRUE(app.profile(0).isConnected());
    EXPECT_TRUE(app.timers().autoReconnectEnabled()) << "retries go on until the profile enters chat";
    EXPECT_TRUE(profiles.errorLogText().isEmpty());
}

TEST_F(AutoReconnect, StopsWhenNoProfileWaitsForItAnyMore)
{
    refuseConnection(1);
    ProfileHost &app = profiles.host;
    app.profile(0).connection().Disconnect();
    EXPECT_FALSE(app.profile(0).state().ReconnectPending);
    after(300000);
    EXPECT_FALSE(app.timers().autoReconnectEnabled());
    EXPECT_EQ(profiles.chatLines(0).count(kAttempt), 1);
}

TEST_F(AutoReconnect, ADeletedProfileIsNotRetried)
{
    profiles.startUp(1);
    ProfileHost &app = profiles.host;
    app.profile(0).state().ReconnectPending = true;
    app.profile(0).record().Active = false;
    app.timers().EnableAutoReconnect();
    app.timers().tmrAutoReconnect_Timer();
    EXPECT_FALSE(app.timers().autoReconnectEnabled());
    EXPECT_EQ(profiles.chatLines(0).count(kAttempt), 0);
}

} // namespace
