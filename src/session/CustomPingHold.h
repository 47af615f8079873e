#pragma once

#include <QByteArray>
#include <QTimer>

#include <functional>
#include <vector>

// Keeps one profile's connection still while a "Custom" ping delay runs,
// without stopping the rest of the program. Messages the profile sends wait
// here, in the order they were sent, until the delay is over and the first
// ping has gone; what the server sends meanwhile is not read at all (it
// waits in the socket, whose buffer is bounded, and then in the server).
class CustomPingHold {
public:
    // elapsed runs when a started delay is over.
    explicit CustomPingHold(std::function<void()> elapsed);

    void start(int milliseconds);
    bool isHolding() const { return m_holding; }
    std::size_t waitingCount() const { return m_waiting.size(); }
    void holdToServer(QByteArray message);
    // Ends the hold and hands back the messages that waited, oldest first.
    std::vector<QByteArray> release();
    // Ends the hold and drops what waited.
    void cancel();

private:
    QTimer m_timer;
    bool m_holding = false;
    std::vector<QByteArray> m_waiting;
};
