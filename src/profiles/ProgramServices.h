#pragma once

#include "profiles/Guarded.h"

#include <QString>

#include <functional>

class Clock;
class ConnectionTimers;
class Settings;

// What the program gives each of its profiles: the clock, the settings below
// the program folder, the error log and the connection timers.
class ProgramServices {
public:
    virtual ~ProgramServices() = default;
    virtual Clock &clock() const = 0;
    virtual const Settings &settings() const = 0;
    // Reports the exception being handled.
    virtual void LogError(const QString &procedure, const QString &module) = 0;
    virtual ConnectionTimers &timers() const = 0;
    // Runs a handler; a failure in it is reported under the handler's names
    // and goes no further.
    template <class Handler>
    void guard(const char *procedure, const char *module, Handler &&handler)
    {
        RunGuarded(*this, procedure, module, std::forward<Handler>(handler));
    }
};
