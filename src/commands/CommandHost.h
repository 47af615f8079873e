#pragma once

#include "profiles/ProgramShell.h"

#include <QString>
#include <QStringList>

class ITunesLink;
class WinampLink;
class WmpLink;
class frmProfile;

// The program as typed commands and the idle timer reach it: its profiles
// and main window, the media players, the last whisperer, the profile window
// and the profile list.
class CommandHost : public ProgramShell {
public:
    virtual WinampLink &winamp() const = 0;
    virtual WmpLink &wmp() const = 0;
    virtual ITunesLink &itunes() const = 0;
    // The sender of the last whisper any profile received.
    virtual QString lastWhisperFrom() const = 0;
    // The profile window, created on first use.
    virtual frmProfile &profileWindow() = 0;
    // The texts of the profile list's entries, top to bottom.
    virtual QStringList profileEntries() const = 0;
    // Puts the profile of this list entry on screen, as a click on it does.
    virtual void showEntry(const QString &entryText) = 0;
};
