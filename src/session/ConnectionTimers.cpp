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
        int retried = 0;
        for (int index = 0; index < m_app.slotCount(); ++index) {
            const ProfileRecord &profile = m_app.record(index);
            if (profile.Active && profile.ReconnectPending) {
                m_app.connection(index).Connect(profile.Server);
                ++retried;
            }
        }
        if (retried == 0)
            m_autoReconnect.stop();
    });
}

void ConnectionTimers::EnableAutoReconnect()
{
    if (!m_autoReconnect.isActive())
        m_autoReconnect.start();
}
