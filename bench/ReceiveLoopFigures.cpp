// How fast one profile's receive loop takes a large stream of small messages
// apart: pings (each answered through the socket) and chat events, fed in
// reads of 64 KiB, beside a copy of the same bytes in the same reads.
#include "Figures.h"
#include "Sections.h"

#include "packet/clsDataWriter.h"
#include "session/PacketReceiver.h"
#include "session/clsConnection.h"
#include "support/ChatEvents.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <cstdio>
#include <vector>

namespace {

constexpr int kMessages = 400000;
constexpr qsizetype kReadSize = 64 * 1024;

// Half pings, half flag updates of a channel user.
QByteArray stream()
{
    const QByteArray event = ChatEventMessage(0x09, 0, 0, "probeA", "RATS 0 0 0 0 0 0 0 0 RATS");
    QByteArray bytes;
    for (int i = 0; i < kMessages; ++i)
        bytes += i % 2 == 0 ? TestServer::message(0x25, clsDataWriter::CreateInt32(i)) : event;
    return bytes;
}

} // namespace

void ReceiveLoopFigures()
{
    Figures::heading("Receive loop: 400,000 messages (pings and chat events) in 64 KiB reads");
    ServerProgram p;
    p.startUp(1);
    if (p.connect(0) < 0)
        return Figures::goal(QStringLiteral("connect to the local test server"), false);
    const QByteArray bytes = stream();
    std::vector<QByteArray> reads;
    for (qsizetype at = 0; at < bytes.size(); at += kReadSize)
        reads.push_back(bytes.mid(at, kReadSize));

    QElapsedTimer timer;
    timer.start();
    // A buffer that is emptied now and then, as the loop's own is.
    QByteArray copied;
    qint64 checksum = 0;
    for (const QByteArray &read : reads) {
        copied.append(read);
        checksum += copied.size();
        if (copied.size() > 16 * kReadSize)
            copied.resize(0);
    }
    const double copySeconds = Figures::seconds(timer);

    PacketReceiver &receiver = p.app().profile(0).connection().receiver();
    timer.restart();
    for (const QByteArray &read : reads)
        receiver.DataArrival(read);
    // A loop that hands long reads over in slices finishes in later events.
    WaitUntil([&] { return receiver.bufferedBytes() == 0; }, 600000);
    const double loopSeconds = Figures::seconds(timer);

    Figures::rate("receive loop (messages/s)", kMessages / loopSeconds, "msg/s", "plain copy of the same reads",
                  kMessages / copySeconds);
    std::printf("  (copy checksum %lld)\n", static_cast<long long>(checksum));
}
