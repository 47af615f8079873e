#pragma once

#include <QByteArray>
#include <QTimer>

#include <functional>
#include <vector>

// Keeps one profile's connection still while a "Custom" ping delay runs,
// without stopping the rest of the program: bytes that arrive and messages
// the profile sends wait here, in the order they came, until the delay is
// over and the first ping has gone.
class CustomPingHold {
public:
    // One thing that waited: bytes from the server, or a whole message to it.
    struct Waiting {
        bool fromServer = false;
        QByteArray bytes;
    };

    // elapsed runs when a started delay is over.
    explicit CustomPingHold(std::function<void()> elapsed);

    void start(int milliseconds);
    bool isHolding() const { return m_holding; }
    std::size_t waitingCount() const { return m_waiting.size(); }
    void holdFromServer(QByteArray bytes);
    void holdToServer(QByteArray message);
    // Ends the hold and hands back what waited, oldest first.
    std::vector<Waiting> release();
    // Ends the hold and drops what waited.
    void cancel();

private:
    QTimer m_timer;
    bool m_holding = false;
    std::vector<Waiting> m_waiting;
};
