#pragma once

#include <QString>

#include <utility>

class TarnwellApp;

// Where the program keeps its Profiles and Schemes folders. A copy unpacked
// into a folder it may write to stays portable and keeps them beside itself.
// An installed copy keeps the same layout in the user's data folder, and so
// does a copy whose folder it cannot write.
class DataFolder {
public:
    // installedMarker: a path, relative to programFolder, that only an
    // installed copy has. An installed copy never writes into its own
    // installation, even where it could (run by an administrator). A
    // portable copy stays beside the executable in programFolder when a file
    // can be made there, and otherwise moves to userFolder (made when
    // missing); when neither can be written it stays, and writing settings
    // reports the failure.
    static DataFolder choose(const QString &programFolder, const QString &userFolder,
                             const QString &installedMarker);

    const QString &path() const { return m_path; }
    bool isProgramFolder() const { return m_reason == Reason::Portable; }

    // Tells the user once, in the first chat pane, where the settings are
    // when they are not beside the executable.
    void announce(TarnwellApp &app) const;

private:
    enum class Reason { Portable, Installed, ProgramFolderReadOnly };

    DataFolder(QString path, Reason reason) : m_path(std::move(path)), m_reason(reason) {}

    QString m_path;
    Reason m_reason;
};
