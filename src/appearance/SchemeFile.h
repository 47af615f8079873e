#pragma once

#include "display/Colour.h"

#include <QString>

#include <array>

class Settings;

// The ten colours of a scheme, in the order the scheme dialog saves them.
struct SchemeColourKey {
    // The key in section "Skin", as the dialog writes it (keys are matched
    // without regard to case).
    const char *key;
    // The dialog's field, and the name of its label and of its colour-picker
    // target.
    const char *field;
    const char *target;
    // The number of the field's Pick label.
    int pick;
};
inline constexpr std::array<SchemeColourKey, 10> kSchemeColours = {{
    {"Menu", "txtMenu", "Menu Forecolor", 2},
    {"Channel name", "txtChannelname", "Channel Forecolor", 3},
    {"Minimize Button", "txtMinimize", "Minimize Forecolor", 4},
    {"Profile", "txtProfiles", "Profiles Forecolor", 9},
    {"Textbox Forecolor", "txtTextboxFore", "Textbox Forecolor", 5},
    {"Menu lines", "txtMenuLines", "Menu Lines", 1},
    {"RTB lines", "txtRTBLines", "RTB Lines", 6},
    {"Listview lines", "txtListviewLines", "Listview Lines", 7},
    {"Textbox lines", "txtTextboxLines", "Textbox Lines", 8},
    {"Profiles lines", "txtProfilesLines", "Profiles Lines", 0},
}};

// What the scheme dialog edits: the background picture's file name and the
// ten colours, in the order of kSchemeColours.
struct SchemeFields {
    QString picture;
    std::array<Colour, kSchemeColours.size()> colours{};
};

// Reads a scheme's section "Skin" over the fields. Each colour stands alone:
// a missing key or a value that is not a number leaves that colour as it was.
void ReadSchemeFields(const Settings &settings, const QString &scheme, SchemeFields &fields);

// Saves the fields to the scheme: "BG Picture", the colours in table order,
// then "Menu Lines" once more. A failing write throws and the rest are not
// written.
void WriteSchemeFields(const Settings &settings, const QString &scheme, const SchemeFields &fields);
