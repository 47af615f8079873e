#pragma once

#include <QString>
#include <QUrl>
#include <QtGlobal>

// Where the update check asks for the newest version. The maker's server is
// chosen when the program is built (TARNWELL_UPDATE_HOST and
// TARNWELL_UPDATE_PORT); a build without a host has no update check.
struct UpdateServer {
    // A host name or IPv4 address; also sent as the request's Host.
    QString host;
    quint16 port = 80;

    bool isSet() const { return !host.isEmpty(); }
    // The server this program was built for.
    static UpdateServer configured();
    // http://<host>/de/Tarnwell_Upgrade.exe, naming the port when it is not 80.
    QUrl downloadAddress() const;
};
