#include "session/AccountKeysRequest.h"

#include "platform/Clock.h"
#include "profiles/Profile.h"
#include "session/ProfileKeys.h"
#include "session/clsConnection.h"

void RequestAccountKeys(Profile &profile)
{
    const ProfileRecord &record = profile.record();
    QByteArray request = ProfileKeys::readRequest(profile.state().AccountName, ProfileKeys::accountKeys(record.Product),
                                                  profile.clock().tickCount(), record.Encoding);
    profile.connection().SendPacket(0x26, request);
}
