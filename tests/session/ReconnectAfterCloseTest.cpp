#include "profiles/MoreOptions.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "session/ConnectionTimers.h"
#include "session/clsConnection.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

const QString kAttempt = QStringLiteral("Attempting to connect to Battle.net...");
const QString kDisconnected = QStringLiteral("You have been disconnected from Battle.net.");

QString Waiting(int seconds)
{
    return QStringLiteral("Reconnecting in %1 seconds (F3 stops it).").arg(seconds);
}

class ReconnectAfterCloseTest : public ::testing::Test {
protected:
    ServerProgram profiles;
    TarnwellApp &app() const { return profiles.app(); }

    void startUp(const QString &option)
    {
        profiles.startUp(1);
        app().settings().WriteProfileSetting(QStringLiteral("Profile0"), MoreOptions::kSection,
                                             MoreOptions::kReconnectAfterClose, option);
        LoadInfo(app(), QStringLiteral("Profile0"), 0, true);
    }
    qsizetype count(const QString &line) const { return profiles.chatLines(0).count(line); }
    bool waitFor(const QString &line, qsizetype times) const
    {
        return WaitUntil([&] { return count(line) >= times; });
    }
    // Moves the clock on and lets the reconnection look at it.
    void after(quint32 milliseconds)
    {
        profiles.clock().advance(milliseconds);
        app().timers().afterClose().tmrReconnectAfterClose_Timer();
    }
};

TEST_F(ReconnectAfterCloseTest, ACloseByTheServerIsFollowedByConnectsFurtherAndFurtherApartUntilF3)
{
    startUp(QStringLiteral("1"));
    int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);

    enum class Outcome { InChatThenClosed, InChatAMinuteThenClosed, ClosedBeforeChat, Refused };
    const struct {
        quint32 wait; // since the last close or failure
        Outcome outcome;
        int nextWait; // seconds the grey line announces
    } steps[] = {
        {0, Outcome::InChatThenClosed, 10},
        // A server that admits and closes at once gets no faster connects.
        {10000, Outcome::InChatThenClosed, 30},
        {30000, Outcome::InChatAMinuteThenClosed, 10},
        {10000, Outcome::ClosedBeforeChat, 30},
        {30000, Outcome::Refused, 60},
        {60000, Outcome::Refused, 300},
        {300000, Outcome::Refused, 300},
    };
    qsizetype attempts = count(kAttempt);
    for (const auto &step : steps) {
        SCOPED_TRACE(step.wait);
        if (step.wait > 0) {
            after(step.wait - 1);
            EXPECT_EQ(count(kAttempt), attempts) << "not a moment early";
            if (step.outcome == Outcome::Refused)
                profiles.server.stopListening();
            after(1);
            EXPECT_EQ(count(kAttempt), ++attempts);
            if (step.outcome != Outcome::Refused) {
                ASSERT_TRUE(profiles.server.waitForConnections(connection + 2));
                ++connection;
                // Read before the close, which would otherwise be a reset.
                ASSERT_TRUE(profiles.server.waitForMessages(connection, 2));
            }
        }
        if (step.outcome == Outcome::InChatThenClosed || step.outcome == Outcome::InChatAMinuteThenClosed)
            app().profile(0).state().EnterChatTick = profiles.clock().tickCount();
        if (step.outcome == Outcome::InChatAMinuteThenClosed)
            profiles.clock().advance(ReconnectAfterClose::kStayedInChat);
        const qsizetype announced = count(Waiting(step.nextWait));
        if (step.outcome != Outcome::Refused)
            profiles.server.close(connection);
        ASSERT_TRUE(waitFor(Waiting(step.nextWait), announced + 1));
        EXPECT_TRUE(app().timers().afterClose().waiting());
        EXPECT_FALSE(app().timers().autoReconnectEnabled()) << "the 10-second retry stays out of it";
    }

    app().popupMenu().mnuDisconnect->trigger();
    after(300000);
    EXPECT_EQ(count(kAttempt), attempts);
    EXPECT_FALSE(app().timers().afterClose().waiting());
    EXPECT_TRUE(profiles.test.errorLogText().isEmpty());
}

TEST_F(ReconnectAfterCloseTest, WithTheOptionOffACloseIsOnlyADisconnect)
{
    startUp(QStringLiteral("0"));
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    app().profile(0).state().EnterChatTick = profiles.clock().tickCount();
    profiles.server.close(connection);
    ASSERT_TRUE(waitFor(kDisconnected, 1));
    after(600000);
    EXPECT_EQ(count(kAttempt), 1);
    EXPECT_TRUE(profiles.chatLines(0).filter(QStringLiteral("Reconnecting")).isEmpty());
    EXPECT_FALSE(app().timers().afterClose().waiting());
    EXPECT_FALSE(app().profile(0).state().ReconnectPending);
}

TEST_F(ReconnectAfterCloseTest, AConnectByHandWhileWaitingTakesThePlaceOfTheScheduledOne)
{
    startUp(QStringLiteral("1"));
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    profiles.server.close(connection);
    ASSERT_TRUE(waitFor(Waiting(10), 1));
    ASSERT_GE(profiles.connect(0), 0);
    after(10000);
    EXPECT_EQ(count(kAttempt), 2);
    EXPECT_TRUE(app().isConnected(0));
    EXPECT_FALSE(app().timers().afterClose().waiting());
}

} // namespace
