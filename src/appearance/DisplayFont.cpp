#include "appearance/DisplayFont.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

QString installedSansSerif()
{
    QFont probe;
    probe.setStyleHint(QFont::SansSerif);
    probe.setFamilies({});
    return QFontInfo(probe).family();
}

} // namespace

QStringList DisplayFamilies(const QString &family)
{
    if (family.isEmpty() || QFontDatabase::hasFamily(family))
        return {family};
    return {family, installedSansSerif()};
}

QFont DisplayFont(QFont font, const QString &family, double pointSize)
{
    font.setFamilies(DisplayFamilies(family));
    font.setPointSizeF(pointSize);
    return font;
}
