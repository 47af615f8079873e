#include "session/ReconnectAfterClose.h"

#include "platform/Clock.h"
#include "profiles/Profile.h"
#include "profiles/ProfileRoster.h"
#include "session/clsConnection.h"

#include <QTcpSocket>

#include <algorithm>

ReconnectAfterClose::ReconnectAfterClose(ProfileRoster &profiles) : m_profiles(profiles)
{
    m_timer.setInterval(kCheckInterval);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tmrReconnectAfterClose_Timer(); });
}

bool ReconnectAfterClose::connectionLost(Profile &profile, const CloseReconnection &before, bool wasInChat,
                                         bool closedByServer)
{
    const ProfileRecord &record = profile.record();
    if (!record.Active || !record.ReconnectAfterClose)
        return false;
    // A profile that made it into chat starts afresh; one whose reconnect
    // did not get that far waits longer before the next.
    const int attemptsMade = wasInChat ? 0 : before.attempts;
    if (!closedByServer && attemptsMade == 0)
        return false;
    schedule(profile, attemptsMade);
    return true;
}

quint32 ReconnectAfterClose::delayAfter(int attemptsMade)
{
    const auto step = static_cast<std::size_t>(std::clamp<int>(attemptsMade, 0, kDelays.size() - 1));
    return kDelays[step];
}

void ReconnectAfterClose::announce(Profile &profile, quint32 delay)
{
    profile.AddChat({Rgb(0xAAAAAA), QStringLiteral("Reconnecting in ") + QString::number(delay / 1000) +
                                             QStringLiteral(" seconds (F3 stops it).")});
}

void ReconnectAfterClose::schedule(Profile &profile, int attemptsMade)
{
    const quint32 delay = delayAfter(attemptsMade);
    profile.state().AfterClose = {attemptsMade, true, profile.clock().tickCount(), delay};
    announce(profile, delay);
    if (!m_timer.isActive())
        m_timer.start();
}

void ReconnectAfterClose::tmrReconnectAfterClose_Timer()
{
    m_profiles.guard("tmrReconnectAfterClose", "frmMain", [this] {
        bool anyWaiting = false;
        for (int index = 0; index < m_profiles.profileCount(); ++index) {
            Profile &each = m_profiles.profileAt(index);
            ProfileRecord &profile = each.record();
            CloseReconnection &reconnection = each.state().AfterClose;
            if (!reconnection.waiting)
                continue;
            // The user connected the profile by hand meanwhile.
            if (each.socket().state() != QAbstractSocket::UnconnectedState) {
                reconnection = {};
                continue;
            }
            if (m_profiles.clock().ticksSince(reconnection.scheduledTick) < reconnection.delay) {
                anyWaiting = true;
                continue;
            }
            const int attempts = reconnection.attempts + 1;
            each.connection().Connect(profile.Server);
            each.state().AfterClose = {attempts, false, 0, 0};
        }
        if (!anyWaiting)
            m_timer.stop();
    });
}
