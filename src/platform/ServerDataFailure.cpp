#include "platform/ServerDataFailure.h"

#include <exception>

bool CurrentFailureComesFromServer()
{
    if (!std::current_exception())
        return false;
    try {
        throw;
    } catch (const ServerDataFailure &) {
        return true;
    } catch (...) {
        return false;
    }
}
