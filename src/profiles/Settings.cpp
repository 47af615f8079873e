#include "profiles/Settings.h"

#include "platform/Failure.h"
#include "platform/FileHelpers.h"
#include "platform/IniFile.h"
#include "platform/PlainFileName.h"

#include <QFile>

namespace {

enum class Privacy { Shared, OwnerOnly };

// Creates the file empty when it is missing; an existing file is never touched.
const QString &ensureFile(const QString &path, Privacy privacy)
{
    if (!FileExists(path)) {
        CreateTextFile(path);
        if (privacy == Privacy::OwnerOnly &&
            !QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: cannot make owner-only ") + path);
    }
    return path;
}

} // namespace

Settings::Settings(QString programFolder) : m_programFolder(std::move(programFolder))
{
}

QString Settings::profilesFolder() const
{
    return m_programFolder + QStringLiteral("/Profiles");
}

QString Settings::schemesFolder() const
{
    return m_programFolder + QStringLiteral("/Schemes");
}

QString Settings::profileFolder(const QString &profileName) const
{
    // Without a name the path would point at the Profiles folder itself and
    // leave a stray settings file there.
    if (profileName.isEmpty())
        throw Failure(Failure::PathNotFound, QStringLiteral("Path not found: no profile name"));
    // A name that is not one folder below Profiles would reach outside it.
    if (profileName.contains(QLatin1Char('/')) || profileName == QLatin1String(".") ||
        profileName == QLatin1String(".."))
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + profileName);
    return profilesFolder() + QLatin1Char('/') + profileName;
}

QString Settings::profileConfigPath(const QString &profileName) const
{
    return profileFolder(profileName) + QStringLiteral("/Config.ini");
}

QString Settings::schemePath(const QString &schemeName) const
{
    // Scheme names come from settings files and dialogs; one that leads out
    // of the Schemes folder must neither read nor create a file there.
    if (!IsPlainFileName(schemeName))
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: scheme name ") + schemeName);
    return schemesFolder() + QLatin1Char('/') + schemeName + QStringLiteral(".ini");
}

QString Settings::ReadProfileSetting(const QString &profileName, const QString &section, const QString &key) const
{
    return IniFile::read(ensureFile(profileConfigPath(profileName), Privacy::OwnerOnly), section, key);
}

void Settings::WriteProfileSetting(const QString &profileName, const QString &section, const QString &key,
                                   const QString &value) const
{
    WriteProfileSettings(profileName, {{section, key, value}});
}

void Settings::WriteProfileSettings(const QString &profileName, const std::vector<IniFile::Entry> &entries) const
{
    const QString path = ensureFile(profileConfigPath(profileName), Privacy::OwnerOnly);
    keepPrivate(path);
    IniFile::write(path, entries);
}

void Settings::keepPrivate(const QString &path) const
{
    constexpr QFileDevice::Permissions kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                 QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                 QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (!(QFile::permissions(path) & kOthers))
        return;
    const bool tightened = QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!m_report)
        return;
    if (tightened)
        m_report({Failure::PathAccess, QStringLiteral("Others could read ") + path +
                                           QStringLiteral("; it is now readable by its owner only")},
                 QStringLiteral("WriteProfileSetting"));
    else
        m_report({Failure::PathAccess, QStringLiteral("Others can read ") + path +
                                           QStringLiteral(" and it could not be made owner-only")},
                 QStringLiteral("WriteProfileSetting"));
}

QString Settings::ReadSchemeSetting(const QString &schemeName, const QString &section, const QString &key) const
{
    return IniFile::read(ensureFile(schemePath(schemeName), Privacy::Shared), section, key);
}

void Settings::WriteSchemeSetting(const QString &schemeName, const QString &section, const QString &key,
                                  const QString &value) const
{
    IniFile::write(ensureFile(schemePath(schemeName), Privacy::Shared), section, key, value);
}
