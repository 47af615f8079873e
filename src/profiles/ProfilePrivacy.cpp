#include "profiles/ProfilePrivacy.h"

#include "platform/Failure.h"
#include "platform/FileHelpers.h"

#include <QDir>
#include <QFile>

namespace {

constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                             QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions kOwnerFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

void tighten(const QString &path)
{
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    if (permissions & kOthers)
        QFile::setPermissions(path, permissions & ~kOthers);
}

} // namespace

void CreatePrivateFolder(const QString &path)
{
    CreateFolder(path);
    if (!QFile::setPermissions(path, kOwnerFolder))
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: cannot make owner-only ") + path);
}

void TightenProfileFolder(const QString &folder)
{
    tighten(folder);
    for (const char *name : {"MessageFilters.txt", "UserFilters.txt", "Logs"})
        tighten(folder + QLatin1Char('/') + QLatin1String(name));
    const QString logs = folder + QStringLiteral("/Logs");
    for (const QString &log : QDir(logs).entryList({QStringLiteral("*.txt")}, QDir::Files))
        tighten(logs + QLatin1Char('/') + log);
}
