#include "commands/ITunesControl.h"

#include "platform/MediaPlayerLinks.h"

namespace {

QString fullTrackText(const std::optional<ITunesTrack> &track)
{
    if (!track)
        return QStringLiteral("Nothing");
    return track->playOrderIndex + QStringLiteral(". ") + track->artist + QStringLiteral(" - ") + track->name +
           QStringLiteral(" @ ") + track->bitRate + QStringLiteral("kbps (") + track->sampleRate +
           QStringLiteral("kHz)");
}

} // namespace

QString ITunesControl(ITunesLink &link, int action, QString &text)
{
    if (!link.isRunning())
        return QStringLiteral("iTunes is not loaded.");
    switch (action) {
    case 1:
        link.transport(ITunesLink::Transport::PlayPause);
        return {};
    case 2:
        link.transport(ITunesLink::Transport::Stop);
        return {};
    case 3:
        link.transport(ITunesLink::Transport::NextTrack);
        return {};
    case 4:
        link.transport(ITunesLink::Transport::BackTrack);
        return {};
    case 5:
        text.replace(QLatin1String("%itunes"), fullTrackText(link.currentTrack()));
        return text;
    case 6: {
        const std::optional<ITunesTrack> track = link.currentTrack();
        return track ? track->artist + QStringLiteral(" - ") + track->name : QStringLiteral("Nothing");
    }
    case 7:
        return fullTrackText(link.currentTrack());
    default:
        return {};
    }
}
