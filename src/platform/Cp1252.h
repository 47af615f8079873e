#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of the wire and of the settings
// files. Characters it cannot hold become '?', as the platform's own
// conversion does.
namespace Cp1252 {
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
QString decode(const char *bytes, qsizetype length);
// Lower-cases the letters that the code page holds, accented ones included.
QString toLower(const QString &text);
}
