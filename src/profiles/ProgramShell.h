#pragma once

#include "profiles/ProfileRoster.h"

class QWidget;

// The program as its windows and commands see it: the profiles, the one on
// screen, and the main window they open over. It names no window class, so
// that what it serves need not know the program's own.
class ProgramShell : public ProfileRoster {
public:
    // The profile on screen.
    virtual Profile &current() const = 0;
    virtual QWidget &mainWidget() const = 0;
};
