#pragma once

#include "platform/IniFile.h"

#include <QString>

#include <functional>
#include <vector>

struct CurrentError;

// The settings files below the program folder: one Config.ini per profile
// folder and one INI file per colour scheme. Every read and write makes sure
// the file exists first (creating it empty), so a missing key reads as "".
// Failures (the profile folder is gone, the path is not valid) are thrown to
// the caller.
class Settings {
public:
    // Where problems the settings deal with themselves go (a Config.ini that
    // others could read, made owner-only), with the procedure they came from.
    using Report = std::function<void(const CurrentError &error, const QString &procedure)>;

    explicit Settings(QString programFolder);
    void setReport(Report report) { m_report = std::move(report); }

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
    // Several keys of one Config.ini in one replacement of the file: either
    // all of them are saved or (with a Failure thrown) none.
    void WriteProfileSettings(const QString &profileName, const std::vector<IniFile::Entry> &entries) const;
    QString ReadSchemeSetting(const QString &schemeName, const QString &section, const QString &key) const;
    void WriteSchemeSetting(const QString &schemeName, const QString &section, const QString &key,
                            const QString &value) const;

private:
    // A Config.ini holds passwords: one that others may read is made
    // owner-only before it is written again, and the report says so.
    void keepPrivate(const QString &path) const;

    QString m_programFolder;
    Report m_report;
};
