#include "profiles/ProgramServices.h"

void ProgramServices::guard(const char *procedure, const char *module, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        LogError(QString::fromLatin1(procedure), QString::fromLatin1(module));
    }
}
