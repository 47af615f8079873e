#pragma once

#include <functional>

// Runs the event loop until the condition holds or the timeout passes; true
// when the condition came true. It waits on events, never on a fixed delay.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMilliseconds = 5000);
