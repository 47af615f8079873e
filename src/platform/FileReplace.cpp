#include "platform/FileReplace.h"

#include "platform/Failure.h"

#include <QFile>
#include <QSaveFile>

#include <unistd.h>

namespace {

bool holds(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // Reading one byte more than expected tells a longer file apart.
    return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.read(bytes.size() + 1) == bytes;
}

} // namespace

void ReplaceFile(const QString &path, const QByteArray &bytes, FilePrivacy privacy)
{
    if (holds(path, bytes))
        return;
    QSaveFile file(path);
    const auto failed = [&](Failure::Number number, const QString &what) {
        return Failure(number, what + path + QStringLiteral(" (") + file.errorString() + QLatin1Char(')'));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failed(Failure::PathNotFound, QStringLiteral("Path not found: "));
    if (file.write(bytes) != bytes.size())
        throw failed(Failure::PathAccess, QStringLiteral("Path/File access error: "));
    if (privacy == FilePrivacy::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw failed(Failure::PathAccess, QStringLiteral("Path/File access error: cannot make owner-only "));
    // The file is renamed over the old one only once every byte is on the
    // disk: a write cut short by a full disk, found only when the buffer is
    // written out, would otherwise replace the file with its first bytes.
    if (!file.flush() || ::fsync(file.handle()) != 0)
        throw failed(Failure::PathAccess, QStringLiteral("Path/File access error: "));
    if (!file.commit())
        throw failed(Failure::PathAccess, QStringLiteral("Path/File access error: "));
}
