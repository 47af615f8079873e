#include "profiles/MoreOptions.h"

#include "profiles/ProfileRecord.h"
#include "profiles/Settings.h"

namespace MoreOptions {

void Read(const Settings &settings, const QString &profileName, ProfileRecord &profile)
{
    const auto flag = [&](const QString &key) {
        return settings.ReadProfileSetting(profileName, kSection, key) == QLatin1String("1");
    };
    profile.LogChat = flag(kLogChat);
    profile.ReconnectAfterClose = flag(kReconnectAfterClose);
}

}
