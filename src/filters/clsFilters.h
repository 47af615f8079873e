#pragma once

#include "profiles/PerProfileObject.h"

#include <QSet>
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
    // An entry that cannot be a filter (a malformed pattern from an old or
    // hand-edited file) is left out, and said so in the pane once a run.
    // Throws Failure when a file cannot be read.
    void LoadFilters();

    // Why the entry cannot be a filter, or "" when it can: a pattern that is
    // malformed, or text the filter file cannot hold as it is (it would come
    // back as another, perhaps wider, filter).
    static QString Problem(const QString &entry);

    // True when the text is filtered: filter type 0 tests a message text, 1 a
    // user name, anything else nothing. An entry without "*" matches where it
    // occurs anywhere in the text; one with "*" is a wildcard pattern that may
    // match anywhere. Case is ignored.
    bool FindFilter(quint8 filterType, const QString &message) const;

private:
    QStringList usable(const QStringList &entries);

    QStringList m_messages{QString()};
    QStringList m_users{QString()};
    // Entries already reported as unusable.
    QSet<QString> m_reported;
};
