#include "session/ConnectionTimers.h"

#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "session/clsConnection.h"

ConnectionTimers::ConnectionTimers(TarnwellApp &app) : m_app(app), m_afterClose(app)
{
    m_keepAlive.setInterval(kKeepAliveInterval);
    m_autoReconnect.setInterval(kAutoReconnectInterval);
    QObject::connect(&m_keepAlive, &QTimer::timeout, &m_keepAlive, [this] { tmrKeepAlive_Timer(); });
    QObject::connect(&m_autoReconnect, &QTimer::timeout, &m_autoReconnect, [this] { tmrAutoReconnect_Timer(); });
    m_keepAlive.start();
}

void ConnectionTimers::tmrKeepAlive_Timer()
{
    m_app.guard("tmrKeepAlive", "frmMain", [this] {
        const Clock &clock = m_app.clock();
        if (m_keepAliveStamp == 0)
            m_keepAliveStamp = clock.tickCount();
        if (clock.ticksSince(m_keepAliveStamp) <= kKeepAliveAfter)
            return;
        for (int index = 0; index < m_app.slotCount(); ++index) {
            if (m_app.isConnected(index))
                m_app.connection(index).Sendx00();
            m_keepAliveStamp = clock.tickCount();
        }
    });
}

void ConnectionTimers::tmrAutoReconnect_Timer()
{
    m_app.guard("tmrAutoReconnect", "frmMain", [this] {
        int waiting = 0;
        for (int index = 0; index < m_app.slotCount(); ++index) {
            ProfileRecord &profile = m_app.record(index);
            if (!profile.Active || !profile.ReconnectPending)
                continue;
            ++waiting;
            if (m_app.clock().ticksSince(profile.ReconnectDueFrom) < profile.ReconnectDelay)
                continue;
            ++profile.ErrorReconnects;
            // A connect that neither fails nor gets into chat is retried
            // after the next, wider wait.
            profile.ReconnectDueFrom = m_app.clock().tickCount();
            profile.ReconnectDelay = ReconnectAfterClose::delayAfter(profile.ErrorReconnects);
            m_app.connection(index).Connect(profile.Server);
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
