#pragma once

#include <QString>

// The settings files below the program folder: one Config.ini per profile
// folder and one INI file per colour scheme. Every read and write makes sure
// the file exists first (creating it empty), so a missing key reads as "".
// Failures (the profile folder is gone, the path is not valid) are thrown to
// the caller.
class Settings {
public:
    explicit Settings(QString programFolder);

    const QString &programFolder() const { return m_programFolder; }
    QString profilesFolder() const;
    QString schemesFolder() const;
    QString profileFolder(const QString &profileName) const;
    QString profileConfigPath(const QString &profileName) const;
    // Throws Failure for a name that would lead out of the Schemes folder.
    QString schemePath(const QString &schemeName) const;

    QString ReadProfileSetting(const QString &profileName, const QString &section, const QString &key) const;
    void WriteProfileSetting(const QString &profileName, const QString &section, const QString &key,
                             const QString &value) const;
    QString ReadSchemeSetting(const QString &schemeName, const QString &section, const QString &key) const;
    void WriteSchemeSetting(const QString &schemeName, const QString &section, const QString &key,
                            const QString &value) const;

private:
    QString m_programFolder;
};
