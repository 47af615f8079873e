#pragma once

#include <QString>

// An advisory lock on a folder, held for the lifetime of the object, that
// serialises the read-modify-write of the files in it: between two copies of
// the program sharing the folder, and between threads of one copy. Waits while
// another holder has it. Throws Failure when the folder cannot be opened.
class FolderLock {
public:
    explicit FolderLock(const QString &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int m_descriptor = -1;
};
