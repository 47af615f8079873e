#include "InChat.h"

#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "support/ServerProgram.h"

int ConnectInChat(ServerProgram &profiles)
{
    const int connection = profiles.connect(0);
    TarnwellApp &app = profiles.app();
    ProfileRecord &record = app.profile(0).record();
    record.Username = app.profile(0).state().AccountName = QStringLiteral("probe");
    app.profile(0).state().CurrentChannel = QStringLiteral("Bench");
    app.profile(0).state().EnterChatTick = app.clock().tickCount();
    return connection;
}
