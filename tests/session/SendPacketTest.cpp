#include "FailureNumber.h"
#include "session/clsConnection.h"
#include "support/ServerProfiles.h"

#include <gtest/gtest.h>

namespace {

TEST(SendPacket, PutsTheHeaderInFrontOfThePayloadAndEmptiesIt)
{
    ServerProfiles profiles;
    profiles.startUp(1);
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    const qsizetype before = profiles.server.received(connection).size();
    QByteArray chat("hello\0", 6);
    profiles.profile(0).connection().SendPacket(0x10E, chat);
    EXPECT_TRUE(chat.isEmpty());
    QByteArray longest(clsConnection::kMaxPayload, 'x');
    profiles.profile(0).connection().SendPacket(0x0E, longest);
    ASSERT_TRUE(profiles.server.waitForBytes(connection, before + 10 + 32767));
    const QByteArray sent = profiles.server.received(connection).mid(before);
    EXPECT_EQ(sent.left(10), QByteArray("\xFF\x0E\x0A\x00hello\0", 10)) << "only the low byte of the id is sent";
    EXPECT_EQ(sent.mid(10, 4), QByteArray("\xFF\x0E\xFF\x7F", 4));
}

TEST(SendPacket, RefusesAPayloadTooLongForTheLengthField)
{
    ServerProfiles profiles;
    profiles.startUp(1);
    const int connection = profiles.connect(0);
    ASSERT_GE(connection, 0);
    QByteArray tooLong(clsConnection::kMaxPayload + 1, 'x');
    EXPECT_EQ(FailureNumberOf([&] { profiles.profile(0).connection().SendPacket(0x0E, tooLong); }), Failure::Overflow);
    EXPECT_TRUE(tooLong.isEmpty());
    profiles.profile(0).connection().Sendx00();
    ASSERT_TRUE(profiles.server.waitForMessages(connection, 3));
    EXPECT_EQ(profiles.server.messages(connection).back().id, 0x00) << "nothing was written before the keep-alive";
    EXPECT_EQ(profiles.server.received(connection).size(), 67 + 4);
}

TEST(SendPacket, WithoutAConnectionTellsTheUserAndDisconnects)
{
    ServerProfiles profiles;
    profiles.startUp(1);
    QByteArray ping("\0\0\0\0", 4);
    profiles.profile(0).connection().SendPacket(0x25, ping);
    EXPECT_TRUE(ping.isEmpty());
    EXPECT_EQ(profiles.chatLines(0), QStringList({QStringLiteral("Packet sending failed [25], connection lost!"),
                                                         QStringLiteral("You have been disconnected from Battle.net.")}));
    EXPECT_TRUE(profiles.errorLogText().isEmpty());
}

} // namespace
