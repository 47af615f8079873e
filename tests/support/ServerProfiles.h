#pragma once

#include "profiles/Profile.h"
#include "support/ProfileHost.h"
#include "support/QtPrinting.h"
#include "support/TestServer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Profile;

// The settings of a profile that logs on to the server: user "probe",
// product RATS, the given [Ping] option, the flood guard off.
QByteArray ServerProfileConfig(const TestServer &server, const QString &spoof = QStringLiteral("Regular"),
                               const QString &customPing = QString());
// Connects the profile and waits until the server holds its connection and
// the given number of messages on it. Returns the server's number for the
// connection, or -1 when it did not come.
int ConnectToServer(Profile &profile, TestServer &server, std::size_t firstMessages = 2);
// The profile's chat lines without their time stamps.
QStringList ChatLinesOf(const Profile &profile);

// Profiles that all log on to one test server, with the program's services
// and neither the program nor its windows. They are named "Profile0",
// "Profile1", ... in the order they are added.
class ServerProfiles {
public:
    ProfileHost host;
    TestServer server;

    // Adds the profiles, each with the given [Ping] option.
    void startUp(int profiles, const QString &spoof = QStringLiteral("Regular"),
                 const QString &customPing = QString());
    Profile &profile(int index) const { return host.profileAt(index); }
    ManualClock &clock() const { return host.manualClock(); }
    QString errorLogText() const { return host.errorLogText(); }

    int connect(int index, std::size_t firstMessages = 2)
    {
        return ConnectToServer(profile(index), server, firstMessages);
    }
    QStringList chatLines(int index) const { return ChatLinesOf(profile(index)); }
};
