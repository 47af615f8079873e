#pragma once

#include "platform/WireText.h"

#include <QString>

#include <vector>

// A line longer than the server takes in one line, cut into lines that each
// fit: at spaces, inside a word only where the word alone is too long, and
// never inside a character. A whisper repeats its command and name on every
// piece and an emote its command; an emote's pieces are half as long, as
// servers count an emote twice towards their flood quota and drop one that
// counts for more than a short burst. Other server commands cannot be cut
// and come back refused.
struct LinePieces {
    // The longest line the common server delivers, in bytes as sent; it
    // refuses or silently drops longer ones.
    static constexpr int kDefaultMaxBytes = 160;

    std::vector<QString> pieces;
    bool refused = false;
};

LinePieces SplitLongLine(const QString &line, int maxBytes, WireEncoding encoding);

// "/me ..." or "/emote ...", in any letter case.
bool IsEmoteCommand(const QString &line);

// Bytes the text takes as sent in the encoding.
qsizetype WireLength(const QString &text, WireEncoding encoding);
