#pragma once

#include "support/QtPrinting.h"
#include "support/TestApp.h"
#include "support/TestServer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A started program whose profiles all log on to one test server. Profiles
// are named "Profile0", "Profile1", ... so that they load into slots 0, 1, ...
class ServerProfiles {
public:
    TestApp test;
    TestServer server;

    // Writes the profiles, each with the given [Ping] option, and starts up.
    void startUp(int profiles, const QString &spoof = QStringLiteral("Regular"),
                 const QString &customPing = QString());
    TarnwellApp &app() const { return *test.app; }

    // Connects the profile and waits until the server holds its connection
    // and the given number of messages on it. Returns the server's number for
    // the connection, or -1 when it did not come.
    int connect(int index, std::size_t firstMessages = 2);
    // The profile's chat lines without their time stamps.
    QStringList chatLines(int index) const;
};
