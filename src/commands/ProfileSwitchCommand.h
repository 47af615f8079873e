#pragma once

#include <QString>

class CommandHost;
class QString;

// "/p": switches to a profile named by its place in the profile list (from
// 1) or by its name in any letter case, as a click on its entry does. What
// cannot be switched to is told in the pane of the profile on screen, never
// as a program fault.
void SwitchProfileCommand(CommandHost &program, const QString &argument);
