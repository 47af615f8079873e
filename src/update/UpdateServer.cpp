#include "update/UpdateServer.h"

#include "update/UpdateServerConfig.h"

UpdateServer UpdateServer::configured()
{
    return {QStringLiteral(TARNWELL_UPDATE_HOST), static_cast<quint16>(TARNWELL_UPDATE_PORT)};
}

QUrl UpdateServer::downloadAddress() const
{
    QUrl address;
    address.setScheme(QStringLiteral("http"));
    address.setHost(host);
    address.setPort(port == 80 ? -1 : port);
    address.setPath(QStringLiteral("/de/Tarnwell_Upgrade.exe"));
    return address;
}
