#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Font names come from settings files written on other machines; "Tahoma" is
// the usual one and is rarely installed here. Such a name is kept as written
// (it is what the settings and the font dialog show) while the text is drawn
// in an installed sans-serif font.

// The families to ask for: the name itself, followed by an installed
// sans-serif family when the name is not installed.
QStringList DisplayFamilies(const QString &family);

// The font with the family and point size set, drawn as above.
QFont DisplayFont(QFont font, const QString &family, double pointSize);
