#include "commands/MediaCommands.h"

#include "commands/CommandHost.h"
#include "commands/ITunesControl.h"
#include "commands/clsWinamp.h"
#include "commands/modWMP.h"
#include "platform/MediaPlayerLinks.h"
#include "profiles/Profile.h"
#include "session/Send.h"

#include <QHash>

#include <functional>

namespace {

const Colour kMediaColour = Rgb(0xC422CA);

void localLine(CommandHost &app, const QString &text)
{
    app.current().AddChat({kMediaColour, text});
}

const QString kNothing = QStringLiteral("Nothing");

// An announcement tells the channel what plays: without a player, or with
// nothing playing, there is nothing true to announce, and the user is told
// so instead.
bool canAnnounce(CommandHost &app, bool running, bool playing)
{
    if (running && playing)
        return true;
    app.current().AddChat({Rgb(0xAAAAAA), running ? QStringLiteral("The media player is not playing anything.")
                                                            : QStringLiteral("No media player is running.")});
    return false;
}

void announceWinamp(CommandHost &app)
{
    const clsWinamp winamp(app.winamp());
    if (canAnnounce(app, winamp.isLoaded(), winamp.strWinampTitle() != kNothing))
        Send(app.current(), QStringLiteral("/me is currently playing on Winamp: ") + WinampTrackText(winamp));
}

void announceITunes(CommandHost &app)
{
    ITunesLink &link = app.itunes();
    QString unused;
    if (canAnnounce(app, link.isRunning(), link.currentTrack().has_value()))
        Send(app.current(), QStringLiteral("/me is currently playing on iTunes: ") + ITunesControl(link, 7, unused));
}

void announceWmp(CommandHost &app)
{
    const QString playing = WmpNowPlaying(app.wmp());
    if (canAnnounce(app, app.wmp().isRunning(), !playing.isEmpty() && playing != kNothing))
        Send(app.current(), QStringLiteral("/me is currently listening on WMP: ") + playing);
}

// A Winamp transport command, then the title it leads to.
void winampTransport(CommandHost &app, int command, const char *done)
{
    const clsWinamp winamp(app.winamp());
    winamp.command(command);
    localLine(app, QString::fromLatin1(done) + winamp.strWinampTitle());
}

void itunesTransport(CommandHost &app, int action, const char *done)
{
    QString unused;
    ITunesControl(app.itunes(), action, unused);
    localLine(app, QString::fromLatin1(done));
}

using Command = std::function<void(CommandHost &)>;

const QHash<QString, Command> &commands()
{
    static const QHash<QString, Command> table = {
        {QStringLiteral("/mp3"), announceWinamp},
        {QStringLiteral("/play"), [](CommandHost &app) { winampTransport(app, clsWinamp::kPlay, "Starting playing track: "); }},
        {QStringLiteral("/stop"), [](CommandHost &app) { winampTransport(app, clsWinamp::kStop, "Stopped playing track at: "); }},
        {QStringLiteral("/next"), [](CommandHost &app) { winampTransport(app, clsWinamp::kNext, "Skipped to the next track: "); }},
        {QStringLiteral("/back"), [](CommandHost &app) { winampTransport(app, clsWinamp::kPrevious, "Skipped backwards to track: "); }},
        {QStringLiteral("/pause"), [](CommandHost &app) { winampTransport(app, clsWinamp::kPause, "Paused track at: "); }},
        {QStringLiteral("/itunes"), announceITunes},
        {QStringLiteral("/iplay"), [](CommandHost &app) { itunesTransport(app, 1, "Starting playing the track."); }},
        {QStringLiteral("/istop"), [](CommandHost &app) { itunesTransport(app, 2, "Stopped playing the current track."); }},
        {QStringLiteral("/inext"), [](CommandHost &app) { itunesTransport(app, 3, "Skipped to the next track."); }},
        {QStringLiteral("/iback"), [](CommandHost &app) { itunesTransport(app, 4, "Skipped back to a track."); }},
        {QStringLiteral("/wmp"), announceWmp},
        {QStringLiteral("/wmpnext"), [](CommandHost &app) { localLine(app, WmpNext(app.wmp())); }},
        {QStringLiteral("/wmpplay"), [](CommandHost &app) { localLine(app, WmpPlayPause(app.wmp())); }},
        {QStringLiteral("/wmpback"), [](CommandHost &app) { localLine(app, WmpBack(app.wmp())); }},
        {QStringLiteral("/wmpstop"), [](CommandHost &app) { localLine(app, WmpStop(app.wmp())); }},
    };
    return table;
}

} // namespace

bool RunMediaCommand(CommandHost &app, const QString &command)
{
    const auto found = commands().constFind(command);
    if (found == commands().constEnd())
        return false;
    found.value()(app);
    return true;
}

QStringList MediaCommandWords()
{
    return commands().keys();
}
