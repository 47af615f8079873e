#pragma once

#include "channel/ChannelUserModel.h"
#include "channel/clsBNCS.h"
#include "profiles/TarnwellApp.h"

#include <QString>

// Puts a bare row for a name at the end of a profile's channel list, as a row
// that the user store may not know.
inline void ListUser(TarnwellApp &app, int profile, const QString &name)
{
    UserRow row;
    row.text = QLatin1Char(' ') + name;
    app.profile(profile).bncs().rows().insertRow(0, row);
}
