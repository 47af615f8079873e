#pragma once

#include <QString>

// One readable sentence for the statstring that the server sends with every
// channel user: the product, decoded from the code it begins with, and the
// statistics that product carries. Statstrings come from other users, so a
// malformed one that has no fallback text throws a Failure.
QString DescribeStatstring(const QString &statstring);
// The product a statstring begins with, by its plain name ("Starcraft Brood
// War"), or "an unknown client"; never fails.
QString ProductName(const QString &statstring);
