#include "platform/Cp1252.h"
#include "session/ConnectionTimers.h"
#include "session/PasswordHash.h"
#include "session/ProfileKeys.h"
#include "session/SocketEvents.h"
#include "session/clsConnection.h"
#include "support/LogonSession.h"

#include <gtest/gtest.h>

namespace {

const QString kAccepted = QStringLiteral("Login accepted, entering chat environment...");
const QByteArray kEnterChatReply = QByteArray("probeA\0RATS 0 0 0 0 0 0 0 0 RATS\0probeA\0", 40);

// The messages and bytes below are those of a real server session.
TEST(HashLogon, InTheRealServersOrderEntersChatAndJoinsHome)
{
    LogonSession session;
    session.profile().Password = QStringLiteral("SECRET1"); // hashed as "secret1", as the server stores it
    session.state().ReconnectPending = true;
    // The real server asks for an e-mail address before it accepts.
    session.answer(0x3A, TestServer::message(0x59) + TestServer::message(0x3A, Word(0)));
    session.server().onMessage(0x0C, [&](int to, const TestServer::Message &) {
        session.profiles.clock().advance(250);
        session.server().sendMessage(to, 0x0A, kEnterChatReply);
    });
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0E));

    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x3A, 0x0A, 0x0C, 0x26, 0x0E}));
    EXPECT_EQ(session.sent(0x14), "tenb");
    EXPECT_EQ(session.sent(0x3A), Hex("78563412 25269c00 9e76446e9197b8d2255da20bee8bd0503cf9a913 70726f62654100"));
    EXPECT_EQ(session.sent(0x0A), Hex("70726f62654100 00"));
    EXPECT_EQ(session.sent(0x0C), Hex("01000000 50726f6265205465737400"));
    EXPECT_EQ(session.sent(0x26), ProfileKeys::readRequest(QStringLiteral("probeA"),
                                                           ProfileKeys::accountKeys(QStringLiteral("RATS")),
                                                           LogonSession::kClientToken + 250,
                                                           WireEncoding::Windows1252));
    EXPECT_EQ(session.sent(0x0E), QByteArray("/join Probe Test", 17));
    EXPECT_EQ(session.linesAfterConnecting(),
              QStringList({QStringLiteral("This account is not registered yet, checking settings on what to do..."),
                           QStringLiteral("Registration is disabled, skipping request..."), kAccepted,
                           QStringLiteral("Connected to Battle.net in 250ms!")}));
    const ProfileState &profile = session.state();
    EXPECT_EQ(profile.Statstring, QStringLiteral("RATS 0 0 0 0 0 0 0 0 RATS"));
    EXPECT_EQ(profile.AccountName, QStringLiteral("probeA"));
    EXPECT_EQ(profile.EnterChatTick, LogonSession::kClientToken + 250);
    EXPECT_FALSE(profile.ReconnectPending);
    EXPECT_TRUE(session.profiles.errorLogText().isEmpty());
}

TEST(HashLogon, PasswordsThatDifferOnlyInCaseGiveTheSameProof)
{
    LogonSession session;
    session.profile().Password = QStringLiteral("\u00c9T\u00c9 \u0160"); // accented capitals of the code page
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x3A));
    EXPECT_EQ(session.sent(0x3A).mid(8, 20),
              doubleHashPassword(Cp1252::encode(QStringLiteral("\u00e9t\u00e9 \u0161")), LogonSession::kClientToken,
                                 LogonSession::kServerToken));
}

TEST(HashLogon, AnUnknownAccountIsCreatedAndThenLogsOn)
{
    LogonSession session;
    int logons = 0;
    session.server().onMessage(0x3A, [&](int to, const TestServer::Message &) {
        session.server().sendMessage(to, 0x3A, Word(++logons == 1 ? 1 : 0));
    });
    session.answer(0x3D, TestServer::message(0x3D, Word(0)));
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0C));

    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x3A, 0x3D, 0x3A, 0x0A, 0x0C}));
    EXPECT_EQ(session.sent(0x3D), Hex("985a54dda4a9824fd799d72bd79f1337f5087996 70726f62654100"));
    EXPECT_EQ(session.linesAfterConnecting(),
              QStringList({QStringLiteral("Account does not exist!"),
                           QStringLiteral("Attempting to create your account..."),
                           QStringLiteral("Account has been successfully created!"), kAccepted}));
    EXPECT_EQ(session.profile().Password, QStringLiteral("secret1"));
}

TEST(HashLogon, RefusedLogonsDisconnect)
{
    const struct {
        QByteArray reply;
        QStringList lines;
        std::vector<quint8> sentAfterLogon;
    } cases[] = {
        {Word(2), {QStringLiteral("Password was incorrect!")}, {}},
        {Word(6), {QStringLiteral("Unexpected login result (0x00000006)")}, {}},
        {Word(0x0102), {QStringLiteral("Password was incorrect!")}, {}}, // the low byte decides
        // Accepted, but closed: chat is entered before the account's closure is told.
        {Word(0) + QByteArray("closed", 7),
         {kAccepted, QStringLiteral("A Battle.net representative closed your account!"), QStringLiteral("closed")},
         {0x0A, 0x0C}},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.lines.join(QLatin1Char('/')).toStdString());
        LogonSession session;
        session.answer(0x3A, TestServer::message(0x3A, each.reply));
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForClose());
        std::vector<quint8> expected{0x50, 0x25, 0x25, 0x14, 0x3A};
        expected.insert(expected.end(), each.sentAfterLogon.begin(), each.sentAfterLogon.end());
        EXPECT_EQ(session.sentIds(), expected);
        EXPECT_EQ(session.linesAfterConnecting(),
                  each.lines + QStringList{QStringLiteral("You have been disconnected from Battle.net.")});
    }
}

TEST(HashLogon, UdpPlugOneSendsNoTenb)
{
    LogonSession session;
    session.profile().UDPPlug = QStringLiteral("1");
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x3A));
    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x3A}));
}

TEST(HashLogon, AnUnsupportedLogonTypeLeavesTheConnectionOpenAndIdle)
{
    LogonSession session(1);
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForLine(QStringLiteral("Unsupported logon type (0x00000001)!")));
    ASSERT_TRUE(session.roundTrip());
    EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x00}));
}

TEST(HashLogon, TheServersUniqueNameNamesTheProfileInChatButTheAccountLogsOnAgainByItsOwn)
{
    LogonSession session;
    session.answer(0x3A, TestServer::message(0x3A, Word(0)));
    session.answer(0x0C, TestServer::message(0x0A, QByteArray("probeA#2\0RATS\0probeA\0", 22)));
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0E));
    EXPECT_EQ(session.state().UniqueName, QStringLiteral("probeA#2"));
    EXPECT_EQ(session.profile().Username, QStringLiteral("probeA"));

    sckBNET_Error(session.profiles.profile(0), 10053, QStringLiteral("Connection is aborted due to timeout or other failure"));
    session.profiles.clock().advance(ReconnectAfterClose::kDelays[0]);
    session.profiles.host.timers().tmrAutoReconnect_Timer();
    ASSERT_TRUE(session.server().waitForConnections(2));
    session.connection = 1;
    ASSERT_TRUE(session.waitForSent(0x3A));
    EXPECT_TRUE(session.sent(0x3A).endsWith(QByteArray("probeA", 7)));
}

} // namespace
