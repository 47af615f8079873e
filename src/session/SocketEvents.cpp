#include "session/SocketEvents.h"

#include "platform/Clock.h"
#include "platform/PeerResetProbe.h"
#include "profiles/TarnwellApp.h"
#include "session/ConnectionTimers.h"
#include "session/SocketErrorNumbers.h"
#include "session/clsConnection.h"

#include <QTcpSocket>

#include <functional>

void WireSocketEvents(TarnwellApp &app, int profileIndex)
{
    QTcpSocket &socket = app.socket(profileIndex);
    // A server that sends faster than the profile takes its data fills this
    // and then waits, instead of filling the memory.
    socket.setReadBufferSize(clsConnection::kSocketReadBuffer);
    clsConnection *connection = &app.connection(profileIndex);
    // Signals can come from inside our own calls (a refused connection to
    // this machine fails inside connectToHost), so each is queued, stamped
    // with the attempt that raised it.
    const auto later = [&app, connection](std::function<void()> handler) {
        QMetaObject::invokeMethod(
            &app,
            [connection, attempt = connection->attempt(), handler = std::move(handler)] {
                if (connection->isCurrentAttempt(attempt))
                    handler();
            },
            Qt::QueuedConnection);
    };
    QObject::connect(&socket, &QTcpSocket::connected, &app, [=, &app] {
        later([&app, profileIndex] {
            // A connection that is gone again has its close or error queued.
            if (app.isConnected(profileIndex))
                sckBNET_Connect(app, profileIndex);
        });
    });
    QObject::connect(&socket, &QTcpSocket::readyRead, &app,
                     [=, &app] { later([&app, profileIndex] { sckBNET_DataArrival(app, profileIndex); }); });
    // Asked at once: by the time the queued handler runs, the connection is gone.
    auto *resetProbe = new PeerResetProbe(socket);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &app, [=, &app](QAbstractSocket::SocketError error) {
        // A reset by the peer is reported like a polite close, but it is a
        // failure (a crashed server, a dropped route) and reconnects.
        const bool reset = error == QAbstractSocket::RemoteHostClosedError && resetProbe->endedByReset();
        later([&app, profileIndex, error, reset] {
            if (error == QAbstractSocket::RemoteHostClosedError && !reset) {
                sckBNET_Close(app, profileIndex);
                return;
            }
            const SocketErrorNumber winsock = WinsockError(error);
            sckBNET_Error(app, profileIndex, winsock.number, winsock.description);
        });
    });
}

void sckBNET_Connect(TarnwellApp &app, int index)
{
    const auto step = [&app](const std::function<void()> &action) { app.guard("sckBNET_Connect", "frmMain", action); };
    step([&] {
        app.connection(index).Established();
        app.AddChat(index, {Rgb(0x00FF00), QStringLiteral("Connection has been established to Battle.net!")});
    });
    step([&] { app.connection(index).SendProtocol(); });
    step([&] { app.connection(index).Sendx50(); });
    step([&] { app.connection(index).SendFirstPing(); });
}

void sckBNET_DataArrival(TarnwellApp &app, int index)
{
    app.guard("sckBNET_DataArrival", "frmMain", [&] { app.connection(index).DataArrival(); });
}

namespace {

bool StayedInChat(const TarnwellApp &app, int index)
{
    const quint32 entered = app.record(index).EnterChatTick;
    return entered != 0 && app.clock().ticksSince(entered) >= ReconnectAfterClose::kStayedInChat;
}

// Disconnects a profile whose connection ended without the user asking, and
// tells whether a reconnection after a close took it on.
bool DisconnectLost(TarnwellApp &app, int index, bool closedByServer)
{
    const ProfileRecord &profile = app.record(index);
    const CloseReconnection before = profile.AfterClose;
    const bool wasInChat = StayedInChat(app, index);
    app.connection(index).Disconnect(clsConnection::Farewell::IfOpened);
    return app.timers().afterClose().connectionLost(index, before, wasInChat, closedByServer);
}

} // namespace

void sckBNET_Close(TarnwellApp &app, int index)
{
    app.guard("sckBNET_Close", "frmMain", [&] {
        app.connection(index).ReadRest();
        DisconnectLost(app, index, true);
    });
}

void sckBNET_Error(TarnwellApp &app, int index, int number, const QString &description)
{
    app.guard("sckBNET_Error", "frmMain", [&] {
        // What the server sent before the failure still counts.
        app.connection(index).ReadRest();
        app.AddChat(index, {Rgb(0xBD3D3D), QStringLiteral("Error #") + QString::number(number) +
                                                QStringLiteral(" - ") + description + QStringLiteral(" (") +
                                                app.record(index).Server + QStringLiteral(")")});
        const int retriesMade = StayedInChat(app, index) ? 0 : app.record(index).ErrorReconnects;
        if (DisconnectLost(app, index, false))
            return;
        // Retries widen as after a close: a server that fails every
        // connection is not asked every few seconds for ever.
        ProfileRecord &profile = app.record(index);
        profile.ReconnectPending = true;
        profile.ErrorReconnects = retriesMade;
        profile.ReconnectDueFrom = app.clock().tickCount();
        profile.ReconnectDelay = ReconnectAfterClose::delayAfter(retriesMade);
        app.timers().afterClose().announce(index, profile.ReconnectDelay);
        app.timers().EnableAutoReconnect();
    });
}
