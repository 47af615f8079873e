#pragma once

#include <QString>

enum class Warcraft3Edition { ReignOfChaos, FrozenThrone };

// Describes a Warcraft III statstring: the product code, then the icon code
// backwards, the level, and the clan tag backwards (when in a clan). Throws a
// Failure for one that lacks those fields or whose icon code does not end in
// a tier digit.
QString DescribeWarcraft3(const QString &statstring, Warcraft3Edition edition);
