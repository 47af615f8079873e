#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Deciding from the update server's reply whether a newer version exists.
// A pure function of the bytes received, so that it can be tested and fuzzed
// on its own; the socket handling lives in UpdateCheck.
//
// The reply is an HTTP response whose body is the newest version number. It
// is cut into lines at every CR LF, the status line being line 1; the newest
// version is line 11, which on the maker's server is the body after ten
// lines of status and headers. A newer version is one that the program's own
// version text sorts before in a plain byte-by-byte comparison (so "1.1.10"
// is not newer than "1.1.2").

// The program's own version text, as the update server compares it.
inline constexpr QByteArrayView kProgramVersion = "1.1.2";

// Most bytes of a reply that are looked at; a reply that has not shown its
// 11th line within them is given up.
inline constexpr qsizetype kMaxUpdateReplyBytes = 4096;

struct UpdateDecision {
    enum Kind {
        // Line 11 has not arrived yet: gather more.
        Wait,
        // Nothing to offer: an older, equal or empty version, or a reply
        // that ended before its 11th line.
        NoUpdate,
        // A newer version exists; newest holds its text.
        Offer,
        // More than kMaxUpdateReplyBytes without an 11th line: the check is
        // dropped without a notice.
        TooLong,
    };
    Kind kind = Wait;
    QByteArray newest;

    bool operator==(const UpdateDecision &) const = default;
};

// reply: every byte received so far (any bytes at all, from any server).
// closed: the server has ended the connection, so no more will come and a
// last line without CR LF counts as whole.
UpdateDecision DecideUpdate(QByteArrayView reply, bool closed);
