#pragma once

#include "profiles/PerProfileObject.h"

// The users in one profile's current channel.
class clsUsers : public PerProfileObject {
public:
    using PerProfileObject::PerProfileObject;
};
