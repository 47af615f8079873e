#include "session/PasswordHash.h"
#include "support/LogonSession.h"

#include <gtest/gtest.h>

namespace {

TEST(HashAccount, AccountCreationRefusals)
{
    const struct {
        quint32 status;
        QString line;
        bool staysConnected;
    } cases[] = {
        {2, QStringLiteral("Account cannot be created, it contained invalid characters!"), true},
        {3, QStringLiteral("Account cannot be created, it contained banned word!"), true},
        {4, QStringLiteral("Account cannot be created, it already exists!"), true},
        {6, QStringLiteral("Account cannot be created, not enough characters!"), true},
        {5, QStringLiteral("Unexpected create account result (0x00000005)!"), false},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.line.toStdString());
        LogonSession session;
        session.answer(0x3A, TestServer::message(0x3A, Word(1)));
        session.answer(0x3D, TestServer::message(0x3D, Word(each.status)));
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForLine(each.line));
        EXPECT_EQ(session.profiles.profile(0).isConnected(), each.staysConnected);
        if (each.staysConnected) {
            ASSERT_TRUE(session.roundTrip());
            EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x3A, 0x3D, 0x00}));
        }
    }
}

class HashPasswordChange : public ::testing::Test {
protected:
    HashPasswordChange() { session.setNewPassword(QStringLiteral("Better2")); }
    QString setting(const char *key) const { return session.setting("Login", key); }
    LogonSession session;
};

TEST_F(HashPasswordChange, ChangesThePasswordFirstAndThenLogsOnWithTheNewOne)
{
    session.answer(0x31, TestServer::message(0x31, Word(1)));
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x3A));

    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x31, 0x3A}));
    const QByteArray tokens = Hex("78563412 25269c00");
    EXPECT_EQ(session.sent(0x31), tokens +
                                      doubleHashPassword("secret1", LogonSession::kClientToken,
                                                         LogonSession::kServerToken) +
                                      hashPassword("better2") + QByteArray("probeA", 7));
    EXPECT_EQ(session.sent(0x3A), tokens +
                                      doubleHashPassword("better2", LogonSession::kClientToken,
                                                         LogonSession::kServerToken) +
                                      QByteArray("probeA", 7));
    EXPECT_EQ(setting("Password"), QStringLiteral("Better2"));
    EXPECT_EQ(setting("New Password"), QString());
    EXPECT_EQ(session.profile().Password, QStringLiteral("Better2"));
    EXPECT_TRUE(session.profile().NewPassword.isEmpty());
    EXPECT_EQ(session.linesAfterConnecting(),
              QStringList({QStringLiteral("Attempting to change your password..."),
                           QStringLiteral("Your password has been changed successfully.")}));
}

TEST_F(HashPasswordChange, ARefusedChangeDisconnectsAndKeepsTheSettings)
{
    session.answer(0x31, TestServer::message(0x31, Word(0)));
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForClose());
    EXPECT_TRUE(session.linesAfterConnecting().contains(QStringLiteral("Password change failed!")));
    EXPECT_EQ(setting("Password"), QStringLiteral("Secret1"));
    EXPECT_EQ(setting("New Password"), QStringLiteral("Better2"));
}

} // namespace
