#include "platform/FileHelpers.h"

#include "platform/Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool FolderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

void CreateFolder(const QString &path)
{
    const QFileInfo info(path);
    if (!QDir(info.absolutePath()).mkdir(info.fileName()))
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + path);
}

void CreateTextFile(const QString &path)
{
    if (QFileInfo::exists(path))
        throw Failure(Failure::FileExists, QStringLiteral("File already exists: ") + path);
    if (!FolderExists(QFileInfo(path).absolutePath()))
        throw Failure(Failure::PathNotFound, QStringLiteral("Path not found: ") + path);
    QFile file(path);
    if (!file.open(QIODevice::NewOnly | QIODevice::WriteOnly))
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + path);
}
