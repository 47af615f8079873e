#include "channel/ChannelUserList.h"
#include "channel/ChannelUserModel.h"
#include "channel/ChatEvent.h"
#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"
#include "support/ChannelFixture.h"
#include "support/ChatEvents.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

using namespace ChatEventId;

class ChannelMembershipTest : public ChannelFixture {
protected:
    void enter(const QByteArray &channel, int profile = kAlpha) { event(Channel, 0, 0, "Alpha", channel, profile); }
    // Enters Chat and lists Bob, Cid and Dee.
    void enterWithThreeUsers()
    {
        enter("Chat");
        for (const QByteArray name : {"Bob", "Cid", "Dee"})
            event(ShowUser, 0, 10, name, kStarcraftStats);
    }
    // Which of the names these tests use are stored, in store order.
    QStringList storedNames(int profile = kAlpha)
    {
        clsUsers &users = app.profile(profile).users();
        QStringList names(users.UserlistCount());
        for (const char *name : {"Alpha", "Bob", "Cid", "Dee", "Account"}) {
            const int index = users.GetUserIndex(QString::fromLatin1(name));
            if (index >= 0)
                names[index] = QString::fromLatin1(name);
        }
        return names;
    }
};

TEST_F(ChannelMembershipTest, EnteringAChannelEmptiesStoreAndListAndCountsTheUsersThatFollow)
{
    enter("Old");
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    enter("Chat");
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Chat [0]"));
    EXPECT_EQ(app.profile(kAlpha).users().UserlistCount(), 0);
    const QString before = test.chatText(kAlpha);
    event(ShowUser, 0, 10, "Alpha", kStarcraftStats);
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    // A user's first listing writes nothing.
    EXPECT_EQ(test.chatText(kAlpha), before);
    EXPECT_EQ(rowTexts(), (QStringList{" Alpha", " Bob"}));
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Chat [2]"));
    event(Leave, 0, 0, "Alpha");
    EXPECT_EQ(rowTexts(), QStringList{" Bob"});
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Chat [1]"));
}

TEST_F(ChannelMembershipTest, AStatsUpdateMovesTheRowToTheEndButNotTheStoredUser)
{
    enterWithThreeUsers();
    event(ShowUser, 0, 250, "Bob", "RATS 1000 3 7 0 0 0 0 0 RATS");
    EXPECT_EQ(rowTexts(), (QStringList{" Cid", " Dee", " Bob"}));
    EXPECT_EQ(app.profile(kAlpha).users().GetUserIndex(QStringLiteral("bob")), 0);
    EXPECT_EQ(app.profile(kAlpha).users().GetLatency(QStringLiteral("Bob")), 250);
    const QColor grey(0xAAAAAAu);
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{
                              {"Stats update: ", QColor(0xFFFFFFu), true},
                              {"Bob is here using Starcraft: 7 normal game wins, with a rating of 1000 and a rank of 3 "
                               "on the ladder with a ping time of 250 and flags of 0",
                               grey}}));
}

TEST_F(ChannelMembershipTest, ANameInAnotherLetterCaseIsTheSameUserInListAndStore)
{
    enterWithThreeUsers();
    event(Join, 0, 10, "BOB", kStarcraftStats);
    EXPECT_EQ(rowTexts(), (QStringList{" Cid", " Dee", " BOB"}));
    event(FlagsUpdate, 0x02, 10, "bob", kStarcraftStats);
    EXPECT_EQ(rowTexts(), (QStringList{" bob", " Cid", " Dee"}));
    event(Leave, 0, 0, "Bob");
    EXPECT_EQ(rowTexts(), (QStringList{" Cid", " Dee"}));
    EXPECT_EQ(storedNames(), (QStringList{"Cid", "Dee"}));
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Chat [2]"));
}

TEST_F(ChannelMembershipTest, OperatorsAreListedOnTopTheLatestFirst)
{
    enter("Chat");
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    event(Join, 0x02, 10, "Op1", kStarcraftStats);
    event(Join, 0, 10, "Cid", kStarcraftStats);
    event(Join, 0x01, 10, "Op2", kStarcraftStats);
    EXPECT_EQ(rowTexts(), (QStringList{" Op2", " Op1", " Bob", " Cid"}));
}

TEST_F(ChannelMembershipTest, AFlagUpdateRebuildsTheRowInPlaceOrOnTopForANewOperator)
{
    enterWithThreeUsers();
    event(FlagsUpdate, 0x20, 350, "Cid", "");
    EXPECT_EQ(rowTexts(), (QStringList{" Bob", " Cid", " Dee"}));
    clsUsers &users = app.profile(kAlpha).users();
    EXPECT_EQ(users.GetFlags(QStringLiteral("Cid")), 0x20u);
    EXPECT_EQ(users.GetLatency(QStringLiteral("Cid")), 350);
    // An empty statstring leaves the stored one.
    EXPECT_EQ(users.GetStatstring(QStringLiteral("Cid")), QString::fromLatin1(kStarcraftStats));

    event(FlagsUpdate, 0x02, 10, "Dee", kStarcraftStats);
    EXPECT_EQ(rowTexts(), (QStringList{" Dee", " Bob", " Cid"}));
    EXPECT_EQ(users.GetUserIndex(QStringLiteral("Dee")), 2);
}

