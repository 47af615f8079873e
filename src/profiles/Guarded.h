#pragma once

#include <QString>

#include <utility>

// Runs a handler; a failure in it goes to the owner's error log under the
// handler's names and no further. A template, so that a handler run for every
// message of a burst costs no allocation.
template <class Owner, class Handler>
void RunGuarded(Owner &owner, const char *procedure, const char *module, Handler &&handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        owner.LogError(QString::fromLatin1(procedure), QString::fromLatin1(module));
    }
}
