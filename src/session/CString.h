#pragma once

#include <QByteArray>

// Names and passwords travel NUL-terminated, so a text ends at its first NUL
// byte; the logon computations only ever see that part.
inline QByteArray cString(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}
