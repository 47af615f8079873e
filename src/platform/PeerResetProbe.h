#pragma once

#include <QObject>

class QAbstractSocket;

// Tells a connection reset by the peer from a polite close. Qt reports both
// as a close by the remote host, and closes its descriptor before it says
// so; the probe keeps a second descriptor of the connection while it is up,
// so that the operating system can still be asked how it ended.
class PeerResetProbe : public QObject {
    Q_OBJECT
public:
    explicit PeerResetProbe(QAbstractSocket &socket);
    ~PeerResetProbe() override;

    // To be asked when the socket reports the close: true when the peer
    // reset the connection (or it broke) rather than closing it. The
    // connection is let go either way.
    bool endedByReset();

private:
    void release();

    int m_descriptor = -1;
};
