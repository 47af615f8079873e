#pragma once

#include <QDate>
#include <QString>

class QTextDocument;
class TarnwellApp;

// The chat log of a profile whose Log Chat option is on: every line its pane
// shows, as shown, appended to Profiles/<name>/Logs/YYYY-MM-DD.txt in UTF-8.
// Each line is written and the file closed before the next, so a crash loses
// at most the line being written. A log that cannot be written is reported
// once in the pane; the chat goes on without it.

// Logs the line just written at the end of the profile's pane.
void LogLastChatLine(TarnwellApp &app, int profileIndex, const QTextDocument &pane);

// The log file of a day in a profile folder.
QString ChatLogPath(const QString &profileFolder, const QDate &day);

// Appends one line; throws Failure when it cannot.
void AppendChatLogLine(const QString &path, const QString &line);
