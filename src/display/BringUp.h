#pragma once

#include <functional>

class QWidget;

// Tool windows belong to the main window: they open centred over it, never
// larger than its screen's free area, and the window system keeps them above
// it.

// Shows a modeless window in front and active, whether it was hidden or
// already on screen. A window that was not on screen is first placed over
// its owner, when it has one.
void BringUp(QWidget &window, QWidget *owner = nullptr);
// Places a window that is not on screen over its owner, as above, without
// showing it.
void PlaceOver(QWidget &window, QWidget &owner);
// Runs an action when a key that no control of the window takes is pressed
// in it.
void OnKey(QWidget &window, int key, std::function<void()> action);
// Makes Escape close a tool window, as closing it by its frame does.
void CloseOnEscape(QWidget &window);
