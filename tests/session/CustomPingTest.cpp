#include "packet/clsDataWriter.h"
#include "session/clsConnection.h"
#include "support/ServerProfiles.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

namespace {

// Profile 0 waits "Custom Ping" milliseconds before its first ping; profile 1
// is a regular one.
class CustomPing : public ::testing::Test {
protected:
    void startUp(const QString &customPing)
    {
        const QString address = profiles.server.address();
        profiles.host.add(QStringLiteral("Custom"),
                                   QStringLiteral("[Login]\nServer=%1\nProduct=RATS\n[Ping]\nSpoof=Custom\nCustom Ping=%2\n")
                                       .arg(address, customPing)
                                       .toLatin1());
        profiles.host.add(QStringLiteral("Regular"),
                                   QStringLiteral("[Login]\nServer=%1\nProduct=RATS\n").arg(address).toLatin1());
    }
    clsConnection &custom() const { return profiles.profile(0).connection(); }

    ServerProfiles profiles;
};

TEST_F(CustomPing, HoldsOnlyItsProfileAndLetsEverythingOutInTheOrderItCame)
{
    startUp(QStringLiteral("600000"));
    const int held = profiles.connect(0, 1);
    ASSERT_GE(held, 0);
    EXPECT_TRUE(custom().customPingHold().isHolding());

    custom().Sendx00();
    profiles.server.send(held, TestServer::message(0x25, clsDataWriter::CreateInt32(7)));
    // The server's ping stays unread in the socket.
    ASSERT_TRUE(WaitUntil([&] { return custom().heldBytes() == 8; }));
    QByteArray chat("hi", 3);
    custom().SendPacket(0x0E, chat);
    EXPECT_EQ(custom().customPingHold().waitingCount(), 2u);

    // Meanwhile the other profile and the program go on.
    const int regular = profiles.connect(1);
    ASSERT_GE(regular, 0);
    profiles.server.send(regular, TestServer::message(0x25, clsDataWriter::CreateInt32(8)));
    ASSERT_TRUE(profiles.server.waitForMessages(regular, 3));
    EXPECT_EQ(profiles.server.received(held).size(), 1 + 58) << "nothing but the protocol byte and 0x50 yet";

    custom().EndCustomPingDelay();
    ASSERT_TRUE(profiles.server.waitForMessages(held, 5));
    const std::vector<TestServer::Message> sent = profiles.server.messages(held);
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[1].id, 0x25);
    EXPECT_EQ(sent[1].payload, clsDataWriter::CreateInt32(0));
    EXPECT_EQ(sent[2].id, 0x00);
    EXPECT_EQ(sent[3].id, 0x0E);
    // The server's ping is read only now, and answered after what the
    // profile had sent before.
    EXPECT_EQ(sent[4].id, 0x25);
    EXPECT_EQ(sent[4].payload, clsDataWriter::CreateInt32(7));
    EXPECT_FALSE(custom().customPingHold().isHolding());

    custom().Sendx00();
    ASSERT_TRUE(profiles.server.waitForMessages(held, 6)) << "after the delay messages go out at once";
}

TEST_F(CustomPing, ADisconnectDuringTheDelayDropsWhatWaited)
{
    startUp(QStringLiteral("600000"));
    const int held = profiles.connect(0, 1);
    ASSERT_GE(held, 0);
    custom().Sendx00();
    custom().Disconnect();
    EXPECT_FALSE(custom().customPingHold().isHolding());
    custom().EndCustomPingDelay();
    ASSERT_TRUE(profiles.server.waitForClientClose(held));
    EXPECT_EQ(profiles.server.messages(held).size(), 1u);
}

TEST_F(CustomPing, TheDelayEndsByItselfAndADelayThatIsNotANumberIsSkipped)
{
    startUp(QStringLiteral("1"));
    ASSERT_GE(profiles.connect(0, 2), 0);
    for (const char *setting : {"soon", "-5"}) {
        SCOPED_TRACE(setting);
        profiles.profile(0).record().CustomPing = QString::fromLatin1(setting);
        const int connection = profiles.connect(0, 1);
        ASSERT_GE(connection, 0);
        EXPECT_FALSE(custom().customPingHold().isHolding());
        EXPECT_TRUE(profiles.server.waitForMessages(connection, 2));
    }
}

} // namespace
