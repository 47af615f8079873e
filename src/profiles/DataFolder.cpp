#include "profiles/DataFolder.h"

#include "profiles/TarnwellApp.h"

#include <QDir>
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

DataFolder DataFolder::choose(const QString &programFolder, const QString &userFolder)
{
    if (canWrite(programFolder) || userFolder.isEmpty())
        return {programFolder, true};
    if (!QDir().mkpath(userFolder) || !canWrite(userFolder))
        return {programFolder, true};
    return {userFolder, false};
}

void DataFolder::announce(TarnwellApp &app) const
{
    if (m_isProgramFolder)
        return;
    app.AddChat(0, {Rgb(0x77B1BB), QStringLiteral("The program folder cannot be written to, so profiles and schemes "
                                                  "are kept in "),
                    Rgb(0xFFFFFF), QDir::toNativeSeparators(m_path)});
}
