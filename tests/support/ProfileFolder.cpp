#include "support/ProfileFolder.h"

#include <QDir>
#include <QFile>

void WriteProfileFolder(const QString &programFolder, const QString &name, const QByteArray &configText)
{
    QDir(programFolder).mkpath(QStringLiteral("Profiles/") + name);
    QFile config(programFolder + QStringLiteral("/Profiles/") + name + QStringLiteral("/Config.ini"));
    // One others can read is tightened and reported on its first write.
    if (config.open(QIODevice::WriteOnly))
        config.write(configText);
    config.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
