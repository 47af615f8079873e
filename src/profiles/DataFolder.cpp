#include "profiles/DataFolder.h"

#include "profiles/TarnwellApp.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// The permission bits do not tell (a read-only file system, an administrator
// who may write anywhere): only making a file does.
bool canWrite(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.tarnwell-write-XXXXXX"));
    return probe.open();
}

} // namespace

DataFolder DataFolder::choose(const QString &programFolder, const QString &userFolder,
                              const QString &installedMarker)
{
    if (userFolder.isEmpty())
        return {programFolder, Reason::Portable};
    if (!installedMarker.isEmpty() && QFileInfo::exists(programFolder + QLatin1Char('/') + installedMarker)) {
        // Made here when it can be; if not, writing settings reports it.
        QDir().mkpath(userFolder);
        return {userFolder, Reason::Installed};
    }
    if (canWrite(programFolder))
        return {programFolder, Reason::Portable};
    if (!QDir().mkpath(userFolder) || !canWrite(userFolder))
        return {programFolder, Reason::Portable};
    return {userFolder, Reason::ProgramFolderReadOnly};
}

void DataFolder::announce(TarnwellApp &app) const
{
    if (m_reason == Reason::Portable)
        return;
    const QString reason = m_reason == Reason::Installed
                               ? QStringLiteral("This copy is installed, so profiles and schemes are kept in ")
                               : QStringLiteral("The program folder cannot be written to, so profiles and schemes "
                                                "are kept in ");
    app.profile(0).AddChat({Rgb(0x77B1BB), reason, Rgb(0xFFFFFF), QDir::toNativeSeparators(m_path)});
}
