#pragma once

#include "profiles/PerProfileObject.h"

#include <QString>
#include <QtGlobal>

// One profile's message and user filters.
class clsFilters : public PerProfileObject {
public:
    using PerProfileObject::PerProfileObject;

    // True when the text is filtered: filter type 0 tests a message text, 1 a
    // user name. No filter lists are loaded yet, so nothing is filtered.
    bool FindFilter(quint8 filterType, const QString &message) const;
};
