#include "packet/clsDataWriter.h"
#include "session/PacketReceiver.h"
#include "session/clsConnection.h"
#include "support/ChatEvents.h"
#include "support/LogonSession.h"
#include "support/WaitUntil.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

// A server that sends but does not read. Until the event loop runs again,
// what the client writes stays unsent in its socket, as everything does once
// such a server's buffers are full.
class UnreadingServer : public ::testing::Test {
protected:
    LogonSession session{1};
    QTcpSocket *socket = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(session.connect());
        socket = &session.profiles.profile(0).socket();
    }
    void leaveUnsent(qint64 bytes) const
    {
        const QByteArray unread = TestServer::message(0x46, QByteArray(1000, 'x'));
        while (socket->bytesToWrite() < bytes)
            socket->write(unread);
    }
    // How many bytes the client adds to what waits when the server sends this.
    qint64 answered(const QByteArray &request) const
    {
        const qint64 before = socket->bytesToWrite();
        session.profiles.profile(0).connection().receiver().DataArrival(request);
        return socket->bytesToWrite() - before;
    }
};

TEST_F(UnreadingServer, PastTheFirstBoundItsRequestsGoUnansweredAndPastTheSecondItIsDisconnected)
{
    session.profile().VoidView = true;
    const struct {
        const char *request;
        QByteArray message;
    } cases[] = {
        {"ping", TestServer::message(0x25, clsDataWriter::CreateInt32(7))},
        {"keep-alive", TestServer::message(0x00)},
        {"enter chat", TestServer::message(0x0A, QByteArray("probeA\0RATS\0probeA\0", 19))},
        {"void view join", ChatEventMessage(0x07, 0, 0, "probeA", "The Void")},
    };
    for (const auto &c : cases) {
        leaveUnsent(clsConnection::kMostUnsentForAnswers + 1);
        EXPECT_EQ(answered(c.message), 0) << c.request;
        ASSERT_TRUE(WaitUntil([&] { return socket->bytesToWrite() == 0; })) << "the server reads again";
        EXPECT_GT(answered(c.message), 0) << c.request;
    }

    ASSERT_TRUE(WaitUntil([&] { return socket->bytesToWrite() == 0; }));
    leaveUnsent(clsConnection::kMostUnsent);
    session.profiles.profile(0).connection().Sendx00();
    EXPECT_FALSE(session.profiles.profile(0).isConnected());
    const QStringList lines = session.profiles.chatLines(0);
    EXPECT_TRUE(lines.contains(QStringLiteral("The server has not read the last 1024 KiB sent to it; disconnecting.")))
        << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lines.last(), QStringLiteral("You have been disconnected from Battle.net."));
}

TEST_F(UnreadingServer, ARepeatedEnterChatReplyIsFollowedUpOnceAConnection)
{
    const QByteArray entered = TestServer::message(0x0A, QByteArray("probeA\0RATS\0probeA\0", 19));
    for (int logon = 0; logon < 2; ++logon) {
        if (logon > 0) {
            ASSERT_TRUE(session.connect());
        }
        for (int reply = 0; reply < 3; ++reply)
            session.server().send(session.connection, entered);
        ASSERT_TRUE(session.roundTrip());
        const std::vector<quint8> ids = session.sentIds();
        EXPECT_EQ(std::count(ids.begin(), ids.end(), quint8{0x26}), 1) << "logon " << logon;
    }
}

} // namespace
