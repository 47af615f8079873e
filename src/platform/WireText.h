#pragma once

#include <QByteArray>
#include <QString>

// What a profile's chat text becomes on the wire. Windows-1252 is what every
// server and stored file has always seen; UTF-8 lets a profile write in any
// language on a server whose people do.
enum class WireEncoding { Windows1252, Utf8 };

namespace WireText {

// The setting's words: "UTF-8" (in any letter case) chooses UTF-8; anything
// else, the empty string included, keeps Windows-1252.
WireEncoding encodingFromSetting(const QString &setting);
QString settingFor(WireEncoding encoding);

struct Encoded {
    QByteArray bytes;
    // Characters the encoding cannot hold; each went out as one "?".
    int unsendable = 0;
};
Encoded encode(const QString &text, WireEncoding encoding);

// Text from the server: UTF-8 when the bytes are valid UTF-8 and not plain
// ASCII, Windows-1252 otherwise (as the server's older users write it).
QString decode(const QByteArray &bytes);
// The bytes as the given encoding reads them; what was sent reads back as
// the user will see it echoed.
QString decode(const QByteArray &bytes, WireEncoding encoding);

// Strict UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF)
// that holds at least one byte above 0x7F.
bool isNonAsciiUtf8(const QByteArray &bytes);

} // namespace WireText
