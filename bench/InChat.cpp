#include "InChat.h"

#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "support/ServerProfiles.h"

int ConnectInChat(ServerProfiles &profiles)
{
    const int connection = profiles.connect(0);
    TarnwellApp &app = profiles.app();
    ProfileRecord &record = app.profile(0).record();
    record.Username = record.AccountName = QStringLiteral("probe");
    record.CurrentChannel = QStringLiteral("Bench");
    record.EnterChatTick = app.clock().tickCount();
    return connection;
}
