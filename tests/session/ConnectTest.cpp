#include "packet/clsDataWriter.h"
#include "platform/Clock.h"
#include "session/clsConnection.h"
#include "support/ServerProfiles.h"
#include "support/WaitUntil.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char *text)
{
    return QByteArray::fromHex(text);
}

TEST(Connect, WritesTheProtocolByteTheClientInformationAndAFirstPing)
{
    ServerProfiles profiles;
    profiles.startUp(1);
    profiles.clock().setTickCount(123456);
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    // As captured from a real client session with a RATS profile, version byte D3.
    EXPECT_EQ(profiles.server.received(connection),
              Hex("01"
                  "ff503a00 00000000 36385849 52415453 d3000000 00000000 00000000 00000000 00000000 00000000"
                  "55534100 556e6974 65642053 74617465 7300"
                  "ff250800 00000000"));
    EXPECT_EQ(profiles.profile(0).state().ConnectTick, 123456u);
    EXPECT_EQ(profiles.chatLines(0), QStringList({QStringLiteral("Attempting to connect to Battle.net..."),
                                                         QStringLiteral("Connection has been established to Battle.net!")}));
}

TEST(Connect, SendsTheProductCodeAsStoredAndTheVersionByteAsHexadecimal)
{
    ServerProfiles profiles;
    profiles.host.add(QStringLiteral("Diablo"), QStringLiteral("[Login]\nServer=%1\nProduct=PX2D\nVerbyte=D3\n")
                                                             .arg(profiles.server.address())
                                                             .toLatin1());
    profiles.host.add(QStringLiteral("Empty"),
                               QStringLiteral("[Login]\nServer=%1\n").arg(profiles.server.address()).toLatin1());
    ASSERT_GE(profiles.connect(0), 0);
    ASSERT_GE(profiles.connect(1), 0);
    const QByteArray diablo = profiles.server.messages(0).front().payload;
    EXPECT_EQ(diablo.mid(8, 4), "PX2D");
    EXPECT_EQ(diablo.mid(12, 8), Hex("d300000000000000"));
    const QByteArray empty = profiles.server.messages(1).front().payload;
    EXPECT_EQ(empty.size(), 54) << "an empty product still fills its four bytes";
    EXPECT_EQ(empty.mid(8, 8), Hex("0000000000000000"));
}

TEST(Connect, AVersionByteThatIsNotHexadecimalIsReportedAndTheFirstPingStillGoes)
{
    ServerProfiles profiles;
    profiles.host.add(QStringLiteral("Bad"), QStringLiteral("[Login]\nServer=%1\nProduct=RATS\nVerbyte=ZZ\n")
                                                          .arg(profiles.server.address())
                                                          .toLatin1());
    const int connection = profiles.connect(0, 1);
    ASSERT_GE(connection, 0);
    EXPECT_EQ(profiles.server.received(connection), Hex("01 ff250800 00000000"));
    EXPECT_TRUE(profiles.errorLogText().contains(QStringLiteral("Error in: sckBNET_Connect of frmMain")));
}

TEST(Connect, EchoesTheServersPingsAndLeavesTheRestToTheirHandlers)
{
    ServerProfiles profiles;
    profiles.startUp(1);
    // A real server answers 0x50 with its ping first, then its reply.
    profiles.server.onMessage(0x50, [&](int connection, const TestServer::Message &) {
        profiles.server.send(connection, Hex("ff250800 58060000") + TestServer::message(0x50, QByteArray(99, 'x')));
    });
    const int connection = profiles.connect(0, 3);
    ASSERT_GE(connection, 0);
    const std::vector<TestServer::Message> sent = profiles.server.messages(connection);
    EXPECT_EQ(sent[2].id, 0x25);
    EXPECT_EQ(sent[2].payload, Hex("58060000"));
}

TEST(Connect, WithPingOption0msTheServersPingsGoUnanswered)
{
    ServerProfiles profiles;
    profiles.startUp(1, QStringLiteral("0ms"));
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    profiles.server.send(connection, Hex("ff250800 58060000 ff000400"));
    ASSERT_TRUE(profiles.server.waitForMessages(connection, 3));
    const std::vector<TestServer::Message> sent = profiles.server.messages(connection);
    EXPECT_EQ(sent[1].id, 0x25) << "the first ping is sent with every ping option";
    EXPECT_EQ(sent[2].id, 0x00) << "the keep-alive behind the ping is answered, the ping is not";
}

TEST(Connect, ANewConnectionDoesNotInheritBytesLeftFromTheOldOne)
{
    ServerProfiles profiles;
    profiles.startUp(1);
    const int old = profiles.connect(0);
    ASSERT_GE(old, 0);
    profiles.server.send(old, Hex("ff2508"));
    ASSERT_TRUE(WaitUntil([&] { return profiles.profile(0).connection().receiver().bufferedBytes() == 3; }));
    const int fresh = profiles.connect(0);
    ASSERT_GE(fresh, 0);
    EXPECT_EQ(profiles.profile(0).connection().receiver().bufferedBytes(), 0);
    profiles.server.send(fresh, Hex("ff250800 01000000"));
    ASSERT_TRUE(profiles.server.waitForMessages(fresh, 3));
    EXPECT_EQ(profiles.server.messages(fresh)[2].payload, Hex("01000000"));
    EXPECT_TRUE(profiles.server.waitForClientClose(old));
}

TEST(Connect, AnUnreadableAddressLeavesTheConnectionAsItIsAndStopsRetrying)
{
    ServerProfiles profiles;
    profiles.startUp(1);
    const int server = profiles.connect(0);
    ASSERT_GE(server, 0);
    ProfileHost &app = profiles.host;
    for (const char *address : {"127.0.0.1:61l2", "host:0", "host:65536", "[::1", "[::1]x"}) {
        app.profile(0).state().ReconnectPending = true;
        app.profile(0).connection().Connect(QString::fromLatin1(address));
        EXPECT_EQ(app.profile(0).socket().state(), QAbstractSocket::ConnectedState) << address;
        EXPECT_FALSE(app.profile(0).state().ReconnectPending) << address;
        EXPECT_EQ(profiles.chatLines(0).last(),
                  QStringLiteral("Cannot connect: the Server setting \"%1\" is not a server address (a host name or "
                                 "IP address, optionally followed by \":\" and a port from 1 to 65535).")
                      .arg(QString::fromLatin1(address)));
    }
    EXPECT_EQ(profiles.chatLines(0).filter(QStringLiteral("Attempting to connect")).size(), 1);
    EXPECT_TRUE(profiles.errorLogText().isEmpty()) << profiles.errorLogText().toStdString();
    EXPECT_FALSE(profiles.server.clientClosed(server));
}

} // namespace
