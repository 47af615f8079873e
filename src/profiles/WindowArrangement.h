#pragma once

#include <array>

// The two arrangements of the main window, in twips: the full one beside the
// profile list, and the compact one without it, where the chat pane takes the
// list's room and everything right of it moves left.
struct WindowArrangement {
    bool profileListShown;
    int chatLeft, chatTop, chatWidth, chatHeight;
    std::array<int, 2> menuLineX;
    // lblFile, lblConnection, lblOptions, lblWindow, lblAbout
    std::array<int, 5> menuLabelLeft;
    int userListLeft;
    int channelLabelLeft;
    int inputWidth;
    int closeLeft;
    int miniLeft, miniHoverLeft;
    int windowWidth;
};

inline constexpr WindowArrangement kFullArrangement{
    true, 2535, 730, 6950, 5505, {2520, 9480}, {2760, 3840, 5760, 7320, 8760}, 9615, 9600, 12600, 12390, 12040,
    12040, 12960};

inline constexpr WindowArrangement kCompactArrangement{
    false, 130, 735, 8630, 5510, {2400, 8760}, {2760, 3600, 5160, 6480, 7920}, 8895, 8880, 11870, 11710, 11350,
    11370, 12270};
