#include "commands/clsWinamp.h"

#include "platform/MediaPlayerLinks.h"

#include <cmath>

namespace {

QString twoDigits(qint32 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString TrackTimeText(qint32 seconds, qint32 &minutes, qint32 &hours)
{
    hours = seconds / 3600;
    minutes = (seconds - 3600 * hours) / 60;
    const qint32 rest = seconds - 3600 * hours - 60 * minutes;
    const QString minutesAndSeconds = twoDigits(minutes) + QLatin1Char(':') + twoDigits(rest);
    return hours != 0 ? twoDigits(hours) + QLatin1Char(':') + minutesAndSeconds : minutesAndSeconds;
}

bool clsWinamp::isLoaded() const
{
    return m_link.isRunning();
}

qint32 clsWinamp::ask(int wParam, int lParam) const
{
    return m_link.isRunning() ? m_link.query(wParam, lParam) : 0;
}

QString clsWinamp::strWinampTitle() const
{
    if (!m_link.isRunning())
        return QStringLiteral("Winamp is currently not loaded.");
    QString title = m_link.windowText();
    const qsizetype numberEnd = title.indexOf(QLatin1String(". "));
    if (numberEnd >= 0)
        title = title.mid(numberEnd + 2).trimmed();
    const qsizetype suffix = title.indexOf(QLatin1String(" - Winamp"));
    if (suffix >= 0)
        return title.left(suffix).trimmed();
    if (title.startsWith(QLatin1String("Winamp")))
        return QStringLiteral("Nothing");
    return {};
}

qint32 clsWinamp::winampPlaylistPosition() const
{
    return m_link.isRunning() ? ask(0, 125) + 1 : 0;
}

qint32 clsWinamp::winampReturnTrackCurrent_Seconds() const
{
    // Milliseconds to whole seconds, ties to even.
    return static_cast<qint32>(std::nearbyint(ask(0, 105) / 1000.0));
}

qint32 clsWinamp::winampReturnTrackLength_Seconds() const
{
    return ask(1, 105);
}

QString clsWinamp::winampReturnTrackCurrentLength_Full(qint32 &minutes, qint32 &hours, bool remaining) const
{
    if (!m_link.isRunning())
        return {};
    const qint32 elapsed = winampReturnTrackCurrent_Seconds();
    return TrackTimeText(remaining ? winampReturnTrackLength_Seconds() - elapsed : elapsed, minutes, hours);
}

QString clsWinamp::winampReturnTrackLength_Full(qint32 &minutes, qint32 &hours) const
{
    if (!m_link.isRunning())
        return {};
    return TrackTimeText(winampReturnTrackLength_Seconds(), minutes, hours);
}

qint32 clsWinamp::BitRate() const
{
    return ask(1, 126);
}

qint32 clsWinamp::SampleRate() const
{
    return ask(0, 126);
}

void clsWinamp::command(int id) const
{
    if (m_link.isRunning())
        m_link.command(id);
}

QString WinampTrackText(const clsWinamp &winamp)
{
    qint32 minutes = 0;
    qint32 hours = 0;
    const QString elapsed = winamp.winampReturnTrackCurrentLength_Full(minutes, hours, false);
    const QString length = winamp.winampReturnTrackLength_Full(minutes, hours);
    return QString::number(winamp.winampPlaylistPosition()) + QStringLiteral(". ") + winamp.strWinampTitle() +
           QStringLiteral(" (") + elapsed + QLatin1Char('/') + length + QStringLiteral(" @ ") +
           QString::number(winamp.BitRate()) + QStringLiteral("kbps/") + QString::number(winamp.SampleRate()) +
           QStringLiteral(" kHz stereo)");
}
