#pragma once

#include <QString>
#include <QtGlobal>

class QListWidgetItem;
class TarnwellApp;

// Loading profiles into their slots and dressing the main window for the
// profile on screen.

// Fills the record of slot index from the profile's settings, its display
// options included; unless keepSize, the slots are first grown to index + 1.
void LoadInfo(TarnwellApp &app, const QString &name, int index, bool keepSize);
// Reads the profile's display options into the current profile's record, sets
// the menus' check marks and applies the window opacity.
void LoadOptions(TarnwellApp &app, const QString &name);
// Gives a profile its control set: at index (direct, or while start-up loads
// profiles), or else in a new slot at the end. Returns the slot used, or -1
// when it failed.
int LoadControl(TarnwellApp &app, int index, const QString &name, bool direct);
// Ends a deleted profile: its connection ends and the profile goes with all
// it held; the slots after it move up by one.
void UnloadControl(TarnwellApp &app, int index);
// Recolours a profile's entry in the profile list by its state. With
// position true, index is a 1-based list position and is decreased by one in
// the caller's variable first.
void ProfileColor(TarnwellApp &app, qint16 &index, bool position, bool activity);
// Colours the main window from a scheme file.
void ApplyScheme(TarnwellApp &app, const QString &schemeName);
// Sets the fonts of the shared controls and of the profile's chat pane from
// its settings; failures are thrown to the caller.
void ApplyProfileFonts(TarnwellApp &app, int index);
// Switches the current profile to the one whose list entry has this text.
void lstProfiles_Click(TarnwellApp &app, const QString &entryText);
// Writes Tahoma fonts of the usual sizes into a new profile's settings.
void WriteDefaultFonts(TarnwellApp &app, const QString &name);
// The image of a profile's list entry: its product's, or image 25 without one.
void SetProfileEntryIcon(TarnwellApp &app, QListWidgetItem &entry, const QString &product);
