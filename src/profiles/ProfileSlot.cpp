#include "profiles/ProfileSlot.h"

#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "commands/FloodGuard.h"
#include "filters/clsFilters.h"
#include "profiles/ProfileSecrets.h"
#include "session/clsConnection.h"

ProfileSlot::ProfileSlot() = default;
ProfileSlot::~ProfileSlot()
{
    WipePasswords(record);
}