TEST_F(ChannelMembershipTest, TheServersFlagUpdateBeforeTheProfilesOwnListingIsNoFailure)
{
    // The order a real server uses when the profile enters a channel.
    enter("Probe Test");
    event(FlagsUpdate, 0, 0, "Alpha", kStarcraftStats);
    event(ShowUser, 0, 0, "Alpha", kStarcraftStats);
    event(FlagsUpdate, 0x02, 0, "Alpha", kStarcraftStats);
    event(FlagsUpdate, 0x02, 0, "Alpha", kStarcraftStats);
    EXPECT_EQ(rowTexts(), QStringList{" Alpha"});
    EXPECT_EQ(app.profile(kAlpha).users().GetFlags(QStringLiteral("Alpha")), 0x02u);
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

TEST_F(ChannelMembershipTest, EventsOfAProfileBehindTheScreenTouchOnlyItsStore)
{
    enter("Chat");
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    enter("Elsewhere", kBeta);
    event(ShowUser, 0, 10, "Cid", kStarcraftStats, kBeta);
    event(Join, 0x02, 10, "Dee", kStarcraftStats, kBeta);
    event(FlagsUpdate, 0x02, 10, "Cid", kStarcraftStats, kBeta);
    event(Leave, 0, 0, "Bob", {}, kBeta);
    EXPECT_EQ(rowTexts(), QStringList{" Bob"});
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Chat [1]"));
    EXPECT_EQ(storedNames(kBeta), (QStringList{"Cid", "Dee"}));
    EXPECT_EQ(app.profile(kBeta).users().GetFlags(QStringLiteral("Cid")), 0x02u);
    EXPECT_EQ(app.profile(kBeta).state().CurrentChannel, QStringLiteral("Elsewhere"));
}

TEST_F(ChannelMembershipTest, InTheVoidEveryFlagUpdateIsAUserPresent)
{
    enter("The Void", kBeta);
    event(FlagsUpdate, 0, 10, "Bob", kStarcraftStats, kBeta);
    EXPECT_EQ(storedNames(kBeta), QStringList{"Bob"});
    EXPECT_TRUE(rowTexts().isEmpty());

    enter("The Void");
    event(FlagsUpdate, 0, 10, "Bob", kStarcraftStats);
    event(FlagsUpdate, 0, 10, "Cid", kStarcraftStats);
    EXPECT_EQ(rowTexts(), (QStringList{" Bob", " Cid"}));
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("The Void [2]"));

    // Only the channel of that name, in any case, is the Void.
    for (const char *channel : {"the void", "The Void Lounge", "Not The Void"}) {
        enter(channel);
        event(FlagsUpdate, 0, 10, "Bob", kStarcraftStats);
        EXPECT_EQ(rowTexts().size(), QString::fromLatin1(channel) == "the void" ? 1 : 0) << channel;
    }
}

TEST_F(ChannelMembershipTest, TheProfilesOwnListingSetsItsPingAndAPingBeyond16BitsIsReported)
{
    enter("Chat");
    event(ShowUser, 0, 42, "Alpha", kStarcraftStats);
    EXPECT_EQ(app.profile(kAlpha).state().OwnPing, 42);
    // Only the exact account name counts.
    event(ShowUser, 0, 99, "alpha", kStarcraftStats);
    EXPECT_EQ(app.profile(kAlpha).state().OwnPing, 42);
    EXPECT_TRUE(test.errorLogText().isEmpty());

    event(ShowUser, 0, 40000, "Alpha", kStarcraftStats);
    EXPECT_EQ(app.profile(kAlpha).state().OwnPing, 42);
    EXPECT_EQ(app.profile(kAlpha).users().GetLatency(QStringLiteral("Alpha")), 40000);
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("6 - Overflow")));
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("Error in: ParseEvents() of clsBNCS")));
}

TEST_F(ChannelMembershipTest, ADiabloIIUserIsKnownByAccount)
{
    enter("Chat");
    event(Join, 0, 10, "Char*Account", "PX2D");
    EXPECT_EQ(rowTexts(), QStringList{" Account"});
    EXPECT_EQ(storedNames(), QStringList{"Account"});
    event(Talk, 0, 10, "Char*Account", "hi");
    EXPECT_EQ(lastLine()[0].text, QStringLiteral("Account: "));
}

TEST_F(ChannelMembershipTest, AMessageCutShortIsReportedAndTheNextOneIsHandled)
{
    enter("Chat");
    const QString before = test.chatText(kAlpha);
    const QByteArray whole = ChatEventMessage(Join, 0, 10, "Bob", kStarcraftStats);
    // Cut after the flags, and right after the name.
    DeliverChatEvent(app, kAlpha, whole.left(12));
    DeliverChatEvent(app, kAlpha, whole.left(4 + 24 + 4));
    EXPECT_EQ(test.chatText(kAlpha), before);
    EXPECT_EQ(app.profile(kAlpha).users().UserlistCount(), 0);
    EXPECT_EQ(test.errorLogText().count(QStringLiteral("Error in: ParseEvents() of clsBNCS")), 2);
    DeliverChatEvent(app, kAlpha, whole);
    EXPECT_EQ(rowTexts(), QStringList{" Bob"});
}

