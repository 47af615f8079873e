#pragma once

#include <QString>

class Settings;
struct ProfileRecord;

// Fills a profile's record from its stored settings: its name, logon, ping,
// registration and scheme, its display options and the newer options. The
// record is then the live profile's (Active).
void ReadStoredProfile(const Settings &settings, const QString &name, ProfileRecord &profile);
// The four display options of the profile's settings; only "1" is on.
void ReadOptionFlags(const Settings &settings, const QString &name, ProfileRecord &profile);
