#include "profiles/StoredProfile.h"

#include "profiles/MoreOptions.h"
#include "profiles/ProfileRecord.h"
#include "profiles/ProfileSecrets.h"
#include "profiles/Settings.h"

void ReadStoredProfile(const Settings &settings, const QString &name, ProfileRecord &profile)
{
    profile.Name = name;
    profile.Active = true;
    const auto read = [&](const char *section, const char *key) {
        return settings.ReadProfileSetting(name, QString::fromLatin1(section), QString::fromLatin1(key));
    };
    profile.Username = read("Login", "Username");
    WipePasswords(profile);
    profile.Password = read("Login", "Password");
    profile.NewPassword = read("Login", "New Password");
    profile.Product = read("Login", "Product");
    profile.Home = read("Login", "Home");
    profile.Server = read("Login", "Server");
    profile.Spoof = read("Ping", "Spoof");
    profile.CustomPing = read("Ping", "Custom Ping");
    profile.UDPPlug = read("Ping", "UDP Plug");
    profile.Verbyte = read("Login", "Verbyte");
    profile.Mode = read("Registration", "Mode");
    profile.Email = read("Registration", "Email");
    profile.NewEmail = read("Registration", "New Email");
    profile.Scheme = read("Scheme", "Default");
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
