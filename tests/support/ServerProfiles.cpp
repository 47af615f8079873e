#include "support/ServerProfiles.h"

#include "session/clsConnection.h"

void ServerProfiles::startUp(int profiles, const QString &spoof, const QString &customPing)
{
    const QString config = QStringLiteral("[Login]\nUsername=probe\nServer=%1\nProduct=RATS\nVerbyte=D3\n"
                                          "[Ping]\nSpoof=%2\nCustom Ping=%3\n"
                                          // Unpaced, so that tests may send quickly; the guard's
                                          // own tests turn it on.
                                          "[Options]\nFlood Guard=0\n")
                               .arg(server.address(), spoof, customPing);
    for (int index = 0; index < profiles; ++index)
        test.writeProfile(QStringLiteral("Profile") + QString::number(index), config.toLatin1());
    test.startUp();
}

int ServerProfiles::connect(int index, std::size_t firstMessages)
{
    const int connection = server.connectionCount();
    app().profile(index).connection().Connect(app().profile(index).record().Server);
    if (!server.waitForConnections(connection + 1) || !server.waitForMessages(connection, firstMessages))
        return -1;
    return connection;
}

QStringList ServerProfiles::chatLines(int index) const
{
    QStringList lines = test.chatText(index).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.mid(line.indexOf(QLatin1String("] ")) + 2);
    return lines;
}
