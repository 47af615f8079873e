#pragma once

#include <QString>

class CommandHost;

// Every line the user enters: the client's own slash commands are carried out
// on the current profile, every other line goes to the server through Send.
// Failures go to the error log.
void InternalCommands(CommandHost &program, const QString &text);

// Shows the profile window for a user and requests the profile.
void viewProfile(CommandHost &program, const QString &name);

// Shows the profile window for a user and asks the server for the profile;
// only the own account's profile can be edited.
void RequestProfile(CommandHost &program, const QString &name);
