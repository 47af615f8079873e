#pragma once

#include "platform/Failure.h"

// The number of the Failure that the action throws, or 0 when it throws none.
// Any other exception escapes and fails the test.
template <typename Action>
int FailureNumberOf(Action &&action)
{
    try {
        action();
    } catch (const Failure &failure) {
        return failure.number();
    }
    return 0;
}
