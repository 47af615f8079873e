#include "platform/PeerResetProbe.h"

#include <QAbstractSocket>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

PeerResetProbe::PeerResetProbe(QAbstractSocket &socket) : QObject(&socket)
{
#ifdef Q_OS_LINUX
    connect(&socket, &QAbstractSocket::connected, this, [this, &socket] {
        release();
        m_descriptor = ::fcntl(static_cast<int>(socket.socketDescriptor()), F_DUPFD_CLOEXEC, 0);
    });
#endif
    // Held any longer, the second descriptor would keep the connection open
    // after the socket has closed it.
    connect(&socket, &QAbstractSocket::stateChanged, this, [this](QAbstractSocket::SocketState state) {
        if (state == QAbstractSocket::UnconnectedState || state == QAbstractSocket::ClosingState)
            release();
    });
}

PeerResetProbe::~PeerResetProbe()
{
    release();
}

bool PeerResetProbe::endedByReset()
{
    bool reset = false;
#ifdef Q_OS_LINUX
    tcp_info info{};
    socklen_t size = sizeof info;
    // A peer that closed politely leaves the connection waiting for our own
    // close; a reset ends it at once.
    if (m_descriptor >= 0 && ::getsockopt(m_descriptor, IPPROTO_TCP, TCP_INFO, &info, &size) == 0)
        reset = info.tcpi_state == TCP_CLOSE;
#endif
    release();
    return reset;
}

void PeerResetProbe::release()
{
#ifdef Q_OS_LINUX
    if (m_descriptor >= 0)
        ::close(m_descriptor);
#endif
    m_descriptor = -1;
}
