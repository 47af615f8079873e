#pragma once

#include <QAbstractSocket>
#include <QString>

// A socket failure as users of Battle.net clients know it from the error
// lines: the classic Winsock error number and its description.
struct SocketErrorNumber {
    int number = 0;
    QString description;
};

// The Winsock number and text for a socket error. A close by the peer is not
// an error in this sense and must be handled as a close before asking.
SocketErrorNumber WinsockError(QAbstractSocket::SocketError error);
