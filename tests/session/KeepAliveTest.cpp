#include "packet/clsDataWriter.h"
#include "session/ConnectionTimers.h"
#include "session/clsConnection.h"
#include "support/ServerProfiles.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The ids the client sent on the connection after its greeting, up to and
// including its answer to a ping the server sends now, which marks the end.
std::vector<quint8> IdsUpToPingAnswer(TestServer &server, int connection)
{
    const std::size_t before = server.messages(connection).size();
    server.sendMessage(connection, 0x25, clsDataWriter::CreateInt32(0x4B1D));
    const bool answered = server.waitForMessages(connection, before + 1) &&
                          WaitUntil([&] { return server.messages(connection).back().id == 0x25; });
    std::vector<quint8> ids;
    if (!answered)
        return ids;
    const std::vector<TestServer::Message> all = server.messages(connection);
    for (std::size_t i = 2; i < all.size(); ++i)
        ids.push_back(all[i].id);
    return ids;
}

class KeepAlive : public ::testing::Test {
protected:
    void SetUp() override
    {
        profiles.startUp(3);
        first = profiles.connect(0);
        third = profiles.connect(2);
        ASSERT_GE(first, 0);
        ASSERT_GE(third, 0);
    }
    void tick() { profiles.host.timers().tmrKeepAlive_Timer(); }

    ServerProfiles profiles;
    int first = -1;
    int third = -1;
};

TEST_F(KeepAlive, SendsEachConnectedProfileOneKeepAliveOnceSevenMinutesHavePassed)
{
    tick(); // starts the count
    profiles.clock().advance(419999);
    tick();
    EXPECT_EQ(IdsUpToPingAnswer(profiles.server, first), std::vector<quint8>({0x25}));

    profiles.clock().advance(1);
    tick();
    profiles.clock().advance(40000);
    tick();
    EXPECT_EQ(IdsUpToPingAnswer(profiles.server, first), std::vector<quint8>({0x25, 0x00, 0x25}));
    EXPECT_EQ(IdsUpToPingAnswer(profiles.server, third), std::vector<quint8>({0x00, 0x25}));
    EXPECT_FALSE(profiles.chatLines(1).join(QLatin1Char('\n')).contains(QStringLiteral("Packet sending failed")))
        << "a profile without a connection gets nothing";

    profiles.clock().advance(380000);
    tick();
    EXPECT_EQ(IdsUpToPingAnswer(profiles.server, third), std::vector<quint8>({0x00, 0x25, 0x00, 0x25}));
}

TEST_F(KeepAlive, CountsTheSevenMinutesAcrossAWrapOfTheTickCount)
{
    profiles.clock().setTickCount(0xFFFFFF00u);
    tick();
    profiles.clock().advance(420000);
    tick();
    EXPECT_EQ(IdsUpToPingAnswer(profiles.server, first), std::vector<quint8>({0x00, 0x25}));
}

} // namespace

// The test server answers every 0x00 with a 0x00, as the common server does.
class EchoingServer : public KeepAlive {
protected:
    // What the client sent from message `from` on, up to its answers to two
    // pings sent now: an exchange of 0x00s would come between them.
    std::vector<quint8> idsFromUpToTwoPingAnswers(std::size_t from)
    {
        IdsUpToPingAnswer(profiles.server, first);
        IdsUpToPingAnswer(profiles.server, first);
        std::vector<quint8> ids;
        const std::vector<TestServer::Message> all = profiles.server.messages(first);
        for (std::size_t i = from; i < all.size(); ++i)
            ids.push_back(all[i].id);
        return ids;
    }
};

TEST_F(EchoingServer, TradesOneEmptyMessageWhoeverStarts)
{
    const std::function<void()> starts[] = {
        [this] { profiles.server.sendMessage(first, 0x00); },
        [this] {
            tick();
            profiles.clock().advance(ConnectionTimers::kKeepAliveAfter + 1);
            tick();
        },
    };
    for (const auto &start : starts) {
        const std::size_t before = profiles.server.messages(first).size();
        start();
        EXPECT_EQ(idsFromUpToTwoPingAnswers(before), std::vector<quint8>({0x00, 0x25, 0x25}));
        profiles.clock().advance(clsConnection::kKeepAliveReplyWindow + 1);
    }
}

TEST_F(EchoingServer, AnswersEachZeroTheServerSendsOfItsOwnAMinuteApart)
{
    const std::size_t before = profiles.server.messages(first).size();
    for (int round = 0; round < 2; ++round) {
        profiles.server.sendMessage(first, 0x00);
        // The second ping comes back after the server's reply to the answer.
        IdsUpToPingAnswer(profiles.server, first);
        IdsUpToPingAnswer(profiles.server, first);
        profiles.clock().advance(clsConnection::kKeepAliveReplyWindow + 1);
    }
    EXPECT_EQ(idsFromUpToTwoPingAnswers(before),
              std::vector<quint8>({0x00, 0x25, 0x25, 0x00, 0x25, 0x25, 0x25, 0x25}));
}
