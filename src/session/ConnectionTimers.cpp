#include "session/ConnectionTimers.h"

#include "platform/Clock.h"
#include "profiles/Profile.h"
#include "profiles/ProfileRoster.h"
#include "session/clsConnection.h"

ConnectionTimers::ConnectionTimers(ProfileRoster &profiles) : m_profiles(profiles), m_afterClose(profiles)
{
    m_keepAlive.setInterval(kKeepAliveInterval);
    m_autoReconnect.setInterval(kAutoReconnectInterval);
    QObject::connect(&m_keepAlive, &QTimer::timeout, &m_keepAlive, [this] { tmrKeepAlive_Timer(); });
    QObject::connect(&m_autoReconnect, &QTimer::timeout, &m_autoReconnect, [this] { tmrAutoReconnect_Timer(); });
    m_keepAlive.start();
}

void ConnectionTimers::tmrKeepAlive_Timer()
{
    m_profiles.guard("tmrKeepAlive", "frmMain", [this] {
        const Clock &clock = m_profiles.clock();
        if (m_keepAliveStamp == 0)
            m_keepAliveStamp = clock.tickCount();
        if (clock.ticksSince(m_keepAliveStamp) <= kKeepAliveAfter)
            return;
        for (int index = 0; index < m_profiles.profileCount(); ++index) {
            Profile &profile = m_profiles.profileAt(index);
            if (profile.isConnected())
                profile.connection().Sendx00();
            m_keepAliveStamp = clock.tickCount();
        }
    });
}

void ConnectionTimers::tmrAutoReconnect_Timer()
{
    m_profiles.guard("tmrAutoReconnect", "frmMain", [this] {
        const Clock &clock = m_profiles.clock();
        int waiting = 0;
        for (int index = 0; index < m_profiles.profileCount(); ++index) {
            Profile &each = m_profiles.profileAt(index);
            ProfileRecord &profile = each.record();
            ProfileState &state = each.state();
            if (!profile.Active || !state.ReconnectPending)
                continue;
            ++waiting;
            if (clock.ticksSince(state.ReconnectDueFrom) < state.ReconnectDelay)
                continue;
            ++state.ErrorReconnects;
            // A connect that neither fails nor gets into chat is retried
            // after the next, wider wait.
            state.ReconnectDueFrom = clock.tickCount();
            state.ReconnectDelay = ReconnectAfterClose::delayAfter(state.ErrorReconnects);
            each.connection().Connect(profile.Server);
        }
        if (waiting == 0)
            m_autoReconnect.stop();
    });
}

void ConnectionTimers::EnableAutoReconnect()
{
    if (!m_autoReconnect.isActive())
        m_autoReconnect.start();
}
