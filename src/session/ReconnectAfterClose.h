#pragma once

#include "session/CloseReconnection.h"

#include <QTimer>
#include <QtGlobal>

#include <array>

class TarnwellApp;

// Brings a profile back after the server closed its connection (a server
// shutting down or restarting closes every connection politely), when the
// profile's Reconnect After Close option is on. The connects are spaced out
// ever wider, as a server that is restarting may take minutes, and a kick
// must not turn into a tight loop: 10 s, 30 s, 60 s, then every 5 minutes
// until one gets the profile into chat again. Each wait is announced by a
// grey line; Disconnect (F3) ends the whole thing.
class ReconnectAfterClose {
public:
    static constexpr std::array<quint32, 4> kDelays{10000, 30000, 60000, 300000};
    static constexpr int kCheckInterval = 1000;

    explicit ReconnectAfterClose(TarnwellApp &app);

    // The profile's connection ended without the user asking for it and has
    // just been disconnected; `before` and `wasInChat` describe it as it was
    // before that. A close by the server starts a reconnection (or goes on
    // with the one that made this connection); a socket failure only goes on
    // with one that runs. Returns true when a connect was scheduled.
    bool connectionLost(int index, const CloseReconnection &before, bool wasInChat, bool closedByServer);

    // Makes the connects whose time has come; runs every second while any
    // profile waits.
    void tmrReconnectAfterClose_Timer();
    bool waiting() const { return m_timer.isActive(); }

private:
    void schedule(int index, int attemptsMade);

    TarnwellApp &m_app;
    QTimer m_timer;
};
