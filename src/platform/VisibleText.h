#pragma once

#include <QString>

// Text that others wrote (user names, chat, statstrings) and that we show or
// store in lines. A character that ends a line or starts a paragraph would let
// its sender make what looks like a line of our own, time stamp and all; in a
// log file a terminal control or a direction override would change what the
// following text looks like. Such characters become visible marks in place.

// Every character that starts a new line or text block: CR, LF, vertical tab,
// form feed, next line (U+0085), the line and paragraph separators (U+2028,
// U+2029) and the frame marks a text document splits blocks at (U+FDD0,
// U+FDD1). Those below U+0020 show as their control pictures, the others as
// U+FFFD.
QString OnOneLine(QString text);

// OnOneLine, and besides every other control character but tab (C0, DEL, C1)
// as its control picture or U+FFFD, and the direction overrides and isolates
// (U+202A-U+202E, U+2066-U+2069) as U+FFFD: what a log file holds is text that
// `cat` shows as it is.
QString PlainLogText(QString text);
