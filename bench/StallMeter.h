#pragma once

#include <QElapsedTimer>
#include <QTimer>

// How long the UI thread goes without handling its events: a 1 ms timer
// notes how late each of its ticks comes, and the worst lateness is the
// longest stall a user would feel as a frozen window.
class StallMeter {
public:
    StallMeter();
    void start();
    void stop() { m_timer.stop(); }
    // Milliseconds.
    double worstLateness() const { return static_cast<double>(m_worstNanoseconds) / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    qint64 m_worstNanoseconds = 0;
};
