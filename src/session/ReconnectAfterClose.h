#pragma once

#include "session/CloseReconnection.h"

#include <QTimer>
#include <QtGlobal>

#include <array>

class Profile;
class ProfileRoster;

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
    // A connection that lasted this long in chat starts the waits afresh; a
    // server that admits and closes at once keeps them widening.
    static constexpr quint32 kStayedInChat = 60000;
    // The wait before the next connect, after this many made in vain.
    static quint32 delayAfter(int attemptsMade);
    // Announces the wait in the profile's pane.
    static void announce(Profile &profile, quint32 delay);
    static constexpr int kCheckInterval = 1000;

    explicit ReconnectAfterClose(ProfileRoster &profiles);

    // The profile's connection ended without the user asking for it and has
    // just been disconnected; `before` and `wasInChat` describe it as it was
    // before that (`wasInChat`: it had stayed in chat kStayedInChat). A close by the server starts a reconnection (or goes on
    // with the one that made this connection); a socket failure only goes on
    // with one that runs. Returns true when a connect was scheduled.
    bool connectionLost(Profile &profile, const CloseReconnection &before, bool wasInChat, bool closedByServer);

    // Makes the connects whose time has come; runs every second while any
    // profile waits.
    void tmrReconnectAfterClose_Timer();
    bool waiting() const { return m_timer.isActive(); }

private:
    void schedule(Profile &profile, int attemptsMade);

    ProfileRoster &m_profiles;
    QTimer m_timer;
};
