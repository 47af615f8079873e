#pragma once

#include "appearance/SchemeFile.h"

#include <QString>

// The main window's look as the scheme and font windows read and change it.
class ScreenLook {
public:
    virtual ~ScreenLook() = default;
    // The colours the window shows now.
    virtual SchemeFields shownSchemeFields() const = 0;
    // Colours the window from the scheme of this name.
    virtual void applyScheme(const QString &name) = 0;
    // Sets the window's and the current pane's fonts from the current
    // profile's settings; failures are thrown to the caller.
    virtual void applyCurrentFonts() = 0;
};
