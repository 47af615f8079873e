#include "profiles/ProgramSettings.h"

#include "platform/IniFile.h"
#include "profiles/Settings.h"

namespace ProgramSettings {

QString path(const Settings &settings)
{
    return settings.programFolder() + QStringLiteral("/Tarnwell.ini");
}

QString read(const Settings &settings, const QString &section, const QString &key)
{
    return IniFile::read(path(settings), section, key);
}

void write(const Settings &settings, const QString &section, const QString &key, const QString &value)
{
    IniFile::write(path(settings), section, key, value);
}

}
