#pragma once

class QAction;
class ProgramShell;
class QString;

// The display options of the profile on screen, each kept in its record, in
// its settings (section Options) and in its menu entry's check mark.
enum class DisplayOption { JoinLeave, VoidView, MilitaryTime, LockScreen };

// Switches the option of the profile on screen, saves it, sets the check
// mark to the new state and confirms in the profile's chat pane. The
// confirmation of the lock screen is shown both ways, and that of military
// time is already stamped in the new form. Failures go to the error log and
// leave the check mark showing the profile's flag. Without a live profile on
// screen (none yet, or it was deleted) neither does anything.
void ToggleDisplayOption(ProgramShell &program, DisplayOption option, QAction &checkMark);

// Asks for the main window's opacity, showing the present level, and applies
// it to the window and saves it for the profile on screen. A level outside
// 51 to 255 is brought to the nearest of those; an answer that is not a
// number is told in the pane and changes nothing. Returns the level kept, or
// an empty text when none was.
QString AskTransparency(ProgramShell &program);
