#pragma once

#include <QString>
#include <QtGlobal>

// A 32-bit value as the logon's lines show it: "0x" and eight upper-case
// hexadecimal digits, for example "0x0000000E".
inline QString HexWord(quint32 value)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}
