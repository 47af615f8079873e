#pragma once

#include <QByteArray>
#include <QString>

// How the text of settings and filter files is stored, so that every
// character survives a restart while files written in Windows-1252 (by
// earlier versions, or by hand in an editor set to it) read as before.
namespace SettingsText {

// Windows-1252 when every character of the text has a place in it, which
// keeps a file of Western text readable by earlier versions; UTF-8 after its
// signature (EF BB BF) otherwise.
QByteArray encode(const QString &text);

// UTF-8 after a signature; otherwise UTF-8 when the bytes are valid UTF-8 and
// not plain ASCII; otherwise Windows-1252. (Windows-1252 text that happens to
// be valid UTF-8 needs two or more accented capitals or symbols in a row in
// a pattern real text hardly has, such as "Ã©".)
QString decode(const QByteArray &bytes);

// Whether the text reads back as it is once stored: false for text with
// a lone half of a surrogate pair, which neither encoding can hold.
bool storesExactly(const QString &text);

} // namespace SettingsText
