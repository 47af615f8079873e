#pragma once

#include <QString>

class Settings;
struct ProfileRecord;

// The per-profile options the original did not have. They live in section
// Options of the profile's Config.ini beside the display options; a missing
// key keeps the original behaviour.
namespace MoreOptions {

inline const QString kSection = QStringLiteral("Options");
inline const QString kLogChat = QStringLiteral("Log Chat");
inline const QString kReconnectAfterClose = QStringLiteral("Reconnect After Close");

// Reads them into the profile's record.
void Read(const Settings &settings, const QString &profileName, ProfileRecord &profile);

}
