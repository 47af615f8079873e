#pragma once

#include "platform/MediaPlayerLinks.h"

#include <QString>

#include <memory>

// The media player links of a Linux desktop: every player there speaks the
// freedesktop MPRIS interface on the session bus. All three links read the
// same player: the one that is playing, else the first one on the bus. Each
// speaks to the program in its own player's terms (Winamp's title and
// queries, Windows Media Player's title, iTunes' track), so the program's
// texts stay the same. Values MPRIS does not carry (bit and sample rate) are
// 0 unless the player's metadata holds them.
//
// No bus, or no player on it, reads as a player that is not running. Every
// call on the bus waits at most kCallTimeout, so a player that does not
// answer cannot hold the window for long.
struct MediaPlayerLinks {
    std::unique_ptr<WinampLink> winamp;
    std::unique_ptr<WmpLink> wmp;
    std::unique_ptr<ITunesLink> itunes;
};

namespace Mpris {

inline constexpr int kCallTimeout = 250;

// Links to the players on the bus at this address; the bus is reached on
// first use and again while it cannot be.
MediaPlayerLinks Links(const QString &busAddress);

// The address of this session's bus, or "" when there is none.
QString SessionBusAddress();

} // namespace Mpris
