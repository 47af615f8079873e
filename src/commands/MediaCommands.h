#pragma once

#include <QString>
#include <QStringList>

class TarnwellApp;

// The now-playing and transport commands of the media players on the
// current profile: "/mp3", "/play", "/itunes", "/wmp" and their siblings.
// Returns false when the command word is not one of them.
bool RunMediaCommand(TarnwellApp &app, const QString &command);

// The command words RunMediaCommand takes.
QStringList MediaCommandWords();
