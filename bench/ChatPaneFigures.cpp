// Lines written into the chat pane on screen: through AddChat, and as talk
// events through the receive loop, each beside the same lines written with a
// bare QTextCursor into a visible QTextEdit.
#include "BareChatPane.h"
#include "Figures.h"
#include "InChat.h"
#include "Sections.h"

#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "session/PacketReceiver.h"
#include "session/clsConnection.h"
#include "support/ChatEvents.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QTextEdit>

namespace {

constexpr int kAddChatLines = 50000;
constexpr int kTalkEvents = 10000;

QString talker(int line)
{
    return QStringLiteral("Talker%1").arg(line % 97);
}

QString talkText(int line)
{
    return QStringLiteral("message number %1 with some ordinary chat text in it").arg(line);
}

double baselineLinesPerSecond(const QSize &paneSize, int lines)
{
    BareChatPane pane(paneSize);
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int line = 0; line < lines; ++line)
        pane.writeLine(talker(line), talkText(line));
    QApplication::processEvents();
    return lines / Figures::seconds(timer);
}

} // namespace

void ChatPaneFigures()
{
    ServerProgram p;
    p.startUp(1);
    TarnwellApp &app = p.app();
    frmMain &window = app.mainWindow();
    window.show();
    QApplication::processEvents();
    const QSize paneSize = window.rtbChat->size();

    Figures::heading("AddChat: 50,000 lines into the chat pane on screen");
    QElapsedTimer timer;
    timer.start();
    for (int line = 0; line < kAddChatLines; ++line)
        app.profile(0).AddChat({Rgb(0xFFFF00), BoldOn, talker(line), BoldOff, Rgb(0xFFFFFF), QStringLiteral(": "),
                        talkText(line)});
    QApplication::processEvents();
    const double addChat = kAddChatLines / Figures::seconds(timer);
    const double bare = baselineLinesPerSecond(paneSize, kAddChatLines);
    Figures::rate("AddChat", addChat, "lines/s", "bare QTextCursor into a visible QTextEdit", bare);
    Figures::goal(QStringLiteral("AddChat at least as fast as the bare QTextEdit"), addChat >= bare);

    Figures::heading("10,000 talk events through the receive loop, pane on screen");
    if (ConnectInChat(p) < 0)
        return Figures::goal(QStringLiteral("connect to the local test server"), false);
    QByteArray events;
    for (int line = 0; line < kTalkEvents; ++line)
        events += ChatEventMessage(0x05, 0, 30, talker(line).toLatin1(), talkText(line).toLatin1());
    PacketReceiver &receiver = app.profile(0).connection().receiver();
    timer.restart();
    receiver.DataArrival(events);
    WaitUntil([&] { return receiver.bufferedBytes() == 0; }, 600000);
    QApplication::processEvents();
    const double talk = kTalkEvents / Figures::seconds(timer);
    const double bareTalk = baselineLinesPerSecond(paneSize, kTalkEvents);
    Figures::rate("talk events", talk, "lines/s", "bare QTextCursor into a visible QTextEdit", bareTalk);
    Figures::goal(QStringLiteral("talk events at least as fast as the bare QTextEdit"), talk >= bareTalk);
}
