#pragma once

#include "appearance/LineColours.h"
#include "appearance/SchemeFile.h"
#include "display/Colour.h"

// The built-in scheme: the colours the main window has without a scheme. It
// is always listed, and can be used but neither changed nor deleted.
inline const QString kDefaultScheme = QStringLiteral("Default");
inline constexpr Colour kDesignMenuText = Rgb(0xC0FFFF);
inline constexpr Colour kDesignChannelText = Rgb(0xFFFFFF);
inline constexpr Colour kDesignMinimise = Rgb(0xC0FFFF);
inline constexpr Colour kDesignProfileText = Rgb(0x00FFFF);
inline constexpr Colour kDesignInputText = Rgb(0xFFFFFF);
// Every line has the same colour.
inline const Colour kDesignLines = LineColours{}.menu;

bool IsDefaultScheme(const QString &name);

// The fields of the built-in scheme.
SchemeFields DesignSchemeFields();

// Whether text or a line of this colour can be seen on the window's black
// background: a colour whose every component is this dark cannot.
bool ShowsOnBlack(Colour colour);
// The colour, or the given visible one in place of one that would vanish.
Colour VisibleOnBlack(Colour colour, Colour visible);
