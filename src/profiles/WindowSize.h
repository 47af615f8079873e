#pragma once

#include <QSize>

class Settings;

// The main window's size between runs, in pixels: Tarnwell.ini [Window]
// Width and Height, as the window stands with the profile list shown.
namespace WindowSize {

// The stored size, or an empty size when none is stored or it is not two
// whole numbers. Failures are thrown to the caller.
QSize read(const Settings &settings);
void write(const Settings &settings, QSize size);

}
