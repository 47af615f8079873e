// The longest stall of the UI thread while a burst of 10,000 talk events
// arrives over the socket in 64 KiB writes, beside the same timer's worst
// lateness on an idle loop of the same length.
#include "Figures.h"
#include "InChat.h"
#include "Sections.h"
#include "StallMeter.h"

#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "support/ChatEvents.h"
#include "support/LogonSession.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kTalkEvents = 10000;
constexpr qsizetype kReadSize = 64 * 1024;

// Waits on events, for about the time given.
void idle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

void TalkBurstStallFigures()
{
    Figures::heading("UI stall during a burst of 10,000 talk events in 64 KiB reads");
    ServerProgram p;
    p.startUp(1);
    TarnwellApp &app = p.app();
    app.mainWindow().show();
    const int connection = ConnectInChat(p);
    if (connection < 0)
        return Figures::goal(QStringLiteral("connect to the local test server"), false);

    QByteArray burst;
    for (int line = 0; line < kTalkEvents; ++line)
        burst += ChatEventMessage(0x05, 0, 30, "Talker" + QByteArray::number(line % 97),
                                  "message number " + QByteArray::number(line) + " with some ordinary chat text");
    // The client's answer to this ping proves the whole burst was handled.
    burst += TestServer::message(0x25, Word(0xB0257));
    const std::size_t answered = p.server.messages(connection).size();

    StallMeter stalls;
    QElapsedTimer timer;
    timer.start();
    stalls.start();
    for (qsizetype at = 0; at < burst.size(); at += kReadSize)
        p.server.send(connection, burst.mid(at, kReadSize));
    const bool handled = WaitUntil([&] { return p.server.messages(connection).size() > answered; }, 600000);
    stalls.stop();
    const double seconds = Figures::seconds(timer);
    const double burstStall = stalls.worstLateness();

    stalls.start();
    idle(static_cast<int>(seconds * 1000));
    stalls.stop();

    if (!handled)
        Figures::goal(QStringLiteral("the whole burst handled"), false);
    Figures::pair("longest UI stall during the burst (ms)", burstStall, "ms", "same timer on an idle loop (ms)",
                  stalls.worstLateness());
    std::printf("  burst handled in %.1f ms\n", seconds * 1000);
    Figures::goal(QStringLiteral("no UI stall over 50 ms"), handled && burstStall <= 50);
}
