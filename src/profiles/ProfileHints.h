#pragma once

class QTextDocument;
class TarnwellApp;

// What the pane on screen tells a newcomer to do next: with no profile, how
// to create one; with a new profile, how to configure and connect it.

// Writes the hint of a window without profiles to the pane of a slot.
void ShowFirstStartHint(TarnwellApp &app, int index);
// Takes that hint out of a pane once a profile exists.
void ForgetFirstStartHint(QTextDocument &pane);
// Writes the next steps for a profile just created to its pane.
void ShowNewProfileHint(TarnwellApp &app, int index);
