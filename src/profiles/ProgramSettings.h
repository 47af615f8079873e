#pragma once

#include <QString>

class Settings;

// The program-wide settings file, Tarnwell.ini in the program's data folder
// beside the Profiles folder: what belongs to no single profile, such as the
// window's size. A missing file or key reads as "".
namespace ProgramSettings {

QString path(const Settings &settings);
// Failures are thrown to the caller.
QString read(const Settings &settings, const QString &section, const QString &key);
void write(const Settings &settings, const QString &section, const QString &key, const QString &value);

}
