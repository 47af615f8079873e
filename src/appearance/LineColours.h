#pragma once

#include "display/Colour.h"

// Colours of the main window's scheme-controlled lines.
struct LineColours {
    Colour menu = Rgb(0x7EA1D4);
    Colour rtb = Rgb(0x7EA1D4);
    Colour users = Rgb(0x7EA1D4);
    Colour text = Rgb(0x7EA1D4);
    Colour profiles = Rgb(0x7EA1D4);
};
