#include "profiles/MoreOptions.h"

#include "platform/WireText.h"
#include "profiles/ProfileRecord.h"
#include "profiles/Settings.h"

namespace MoreOptions {

namespace {

int wholeNumber(const QString &text, int fallback, int most)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 1 && value <= most ? value : fallback;
}

} // namespace

FloodQuota ReadFloodQuota(const Settings &settings, const QString &profileName)
{
    const auto read = [&](const QString &key) { return settings.ReadProfileSetting(profileName, kSection, key); };
    const FloodQuota defaults;
    // On for every profile that has not turned it off: a server kicks what
    // talks too fast, pasted lines included.
    return {read(kFloodGuard) != QLatin1String("0"), wholeNumber(read(kFloodLines), defaults.lines, kMostFloodLines),
            wholeNumber(read(kFloodSeconds), defaults.seconds, kMostFloodSeconds),
            wholeNumber(read(kFloodCharacters), defaults.characters, kMostFloodCharacters)};
}

int ReadMaxLineBytes(const Settings &settings, const QString &profileName)
{
    return wholeNumber(settings.ReadProfileSetting(profileName, kSection, kMaxLineBytes), LinePieces::kDefaultMaxBytes,
                       kMostMaxLineBytes);
}

void Read(const Settings &settings, const QString &profileName, ProfileRecord &profile)
{
    const auto flag = [&](const QString &key) {
        return settings.ReadProfileSetting(profileName, kSection, key) == QLatin1String("1");
    };
    profile.LogChat = flag(kLogChat);
    profile.ReconnectAfterClose = flag(kReconnectAfterClose);
    profile.Flood = ReadFloodQuota(settings, profileName);
    profile.MaxLineBytes = ReadMaxLineBytes(settings, profileName);
    profile.Encoding = WireText::encodingFromSetting(settings.ReadProfileSetting(profileName, kSection, kEncoding));
}

}
