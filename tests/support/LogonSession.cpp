#include "support/LogonSession.h"

#include "packet/clsDataWriter.h"
#include "profiles/Profile.h"
#include "profiles/Settings.h"
#include "session/clsConnection.h"
#include "support/WaitUntil.h"

#include <algorithm>

QByteArray Hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray Word(quint32 value)
{
    return clsDataWriter::CreateInt32(static_cast<qint32>(value));
}

template <class Profiles>
LogonSessionOn<Profiles>::LogonSessionOn(qint32 logonType)
{
    profiles.startUp(1);
    profiles.clock().setTickCount(kClientToken);
    ProfileRecord &record = profile();
    record.Username = QStringLiteral("probeA");
    record.Password = QStringLiteral("Secret1");
    record.Home = QStringLiteral("Probe Test");
    // The rest of a real reply (file time, file name, formula) is not used.
    const QByteArray reply = Word(static_cast<quint32>(logonType)) + Word(kServerToken) + Word(0) +
                             Hex("00cbe62eda0cd701") + "ver-IX86-1.mpq" + '\0' + "A=1 B=2 C=3 4 A=A^S" + '\0';
    answer(0x50, TestServer::message(0x25, Hex("58060000")) + TestServer::message(0x50, reply));
}

template <class Profiles>
ProfileRecord &LogonSessionOn<Profiles>::profile() const
{
    return profiles.profile(0).record();
}

template <class Profiles>
ProfileState &LogonSessionOn<Profiles>::state() const
{
    return profiles.profile(0).state();
}

template <class Profiles>
bool LogonSessionOn<Profiles>::connect()
{
    connection = profiles.connect(0);
    return connection >= 0;
}

template <class Profiles>
void LogonSessionOn<Profiles>::answer(quint8 id, const QByteArray &bytes)
{
    server().onMessage(id, [this, bytes](int to, const TestServer::Message &) { server().send(to, bytes); });
}

template <class Profiles>
void LogonSessionOn<Profiles>::send(quint8 id, const QByteArray &payload)
{
    server().sendMessage(connection, id, payload);
}

template <class Profiles>
std::vector<quint8> LogonSessionOn<Profiles>::sentIds() const
{
    std::vector<quint8> ids;
    for (const TestServer::Message &message : profiles.server.messages(connection))
        ids.push_back(message.id);
    return ids;
}

template <class Profiles>
QByteArray LogonSessionOn<Profiles>::sent(quint8 id) const
{
    const std::vector<TestServer::Message> all = profiles.server.messages(connection);
    const auto last = std::find_if(all.rbegin(), all.rend(), [id](const TestServer::Message &m) { return m.id == id; });
    return last == all.rend() ? QByteArray() : last->payload;
}

template <class Profiles>
bool LogonSessionOn<Profiles>::waitForSent(quint8 id, int count) const
{
    return WaitUntil([&] {
        const std::vector<quint8> ids = sentIds();
        return std::count(ids.begin(), ids.end(), id) >= count;
    });
}

template <class Profiles>
bool LogonSessionOn<Profiles>::waitForLine(const QString &line) const
{
    return WaitUntil([&] { return profiles.chatLines(0).contains(line); });
}

template <class Profiles>
bool LogonSessionOn<Profiles>::waitForClose() const
{
    return profiles.server.waitForClientClose(connection);
}

template <class Profiles>
bool LogonSessionOn<Profiles>::roundTrip()
{
    const auto ids = sentIds();
    const auto keepAlives = std::count(ids.begin(), ids.end(), quint8{0x00});
    send(0x00);
    return waitForSent(0x00, static_cast<int>(keepAlives) + 1);
}

template <class Profiles>
QStringList LogonSessionOn<Profiles>::linesAfterConnecting() const
{
    const QStringList lines = profiles.chatLines(0);
    return lines.mid(lines.lastIndexOf(QStringLiteral("Connection has been established to Battle.net!")) + 1);
}

template <class Profiles>
QString LogonSessionOn<Profiles>::setting(const char *section, const char *key) const
{
    return profiles.profile(0).settings().ReadProfileSetting(profile().Name, QString::fromLatin1(section),
                                                             QString::fromLatin1(key));
}

template <class Profiles>
void LogonSessionOn<Profiles>::setNewPassword(const QString &newPassword) const
{
    const Settings &settings = profiles.profile(0).settings();
    const QString login = QStringLiteral("Login");
    settings.WriteProfileSetting(profile().Name, login, QStringLiteral("Password"), profile().Password);
    settings.WriteProfileSetting(profile().Name, login, QStringLiteral("New Password"), newPassword);
    profile().NewPassword = newPassword;
}

template class LogonSessionOn<ServerProfiles>;
template class LogonSessionOn<ServerProgram>;
