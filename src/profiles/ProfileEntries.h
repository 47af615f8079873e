#pragma once

class Profile;
class QListWidget;
class QListWidgetItem;

// The profile list's entries, each tied to its profile object: an entry is
// found by the profile it stands for, never by its text, so a rename or two
// names that differ only in letter case cannot lead to another profile's
// entry.

// Appends the profile's entry, named after it and coloured as disconnected.
QListWidgetItem &AddProfileEntry(QListWidget &list, Profile &profile);
// The profile's entry, or null when it has none.
QListWidgetItem *EntryOf(const QListWidget &list, const Profile &profile);
// The profile an entry stands for; null once it is gone, or for an entry
// made otherwise.
Profile *ProfileOfEntry(const QListWidgetItem &entry);
