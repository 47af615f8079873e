#pragma once

#include <QString>

// Plain file and folder operations. They have no error handling of their own:
// CreateFolder and CreateTextFile throw Failure to their caller.
bool FileExists(const QString &path);
bool FolderExists(const QString &path);
// Creates one folder (one level only).
void CreateFolder(const QString &path);
// Creates an empty file; fails when the file already exists or its folder is gone.
void CreateTextFile(const QString &path);
// Removes a folder with everything in it, hidden and read-only entries
// included. A symbolic link is removed as a link and never followed, so
// nothing outside the folder is touched, even when the folder itself is a
// link.
void DeleteFolderTree(const QString &path);
