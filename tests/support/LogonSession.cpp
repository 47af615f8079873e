#include "support/LogonSession.h"

#include "packet/clsDataWriter.h"
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

LogonSession::LogonSession(qint32 logonType)
{
    profiles.startUp(1);
    profiles.test.clock.setTickCount(kClientToken);
    ProfileRecord &record = profile();
    record.Username = QStringLiteral("probeA");
    record.Password = QStringLiteral("Secret1");
    record.Home = QStringLiteral("Probe Test");
    // The rest of a real reply (file time, file name, formula) is not used.
    const QByteArray reply = Word(static_cast<quint32>(logonType)) + Word(kServerToken) + Word(0) +
                             Hex("00cbe62eda0cd701") + "ver-IX86-1.mpq" + '\0' + "A=1 B=2 C=3 4 A=A^S" + '\0';
    answer(0x50, TestServer::message(0x25, Hex("58060000")) + TestServer::message(0x50, reply));
}

ProfileRecord &LogonSession::profile() const
{
    return app().profile(0).record();
}

ProfileState &LogonSession::state() const
{
    return app().profile(0).state();
}

bool LogonSession::connect()
{
    connection = profiles.connect(0);
    return connection >= 0;
}

void LogonSession::answer(quint8 id, const QByteArray &bytes)
{
    server().onMessage(id, [this, bytes](int to, const TestServer::Message &) { server().send(to, bytes); });
}

void LogonSession::send(quint8 id, const QByteArray &payload)
{
    server().sendMessage(connection, id, payload);
}

std::vector<quint8> LogonSession::sentIds() const
{
    std::vector<quint8> ids;
    for (const TestServer::Message &message : profiles.server.messages(connection))
        ids.push_back(message.id);
    return ids;
}

QByteArray LogonSession::sent(quint8 id) const
{
    const std::vector<TestServer::Message> all = profiles.server.messages(connection);
    const auto last = std::find_if(all.rbegin(), all.rend(), [id](const TestServer::Message &m) { return m.id == id; });
    return last == all.rend() ? QByteArray() : last->payload;
}

bool LogonSession::waitForSent(quint8 id, int count) const
{
    return WaitUntil([&] {
        const std::vector<quint8> ids = sentIds();
        return std::count(ids.begin(), ids.end(), id) >= count;
    });
}

bool LogonSession::waitForLine(const QString &line) const
{
    return WaitUntil([&] { return profiles.chatLines(0).contains(line); });
}

bool LogonSession::waitForClose() const
{
    return profiles.server.waitForClientClose(connection);
}

bool LogonSession::roundTrip()
{
    const auto ids = sentIds();
    const auto keepAlives = std::count(ids.begin(), ids.end(), quint8{0x00});
    send(0x00);
    return waitForSent(0x00, static_cast<int>(keepAlives) + 1);
}

QStringList LogonSession::linesAfterConnecting() const
{
    const QStringList lines = profiles.chatLines(0);
    return lines.mid(lines.lastIndexOf(QStringLiteral("Connection has been established to Battle.net!")) + 1);
}

QString LogonSession::setting(const char *section, const char *key) const
{
    return app().settings().ReadProfileSetting(profile().Name, QString::fromLatin1(section), QString::fromLatin1(key));
}

void LogonSession::setNewPassword(const QString &newPassword) const
{
    const Settings &settings = app().settings();
    const QString login = QStringLiteral("Login");
    settings.WriteProfileSetting(profile().Name, login, QStringLiteral("Password"), profile().Password);
    settings.WriteProfileSetting(profile().Name, login, QStringLiteral("New Password"), newPassword);
    profile().NewPassword = newPassword;
}
