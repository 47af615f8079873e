#pragma once

#include "commands/FloodPacer.h"
#include "profiles/PerProfileObject.h"

#include <QString>
#include <QTimer>

#include <deque>

class QTextBlock;

// The flood guard of one profile, for servers that drop a client that talks
// too fast. While the profile's quota is on, a line that would break it
// waits in a queue, shown grey in the pane, and leaves as soon as the quota
// allows; lines leave in the order they were typed, and a waiting chat line
// becomes its echo where it stands. "/clear queue" drops what waits. The
// queue is bounded: past kMostWaiting lines, further lines are refused.
class FloodGuard : public PerProfileObject {
public:
    static constexpr qsizetype kMostWaiting = 100;

    FloodGuard(Profile &profile);

    // Looks at a line on its way to the server, of the given weight: false
    // when it may go now (it is counted as sent), true when it waits in the
    // queue or was refused. A line a server asked for is not queued twice.
    bool hold(const QString &text, int weight, bool serverAsked);
    // Sends the waiting lines whose time has come; runs on its timer. When
    // the profile is no longer connected, they are dropped instead.
    void tmrFloodGuard_Timer();
    // Drops every waiting line and tells the user how many.
    void clear();
    qsizetype waitingCount() const { return static_cast<qsizetype>(m_queue.size()); }

private:
    struct Waiting {
        QString text;
        int weight = 1;
        bool serverAsked = false;
        // The pane block showing it grey carries this as its user state; 0
        // when none does (a locked pane).
        int marker = 0;
        // Characters of the line as shown, after its time stamp.
        int shownLength = 0;
    };
    void show(Waiting &line);
    // The block still showing the line, or an invalid one.
    QTextBlock shownBlock(const Waiting &line) const;
    void release(const Waiting &line);
    void dropAll(const QString &why);
    void scheduleNext();

    std::deque<Waiting> m_queue;
    FloodPacer m_pacer;
    QTimer m_timer;
    int m_lastMarker = 0;
    // The refusal of a full queue is told once until the queue has room.
    bool m_refusalShown = false;
};
