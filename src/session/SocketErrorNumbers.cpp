#include "session/SocketErrorNumbers.h"

SocketErrorNumber WinsockError(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
    case QAbstractSocket::ProxyConnectionRefusedError:
        return {10061, QStringLiteral("Connection is forcefully rejected")};
    case QAbstractSocket::HostNotFoundError:
    case QAbstractSocket::ProxyNotFoundError:
        return {11001, QStringLiteral("Authoritative answer: Host not found")};
    case QAbstractSocket::SocketTimeoutError:
    case QAbstractSocket::ProxyConnectionTimeoutError:
        return {10060, QStringLiteral("Attempt to connect timed out without establishing a connection")};
    case QAbstractSocket::NetworkError:
        return {10051, QStringLiteral("The network cannot be reached from this host at this time")};
    case QAbstractSocket::SocketAccessError:
        return {10013, QStringLiteral("Permission denied")};
    case QAbstractSocket::SocketResourceError:
        return {10055, QStringLiteral("No buffer space is available")};
    case QAbstractSocket::DatagramTooLargeError:
        return {10040, QStringLiteral("Datagram is too large to fit into buffer")};
    case QAbstractSocket::AddressInUseError:
        return {10048, QStringLiteral("Address in use")};
    case QAbstractSocket::SocketAddressNotAvailableError:
        return {10049, QStringLiteral("Address not available from the local machine")};
    case QAbstractSocket::UnsupportedSocketOperationError:
        return {10045, QStringLiteral("Operation not supported")};
    case QAbstractSocket::TemporaryError:
        return {10035, QStringLiteral("Socket is non-blocking and the specified operation will block")};
    case QAbstractSocket::OperationError:
        return {40006, QStringLiteral("Wrong protocol or connection state for the requested transaction or request")};
    case QAbstractSocket::RemoteHostClosedError:
        return {10054, QStringLiteral("Connection is reset by remote side")};
    default:
        return {10053, QStringLiteral("Connection is aborted due to timeout or other failure")};
    }
}
