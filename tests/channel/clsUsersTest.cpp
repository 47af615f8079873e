#include "channel/clsUsers.h"
#include "platform/Failure.h"
#include "profiles/Profile.h"
#include "support/ProfileHost.h"

#include <gtest/gtest.h>

namespace {

class clsUsersTest : public ::testing::Test {
protected:
    ProfileHost host;
    clsUsers &users = host.add(QStringLiteral("alpha")).users();
};

TEST_F(clsUsersTest, LooksNamesUpInAnyLetterCaseInArrivalOrder)
{
    users.AddUser(QStringLiteral("Bob"), 10, 0, QStringLiteral("RATS"), 100);
    users.AddUser(QStringLiteral("Cid"), 20, 2, QStringLiteral("PXES"), 200);
    EXPECT_EQ(users.GetUserIndex(QStringLiteral("BOB")), 0);
    EXPECT_EQ(users.GetUserIndex(QStringLiteral("cid")), 1);
    EXPECT_EQ(users.GetUserIndex(QStringLiteral("Dee")), -1);
    EXPECT_EQ(users.GetFlags(QStringLiteral("CID")), 2u);
    EXPECT_EQ(users.GetUptime(QStringLiteral("bob")), 100u);
    EXPECT_EQ(users.UserlistCount(), 2);
}

TEST_F(clsUsersTest, AddingAStoredUserAgainMovesItToTheEndWithANewUptime)
{
    users.AddUser(QStringLiteral("Bob"), 10, 0, QStringLiteral("RATS"), 100);
    users.AddUser(QStringLiteral("Cid"), 20, 0, QStringLiteral("RATS"), 200);
    users.AddUser(QStringLiteral("BOB"), 30, 0, QStringLiteral("PXES"), 300);
    EXPECT_EQ(users.UserlistCount(), 2);
    EXPECT_EQ(users.GetUserIndex(QStringLiteral("Bob")), 1);
    EXPECT_EQ(users.GetUptime(QStringLiteral("Bob")), 300u);
    EXPECT_EQ(users.GetStatstring(QStringLiteral("Bob")), QStringLiteral("PXES"));
}

TEST_F(clsUsersTest, ModifyingKeepsPlaceUptimeAndAnyStatstringAnEmptyOneWouldErase)
{
    users.AddUser(QStringLiteral("Bob"), 10, 0, QStringLiteral("RATS"), 100);
    users.AddUser(QStringLiteral("Cid"), 20, 0, QStringLiteral("RATS"), 200);
    users.ModifyUser(QStringLiteral("bob"), 0x20, 99, QString());
    EXPECT_EQ(users.GetUserIndex(QStringLiteral("Bob")), 0);
    EXPECT_EQ(users.GetFlags(QStringLiteral("Bob")), 0x20u);
    EXPECT_EQ(users.GetLatency(QStringLiteral("Bob")), 99);
    EXPECT_EQ(users.GetStatstring(QStringLiteral("Bob")), QStringLiteral("RATS"));
    EXPECT_EQ(users.GetUptime(QStringLiteral("Bob")), 100u);
    users.ModifyUser(QStringLiteral("Bob"), 0, 5, QStringLiteral("PXES"));
    EXPECT_EQ(users.GetStatstring(QStringLiteral("Bob")), QStringLiteral("PXES"));
    users.ModifyUser(QStringLiteral("Nobody"), 0, 5, QStringLiteral("PXES"));
    EXPECT_EQ(users.UserlistCount(), 2);
}

TEST_F(clsUsersTest, RemovingMovesLaterUsersUpAndIgnoresUnknownNames)
{
    for (const char *name : {"Bob", "Cid", "Dee"})
        users.AddUser(QString::fromLatin1(name), 0, 0, QString(), 0);
    users.RemoveUser(QStringLiteral("CID"));
    users.RemoveUser(QStringLiteral("Nobody"));
    EXPECT_EQ(users.UserlistCount(), 2);
    EXPECT_EQ(users.GetUserIndex(QStringLiteral("Dee")), 1);
    users.ClearUsers();
    EXPECT_EQ(users.UserlistCount(), 0);
    EXPECT_FALSE(users.HasUser(QStringLiteral("Bob")));
}

TEST_F(clsUsersTest, AskingForAnUnknownUsersFieldIsAFailure)
{
    EXPECT_THROW(users.GetLatency(QStringLiteral("Nobody")), Failure);
    EXPECT_THROW(users.GetFlags(QStringLiteral("Nobody")), Failure);
    EXPECT_THROW(users.GetStatstring(QStringLiteral("Nobody")), Failure);
    EXPECT_THROW(users.GetUptime(QStringLiteral("Nobody")), Failure);
}

} // namespace
