#include "channel/ChannelUserList.h"
#include "channel/ChatEvent.h"
#include "channel/clsUsers.h"
#include "display/ToolTipWindow.h"
#include "display/clsToolTip.h"
#include "profiles/ListHoverTips.h"
#include "profiles/frmMain.h"
#include "support/ChannelFixture.h"
#include "support/ListedUser.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace ChatEventId;

class ListHoverTipsTest : public ChannelFixture {
protected:
    void SetUp() override
    {
        window.showForTyping();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        event(Channel, 0, 0, "Alpha", "Chat");
    }
    static void moveOver(QAbstractItemView &view, const QPoint &point)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(point), QPointF(view.viewport()->mapToGlobal(point)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &move);
    }
    void overUser(int row) { moveOver(list, list.visualRect(list.rowIndex(row)).center()); }
    void overProfile(int row)
    {
        moveOver(*window.lstProfiles, window.lstProfiles->visualItemRect(window.lstProfiles->item(row - 1)).center());
    }
    void overEmptySpace(QAbstractItemView &view) { moveOver(view, QPoint(5, view.viewport()->height() - 3)); }

    ListHoverTips &tips = window.hoverTips();
    clsToolTip &tip = tips.ListTip();
};

TEST_F(ListHoverTipsTest, AUsersTipDescribesTheStoredUserAsABlueBalloon)
{
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    event(ShowUser, 0x02, 120, "Op", "RATS");
    test.clock.advance(3725000);
    overUser(1);
    EXPECT_EQ(tips.HoverUserRow, 1);
    EXPECT_EQ(tip.Title(), QStringLiteral(" Information for Op"));
    EXPECT_EQ(tip.TipText(), QStringLiteral("a Starcraft bot\r\nPing: 120\r\nFlags: 2\r\nUptime: 1 hr, 2 mins, and 5 secs"));
    EXPECT_EQ(tip.Style(), 1);
    EXPECT_TRUE(tip.Centered());
    EXPECT_EQ(tip.Icon(), 1);
    EXPECT_EQ(tip.BackColor(), Colour{1});
    EXPECT_EQ(tip.ForeColor(), Rgb(0x55AEFF));
    ASSERT_NE(tip.window(), nullptr);
}

TEST_F(ListHoverTipsTest, TheTipIsRebuiltOnlyForAnotherRowAndGoesOverEmptySpace)
{
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    event(ShowUser, 0, 10, "Cid", kStarcraftStats);
    overUser(1);
    event(FlagsUpdate, 0, 999, "Bob", {});
    overUser(1);
    EXPECT_TRUE(tip.TipText().contains(QStringLiteral("Ping: 10\r\n")));
    overUser(2);
    overUser(1);
    EXPECT_TRUE(tip.TipText().contains(QStringLiteral("Ping: 999\r\n")));
    overEmptySpace(list);
    EXPECT_EQ(tips.HoverUserRow, 0);
    EXPECT_EQ(tip.window(), nullptr);
}

TEST_F(ListHoverTipsTest, AUsersTipComesBackAfterTheProfileListTookTheTip)
{
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    overUser(1);
    overProfile(1);
    EXPECT_EQ(tip.Title(), QStringLiteral(" Information for alpha"));
    overUser(1);
    EXPECT_EQ(tip.Title(), QStringLiteral(" Information for Bob"));
    ASSERT_NE(tip.window(), nullptr);
    overProfile(1);
    EXPECT_EQ(tip.Title(), QStringLiteral(" Information for alpha"));
}

TEST_F(ListHoverTipsTest, ARowThatNowHoldsSomeoneElseGetsTheirTip)
{
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    event(ShowUser, 0, 20, "Cid", kStarcraftStats);
    overUser(1);
    event(Leave, 0, 0, "Bob");
    overUser(1);
    EXPECT_EQ(tip.Title(), QStringLiteral(" Information for Cid"));
}

