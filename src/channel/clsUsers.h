#pragma once

#include "profiles/PerProfileObject.h"

// The users in one profile's current channel.
class clsUsers : public PerProfileObject {
public:
    using PerProfileObject::PerProfileObject;

    // Empties the store when the profile's connection ends. The store holds
    // nothing yet: the channel user list fills it.
    void ClearUsers() {}
};
