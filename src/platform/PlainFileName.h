#pragma once

#include <QString>

// Whether a name read from a settings file or typed by the user can be joined
// to a folder's path and still name a file inside that folder: it holds no
// path separator, no ".." and no control character.
bool IsPlainFileName(const QString &name);
