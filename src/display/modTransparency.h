#pragma once

class QWidget;

// The faintest the main window is ever made: a fully see-through window
// cannot be found again on a compositing desktop.
inline constexpr int kLeastOpacity = 51;
inline constexpr int kFullOpacity = 255;

// A level of opacity brought into kLeastOpacity..kFullOpacity.
int VisibleOpacity(int level);

// Gives a top-level window a uniform opacity of level/255, never fainter
// than kLeastOpacity. Returns 0 when applied, 1 when the level (taken as
// unsigned 16-bit) is above 255 and nothing changed, 2 when the widget is not
// a top-level window, which the window system cannot make see-through.
int SetTransparency(QWidget &window, int level);
