#include "channel/clsUsers.h"
#include "packet/clsDataWriter.h"
#include "session/clsConnection.h"
#include "support/ChatEvents.h"
#include "support/ServerProfiles.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr std::size_t kGreeting = 2; // the client's 0x50 and first 0x25

QByteArray Ping(qint32 value)
{
    return TestServer::message(0x25, clsDataWriter::CreateInt32(value));
}

// The client's messages after its greeting.
std::vector<TestServer::Message> Replies(const TestServer &server, int connection)
{
    const std::vector<TestServer::Message> all = server.messages(connection);
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(kGreeting, all.size())), all.end()};
}

// The client answers a keep-alive at once, so one sent after the messages
// under test marks the point by which their answers must have come.
bool WaitForBarrier(ServerProfiles &profiles, int index, int connection)
{
    const std::size_t before = profiles.server.messages(connection).size();
    profiles.profile(index).connection().receiver().DataArrival(TestServer::message(0x00));
    return profiles.server.waitForMessages(connection, before + 1) &&
           profiles.server.messages(connection).back().id == 0x00;
}

class PacketFraming : public ::testing::Test {
protected:
    void SetUp() override
    {
        profiles.startUp(2);
        connection = profiles.connect(0);
        ASSERT_GE(connection, 0);
    }
    PacketReceiver &receiver(int index = 0) { return profiles.profile(index).connection().receiver(); }

    ServerProfiles profiles;
    int connection = -1;
};

TEST_F(PacketFraming, DispatchesEveryMessageOfOneReadInOrder)
{
    QByteArray stream;
    for (qint32 value = 1; value <= 5000; ++value)
        stream += Ping(value);
    receiver().DataArrival(stream);
    ASSERT_TRUE(profiles.server.waitForMessages(connection, kGreeting + 5000));
    const std::vector<TestServer::Message> replies = Replies(profiles.server, connection);
    for (qint32 value = 1; value <= 5000; ++value) {
        ASSERT_EQ(replies[static_cast<std::size_t>(value - 1)].id, 0x25);
        ASSERT_EQ(replies[static_cast<std::size_t>(value - 1)].payload, clsDataWriter::CreateInt32(value));
    }
    EXPECT_EQ(receiver().bufferedBytes(), 0);
}

TEST_F(PacketFraming, DispatchesASplitMessageOnceWhenItsLastByteArrives)
{
    const QByteArray ping = Ping(0x0BADF00D);
    receiver().DataArrival(ping.left(1));
    EXPECT_EQ(receiver().bufferedBytes(), 1);
    receiver().DataArrival(ping.mid(1, 2));
    EXPECT_EQ(receiver().bufferedBytes(), 3);
    receiver().DataArrival(ping.mid(3));
    EXPECT_EQ(receiver().bufferedBytes(), 0);
    ASSERT_TRUE(WaitForBarrier(profiles, 0, connection));
    const std::vector<TestServer::Message> replies = Replies(profiles.server, connection);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].id, 0x25);
    EXPECT_EQ(replies[0].payload, clsDataWriter::CreateInt32(0x0BADF00D));
}

TEST_F(PacketFraming, AnswersAKeepAliveWithExactlyFourBytes)
{
    const qsizetype before = profiles.server.received(connection).size();
    receiver().DataArrival(TestServer::message(0x00));
    ASSERT_TRUE(profiles.server.waitForBytes(connection, before + 4));
    EXPECT_EQ(profiles.server.received(connection).mid(before), QByteArray("\xFF\x00\x04\x00", 4));
}

TEST_F(PacketFraming, IgnoresUnknownIdsAndNotesMessage0x5E)
{
    receiver().DataArrival(TestServer::message(0x99, "whatever") + TestServer::message(0x5E, "ignored"));
    ASSERT_TRUE(WaitForBarrier(profiles, 0, connection));
    EXPECT_EQ(Replies(profiles.server, connection).size(), 1u) << "only the barrier is answered";
    EXPECT_EQ(profiles.chatLines(0).last(),
              QStringLiteral("You have received packet 0x5E. Tarnwell cannot respond to this packet as of the moment, "
                             "which means you will be disconnected in the next 2 minutes. Sorry for the "
                             "inconvenience."));
}

