#include "session/SocketEvents.h"

#include "platform/Clock.h"
#include "platform/PeerResetProbe.h"
#include "profiles/Profile.h"
#include "session/ConnectionTimers.h"
#include "session/SocketErrorNumbers.h"
#include "session/clsConnection.h"

#include <QTcpSocket>

#include <functional>

void WireSocketEvents(Profile &profile)
{
    QTcpSocket &socket = profile.socket();
    // A server that sends faster than the profile takes its data fills this
    // and then waits, instead of filling the memory.
    socket.setReadBufferSize(clsConnection::kSocketReadBuffer);
    clsConnection *connection = &profile.connection();
    // Signals can come from inside our own calls (a refused connection to
    // this machine fails inside connectToHost), so each is queued, stamped
    // with the attempt that raised it.
    const auto later = [&profile, connection](std::function<void()> handler) {
        QMetaObject::invokeMethod(
            &profile,
            [connection, attempt = connection->attempt(), handler = std::move(handler)] {
                if (connection->isCurrentAttempt(attempt))
                    handler();
            },
            Qt::QueuedConnection);
    };
    QObject::connect(&socket, &QTcpSocket::connected, &profile, [=, &profile] {
        later([&profile] {
            // A connection that is gone again has its close or error queued.
            if (profile.isConnected())
                sckBNET_Connect(profile);
        });
    });
    QObject::connect(&socket, &QTcpSocket::readyRead, &profile,
                     [=, &profile] { later([&profile] { sckBNET_DataArrival(profile); }); });
    // Asked at once: by the time the queued handler runs, the connection is gone.
    auto *resetProbe = new PeerResetProbe(socket);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &profile, [=, &profile](QAbstractSocket::SocketError error) {
        // A reset by the peer is reported like a polite close, but it is a
        // failure (a crashed server, a dropped route) and reconnects.
        const bool reset = error == QAbstractSocket::RemoteHostClosedError && resetProbe->endedByReset();
        later([&profile, error, reset] {
            if (error == QAbstractSocket::RemoteHostClosedError && !reset) {
                sckBNET_Close(profile);
                return;
            }
            const SocketErrorNumber winsock = WinsockError(error);
            sckBNET_Error(profile, winsock.number, winsock.description);
        });
    });
}

void sckBNET_Connect(Profile &profile)
{
    const auto step = [&profile](const std::function<void()> &action) { profile.guard("sckBNET_Connect", "frmMain", action); };
    step([&] {
        profile.connection().Established();
        profile.AddChat({Rgb(0x00FF00), QStringLiteral("Connection has been established to Battle.net!")});
    });
    step([&] { profile.connection().SendProtocol(); });
    step([&] { profile.connection().Sendx50(); });
    step([&] { profile.connection().SendFirstPing(); });
}

void sckBNET_DataArrival(Profile &profile)
{
    profile.guard("sckBNET_DataArrival", "frmMain", [&] { profile.connection().DataArrival(); });
}

namespace {

bool StayedInChat(const Profile &profile)
{
    const quint32 entered = profile.state().EnterChatTick;
    return entered != 0 && profile.clock().ticksSince(entered) >= ReconnectAfterClose::kStayedInChat;
}

// Disconnects a profile whose connection ended without the user asking, and
// tells whether a reconnection after a close took it on.
bool DisconnectLost(Profile &profile, bool closedByServer)
{
    const CloseReconnection before = profile.state().AfterClose;
    const bool wasInChat = StayedInChat(profile);
    profile.connection().Disconnect(clsConnection::Farewell::IfOpened);
    return profile.timers().afterClose().connectionLost(profile, before, wasInChat, closedByServer);
}

} // namespace

void sckBNET_Close(Profile &profile)
{
    profile.guard("sckBNET_Close", "frmMain", [&] {
        profile.connection().ReadRest();
        DisconnectLost(profile, true);
    });
}

void sckBNET_Error(Profile &profile, int number, const QString &description)
{
    profile.guard("sckBNET_Error", "frmMain", [&] {
        // What the server sent before the failure still counts.
        profile.connection().ReadRest();
        profile.AddChat({Rgb(0xBD3D3D), QStringLiteral("Error #") + QString::number(number) +
                                                QStringLiteral(" - ") + description + QStringLiteral(" (") +
                                                profile.record().Server + QStringLiteral(")")});
        const int retriesMade = StayedInChat(profile) ? 0 : profile.state().ErrorReconnects;
        if (DisconnectLost(profile, false))
            return;
        // Retries widen as after a close: a server that fails every
        // connection is not asked every few seconds for ever.
        ProfileState &state = profile.state();
        state.ReconnectPending = true;
        state.ErrorReconnects = retriesMade;
        state.ReconnectDueFrom = profile.clock().tickCount();
        state.ReconnectDelay = ReconnectAfterClose::delayAfter(retriesMade);
        ReconnectAfterClose::announce(profile, state.ReconnectDelay);
        profile.timers().EnableAutoReconnect();
    });
}
