#include "profiles/StoredProfile.h"

#include "profiles/MoreOptions.h"
#include "profiles/ProfileRecord.h"
#include "profiles/ProfileSecrets.h"
#include "profiles/Settings.h"

void ReadStoredProfile(const Settings &settings, const QString &name, ProfileRecord &profile)
{
    profile.Name = name;
    profile.Active = true;
    // The old passwords go from memory before the stored ones come.
    WipePasswords(profile);
    const struct {
        QString ProfileRecord::*field;
        const char *section;
        const char *key;
    } stored[] = {
        {&ProfileRecord::Username, "Login", "Username"},
        {&ProfileRecord::Password, "Login", "Password"},
        {&ProfileRecord::NewPassword, "Login", "New Password"},
        {&ProfileRecord::Product, "Login", "Product"},
        {&ProfileRecord::Home, "Login", "Home"},
        {&ProfileRecord::Server, "Login", "Server"},
        {&ProfileRecord::Spoof, "Ping", "Spoof"},
        {&ProfileRecord::CustomPing, "Ping", "Custom Ping"},
        {&ProfileRecord::UDPPlug, "Ping", "UDP Plug"},
        {&ProfileRecord::Verbyte, "Login", "Verbyte"},
        {&ProfileRecord::Mode, "Registration", "Mode"},
        {&ProfileRecord::Email, "Registration", "Email"},
        {&ProfileRecord::NewEmail, "Registration", "New Email"},
        {&ProfileRecord::Scheme, "Scheme", "Default"},
    };
    for (const auto &each : stored)
        profile.*each.field =
            settings.ReadProfileSetting(name, QString::fromLatin1(each.section), QString::fromLatin1(each.key));
    // Every profile writes its lines by its own options from the start, not
    // only once it has been on screen.
    ReadOptionFlags(settings, name, profile);
    MoreOptions::Read(settings, name, profile);
}

void ReadOptionFlags(const Settings &settings, const QString &name, ProfileRecord &profile)
{
    const auto option = [&](const char *key) {
        return settings.ReadProfileSetting(name, QStringLiteral("Options"), QString::fromLatin1(key)) ==
               QLatin1String("1");
    };
    profile.JoinLeave = option("Join/Leave");
    profile.MilitaryTime = option("Military Time");
    profile.LockScreen = option("Lock Screen");
    profile.VoidView = option("Void View");
}
