#pragma once

#include <QString>
#include <QStringList>

class Settings;

// The two filter files of a profile's folder: single-byte text, one filter a
// line, CR LF after every entry. Failures (the folder is gone, the file can
// not be read or written) throw Failure to the caller.
namespace FilterFile {

enum class Kind { Messages, Users };

QString path(const Settings &settings, const QString &profileName, Kind kind);

// The non-empty lines in file order; the file is created empty when missing.
// Lines may end in CR LF or a bare LF, as a hand-edited file may have them.
QStringList read(const QString &path);

// Replaces the file with every non-empty entry in order, each followed by
// CR LF. The old file stays whole until the new one is complete.
void write(const QString &path, const QStringList &entries);

} // namespace FilterFile