TEST_F(ListHoverTipsTest, ARowTheStoreDoesNotKnowGetsNoTip)
{
    ListUser(app, kAlpha, QStringLiteral("Ghost"));
    overUser(1);
    EXPECT_EQ(tips.HoverUserRow, 1);
    EXPECT_EQ(tip.window(), nullptr);
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

TEST_F(ListHoverTipsTest, AMalformedStatstringInATipIsReportedOnceAndTheTipNamesTheProduct)
{
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    app.profile(kAlpha).users().ModifyUser(QStringLiteral("Bob"), 0, 10, QStringLiteral("PX2Dno commas"));
    for (int visit = 0; visit < 2; ++visit) {
        overUser(1);
        ASSERT_NE(tip.window(), nullptr);
        EXPECT_TRUE(tip.TipText().startsWith(QStringLiteral("Diablo II Lord of Destruction\r\nPing: 10\r\n")));
        overEmptySpace(list);
    }
    EXPECT_EQ(test.errorLogText().count(QStringLiteral("Error in: DescribeUser() of clsBNCS")), 1);
}

TEST_F(ListHoverTipsTest, AProfilesTipTellsItsConnectionAndKeepsTheUserTipsIcon)
{
    overProfile(1);
    EXPECT_EQ(tips.HoverProfileRow, 1);
    EXPECT_EQ(tip.Title(), QStringLiteral(" Information for alpha"));
    EXPECT_EQ(tip.TipText(), QStringLiteral("Not connected."));
    EXPECT_EQ(tip.Icon(), 0);

    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    overUser(1);
    ProfileRecord &beta = app.profile(kBeta).record();
    beta.Server = QStringLiteral("127.0.0.1");
    app.profile(kBeta).state().OwnPing = 47;
    app.profile(kBeta).state().EnterChatTick = test.clock.tickCount();
    test.clock.advance(90061000);
    overProfile(2);
    EXPECT_EQ(tip.TipText(), QStringLiteral("Account name: Beta\r\nServer: 127.0.0.1\r\nPing: 47\r\n"
                                            "Uptime: 1 day, 1 hr, 1 min, and 1 sec"));
    EXPECT_EQ(tip.Icon(), 1);
    overEmptySpace(*window.lstProfiles);
    EXPECT_EQ(tips.HoverProfileRow, 0);
    EXPECT_EQ(tip.window(), nullptr);
}

TEST_F(ListHoverTipsTest, ATipShowsBesideItsRowWithinTheScreenAndAClickTakesItDown)
{
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    tip.setDelayTime(0);
    const QRect room = window.screen()->availableGeometry();
    const QRect input(window.txtSend->mapToGlobal(QPoint()), window.txtSend->size());
    const struct {
        QAbstractItemView *view;
        QRect row;
        std::function<void()> hover;
    } cases[] = {
        {&list, list.visualRect(list.rowIndex(1)), [this] { overUser(1); }},
        {window.lstProfiles, window.lstProfiles->visualItemRect(window.lstProfiles->item(1)),
         [this] { overProfile(2); }},
    };
    for (const auto &c : cases) {
        c.hover();
        ASSERT_TRUE(WaitUntil([&] { return tip.window() && tip.window()->isVisible(); }));
        const QRect shown = tip.window()->frameGeometry();
        const QRect row(c.view->viewport()->mapToGlobal(c.row.topLeft()), c.row.size());
        EXPECT_TRUE(room.contains(shown)) << "within the screen";
        EXPECT_LE(shown.top(), row.center().y());
        EXPECT_GE(shown.bottom(), row.center().y()) << "level with its row";
        EXPECT_TRUE(shown.left() > row.right() || shown.right() < row.left()) << "beside the row, not over it";
        EXPECT_FALSE(shown.intersects(input)) << "the input box stays in sight";

        QTest::mousePress(c.view->viewport(), Qt::LeftButton, {}, c.row.center());
        QTest::mouseRelease(c.view->viewport(), Qt::LeftButton, {}, c.row.center());
        EXPECT_FALSE(tip.window() && tip.window()->isVisible()) << "a click takes the tip down";
        moveOver(*c.view, c.row.center() + QPoint(1, 0));
        QCoreApplication::processEvents();
        EXPECT_FALSE(tip.window() && tip.window()->isVisible()) << "and it stays down over the same row";
    }
}

} // namespace
