#include "session/clsConnection.h"
#include "support/LogonSession.h"
#include "support/SrpAccountServer.h"

#include <gtest/gtest.h>

namespace {

const QString kDisconnected = QStringLiteral("You have been disconnected from Battle.net.");

// Profile 0 changes its SRP password from "Secret1" to "Better2" before
// logging on, against a server that checks every proof.
struct SrpChangeSession : LogonSession {
    SrpChangeSession() : LogonSession(2), accounts(server()) { setNewPassword(QStringLiteral("Better2")); }
    SrpAccountServer accounts;
};

TEST(SrpPasswordChange, TheServersProofOfTheOldSessionIsAcceptedAndTheNewPasswordLogsOn)
{
    SrpChangeSession session;
    session.accounts.createAccount("probeA", "Secret1");
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0C));

    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x55, 0x56, 0x53, 0x54, 0x0A, 0x0C}));
    const QByteArray change = session.sent(0x55);
    EXPECT_EQ(change.mid(32), QByteArray("probeA", 7));
    EXPECT_EQ(session.sent(0x56).size(), 84);
    EXPECT_NE(session.sent(0x53).left(32), change.left(32)) << "the logon uses the new password's context";
    EXPECT_EQ(session.setting("Login", "Password"), QStringLiteral("Better2"));
    EXPECT_EQ(session.setting("Login", "New Password"), QString());
    EXPECT_EQ(session.profile().Password, QStringLiteral("Better2"));
    EXPECT_TRUE(session.profile().NewPassword.isEmpty());
    EXPECT_EQ(session.profiles.profile(0).connection().srp().previous, nullptr);
    EXPECT_EQ(session.linesAfterConnecting(),
              QStringList{QStringLiteral("Login accepted, entering chat environment...")});
}

TEST(SrpPasswordChange, RefusalsDisconnectAndKeepTheSettings)
{
    const struct {
        const char *accountPassword;
        std::optional<QByteArray> forgedM2;
        QByteArray changeReply; // replaces the server's own answer when set
        QString line;
    } cases[] = {
        {"Secret1", QByteArray(20, '\x11'), {}, QStringLiteral("Change password proof has been rejected!")},
        {"Other", std::nullopt, {}, QStringLiteral("Cannot change your password, the current password is incorrect!")},
        {"Secret1", std::nullopt, Word(3), QStringLiteral("There has been a unknown reponse in packet 0x56!")},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.line.toStdString());
        SrpChangeSession session;
        session.accounts.createAccount("probeA", each.accountPassword);
        session.accounts.forgedM2 = each.forgedM2;
        if (!each.changeReply.isEmpty())
            session.answer(0x56, TestServer::message(0x56, each.changeReply));
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForClose());
        EXPECT_EQ(session.linesAfterConnecting(), (QStringList{each.line, kDisconnected}));
        EXPECT_EQ(session.setting("Login", "Password"), QStringLiteral("Secret1"));
        EXPECT_EQ(session.setting("Login", "New Password"), QStringLiteral("Better2"));
    }
}

TEST(SrpPasswordChange, TheChallengeCanAskForAnAccountOrAnUpgrade)
{
    const struct {
        quint32 status;
        quint8 next;
    } cases[] = {{1, 0x52}, {2, 0x57}};
    for (const auto &each : cases) {
        SCOPED_TRACE(each.status);
        SrpChangeSession session;
        session.answer(0x55, TestServer::message(0x55, Word(each.status)));
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForSent(each.next));
        EXPECT_EQ(session.sentIds().back(), each.next);
    }
    SrpChangeSession session;
    session.answer(0x55, TestServer::message(0x55, Word(7)));
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForClose());
    EXPECT_EQ(session.linesAfterConnecting(),
              (QStringList{QStringLiteral("There has been a unknown reponse in packet 0x55!"), kDisconnected}));
}

} // namespace
