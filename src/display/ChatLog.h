#pragma once

#include <QDate>
#include <QString>

class QTextDocument;
class Profile;

// The chat log of a profile whose Log Chat option is on: every line its pane
// shows, as shown but with controls as visible marks (PlainLogText),
// appended to Profiles/<name>/Logs/YYYY-MM-DD.txt in UTF-8. Each line is
// written and handed to the system before the next, so a crash of the
// program loses at most the line being written. The folder and its files are
// readable by their owner only. A log that cannot be written is reported
// once in the pane; the chat goes on without it.
//
// A profile's logs take at most kMostLogBytes: past it the oldest days'
// files go, with a grey line, and when today's file alone is that large,
// logging stops until the next day.
inline constexpr qint64 kMostLogBytes = 100LL * 1024 * 1024;

// Logs the line just written at the end of the profile's pane.
void LogLastChatLine(Profile &profile, const QTextDocument &pane);

// The log file of a day in a profile folder.
QString ChatLogPath(const QString &profileFolder, const QDate &day);
