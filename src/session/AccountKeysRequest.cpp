#include "session/AccountKeysRequest.h"

#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "session/ProfileKeys.h"
#include "session/clsConnection.h"

void RequestAccountKeys(TarnwellApp &app, int profileIndex)
{
    const ProfileRecord &profile = app.record(profileIndex);
    QByteArray request = ProfileKeys::readRequest(profile.AccountName, ProfileKeys::accountKeys(profile.Product),
                                                  app.clock().tickCount(), profile.Encoding);
    app.connection(profileIndex).SendPacket(0x26, request);
}
