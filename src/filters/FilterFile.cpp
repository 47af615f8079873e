#include "filters/FilterFile.h"

#include "platform/Failure.h"
#include "platform/FileHelpers.h"
#include "platform/FileReplace.h"
#include "platform/FolderLock.h"
#include "platform/SettingsText.h"
#include "profiles/Settings.h"

#include <QFile>
#include <QFileInfo>

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
    if (!FileExists(path)) {
        CreateTextFile(path);
        if (!QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            accessFailed(path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        accessFailed(path);
    QStringList entries;
    for (QString line : SettingsText::decode(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.isEmpty())
            entries << line;
    }
    return entries;
}

void write(const QString &path, const QStringList &entries)
{
    QString text;
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            text += entry + QStringLiteral("\r\n");
    }
    const FolderLock lock(QFileInfo(path).absolutePath());
    ReplaceFile(path, SettingsText::encode(text), FilePrivacy::OwnerOnly);
}

bool storesExactly(const QString &entry)
{
    return !entry.contains(QLatin1Char('\r')) && !entry.contains(QLatin1Char('\n')) &&
           SettingsText::storesExactly(entry);
}

} // namespace FilterFile
