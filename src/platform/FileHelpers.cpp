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

void DeleteFolderTree(const QString &path)
{
    const QFileInfo folder(path);
    const auto failed = [](const QString &what) {
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + what);
    };
    if (folder.isSymLink()) {
        if (!QFile::remove(path))
            failed(path);
        return;
    }
    if (!folder.isDir())
        throw Failure(Failure::PathNotFound, QStringLiteral("Path not found: ") + path);
    // Entries of a folder that is not writable cannot be removed.
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner);
    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString entryPath = entry.filePath();
        if (entry.isDir() && !entry.isSymLink()) {
            DeleteFolderTree(entryPath);
            continue;
        }
        if (!entry.isSymLink())
            QFile::setPermissions(entryPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!QFile::remove(entryPath))
            failed(entryPath);
    }
    if (!QDir(folder.absolutePath()).rmdir(folder.fileName()))
        failed(path);
}
