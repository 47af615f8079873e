#pragma once

#include "profiles/ProgramServices.h"

class Profile;

// The program's profiles in slot order, for what serves all of them at once
// (the connection timers), with the services those share.
class ProfileRoster : public ProgramServices {
public:
    virtual int profileCount() const = 0;
    virtual Profile &profileAt(int index) const = 0;
};
