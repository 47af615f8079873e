#include "commands/MediaCommands.h"

#include "commands/ITunesControl.h"
#include "commands/Send.h"
#include "commands/clsWinamp.h"
#include "commands/modWMP.h"
#include "profiles/TarnwellApp.h"

#include <QHash>

#include <functional>

namespace {

const Colour kMediaColour = Rgb(0xC422CA);

void localLine(TarnwellApp &app, const QString &text)
{
    app.AddChat(app.CurrentProfile, {kMediaColour, text});
}

void announceWinamp(TarnwellApp &app)
{
    Send(app, app.CurrentProfile, QStringLiteral("/me is currently playing on Winamp: ") + WinampTrackText(clsWinamp(app.winamp())));
}

// A Winamp transport command, then the title it leads to.
void winampTransport(TarnwellApp &app, int command, const char *done)
{
    const clsWinamp winamp(app.winamp());
    winamp.command(command);
    localLine(app, QString::fromLatin1(done) + winamp.strWinampTitle());
}

void itunesTransport(TarnwellApp &app, int action, const char *done)
{
    QString unused;
    ITunesControl(app.itunes(), action, unused);
    localLine(app, QString::fromLatin1(done));
}

using Command = std::function<void(TarnwellApp &)>;

const QHash<QString, Command> &commands()
{
    static const QHash<QString, Command> table = {
        {QStringLiteral("/mp3"), announceWinamp},
        {QStringLiteral("/play"), [](TarnwellApp &app) { winampTransport(app, clsWinamp::kPlay, "Starting playing track: "); }},
        {QStringLiteral("/stop"), [](TarnwellApp &app) { winampTransport(app, clsWinamp::kStop, "Stopped playing track at: "); }},
        {QStringLiteral("/next"), [](TarnwellApp &app) { winampTransport(app, clsWinamp::kNext, "Skipped to the next track: "); }},
        {QStringLiteral("/back"), [](TarnwellApp &app) { winampTransport(app, clsWinamp::kPrevious, "Skipped backwards to track: "); }},
        {QStringLiteral("/pause"), [](TarnwellApp &app) { winampTransport(app, clsWinamp::kPause, "Paused track at: "); }},
        {QStringLiteral("/itunes"),
         [](TarnwellApp &app) {
             QString unused;
             Send(app, app.CurrentProfile,
                  QStringLiteral("/me is currently playing on iTunes: ") + ITunesControl(app.itunes(), 7, unused));
         }},
        {QStringLiteral("/iplay"), [](TarnwellApp &app) { itunesTransport(app, 1, "Starting playing the track."); }},
        {QStringLiteral("/istop"), [](TarnwellApp &app) { itunesTransport(app, 2, "Stopped playing the current track."); }},
        {QStringLiteral("/inext"), [](TarnwellApp &app) { itunesTransport(app, 3, "Skipped to the next track."); }},
        {QStringLiteral("/iback"), [](TarnwellApp &app) { itunesTransport(app, 4, "Skipped back to a track."); }},
        {QStringLiteral("/wmp"),
         [](TarnwellApp &app) {
             Send(app, app.CurrentProfile, QStringLiteral("/me is currently listening on WMP: ") + WmpNowPlaying(app.wmp()));
         }},
        {QStringLiteral("/wmpnext"), [](TarnwellApp &app) { localLine(app, WmpNext(app.wmp())); }},
        {QStringLiteral("/wmpplay"), [](TarnwellApp &app) { localLine(app, WmpPlayPause(app.wmp())); }},
        {QStringLiteral("/wmpback"), [](TarnwellApp &app) { localLine(app, WmpBack(app.wmp())); }},
        {QStringLiteral("/wmpstop"), [](TarnwellApp &app) { localLine(app, WmpStop(app.wmp())); }},
    };
    return table;
}

} // namespace

bool RunMediaCommand(TarnwellApp &app, const QString &command)
{
    const auto found = commands().constFind(command);
    if (found == commands().constEnd())
        return false;
    found.value()(app);
    return true;
}
