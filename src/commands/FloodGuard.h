#pragma once

#include "commands/FloodPacer.h"
#include "profiles/PerProfileObject.h"

#include <QString>
#include <QTextCursor>
#include <QTimer>

#include <deque>

// The flood guard of one profile, for servers that drop a client that talks
// too fast. While the profile's quota is on, a line that would break it
// waits in a queue, shown grey in the pane, and leaves as soon as the quota
// allows; lines leave in the order they were typed. "/clear queue" drops
// what waits.
class FloodGuard : public PerProfileObject {
public:
    FloodGuard(TarnwellApp &app, qint16 profileIndex);

    // Looks at a line on its way to the server: false when it may go now
    // (it is counted as sent), true when it waits in the queue instead.
    bool hold(const QString &text);
    // Sends the waiting lines whose time has come; runs on its timer. When
    // the profile is no longer connected, they are dropped instead.
    void tmrFloodGuard_Timer();
    // Drops every waiting line and tells the user how many.
    void clear();
    qsizetype waitingCount() const { return static_cast<qsizetype>(m_queue.size()); }

private:
    struct Waiting {
        QString text;
        // The grey line in the pane, while it is there.
        QTextCursor shown;
        QString shownText;
    };
    Waiting show(const QString &text);
    void unshow(const Waiting &line);
    void dropAll(const QString &why);
    void scheduleNext();

    std::deque<Waiting> m_queue;
    FloodPacer m_pacer;
    QTimer m_timer;
    // A line leaving the queue goes through Send again and is not held twice.
    bool m_releasing = false;
};
