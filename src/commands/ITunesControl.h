#pragma once

#include <QString>

class ITunesLink;

// The iTunes operation: 1 play/pause, 2 stop, 3 next, 4 back (all returning
// ""), 5 the text with every "%itunes" replaced by the full track text (the
// text is updated in place too), 6 "Artist - Name", 7 the full track text.
// Without a current track the track texts are "Nothing"; without iTunes every
// action gives "iTunes is not loaded.".
QString ITunesControl(ITunesLink &link, int action, QString &text);
