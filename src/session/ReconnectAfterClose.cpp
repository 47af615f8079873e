#include "session/ReconnectAfterClose.h"

#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "session/clsConnection.h"

#include <QTcpSocket>

#include <algorithm>

ReconnectAfterClose::ReconnectAfterClose(TarnwellApp &app) : m_app(app)
{
    m_timer.setInterval(kCheckInterval);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tmrReconnectAfterClose_Timer(); });
}

bool ReconnectAfterClose::connectionLost(int index, const CloseReconnection &before, bool wasInChat,
                                         bool closedByServer)
{
    const ProfileRecord &profile = m_app.record(index);
    if (!profile.Active || !profile.ReconnectAfterClose)
        return false;
    // A profile that made it into chat starts afresh; one whose reconnect
    // did not get that far waits longer before the next.
    const int attemptsMade = wasInChat ? 0 : before.attempts;
    if (!closedByServer && attemptsMade == 0)
        return false;
    schedule(index, attemptsMade);
    return true;
}

quint32 ReconnectAfterClose::delayAfter(int attemptsMade)
{
    const auto step = static_cast<std::size_t>(std::clamp<int>(attemptsMade, 0, kDelays.size() - 1));
    return kDelays[step];
}

void ReconnectAfterClose::announce(int index, quint32 delay)
{
    m_app.AddChat(index, {Rgb(0xAAAAAA), QStringLiteral("Reconnecting in ") + QString::number(delay / 1000) +
                                             QStringLiteral(" seconds (F3 stops it).")});
}

void ReconnectAfterClose::schedule(int index, int attemptsMade)
{
    const quint32 delay = delayAfter(attemptsMade);
    m_app.record(index).AfterClose = {attemptsMade, true, m_app.clock().tickCount(), delay};
    announce(index, delay);
    if (!m_timer.isActive())
        m_timer.start();
}

void ReconnectAfterClose::tmrReconnectAfterClose_Timer()
{
    m_app.guard("tmrReconnectAfterClose", "frmMain", [this] {
        bool anyWaiting = false;
        for (int index = 0; index < m_app.slotCount(); ++index) {
            ProfileRecord &profile = m_app.record(index);
            CloseReconnection &reconnection = profile.AfterClose;
            if (!reconnection.waiting)
                continue;
            // The user connected the profile by hand meanwhile.
            if (m_app.socket(index).state() != QAbstractSocket::UnconnectedState) {
                reconnection = {};
                continue;
            }
            if (m_app.clock().ticksSince(reconnection.scheduledTick) < reconnection.delay) {
                anyWaiting = true;
                continue;
            }
            const int attempts = reconnection.attempts + 1;
            m_app.connection(index).Connect(profile.Server);
            profile.AfterClose = {attempts, false, 0, 0};
        }
        if (!anyWaiting)
            m_timer.stop();
    });
}
