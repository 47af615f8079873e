#pragma once

#include <functional>

class Clock;
class Profile;

// The program's profiles in slot order, for what serves all of them at once
// (the connection timers), with the clock and error guard those share.
class ProfileRoster {
public:
    virtual ~ProfileRoster() = default;
    virtual int profileCount() const = 0;
    virtual Profile &profileAt(int index) const = 0;
    virtual Clock &clock() const = 0;
    // Runs a handler; a failure in it goes to the error log.
    virtual void guard(const char *procedure, const char *module, const std::function<void()> &handler) = 0;
};
