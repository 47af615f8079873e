#pragma once

#include <QtGlobal>

// Where a profile's reconnection after a close by the server stands.
struct CloseReconnection {
    // Connects made since the server closed the connection; 0 when no
    // reconnection runs.
    int attempts = 0;
    // The next connect waits for its time.
    bool waiting = false;
    // Tick count when the next connect was scheduled, and its delay.
    quint32 scheduledTick = 0;
    quint32 delay = 0;
};
