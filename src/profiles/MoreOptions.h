#pragma once

#include "commands/FloodQuota.h"
#include "commands/LineSplit.h"

#include <QString>

class Settings;
struct ProfileRecord;

// Newer per-profile settings: chat logs, reconnection after a close, the
// flood guard and the encoding of what the profile sends. They live in
// section Options of the profile's Config.ini beside the display options; a
// missing key means off, and a missing encoding means Windows-1252.
namespace MoreOptions {

inline const QString kSection = QStringLiteral("Options");
inline const QString kLogChat = QStringLiteral("Log Chat");
inline const QString kReconnectAfterClose = QStringLiteral("Reconnect After Close");
inline const QString kFloodGuard = QStringLiteral("Flood Guard");
inline const QString kFloodLines = QStringLiteral("Flood Lines");
inline const QString kFloodSeconds = QStringLiteral("Flood Seconds");
inline const QString kFloodCharacters = QStringLiteral("Flood Characters");
inline const QString kEncoding = QStringLiteral("Encoding");
inline const QString kMaxLineBytes = QStringLiteral("Max Line Bytes");

// The largest numbers the flood quota takes; a value that is not a whole
// number from 1 to these stands for the default.
inline constexpr int kMostFloodLines = 100;
inline constexpr int kMostFloodSeconds = 3600;
inline constexpr int kMostFloodCharacters = 1000;
inline constexpr int kMostMaxLineBytes = 32000;

// Reads them into the profile's record.
void Read(const Settings &settings, const QString &profileName, ProfileRecord &profile);
FloodQuota ReadFloodQuota(const Settings &settings, const QString &profileName);
int ReadMaxLineBytes(const Settings &settings, const QString &profileName);

}
