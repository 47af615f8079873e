#pragma once

#include <QString>

// A profile's name is the name of its folder under Profiles. A safe name
// names exactly one folder there: no "/" or "\", not "." or "..", no control
// characters.
bool IsSafeProfileName(const QString &name);

// What the user is told when a name is refused as unsafe.
QString UnsafeProfileNameMessage();
