#pragma once

#include "profiles/PerProfileObject.h"

// One profile's chat events.
class clsBNCS : public PerProfileObject {
public:
    using PerProfileObject::PerProfileObject;
};
