#pragma once

#include "profiles/PerProfileObject.h"

// One profile's message and user filters.
class clsFilters : public PerProfileObject {
public:
    using PerProfileObject::PerProfileObject;
};
