#pragma once

#include <QString>

class WmpLink;

// What Windows Media Player is playing and its transport, read through its
// window. Each returns the text the commands show.
QString WmpNowPlaying(WmpLink &link);
QString WmpPlayPause(WmpLink &link);
QString WmpStop(WmpLink &link);
QString WmpBack(WmpLink &link);
QString WmpNext(WmpLink &link);
