#pragma once

#include "commands/FloodQuota.h"

#include <QtGlobal>

#include <deque>

// Keeps a profile's chat inside its flood quota: no stretch of the quota's
// seconds ever holds lines that count for more than its lines. Times are
// tick counts in milliseconds.
class FloodPacer {
public:
    // How many lines a line of this length counts for: one, and one more per
    // full stretch of the quota's characters, but never more than the quota
    // allows at once, so that every line can go eventually.
    static int weight(const FloodQuota &quota, qsizetype characters);

    // Milliseconds from now until a line of this length may go; 0 at once.
    quint32 wait(const FloodQuota &quota, qsizetype characters, quint32 now);
    // The line went now.
    void sent(const FloodQuota &quota, qsizetype characters, quint32 now);

private:
    struct Line {
        quint32 tick;
        int weight;
    };
    // Forgets lines older than the quota's stretch of time.
    void forgetOld(const FloodQuota &quota, quint32 now);

    std::deque<Line> m_sent;
};
