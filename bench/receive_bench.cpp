// How fast one profile's receive loop takes a large stream of small messages
// apart: pings (each answered through SendPacket on a live connection to a
// local listener) and chat events, fed in reads of 64 KiB, beside a baseline
// that only copies the same bytes in the same reads.
//
// Arguments: number of messages (1000000), bytes per read (65536; a read as
// large as the stream shows that one huge read costs no more per message).
#include "packet/clsDataWriter.h"
#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "session/clsConnection.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {


QByteArray Message(quint8 id, const QByteArray &payload)
{
    QByteArray message("\xFF", 1);
    message.append(static_cast<char>(id));
    message.append(clsDataWriter::CreateInt16(static_cast<qint16>(payload.size() + 4)));
    return message + payload;
}

// Half pings, half chat events of the size a channel's flag updates have.
QByteArray Stream(int messages)
{
    clsDataWriter event;
    event.InsertInt32(0x09);
    for (const qint32 field : {0, 0, 0, static_cast<qint32>(0xBAADF00D), static_cast<qint32>(0xBAADF00D)})
        event.InsertInt32(field);
    event.InsertCString("probeA");
    event.InsertCString("RATS 0 0 0 0 0 0 0 0 RATS");
    const QByteArray chatEvent = Message(0x0F, event.buffer);
    QByteArray stream;
    for (int i = 0; i < messages; ++i)
        stream += i % 2 == 0 ? Message(0x25, clsDataWriter::CreateInt32(i)) : chatEvent;
    return stream;
}

bool RunUntil(const std::function<bool()> &condition)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > 5000)
            return false;
        QEventLoop loop;
        QTimer::singleShot(50, &loop, [] {});
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

double Seconds(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int messages = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000000;
    const qsizetype readSize = argc > 2 ? std::max(1, std::atoi(argv[2])) : 64 * 1024;

    QTcpServer listener;
    if (!listener.listen(QHostAddress::LocalHost, 0)) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1\n");
        return 1;
    }
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Profiles/Bench"));
    QFile config(folder.path() + QStringLiteral("/Profiles/Bench/Config.ini"));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(QStringLiteral("[Login]\nServer=127.0.0.1:%1\nProduct=RATS\nVerbyte=D3\n[Ping]\nSpoof=Regular\n")
                     .arg(listener.serverPort())
                     .toLatin1());
    config.close();

    ManualClock clock;
    TarnwellApp app(folder.path(), clock);
    app.mainWindow().Form_Load();
    app.connection(0).Connect(app.record(0).Server);
    if (!RunUntil([&] { return app.isConnected(0) && listener.hasPendingConnections(); })) {
        std::fprintf(stderr, "no connection\n");
        return 1;
    }

    const QByteArray stream = Stream(messages);
    std::vector<QByteArray> reads;
    for (qsizetype at = 0; at < stream.size(); at += readSize)
        reads.push_back(stream.mid(at, readSize));

    QElapsedTimer timer;
    timer.start();
    // Like a receive buffer that is emptied now and then.
    QByteArray copied;
    qint64 copiedBytes = 0;
    for (const QByteArray &read : reads) {
        copied.append(read);
        copiedBytes += copied.size();
        if (copied.size() > 16 * readSize)
            copied.resize(0);
    }
    const double baseline = Seconds(timer);

    PacketReceiver &receiver = app.connection(0).receiver();
    timer.restart();
    for (const QByteArray &read : reads)
        receiver.DataArrival(read);
    const double loop = Seconds(timer);

    const qint64 answers = app.socket(0).bytesToWrite() / 8;
    std::printf("%d messages, %lld bytes in %zu reads of %lld bytes\n", messages, static_cast<long long>(stream.size()),
                reads.size(), static_cast<long long>(readSize));
    std::printf("receive loop:  %.0f messages/s (%.3f s), %lld pings answered\n", messages / loop, loop,
                static_cast<long long>(answers));
    std::printf("copy baseline: %.0f messages/s (%.3f s)\n", messages / baseline, baseline);
    std::printf("the loop takes %.1f times as long as the copy\n", loop / baseline);
    std::printf("(checksum %lld)\n", static_cast<long long>(copiedBytes));
    return 0;
}