TEST_F(ChannelMembershipTest, AServerListingUsersWithoutEndIsRefusedOnceTheStoreIsFullAndGetsNoRows)
{
    enterWithThreeUsers();
    clsUsers &users = app.profile(kAlpha).users();
    // Chat lines of names this long would only slow the test down.
    app.profile(kAlpha).record().JoinLeave = false;
    const QByteArray longName(30000, 'n');
    int joins = 0;
    while (test.errorLogText().isEmpty() && joins < 1000)
        event(Join, 0, 10, QByteArray::number(joins++) + longName, kStarcraftStats);
    EXPECT_EQ(joins, clsUsers::kCapacity / (clsUsers::kShareOfEachUser + longName.size()) + 1);
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("fill the store")));
    EXPECT_EQ(users.UserlistCount(), 3 + joins - 1);
    EXPECT_EQ(list.rowCount(), users.UserlistCount());

    // A stored user's statstring cannot grow beyond it either.
    event(ShowUser, 0, 10, "Bob", QByteArray(longName.size(), 's'));
    EXPECT_EQ(users.GetStatstring(QStringLiteral("Bob")), QString::fromLatin1(kStarcraftStats));
    // What leaves makes room.
    event(Leave, 0, 0, "0" + longName);
    event(Join, 0, 10, "Eve", kStarcraftStats);
    EXPECT_TRUE(users.HasUser(QStringLiteral("Eve")));
    EXPECT_EQ(list.rowCount(), users.UserlistCount());
}

TEST_F(ChannelMembershipTest, AMalformedStatstringIsReportedOncePerUserAndChannelAndReadsAsItsProduct)
{
    const auto reports = [&] { return test.errorLogText().count(QStringLiteral("Error in: DescribeUser() of clsBNCS")); };
    enter("Chat");
    event(Join, 0, 10, "Bob", "PX2DRealmWithoutCommas");
    EXPECT_TRUE(app.profile(kAlpha).users().HasUser(QStringLiteral("Bob")));
    EXPECT_EQ(rowTexts(), QStringList{" Bob"});
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Chat [1]"));
    EXPECT_TRUE(test.chatText(kAlpha).contains(
        QStringLiteral("Bob joined the channel using (Diablo II Lord of Destruction) with a ping time of 10.")));
    EXPECT_EQ(app.profile(kAlpha).bncs().DescribeUser(QStringLiteral("Bob"), QStringLiteral("PX2DRealmWithoutCommas")),
              QStringLiteral("Diablo II Lord of Destruction"));
    EXPECT_EQ(reports(), 1);

    // A stats update, a flag update and rows rebuilt on every profile switch.
    event(ShowUser, 0, 10, "Bob", "PX2DRealmWithoutCommas");
    event(FlagsUpdate, 0x20, 10, "Bob");
    for (const char *profile : {"beta", "alpha", "beta", "alpha"})
        lstProfiles_Click(app, QString::fromLatin1(profile));
    EXPECT_EQ(reports(), 1);
    // Another user is another report; so is the same user in a channel
    // entered afresh.
    event(Join, 0, 10, "Cid", "3RAW 4H3W12");
    EXPECT_EQ(reports(), 2);
    enter("Chat");
    event(Join, 0, 10, "Bob", "PX2DRealmWithoutCommas");
    EXPECT_EQ(reports(), 3);
    EXPECT_FALSE(test.errorLogText().contains(QStringLiteral("Error in: AddUser() of clsBNCS")));
    EXPECT_FALSE(test.errorLogText().contains(QStringLiteral("Error in: ParseEvents() of clsBNCS")));
}

TEST_F(ChannelMembershipTest, ReportsOfMalformedStatstringsStopAtTheirLimitInAChannel)
{
    // The join lines describe each user.
    app.profile(kAlpha).record().JoinLeave = true;
    enter("Chat");
    for (qsizetype user = 0; user < clsBNCS::kMaxUndescribedUsers; ++user) {
        const QByteArray name = "u" + QByteArray::number(user);
        const QString before = test.errorLogText();
        event(Join, 0, 10, name, "PX2Dx");
        event(Leave, 0, 0, name);
        ASSERT_NE(test.errorLogText(), before) << "user " << user;
    }
    const QString full = test.errorLogText();
    event(Join, 0, 10, "one more", "PX2Dx");
    EXPECT_EQ(test.errorLogText(), full);
    enter("Elsewhere");
    event(Join, 0, 10, "u0", "PX2Dx");
    EXPECT_TRUE(test.errorLogText().endsWith(QStringLiteral("Error in: DescribeUser() of clsBNCS\n")));
}

} // namespace
