#pragma once

#include <QString>
#include <QtGlobal>

// Where a profile's Server setting points: "host" connects to the Battle.net
// port 6112, "host:port" (or "[IPv6 address]:port") to the given port. A bare
// IPv6 address is a host without a port.
struct ServerAddress {
    static constexpr quint16 kDefaultPort = 6112;

    QString host;
    quint16 port = kDefaultPort;

    // Throws Failure when the text after the colon is not a port number.
    static ServerAddress parse(const QString &setting);
};
