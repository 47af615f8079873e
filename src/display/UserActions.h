#pragma once

class ProgramShell;
class QString;

// What the user menu of the channel list does to the selected user, through
// the profile on screen.
enum class UserAction { Designate, Resign, Ban, Unban, Ignore, Unignore };

// Sends the action's command for the user of the selected row (its text,
// icon prefix included), the name prefixed as the profile's product
// addresses accounts. With no row selected it does nothing.
void RunUserAction(ProgramShell &program, const QString &selected, UserAction action);
