#pragma once

#include "session/ReconnectAfterClose.h"

#include <QTimer>
#include <QtGlobal>

class ProfileRoster;

// The two timers that serve every profile's connection: the keep-alive,
// which sends each connected profile an empty message 0x00 every 7 minutes,
// and the automatic reconnection, which retries every profile that lost its
// connection to a socket error, after waits that widen while the retries
// fail (as ReconnectAfterClose spaces them), until none is left.
class ConnectionTimers {
public:
    static constexpr int kKeepAliveInterval = 40000;
    static constexpr int kAutoReconnectInterval = 10000;
    // Keep-alives go out once more than this many milliseconds have passed.
    static constexpr quint32 kKeepAliveAfter = 419999;

    explicit ConnectionTimers(ProfileRoster &profiles);

    void tmrKeepAlive_Timer();
    void tmrAutoReconnect_Timer();
    // Starts the reconnect timer unless it already runs.
    void EnableAutoReconnect();
    bool autoReconnectEnabled() const { return m_autoReconnect.isActive(); }
    // Reconnection after a close by the server, for the profiles that want it.
    ReconnectAfterClose &afterClose() { return m_afterClose; }

private:
    ProfileRoster &m_profiles;
    QTimer m_keepAlive;
    QTimer m_autoReconnect;
    ReconnectAfterClose m_afterClose;
    // Tick count of the last keep-alive round; 0 until the first timer event.
    quint32 m_keepAliveStamp = 0;
};
