#include "profiles/Profile.h"

Profile::~Profile() = default;

void Profile::guard(const char *procedure, const char *module, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        LogError(QString::fromLatin1(procedure), QString::fromLatin1(module));
    }
}
