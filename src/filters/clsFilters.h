#pragma once

#include "profiles/PerProfileObject.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// One profile's message and user filters, loaded from the two filter files of
// its folder. Until the first load each list holds one empty entry, so
// nothing is filtered.
class clsFilters : public PerProfileObject {
public:
    using PerProfileObject::PerProfileObject;

    static constexpr quint8 kMessages = 0;
    static constexpr quint8 kUsers = 1;

    // Reloads both lists from the profile's files, creating missing ones.
    // Throws Failure when a file cannot be read.
    void LoadFilters();

    // True when the text is filtered: filter type 0 tests a message text, 1 a
    // user name, anything else nothing. An entry without "*" matches where it
    // occurs anywhere in the text; one with "*" is a wildcard pattern that may
    // match anywhere. Case is ignored. Throws Failure for a malformed pattern.
    bool FindFilter(quint8 filterType, const QString &message) const;

private:
    QStringList m_messages{QString()};
    QStringList m_users{QString()};
};
