#include "appearance/SchemeList.h"

#include <QDir>

QStringList ListSchemes(const QString &schemesFolder)
{
    QDir folder(schemesFolder, QStringLiteral("*.ini*"), QDir::Unsorted,
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::CaseSensitive);
    QStringList names;
    for (QString name : folder.entryList()) {
        name.remove(QStringLiteral(".ini"));
        if (!name.isEmpty() && name != QLatin1String(".") && name != QLatin1String(".."))
            names.append(name);
    }
    return names;
}
