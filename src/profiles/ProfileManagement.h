#pragma once

#include <QString>

class QWidget;
class TarnwellApp;

// Creating, renaming and deleting whole profiles. A profile is a folder under
// Profiles, a slot and an entry of the profile list; names are refused when
// another entry has them in any letter case, or when they would not name
// exactly one folder under Profiles. Each operation reports its failures to
// the error log and keeps what it completed.

// Asks for a name and creates the profile: its folder with the default fonts,
// its slot (the lowest freed one, or a new one) and its entry at the end of
// the profile list, in red. It comes on screen, with the next steps in its
// pane, and is not connected.
void CreateProfile(TarnwellApp &app);
// Asks for a new name and renames the profile's folder, list entry and
// record. Returns the new name, or "" when nothing was renamed.
QString RenameProfile(TarnwellApp &app, QWidget *parent, const QString &name);
// Asks for confirmation, then removes the profile's folder tree, frees its
// slot and removes its entry. When it was on screen, the next profile of the
// list comes on screen, else the one before it, else the first-start hint.
// Returns whether the profile was deleted.
bool DeleteProfile(TarnwellApp &app, QWidget *parent, const QString &name);