TEST_F(PacketFraming, NothingBehindAMessageThatEndedTheConnectionIsHandled)
{
    QByteArray wrong = Ping(7);
    wrong[0] = '\xAB';
    const QByteArray refused = TestServer::message(0x3A, clsDataWriter::CreateInt32(2));
    const QByteArray listed = ChatEventMessage(0x01, 0, 10, "Bob", "RATS");
    const struct {
        QByteArray ending;
        QString line;
    } cases[] = {
        {wrong, QStringLiteral("Battle.net protocol violation occurred (0xAB)")},
        {refused, QStringLiteral("Password was incorrect!")},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.line.toStdString());
        const int at = profiles.server.connectionCount();
        ASSERT_GE(profiles.connect(0), 0);
        const qsizetype linesBefore = profiles.chatLines(0).size();
        const QSignalSpy labels(&profiles.profile(0), &Profile::channelLabelChanged);
        receiver().DataArrival(each.ending + Ping(8) + ChatEventMessage(0x07, 0, 0, "probe", "Chat") + listed);
        EXPECT_EQ(profiles.chatLines(0).mid(linesBefore),
                  QStringList({each.line, QStringLiteral("You have been disconnected from Battle.net.")}));
        EXPECT_EQ(receiver().bufferedBytes(), 0);
        EXPECT_EQ(profiles.profile(0).users().UserlistCount(), 0);
        ASSERT_FALSE(labels.isEmpty());
        EXPECT_EQ(labels.last().at(0).toString(), QStringLiteral("Disconnected [0]"));
        EXPECT_TRUE(profiles.server.waitForClientClose(at));
        EXPECT_EQ(Replies(profiles.server, at).size(), 0u);
    }
}

TEST_F(PacketFraming, ALengthThatCannotFrameAMessageDisconnectsAndDropsTheStream)
{
    for (const char *header : {"\xFF\x25\x00\x00", "\xFF\x25\x03\x00", "\xFF\x25\x00\x80", "\xFF\x25\xFF\xFF"}) {
        SCOPED_TRACE(QByteArray(header, 4).toHex().toStdString());
        const qsizetype linesBefore = profiles.chatLines(0).size();
        const QSignalSpy labels(&profiles.profile(0), &Profile::channelLabelChanged);
        receiver().DataArrival(QByteArray(header, 4) + Ping(1) + Ping(2));
        EXPECT_EQ(receiver().bufferedBytes(), 0);
        EXPECT_EQ(profiles.chatLines(0).mid(linesBefore),
                  QStringList({QStringLiteral("Battle.net protocol violation occurred (0xFF)"),
                               QStringLiteral("You have been disconnected from Battle.net.")}));
    }
    EXPECT_TRUE(profiles.server.waitForClientClose(connection));
    EXPECT_EQ(Replies(profiles.server, connection).size(), 0u);
}

TEST_F(PacketFraming, EachProfileFramesItsOwnStream)
{
    const int second = profiles.connect(1);
    ASSERT_GE(second, 0);
    const QByteArray first = Ping(1);
    receiver(0).DataArrival(first.left(3));
    receiver(1).DataArrival(Ping(2) + Ping(3).left(5));
    receiver(0).DataArrival(first.mid(3));
    receiver(1).DataArrival(Ping(3).mid(5));
    ASSERT_TRUE(WaitForBarrier(profiles, 0, connection));
    ASSERT_TRUE(WaitForBarrier(profiles, 1, second));
    const std::vector<TestServer::Message> repliesOf0 = Replies(profiles.server, connection);
    const std::vector<TestServer::Message> repliesOf1 = Replies(profiles.server, second);
    ASSERT_EQ(repliesOf0.size(), 2u);
    EXPECT_EQ(repliesOf0[0].payload, clsDataWriter::CreateInt32(1));
    ASSERT_EQ(repliesOf1.size(), 3u);
    EXPECT_EQ(repliesOf1[0].payload, clsDataWriter::CreateInt32(2));
    EXPECT_EQ(repliesOf1[1].payload, clsDataWriter::CreateInt32(3));
}

} // namespace
