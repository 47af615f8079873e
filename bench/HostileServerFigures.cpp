// What a hostile server can make the client do, beside what the same work
// costs without the server's help: replies queued for a server that does not
// read, a ping answered after 2,000 repeated 0x59 requests, 2,000 lines
// written while the flood queue is full, and the chat log's cost per line.
#include "Figures.h"
#include "Sections.h"

#include "packet/clsDataWriter.h"
#include "profiles/TarnwellApp.h"
#include "profiles/modProfiles.h"
#include "session/FloodGuard.h"
#include "session/Send.h"
#include "session/clsConnection.h"
#include "support/ServerProgram.h"
#include "support/TestApp.h"
#include "support/WaitUntil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <algorithm>
#include <unistd.h>

namespace {

constexpr int kRequests = 2000;
constexpr int kLines = 2000;
constexpr qint64 kKibibyte = 1024;

// A server that takes the connection and sends pings but reads nothing of
// what comes back: its socket reads 4 KiB, then the window closes.
void UnreadReplies()
{
    Figures::heading("A server that sends 2,000,000 pings (16 MB) and reads nothing");
    QTcpServer listener;
    listener.listen(QHostAddress::LocalHost);
    TestApp test;
    test.writeProfile(QStringLiteral("Profile0"), QStringLiteral("[Login]\nServer=127.0.0.1:%1\n[Ping]\nSpoof=Regular\n")
                                                      .arg(listener.serverPort())
                                                      .toLatin1());
    test.startUp();
    TarnwellApp &app = *test.app;
    app.profile(0).connection().Connect(app.profile(0).record().Server);
    if (!WaitUntil([&] { return listener.hasPendingConnections(); }))
        return;
    QTcpSocket *peer = listener.nextPendingConnection();
    peer->setReadBufferSize(4 * kKibibyte);
    const QByteArray ping = TestServer::message(0x25, clsDataWriter::CreateInt32(1));
    const int pings = 2000000;
    QByteArray burst;
    for (int n = 0; n < 1000; ++n)
        burst += ping;
    qint64 mostUnsent = 0;
    QTcpSocket &socket = app.profile(0).socket();
    for (int sent = 0; sent < pings && app.isConnected(0); sent += 1000) {
        peer->write(burst);
        // Paced by what the client takes, so that the server's own queue stays small.
        WaitUntil([&] {
            mostUnsent = std::max(mostUnsent, socket.bytesToWrite());
            return peer->bytesToWrite() < 64 * kKibibyte;
        });
    }
    WaitUntil([&] { return peer->bytesToWrite() == 0 && socket.bytesAvailable() == 0; }, 60000);
    mostUnsent = std::max(mostUnsent, socket.bytesToWrite());
    Figures::pair("most replies queued unsent", static_cast<double>(mostUnsent) / kKibibyte, "KiB",
                  "replies asked for (queued unbounded before)", static_cast<double>(pings) * 8 / kKibibyte);
    Figures::goal(QStringLiteral("queued output stays within 256 KiB and a slice, still connected"),
                  mostUnsent <= 264 * kKibibyte && app.isConnected(0));
}

// Milliseconds until the server has the answer to a ping sent after `before`.
double pingAfter(const QByteArray &before)
{
    ServerProgram p;
    p.startUp(1);
    TarnwellApp &app = p.app();
    app.profile(0).record().Mode = QStringLiteral("Register");
    app.profile(0).record().Email = QStringLiteral("probe@example.com");
    const int server = p.connect(0);
    if (server < 0)
        return 0;
    const auto answers = [&] {
        int count = 0;
        for (const TestServer::Message &message : p.server.messages(server))
            count += message.id == 0x25 && message.payload == clsDataWriter::CreateInt32(99);
        return count;
    };
    QElapsedTimer timer;
    timer.start();
    p.server.send(server, before + TestServer::message(0x25, clsDataWriter::CreateInt32(99)));
    WaitUntil([&] { return answers() == 1; }, 120000);
    return Figures::seconds(timer) * 1000;
}

void RepeatedRegistration()
{
    Figures::heading("A ping after 2,000 0x59 requests, with registration mode Register");
    QByteArray requests;
    for (int n = 0; n < kRequests; ++n)
        requests += TestServer::message(0x59);
    const double afterRequests = pingAfter(requests);
    const double alone = pingAfter({});
    Figures::pair("ping answered after 2,000 0x59", afterRequests, "ms", "ping answered alone", alone);

    // What each request cost before: a reply and a rewritten Config.ini.
    TestApp test;
    test.writeProfile(QStringLiteral("Profile0"));
    test.startUp();
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < kRequests; ++n)
        test.app->settings().WriteProfileSetting(QStringLiteral("Profile0"), QStringLiteral("Registration"),
                                                 QStringLiteral("Mode"), n % 2 ? QStringLiteral("Disabled") : QStringLiteral("Register"));
    Figures::pair("(before: 2,000 settings writes, one a request)", Figures::seconds(timer) * 1000, "ms",
                  "ping answered alone", alone);
    Figures::goal(QStringLiteral("the ping comes within 10x of a ping alone plus 1 s"), afterRequests < alone * 10 + 1000);
}

double linesSeconds(TarnwellApp &app)
{
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < kLines; ++n)
        app.profile(0).AddChat({QStringLiteral("alice: line ") + QString::number(n)});
    return Figures::seconds(timer);
}

void FullFloodQueue()
{
    Figures::heading("2,000 chat lines written while the flood queue holds 100 lines");
    ServerProgram p;
    p.startUp(1);
    TarnwellApp &app = p.app();
    if (p.connect(0) < 0)
        return;
    const double empty = linesSeconds(app);
    app.profile(0).record().Flood = FloodQuota{true, 1, 3600, 40};
    for (qsizetype n = 0; n <= FloodGuard::kMostWaiting; ++n)
        Send(app.profile(0), QStringLiteral("waiting ") + QString::number(n), SendBy::User);
    const double full = linesSeconds(app);
    Figures::rate("2,000 lines, 100 waiting", full * 1000, "ms", "2,000 lines, none waiting", empty * 1000);
    Figures::goal(QStringLiteral("a full queue costs the pane under 2x"),
                  full < empty * 2 && app.profile(0).floodGuard().waitingCount() == FloodGuard::kMostWaiting);
}

void ChatLogCost()
{
    Figures::heading("2,000 chat lines with the chat log on");
    TestApp test;
    test.writeProfile(QStringLiteral("Profile0"), "[Options]\nLog Chat=0\n");
    test.startUp();
    const double unlogged = linesSeconds(*test.app);
    test.app->profile(0).record().LogChat = true;
    const double logged = linesSeconds(*test.app);
    Figures::rate("2,000 lines logged (written, flushed)", logged * 1000, "ms", "2,000 lines not logged", unlogged * 1000);

    // What forcing every line to the disk would add.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("forced.txt")));
    file.open(QIODevice::WriteOnly | QIODevice::Append);
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < kLines; ++n) {
        file.write("[13:05:09] alice: a line of chat as long as most\n");
        file.flush();
        ::fsync(file.handle());
    }
    Figures::rate("2,000 lines each forced to the disk (fsync)", Figures::seconds(timer) * 1000, "ms",
                  "2,000 lines not logged", unlogged * 1000);
}

} // namespace

void HostileServerFigures()
{
    UnreadReplies();
    RepeatedRegistration();
    FullFloodQueue();
    ChatLogCost();
}
