#pragma once

#include <QString>

#include <vector>

// Our own INI layer with the behaviour of the classic profile-string
// functions: "[Section]" headers and "key=value" lines, names matched without
// regard to case, values trimmed of surrounding spaces, text stored as
// SettingsText says (Windows-1252 where it holds every character, UTF-8
// otherwise). Reads accept LF or CRLF; writes use CRLF and keep every other
// line, comment and the order of the file.
namespace IniFile {

// Longest value a read returns, as with a 256-character read buffer.
constexpr int kMaxValueLength = 255;

// The value of key in section, or "" when the file, section or key is missing.
// Throws Failure when the file exists but cannot be read.
QString read(const QString &path, const QString &section, const QString &key);

struct Entry {
    QString section;
    QString key;
    QString value;
};

// Replaces or adds each key in its section (adding the section at the end
// when it is missing), all in one replacement of the file (ReplaceFile: a
// crash or a full disk never leaves half a file, and a file that would not
// change is not written). The folder is locked meanwhile, so another program
// copy or thread changing the same file cannot drop these keys or lose its
// own. Line breaks inside a value would split it into a second entry, so they
// are stored as spaces. Throws Failure when the file cannot be written; the
// file is then unchanged.
void write(const QString &path, const std::vector<Entry> &entries);
void write(const QString &path, const QString &section, const QString &key, const QString &value);

}
