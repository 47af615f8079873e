#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>

// A user name as the channel finds it: in any letter case, as its lower-case
// form compares. Most names are short and plain ASCII; those are hashed and
// compared a character at a time with nothing allocated, which a channel
// listing of thousands of names feels. Any other name takes its lower-case
// form, so every name compares exactly as QString::toLower() makes it.
struct CaselessName {
    QString text;
};

bool operator==(const CaselessName &a, const CaselessName &b);
size_t qHash(const CaselessName &name, size_t seed = 0);
