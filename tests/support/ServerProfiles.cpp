#include "support/ServerProfiles.h"

#include "profiles/Profile.h"
#include "session/clsConnection.h"

#include <QTextDocument>

QByteArray ServerProfileConfig(const TestServer &server, const QString &spoof, const QString &customPing)
{
    return QStringLiteral("[Login]\nUsername=probe\nServer=%1\nProduct=RATS\nVerbyte=D3\n"
                          "[Ping]\nSpoof=%2\nCustom Ping=%3\n"
                          // Unpaced, so that tests may send quickly; the guard's
                          // own tests turn it on.
                          "[Options]\nFlood Guard=0\n")
        .arg(server.address(), spoof, customPing)
        .toLatin1();
}

int ConnectToServer(Profile &profile, TestServer &server, std::size_t firstMessages)
{
    const int connection = server.connectionCount();
    profile.connection().Connect(profile.record().Server);
    if (!server.waitForConnections(connection + 1) || !server.waitForMessages(connection, firstMessages))
        return -1;
    return connection;
}

QStringList ChatLinesOf(const Profile &profile)
{
    QStringList lines = profile.pane().toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.mid(line.indexOf(QLatin1String("] ")) + 2);
    return lines;
}

void ServerProfiles::startUp(int profiles, const QString &spoof, const QString &customPing)
{
    const QByteArray config = ServerProfileConfig(server, spoof, customPing);
    for (int index = 0; index < profiles; ++index)
        host.add(QStringLiteral("Profile") + QString::number(index), config);
}
