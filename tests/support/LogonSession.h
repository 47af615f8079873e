#pragma once

#include "support/ServerProfiles.h"
#include "support/ServerProgram.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Profile 0 (user "probeA", password "Secret1", home "Probe Test", product
// RATS) logging on to the test server, which answers 0x50 as a real server
// does: its ping 0x25 first, then the reply with the test's logon type and
// the server token 0x009C2625. The tick count, and so the client token, is
// 0x12345678 when the reply arrives. The profiles are a ServerProfiles, or a
// ServerProgram where the test needs the program around them.
template <class Profiles>
class LogonSessionOn {
public:
    static constexpr quint32 kClientToken = 0x12345678;
    static constexpr quint32 kServerToken = 0x009C2625;

    explicit LogonSessionOn(qint32 logonType = 0);

    Profiles profiles;
    TestServer &server() { return profiles.server; }
    ProfileRecord &profile() const;
    // What the connection made of profile 0.
    ProfileState &state() const;
    // The connection to the server, once connect() has made it.
    int connection = -1;

    // Connects; false when the server did not get the first messages.
    bool connect();
    // Every message with this id that the client sends is answered with these
    // bytes (whole messages, built with TestServer::message).
    void answer(quint8 id, const QByteArray &bytes);
    void send(quint8 id, const QByteArray &payload = {});

    // The ids of the client's messages, in order.
    std::vector<quint8> sentIds() const;
    // The payload of the client's last message with this id ("" if none).
    QByteArray sent(quint8 id) const;
    bool waitForSent(quint8 id, int count = 1) const;
    bool waitForLine(const QString &line) const;
    bool waitForClose() const;
    // Proves that the client has handled everything sent so far and is still
    // connected: the server's keep-alive comes straight back.
    bool roundTrip();
    // Profile 0's chat lines after the last "Connection has been established".
    QStringList linesAfterConnecting() const;
    QString setting(const char *section, const char *key) const;
    // Sets "New Password" (and "Password" to "Secret1") in the settings file
    // and in memory, so that the next logon changes the password first.
    void setNewPassword(const QString &newPassword) const;
};

using LogonSession = LogonSessionOn<ServerProfiles>;
using ProgramLogonSession = LogonSessionOn<ServerProgram>;

QByteArray Hex(const char *text);
// A 32-bit little-endian value, as replies carry their status.
QByteArray Word(quint32 value);
