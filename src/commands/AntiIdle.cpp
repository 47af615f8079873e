#include "commands/AntiIdle.h"

#include "channel/DurationText.h"
#include "commands/ITunesControl.h"
#include "commands/clsWinamp.h"
#include "commands/modWMP.h"
#include "display/modOutput.h"
#include "platform/Clock.h"
#include "platform/Convert.h"
#include "profiles/TarnwellApp.h"
#include "session/Send.h"

namespace {

constexpr qint64 kMillisecondsPerMinute = 60000;

} // namespace

void LoadIdleSettings(TarnwellApp &app, int profileIndex)
{
    const auto read = [&](const char *key) {
        return app.settings().ReadProfileSetting(app.profile(profileIndex).record().Name, QStringLiteral("Anti idle"),
                                                 QString::fromLatin1(key));
    };
    const auto step = [](const std::function<void()> &body) {
        try {
            body();
        } catch (...) {
        }
    };
    step([&] { app.profile(profileIndex).record().IdleInterval = ToInt16(read("Interval")); });
    step([&] { app.profile(profileIndex).record().IdleMessage = read("Message"); });
    step([&] { app.profile(profileIndex).record().IdleEnabled = read("Status") == QLatin1String("1"); });
}

QString ExpandIdleMessage(TarnwellApp &app, int profileIndex)
{
    const ProfileRecord &profile = app.profile(profileIndex).record();
    const Clock &clock = app.clock();
    QString text = profile.IdleMessage;
    text.replace(QLatin1String("%mp3"), WinampTrackText(clsWinamp(app.winamp())));
    text.replace(QLatin1String("%v"), GetVersion());
    text.replace(QLatin1String("%suptime"), FormatDuration(clock.tickCount(), DurationWords::Long));
    const quint32 inChatSince = app.profile(profileIndex).state().EnterChatTick;
    text.replace(QLatin1String("%cuptime"), FormatDuration(clock.ticksSince(inChatSince), DurationWords::Long));
    text.replace(QLatin1String("%wmp"), WmpNowPlaying(app.wmp()));
    if (text.contains(QLatin1String("%itunes")))
        text = ITunesControl(app.itunes(), 5, text);
    return text;
}

AntiIdle::AntiIdle(TarnwellApp &app, QObject *parent) : QObject(parent), m_app(app)
{
    m_tmrIdle.setInterval(kTickInterval);
    connect(&m_tmrIdle, &QTimer::timeout, this, &AntiIdle::tmrIdle_Timer);
    m_tmrIdle.start();
}

void AntiIdle::tmrIdle_Timer()
{
    m_app.guard("tmrIdle", "frmMain", [this] {
        const Clock &clock = m_app.clock();
        for (int index = 0; index < m_app.slotCount(); ++index) {
            ProfileRecord &profile = m_app.profile(index).record();
            ProfileState &state = m_app.profile(index).state();
            if (state.LastIdleTick == 0) {
                state.LastIdleTick = clock.tickCount();
                continue;
            }
            // A negative interval waits no more than an interval of 0.
            const qint64 wait = qMax<qint64>(0, profile.IdleInterval) * kMillisecondsPerMinute;
            if (clock.ticksSince(state.LastIdleTick) < wait || !profile.IdleEnabled || !profile.Active)
                continue;
            Send(m_app.profile(index), ExpandIdleMessage(m_app, index));
            state.LastIdleTick = clock.tickCount();
        }
    });
}
