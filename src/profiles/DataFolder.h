#pragma once

#include <QString>

#include <utility>

class TarnwellApp;

// Where the program keeps its Profiles and Schemes folders. A copy in a
// folder it may write to stays portable and keeps them beside itself; an
// installed copy, whose folder it cannot write, keeps the same layout in the
// user's data folder instead.
class DataFolder {
public:
    // Beside the executable in programFolder when a file can be made there,
    // otherwise userFolder (made when missing). When neither can be written
    // the program folder stays, and writing settings reports the failure.
    static DataFolder choose(const QString &programFolder, const QString &userFolder);

    const QString &path() const { return m_path; }
    bool isProgramFolder() const { return m_isProgramFolder; }

    // Tells the user once, in the first chat pane, when the settings are not
    // beside the executable.
    void announce(TarnwellApp &app) const;

private:
    DataFolder(QString path, bool isProgramFolder) : m_path(std::move(path)), m_isProgramFolder(isProgramFolder) {}

    QString m_path;
    bool m_isProgramFolder;
};
