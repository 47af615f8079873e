#include "commands/FloodPacer.h"
#include "commands/InternalCommands.h"
#include "profiles/MoreOptions.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "session/FloodGuard.h"
#include "session/Send.h"
#include "session/clsConnection.h"
#include "support/GuardedProfileTest.h"
#include "support/PaneRuns.h"

#include <QAction>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// When each line goes, all typed at once at tick 0; a negative length is
// an emote of that many bytes.
std::vector<quint32> SendTimes(const FloodQuota &quota, const std::vector<int> &lengths)
{
    FloodPacer pacer;
    std::vector<quint32> times;
    quint32 now = 0;
    for (const int length : lengths) {
        const int weight = FloodPacer::weight(quota, std::abs(length), length < 0);
        now += pacer.wait(quota, weight, now);
        pacer.sent(quota, weight, now);
        times.push_back(now);
    }
    return times;
}

TEST(FloodPacer, NoStretchOfTheQuotasSecondsHoldsMoreThanItsLines)
{
    const FloodQuota usual{true, 4, 5, 40};
    const struct {
        FloodQuota quota;
        std::vector<int> lengths;
        std::vector<quint32> times;
    } cases[] = {
        {usual, std::vector<int>(12, 5), {0, 0, 0, 0, 5000, 5000, 5000, 5000, 10000, 10000, 10000, 10000}},
        // Each started 40 bytes count as a line: 80 as two, 41 as two, 40 as one.
        {usual, {80, 39, 5, 5}, {0, 0, 0, 5000}},
        {usual, {41, 40, 1, 1}, {0, 0, 0, 5000}},
        // An emote counts twice, as the server takes it as a command and as text.
        {usual, {-5, -5, 5}, {0, 0, 5000}},
        // A line heavier than the quota counts as the whole quota.
        {FloodQuota{true, 2, 1, 10}, {25, 1, 1, 1}, {0, 1000, 1000, 2000}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SendTimes(c.quota, c.lengths), c.times);
}

class FloodGuardTest : public GuardedProfileTest {
protected:
    QStringList greyLines() const
    {
        QStringList lines;
        for (QTextBlock block = app.profile(0).pane().begin(); block.isValid(); block = block.next()) {
            const std::vector<TextRun> runs = RunsOfBlock(block);
            if (runs.size() == 2 && runs[1].colour == QColor(0x80, 0x80, 0x80))
                lines.append(runs[1].text);
        }
        return lines;
    }
};

TEST_F(FloodGuardTest, TwelveLinesTypedAtOnceLeaveFourEveryFiveSecondsInOrder)
{
    QStringList typed;
    for (int i = 1; i <= 12; ++i) {
        typed.append(QStringLiteral("line ") + QString::number(i));
        InternalCommands(app, typed.last());
    }
    ASSERT_TRUE(waitForSent(4));
    EXPECT_EQ(chatSent(), typed.mid(0, 4));
    EXPECT_EQ(greyLines().size(), 8);
    EXPECT_EQ(greyLines().first(), QStringLiteral("probe: line 5"));

    for (const qsizetype sent : {8, 12}) {
        after(4999);
        EXPECT_EQ(app.profile(0).floodGuard().waitingCount(), 12 - sent + 4) << "not a moment early";
        after(1);
        ASSERT_TRUE(waitForSent(sent));
        EXPECT_EQ(chatSent(), typed.mid(0, sent));
        EXPECT_EQ(greyLines().size(), 12 - sent);
    }
    const QStringList echoes = p.chatLines(0).filter(QStringLiteral("probe: line"));
    EXPECT_EQ(echoes.size(), 12) << "each echoed once it left, the grey ones gone";
    EXPECT_EQ(echoes.last(), QStringLiteral("probe: line 12"));
    EXPECT_TRUE(p.test.errorLogText().isEmpty());
}

TEST_F(FloodGuardTest, ALineThatWaitedWhileThePaneWasLockedShowsOnceAfterTheUnlock)
{
    QAction &lock = *app.popupMenu().mnuLock;
    lock.trigger();
    for (int i = 1; i <= 5; ++i)
        InternalCommands(app, QStringLiteral("held ") + QString::number(i));
    ASSERT_TRUE(waitForSent(4));
    after(5000);
    ASSERT_TRUE(waitForSent(5));
    lock.trigger();
    const QStringList lines = p.chatLines(0);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(lines.count(QStringLiteral("probe: held ") + QString::number(i)), 1) << "line " << i;
    EXPECT_TRUE(greyLines().isEmpty());
}

TEST_F(FloodGuardTest, ClearQueueDropsWhatWaitsAndADisconnectedProfileSendsNothing)
{
    for (int i = 1; i <= 6; ++i)
        InternalCommands(app, QStringLiteral("/w friend ") + QString::number(i));
    ASSERT_TRUE(waitForSent(4));
    EXPECT_EQ(greyLines(), QStringList({QStringLiteral("/w friend 5"), QStringLiteral("/w friend 6")}));
    InternalCommands(app, QStringLiteral("/clear queue"));
    EXPECT_EQ(p.chatLines(0).last(), QStringLiteral("2 waiting lines dropped from the queue."));
    EXPECT_TRUE(greyLines().isEmpty());
    after(5000);
    EXPECT_EQ(chatSent().size(), 4);

    for (int i = 1; i <= 5; ++i)
        InternalCommands(app, QStringLiteral("more ") + QString::number(i));
    ASSERT_TRUE(waitForSent(8));
    app.profile(0).connection().Disconnect();
    after(5000);
    EXPECT_EQ(p.chatLines(0).last(), QStringLiteral("1 waiting line not sent: not connected."));
    EXPECT_EQ(app.profile(0).floodGuard().waitingCount(), 0);
}

TEST_F(FloodGuardTest, AWaitingLineBecomesItsEchoWhereItStandsAndTheQueueIsBounded)
{
    for (int i = 1; i <= 4; ++i)
        InternalCommands(app, QStringLiteral("fill ") + QString::number(i));
    InternalCommands(app, QStringLiteral("later"));
    Send(app.profile(0), QStringLiteral("/join Home"), SendBy::Server);
    Send(app.profile(0), QStringLiteral("/join Home"), SendBy::Server);
    EXPECT_EQ(app.profile(0).floodGuard().waitingCount(), 2) << "what a server asked for waits once";
    app.profile(0).AddChat({Rgb(0xFFFF00), QStringLiteral("a server line meanwhile")});
    after(5000);
    ASSERT_TRUE(waitForSent(6));
    EXPECT_EQ(chatSent().mid(4), QStringList({QStringLiteral("later"), QStringLiteral("/join Home")}));
    const QStringList lines = p.chatLines(0);
    EXPECT_EQ(lines.count(QStringLiteral("probe: later")), 1);
    EXPECT_EQ(lines.last(), QStringLiteral("a server line meanwhile")) << "the echo stands where the line waited";
    const QTextBlock echo = app.profile(0).pane().lastBlock().previous().previous();
    const std::vector<TextRun> runs = RunsOfBlock(echo);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1], (TextRun{QStringLiteral("probe: "), QColor(0x00FFFFu)}));
    EXPECT_EQ(runs[2], (TextRun{QStringLiteral("later"), QColor(0xFFFFFFu)}));
    EXPECT_FALSE(lines.contains(QStringLiteral("/join Home"))) << "a command's grey line goes when it is sent";

    for (qsizetype i = 0; i < FloodGuard::kMostWaiting + 10; ++i)
        InternalCommands(app, QStringLiteral("flood ") + QString::number(i));
    EXPECT_EQ(app.profile(0).floodGuard().waitingCount(), FloodGuard::kMostWaiting);
    EXPECT_EQ(p.chatLines(0).count(QStringLiteral("Not sent: 100 lines are waiting already.")), 1);
    EXPECT_TRUE(p.test.errorLogText().isEmpty());
}

} // namespace
