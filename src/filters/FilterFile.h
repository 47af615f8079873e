#pragma once

#include <QString>
#include <QStringList>

class Settings;

// The two filter files of a profile's folder: text stored as SettingsText
// says, one filter a line, CR LF after every entry, readable by the owner
// only (filter lists tell whom the user ignores). Failures (the folder is gone, the file can
// not be read or written) throw Failure to the caller.
namespace FilterFile {

enum class Kind { Messages, Users };

QString path(const Settings &settings, const QString &profileName, Kind kind);

// The non-empty lines in file order; the file is created empty when missing.
// Lines may end in CR LF or a bare LF, as a hand-edited file may have them.
QStringList read(const QString &path);

// Replaces the file with every non-empty entry in order, each followed by
// CR LF, as settings files are replaced: under the folder's lock, so that two
// copies of the program never lose each other's edits, and never half a file.
void write(const QString &path, const QStringList &entries);

// Whether the entry reads back from the file as it is: one line, and only
// characters a file can hold.
bool storesExactly(const QString &entry);

} // namespace FilterFile
