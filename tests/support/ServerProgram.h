#pragma once

#include "support/ServerProfiles.h"
#include "support/TestApp.h"

// A started program whose profiles all log on to one test server, for what
// needs the program's windows or commands. Profiles are named "Profile0",
// "Profile1", ... so that they load into places 0, 1, ...
class ServerProgram {
public:
    TestApp test;
    TestServer server;

    // Writes the profiles, each with the given [Ping] option, and starts up.
    void startUp(int profiles, const QString &spoof = QStringLiteral("Regular"),
                 const QString &customPing = QString());
    TarnwellApp &app() const { return *test.app; }
    Profile &profile(int index) const { return app().profile(index); }
    ManualClock &clock() { return test.clock; }
    QString errorLogText() const { return test.errorLogText(); }

    int connect(int index, std::size_t firstMessages = 2)
    {
        return ConnectToServer(profile(index), server, firstMessages);
    }
    QStringList chatLines(int index) const { return ChatLinesOf(profile(index)); }
};
