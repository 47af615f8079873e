#include "filters/FilterFile.h"

#include "platform/Cp1252.h"
#include "platform/Failure.h"
#include "platform/FileHelpers.h"
#include "profiles/Settings.h"

#include <QFile>
#include <QSaveFile>

namespace FilterFile {

namespace {

[[noreturn]] void accessFailed(const QString &path)
{
    throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + path);
}

} // namespace

QString path(const Settings &settings, const QString &profileName, Kind kind)
{
    return settings.profileFolder(profileName) +
           (kind == Kind::Messages ? QStringLiteral("/MessageFilters.txt") : QStringLiteral("/UserFilters.txt"));
}

QStringList read(const QString &path)
{
    if (!FileExists(path))
        CreateTextFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        accessFailed(path);
    QStringList entries;
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            entries << Cp1252::decode(line);
    }
    return entries;
}

void write(const QString &path, const QStringList &entries)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        accessFailed(path);
    QByteArray text;
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            text += Cp1252::encode(entry) + "\r\n";
    }
    if (file.write(text) != text.size() || !file.commit())
        accessFailed(path);
}

} // namespace FilterFile
