#include "packet/clsDataWriter.h"
#include "profiles/frmMain.h"
#include "session/clsConnection.h"
#include "support/MessageBoxAnswer.h"
#include "support/ServerProfiles.h"
#include "support/WaitUntil.h"

#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr qint64 kMebibyte = 1024 * 1024;
constexpr int kFloodWait = 120000;

// A server pouring out data faster than profile 0 takes it: pings that the
// client must answer in order, around mebibytes of messages it reads past.
class ServerFlood : public ::testing::Test {
protected:
    ServerProfiles p;
    qint64 mostHeld = 0;

    clsConnection &connection() const { return p.profile(0).connection(); }
    // Notes what the client holds of the stream now; true, to go inside conditions.
    bool noteHeld()
    {
        mostHeld = std::max(mostHeld, connection().heldBytes());
        return true;
    }

    // Mebibytes of the longest messages there are, which the client reads past.
    void pour(int server, int mebibytes)
    {
        QByteArray mebibyte;
        while (mebibyte.size() < kMebibyte)
            mebibyte += TestServer::message(0x7F, QByteArray(clsConnection::kMaxPayload, '\x7F'));
        for (int n = 0; n < mebibytes; ++n)
            p.server.send(server, mebibyte);
    }
    // A ping with `first`, the mebibytes, a ping with `last`.
    void flood(int server, int mebibytes, qint32 first, qint32 last)
    {
        p.server.sendMessage(server, 0x25, clsDataWriter::CreateInt32(first));
        pour(server, mebibytes);
        p.server.sendMessage(server, 0x25, clsDataWriter::CreateInt32(last));
    }
    // The values of the client's pings, in the order it sent them.
    std::vector<QByteArray> pings(int server) const
    {
        std::vector<QByteArray> values;
        for (const TestServer::Message &message : p.server.messages(server)) {
            if (message.id == 0x25)
                values.push_back(message.payload);
        }
        return values;
    }
};

TEST_F(ServerFlood, AHundredMebibytesDuringTheCustomPingDelayWaitInTheServerAndAreAnsweredInOrderAfter)
{
    // Longer than the test: the test ends the delay as its timer would.
    p.startUp(1, QStringLiteral("Custom"), QStringLiteral("600000"));
    const int server = p.connect(0, 1);
    ASSERT_GE(server, 0);
    ASSERT_TRUE(connection().customPingHold().isHolding());
    flood(server, 100, 1, 2);

    const QTcpSocket &socket = p.profile(0).socket();
    ASSERT_TRUE(WaitUntil([&] { return noteHeld() && socket.bytesAvailable() >= clsConnection::kSocketReadBuffer; },
                          kFloodWait));
    EXPECT_EQ(connection().receiver().bufferedBytes(), 0) << "nothing is handled during the delay";
    EXPECT_GT(p.server.unsentBytes(server), 90 * kMebibyte) << "the rest waits in the server";
    EXPECT_EQ(pings(server).size(), 0u);

    connection().EndCustomPingDelay();
    ASSERT_TRUE(WaitUntil([&] { return noteHeld() && pings(server).size() == 3; }, kFloodWait));
    EXPECT_EQ(pings(server), (std::vector<QByteArray>{clsDataWriter::CreateInt32(0), clsDataWriter::CreateInt32(1),
                                                      clsDataWriter::CreateInt32(2)}));
    EXPECT_LE(mostHeld, clsConnection::kMaxHeldBytes);
    EXPECT_TRUE(p.profile(0).isConnected());
}

TEST_F(ServerFlood, WhileAMessageBoxWaitsForTheUserTheProfileTakesItsDataInBoundedSlices)
{
    p.startUp(1);
    const int server = p.connect(0);
    ASSERT_GE(server, 0);
    flood(server, 16, 3, 4);

    // The box runs its own event loop until the last ping has been answered.
    const QDeadlineTimer deadline(kFloodWait);
    const MessageBoxAnswer boxes(QMessageBox::Ok,
                                 [&] { return noteHeld() && (pings(server).size() == 3 || deadline.hasExpired()); });
    QMessageBox question(QMessageBox::Question, QStringLiteral("Tarnwell"), QStringLiteral("Still there?"),
                         QMessageBox::Ok);
    question.exec();

    EXPECT_EQ(pings(server), (std::vector<QByteArray>{clsDataWriter::CreateInt32(0), clsDataWriter::CreateInt32(3),
                                                      clsDataWriter::CreateInt32(4)}));
    EXPECT_LE(mostHeld, clsConnection::kMaxHeldBytes);
}

TEST_F(ServerFlood, EverythingSentBeforeTheServerClosesIsHandledBeforeTheDisconnect)
{
    p.startUp(1);
    const int server = p.connect(0);
    ASSERT_GE(server, 0);
    // Nothing the client answers: an answer after the close would bring a
    // reset, which drops what the kernel still holds.
    pour(server, 2);
    p.server.send(server, TestServer::message(0x5E));
    p.server.close(server);
    ASSERT_TRUE(WaitUntil([&] { return !p.profile(0).isConnected(); }, kFloodWait));
    ASSERT_TRUE(WaitUntil([&] {
        return p.chatLines(0).last() == QStringLiteral("You have been disconnected from Battle.net.");
    }));
    const QStringList lines = p.chatLines(0);
    EXPECT_TRUE(lines[lines.size() - 2].startsWith(QStringLiteral("You have received packet 0x5E.")))
        << lines.join(QLatin1Char('\n')).toStdString();
}

} // namespace
