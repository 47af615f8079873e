#pragma once

#include "commands/FloodQuota.h"

#include <QtGlobal>

#include <deque>

// Keeps a profile's chat inside its flood quota: no stretch of the quota's
// seconds ever holds lines that count for more than its lines. Times are
// tick counts in milliseconds.
class FloodPacer {
public:
    // How many lines a line of this many bytes as sent counts for: one per
    // started stretch of the quota's bytes, twice that for an emote (which
    // servers count as a command and again as text), but never more than the
    // quota allows at once, so that every line can go eventually.
    static int weight(const FloodQuota &quota, qsizetype bytes, bool emote);

    // Milliseconds from now until a line of this weight may go; 0 at once.
    quint32 wait(const FloodQuota &quota, int weight, quint32 now);
    // The line went now.
    void sent(const FloodQuota &quota, int weight, quint32 now);

private:
    struct Line {
        quint32 tick;
        int weight;
    };
    // Forgets lines older than the quota's stretch of time.
    void forgetOld(const FloodQuota &quota, quint32 now);

    std::deque<Line> m_sent;
};
