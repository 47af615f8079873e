#pragma once

#include <QString>
#include <QStringList>

class CommandHost;

// The now-playing and transport commands of the media players on the
// current profile: "/mp3", "/play", "/itunes", "/wmp" and their siblings.
// Returns false when the command word is not one of them.
bool RunMediaCommand(CommandHost &program, const QString &command);

// The command words RunMediaCommand takes.
QStringList MediaCommandWords();
