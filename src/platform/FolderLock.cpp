#include "platform/FolderLock.h"

#include "platform/Failure.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::FolderLock(const QString &folder)
{
    // The folder rather than the file: a file that is replaced by a rename
    // is a new file, and a lock on the old one would guard nothing.
    const QByteArray path = QFile::encodeName(folder);
    m_descriptor = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_descriptor < 0)
        throw Failure(Failure::PathNotFound, QStringLiteral("Path not found: ") + folder);
    int result = 0;
    do
        result = ::flock(m_descriptor, LOCK_EX);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(m_descriptor);
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: cannot lock ") + folder);
    }
}

FolderLock::~FolderLock()
{
    // Closing the descriptor releases the lock.
    ::close(m_descriptor);
}
