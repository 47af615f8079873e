// A hundred profiles connecting at once ("Connect All") to one local test
// server and entering chat: the wall time, the longest stall of the UI thread
// meanwhile, and what each idle profile in chat costs in memory.
#include "Figures.h"
#include "Sections.h"
#include "StallMeter.h"

#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "support/ChatEvents.h"
#include "support/LogonSession.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QFile>

#include <malloc.h>

#include <cstdio>

namespace {

constexpr int kProfiles = 100;

// Resident memory of this process in KiB.
double residentKiB()
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    return 0;
}

// The server's part, as a real one plays it: ping and logon type, accepted
// password, then the home channel with its first users.
void scriptServer(TestServer &server)
{
    const QByteArray reply = Word(0) + Word(LogonSession::kServerToken) + Word(0) + Hex("00cbe62eda0cd701") +
                             "ver-IX86-1.mpq" + '\0' + "A=1 B=2 C=3 4 A=A^S" + '\0';
    server.onMessage(0x50, [&server, reply](int to, const TestServer::Message &) {
        server.send(to, TestServer::message(0x25, Word(0x658)) + TestServer::message(0x50, reply));
    });
    server.onMessage(0x3A, [&server](int to, const TestServer::Message &) { server.sendMessage(to, 0x3A, Word(0)); });
    server.onMessage(0x0C, [&server](int to, const TestServer::Message &) {
        QByteArray entered = TestServer::message(0x0A, QByteArray("probe\0RATS 0 0 0 0 0 0 0 0 RATS\0probe\0", 38));
        entered += ChatEventMessage(0x07, 0, 0, "probe", "Crowd");
        for (int user = 0; user < 20; ++user)
            entered += ChatEventMessage(0x01, 0, 40, "user" + QByteArray::number(user), "RATS 0 0 0 0 0 0 0 0 RATS");
        server.send(to, entered);
    });
}

} // namespace

void ManyProfilesFigures()
{
    Figures::heading("100 profiles: Connect All to one local server until all are in chat");
    ServerProgram p;
    scriptServer(p.server);
    const double before = residentKiB();
    p.startUp(kProfiles);
    TarnwellApp &app = p.app();
    app.mainWindow().show();
    QApplication::processEvents();

    StallMeter stalls;
    QElapsedTimer timer;
    timer.start();
    stalls.start();
    app.popupMenu().ConnectAll();
    const auto inChat = [&] {
        for (int index = 0; index < kProfiles; ++index)
            if (app.profile(index).state().EnterChatTick == 0)
                return false;
        return true;
    };
    const bool all = WaitUntil(inChat, 60000);
    const double seconds = Figures::seconds(timer);
    stalls.stop();
    // Whatever the last replies left to paint.
    QApplication::processEvents();
    const double after = residentKiB();

    if (!all) {
        int waiting = 0;
        for (int index = 0; index < kProfiles; ++index)
            waiting += app.profile(index).state().EnterChatTick == 0 ? 1 : 0;
        const QStringList lines = p.chatLines(kProfiles - 1);
        std::printf("  %d profiles not in chat; the last one's last line: %s\n", waiting,
                    qPrintable(lines.value(lines.size() - 1)));
        Figures::goal(QStringLiteral("all 100 profiles in chat"), false);
    }
    Figures::pair("wall time until all are in chat (ms)", seconds * 1000, "ms", "goal (ms)", 5000);
    Figures::pair("longest UI stall meanwhile (ms)", stalls.worstLateness(), "ms", "goal (ms)", 100);
    Figures::goal(QStringLiteral("100 profiles in chat within 5 s"), all && seconds <= 5);
    Figures::goal(QStringLiteral("no UI stall over 100 ms"), stalls.worstLateness() <= 100);

    Figures::heading("Memory per idle profile in chat (resident, started and connected)");
    const double perProfile = (after - before) / kProfiles / 1024;
    Figures::pair("per profile (MiB)", perProfile, "MiB", "whole process before the profiles (MiB)", before / 1024);
    Figures::goal(QStringLiteral("at most 2 MiB per idle profile"), perProfile <= 2);
}
