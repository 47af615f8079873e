#pragma once

#include <QByteArray>
#include <QString>

// Replacing a settings or filter file as a whole: the new bytes go to a
// temporary file beside it that is flushed to the disk and then renamed over
// the old one, so a crash or a full disk leaves either the old file or the
// new one, never a mix or an empty file. A file that holds these bytes
// already is not written at all: a server that makes the client store the
// same setting again and again must not keep the disk busy. The caller holds
// the folder's FolderLock around its read-modify-write.
enum class FilePrivacy {
    // A new file gets the default permissions, an existing one keeps its own.
    Shared,
    // Readable and writable by the owner only, a new file and a rewritten one.
    OwnerOnly,
};

// Throws Failure when the file cannot be written; it is unchanged then.
void ReplaceFile(const QString &path, const QByteArray &bytes, FilePrivacy privacy);
