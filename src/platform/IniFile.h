#pragma once

#include <QString>

// Our own INI layer with the behaviour of the classic profile-string
// functions: "[Section]" headers and "key=value" lines, names matched without
// regard to case, values trimmed of surrounding spaces, text stored in
// Windows-1252. Reads accept LF or CRLF; writes use CRLF and keep every other
// line, comment and the order of the file.
namespace IniFile {

// Longest value a read returns, as with a 256-character read buffer.
constexpr int kMaxValueLength = 255;

// The value of key in section, or "" when the file, section or key is missing.
// Throws Failure when the file exists but cannot be read.
QString read(const QString &path, const QString &section, const QString &key);

// Replaces or adds key in section (adding the section at the end when it is
// missing). The file is replaced atomically, so a crash never leaves it half
// written. Line breaks inside the value would split it into a second entry,
// so they are stored as spaces. Throws Failure when the file cannot be written.
void write(const QString &path, const QString &section, const QString &key, const QString &value);

}
