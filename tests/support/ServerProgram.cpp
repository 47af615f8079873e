#include "support/ServerProgram.h"

void ServerProgram::startUp(int profiles, const QString &spoof, const QString &customPing)
{
    const QByteArray config = ServerProfileConfig(server, spoof, customPing);
    for (int index = 0; index < profiles; ++index)
        test.writeProfile(QStringLiteral("Profile") + QString::number(index), config);
    test.startUp();
}
