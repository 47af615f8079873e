#pragma once

class QWidget;

// Gives a top-level window a uniform opacity of level/255. Returns 0 when
// applied, 1 when the level (taken as unsigned 16-bit) is above 255 and
// nothing changed, 2 when the widget is not a top-level window,
// which the window system cannot make see-through.
int SetTransparency(QWidget &window, int level);
