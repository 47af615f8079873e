#pragma once

#include <QString>

// A profile's folder holds its password, its logged whispers and whom it
// ignores: the folder, its Logs folder, the logs and the filter files are
// readable by their owner only. Config.ini sees to itself when written.

// Creates the profile folder, owner-only. Throws Failure when it cannot.
void CreatePrivateFolder(const QString &path);

// Takes the access of others away from what earlier versions made readable
// to them. Quietly: nothing is lost, and the user has nothing to do.
void TightenProfileFolder(const QString &folder);
