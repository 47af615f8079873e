#include "commands/modWMP.h"

#include "platform/MediaPlayerLinks.h"

namespace {

const QString kNotLoaded = QStringLiteral("Windows Media Player not loaded.");

QString post(WmpLink &link, int id, const char *done)
{
    if (!link.isRunning())
        return kNotLoaded;
    link.command(id);
    return QString::fromLatin1(done);
}

} // namespace

QString WmpNowPlaying(WmpLink &link)
{
    if (!link.isRunning())
        return kNotLoaded;
    const QString title = link.windowText();
    if (title == QLatin1String("Windows Media Player"))
        return QStringLiteral("Nothing");
    const qsizetype suffix = title.indexOf(QLatin1String(" - Windows Media Player"));
    return suffix >= 0 ? title.left(suffix).trimmed() : QString();
}

QString WmpPlayPause(WmpLink &link)
{
    return post(link, 0x4978, "Play/Pause Toggled.");
}

QString WmpStop(WmpLink &link)
{
    return post(link, 0x4979, "Stopped.");
}

QString WmpBack(WmpLink &link)
{
    return post(link, 0x497A, "Skipped back.");
}

QString WmpNext(WmpLink &link)
{
    return post(link, 0x497B, "Skipped forward.");
}
