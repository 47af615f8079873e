#include "commands/AntiIdle.h"

#include "channel/DurationText.h"
#include "commands/CommandHost.h"
#include "commands/ITunesControl.h"
#include "commands/clsWinamp.h"
#include "commands/modWMP.h"
#include "display/modOutput.h"
#include "platform/Clock.h"
#include "platform/Convert.h"
#include "profiles/Profile.h"
#include "profiles/Settings.h"
#include "session/Send.h"

namespace {

constexpr qint64 kMillisecondsPerMinute = 60000;

} // namespace

void LoadIdleSettings(Profile &profile)
{
    ProfileRecord &record = profile.record();
    const auto read = [&](const char *key) {
        return profile.settings().ReadProfileSetting(record.Name, QStringLiteral("Anti idle"), QString::fromLatin1(key));
    };
    const auto step = [](const std::function<void()> &body) {
        try {
            body();
        } catch (...) {
        }
    };
    step([&] { record.IdleInterval = ToInt16(read("Interval")); });
    step([&] { record.IdleMessage = read("Message"); });
    step([&] { record.IdleEnabled = read("Status") == QLatin1String("1"); });
}

QString ExpandIdleMessage(const CommandHost &program, const Profile &profile)
{
    const Clock &clock = program.clock();
    QString text = profile.record().IdleMessage;
    text.replace(QLatin1String("%mp3"), WinampTrackText(clsWinamp(program.winamp())));
    text.replace(QLatin1String("%v"), GetVersion());
    text.replace(QLatin1String("%suptime"), FormatDuration(clock.tickCount(), DurationWords::Long));
    const quint32 inChatSince = profile.state().EnterChatTick;
    text.replace(QLatin1String("%cuptime"), FormatDuration(clock.ticksSince(inChatSince), DurationWords::Long));
    text.replace(QLatin1String("%wmp"), WmpNowPlaying(program.wmp()));
    if (text.contains(QLatin1String("%itunes")))
        text = ITunesControl(program.itunes(), 5, text);
    return text;
}

AntiIdle::AntiIdle(CommandHost &program, QObject *parent) : QObject(parent), m_program(program)
{
    m_tmrIdle.setInterval(kTickInterval);
    connect(&m_tmrIdle, &QTimer::timeout, this, &AntiIdle::tmrIdle_Timer);
    m_tmrIdle.start();
}

void AntiIdle::tmrIdle_Timer()
{
    m_program.guard("tmrIdle", "frmMain", [this] {
        const Clock &clock = m_program.clock();
        for (int index = 0; index < m_program.profileCount(); ++index) {
            Profile &each = m_program.profileAt(index);
            const ProfileRecord &profile = each.record();
            ProfileState &state = each.state();
            if (state.LastIdleTick == 0) {
                state.LastIdleTick = clock.tickCount();
                continue;
            }
            // A negative interval waits no more than an interval of 0.
            const qint64 wait = qMax<qint64>(0, profile.IdleInterval) * kMillisecondsPerMinute;
            if (clock.ticksSince(state.LastIdleTick) < wait || !profile.IdleEnabled || !profile.Active)
                continue;
            Send(each, ExpandIdleMessage(m_program, each));
            state.LastIdleTick = clock.tickCount();
        }
    });
}
