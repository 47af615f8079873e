#include "session/clsConnection.h"
#include "support/LogonSession.h"
#include "support/SrpAccountServer.h"

#include <gtest/gtest.h>

namespace {

const QString kAccepted = QStringLiteral("Login accepted, entering chat environment...");
const QString kDisconnected = QStringLiteral("You have been disconnected from Battle.net.");

// Profile 0 logging on with the SRP method to a server that checks its proofs.
struct SrpSession : LogonSession {
    SrpSession() : LogonSession(2), accounts(server()) {}
    const SrpExchange &srp() const { return profiles.profile(0).connection().srp(); }
    SrpAccountServer accounts;
};

TEST(SrpLogon, AGenuineExchangeEntersChatAndDisconnectFreesTheContext)
{
    SrpSession session;
    session.accounts.createAccount("probeA", "Secret1");
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0C));

    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x53, 0x54, 0x0A, 0x0C}));
    EXPECT_EQ(session.sent(0x53), session.srp().A + QByteArray("probeA", 7));
    EXPECT_EQ(session.srp().A.size(), 32);
    EXPECT_EQ(session.sent(0x54).size(), 20);
    EXPECT_EQ(session.linesAfterConnecting(), QStringList{kAccepted});

    session.profiles.profile(0).connection().Disconnect();
    EXPECT_EQ(session.srp().context, nullptr);
}

TEST(SrpLogon, AReconnectWithoutDisconnectStartsAFreshExchange)
{
    SrpSession session;
    session.accounts.createAccount("probeA", "Secret1");
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0C));
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0C));
    EXPECT_EQ(session.linesAfterConnecting(), QStringList{kAccepted});
    EXPECT_TRUE(session.profiles.errorLogText().isEmpty());
}

TEST(SrpLogon, RefusedProofs)
{
    const struct {
        const char *accountPassword;
        quint32 acceptedStatus;
        std::optional<QByteArray> forgedM2;
        QStringList lines;
    } cases[] = {
        {"Other", 0, std::nullopt, {QStringLiteral("Password is incorrect, try again!"), kDisconnected}},
        {"Secret1",
         0,
         QByteArray(20, '\x11'),
         {QStringLiteral("Password has been rejected by Battle.net!"), kDisconnected}},
        {"Secret1", 15, std::nullopt, {kDisconnected}},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.lines.first().toStdString());
        SrpSession session;
        session.accounts.createAccount("probeA", each.accountPassword);
        session.accounts.acceptedStatus = each.acceptedStatus;
        session.accounts.forgedM2 = each.forgedM2;
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForClose());
        EXPECT_EQ(session.linesAfterConnecting(), each.lines);
        EXPECT_EQ(session.sentIds().back(), 0x54);
    }
}

TEST(SrpLogon, AProofAcceptedWithARequestForAnEmailRegistersItThenEntersChat)
{
    SrpSession session;
    session.profile().Mode = QStringLiteral("Register");
    session.profile().Email = QStringLiteral("probe@example.com");
    session.accounts.createAccount("probeA", "Secret1");
    session.accounts.acceptedStatus = 14;
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0C));
    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x53, 0x54, 0x59, 0x0A, 0x0C}));
    EXPECT_EQ(session.sent(0x59), QByteArray("probe@example.com", 18));
    EXPECT_EQ(session.linesAfterConnecting(),
              QStringList({QStringLiteral("Attempting to register account..."),
                           QStringLiteral("Your account has been registered to the email: probe@example.com"),
                           kAccepted}));
}

TEST(SrpLogon, AnUnknownAccountIsCreatedAndLogsOnWithTheSameContext)
{
    SrpSession session;
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0C));
    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x53, 0x52, 0x53, 0x54, 0x0A, 0x0C}));
    const QByteArray account = session.sent(0x52);
    EXPECT_EQ(account.size(), 64 + 7);
    EXPECT_EQ(account.mid(64), QByteArray("PROBEA", 7));
    EXPECT_EQ(session.server().messages(session.connection)[4].payload, session.sent(0x53)) << "the same A";
    EXPECT_EQ(session.linesAfterConnecting(),
              QStringList({QStringLiteral("Attempting to create account.."),
                           QStringLiteral("Account has been successfully created!"), kAccepted}));
    EXPECT_EQ(session.profile().Password, QStringLiteral("secret1"));
}

TEST(SrpLogon, AccountCreationRefusalsDisconnect)
{
    const std::pair<quint32, const char *> cases[] = {
        {4, "Account already exists!"},
        {7, "Account length is too short!"},
        {8, "Account contains an illegal character!"},
        {9, "Account contains an illegal word!"},
        {10, "Account contains too few alphanumeric characters!"},
        {11, "Account contains adjacent punctuation characters!"},
        {1, "Unexpected 0x52 response!"},
    };
    for (const auto &[status, line] : cases) {
        SCOPED_TRACE(line);
        SrpSession session;
        session.answer(0x52, TestServer::message(0x52, Word(status)));
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForClose());
        EXPECT_EQ(session.linesAfterConnecting().mid(1), (QStringList{QString::fromLatin1(line), kDisconnected}));
    }
}

TEST(SrpLogon, AnUpgradedAccountLogsOnAgainWithTheNewServerToken)
{
    SrpSession session;
    session.answer(0x53, TestServer::message(0x53, Word(5)));
    session.answer(0x57, TestServer::message(0x57, Word(0) + Word(0x11223344)));
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x53, 2));
    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x53, 0x57, 0x53}));
    EXPECT_EQ(session.sent(0x57), QByteArray());
    EXPECT_EQ(session.profiles.profile(0).logon().ServerToken, 0x11223344u);
    EXPECT_EQ(session.server().messages(session.connection)[4].payload, session.sent(0x53)) << "the same A";
}

TEST(SrpLogon, UnexpectedChallengeAndUpgradeRepliesDisconnect)
{
    const struct {
        QByteArray challenge;
        QString line;
    } cases[] = {
        {Word(3), QStringLiteral("There has been a unknown reponse in packet 0x53!")},
        {Word(5), QStringLiteral("Upgrade request was rejected!")},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.line.toStdString());
        SrpSession session;
        session.answer(0x53, TestServer::message(0x53, each.challenge));
        session.answer(0x57, TestServer::message(0x57, Word(1)));
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForClose());
        EXPECT_EQ(session.linesAfterConnecting(), (QStringList{each.line, kDisconnected}));
    }
}

} // namespace
