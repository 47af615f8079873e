// The built program itself, started as a user starts it: on an X server of
// its own, from a fresh program folder holding one profile, driven by real key
// presses. This is the one test that sees start-up, the window, focus and keys
// as a user does.
#include "packet/clsDataWriter.h"
#include "support/ChatEvents.h"
#include "support/LogonSession.h"
#include "support/TestServer.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int kChannelUsers = 200;
// A sanitizer build of the whole program starts slowly on a busy machine.
constexpr int kStartTimeout = 60000;

// Xvfb on a display it picks itself and reports.
class XServer {
public:
    XServer()
    {
        m_process.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                 QStringLiteral("-screen"), QStringLiteral("0"),
                                                 QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                                 QStringLiteral("tcp")});
        if (WaitUntil([&] { return m_process.canReadLine() || m_process.state() == QProcess::NotRunning; },
                      kStartTimeout) &&
            m_process.canReadLine())
            display = QLatin1Char(':') + QString::fromLatin1(m_process.readLine().trimmed());
    }
    ~XServer()
    {
        m_process.terminate();
        m_process.waitForFinished();
    }

    QString display; // "" when the server did not start

private:
    QProcess m_process;
};

class ExecutableEndToEnd : public ::testing::Test {
protected:
    XServer x;
    TestServer server;
    QTemporaryDir folder;
    QProcess tarnwell;

    void TearDown() override
    {
        tarnwell.kill();
        tarnwell.waitForFinished();
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), x.display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return environment;
    }

    // A fresh program folder: the executable and one profile for the server.
    void prepareFolder() const
    {
        const QString program = folder.filePath(QStringLiteral("tarnwell"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TARNWELL_EXECUTABLE), program));
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Profiles/Solo")));
        QFile config(folder.filePath(QStringLiteral("Profiles/Solo/Config.ini")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(QStringLiteral("[Login]\r\nUsername=probeA\r\nPassword=Secret1\r\nServer=%1\r\nProduct=RATS\r\n"
                                    "Verbyte=D3\r\nHome=End To End\r\n[Ping]\r\nSpoof=Regular\r\n")
                         .arg(server.address())
                         .toLatin1());
    }

    // Runs xdotool on the test's display, serving the test server meanwhile;
    // its output, or nothing when it failed.
    std::optional<QString> xdotool(const QStringList &arguments, int timeout = 10000)
    {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(QStringLiteral("xdotool"), arguments);
        if (!WaitUntil([&] { return tool.state() == QProcess::NotRunning; }, timeout) ||
            tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
            return std::nullopt;
        return QString::fromLatin1(tool.readAllStandardOutput().trimmed());
    }

    // The server's answers as a real server gives them: ping and logon type,
    // accepted password, then on the join the channel, its users and a line.
    void scriptServer()
    {
        const QByteArray reply = Word(0) + Word(LogonSession::kServerToken) + Word(0) + Hex("00cbe62eda0cd701") +
                                 "ver-IX86-1.mpq" + '\0' + "A=1 B=2 C=3 4 A=A^S" + '\0';
        server.onMessage(0x50, [this, reply](int to, const TestServer::Message &) {
            server.send(to, TestServer::message(0x25, Word(0x658)) + TestServer::message(0x50, reply));
        });
        server.onMessage(0x3A, [this](int to, const TestServer::Message &) { server.sendMessage(to, 0x3A, Word(0)); });
        server.onMessage(0x0C, [this](int to, const TestServer::Message &) {
            QByteArray burst = TestServer::message(0x0A, QByteArray("probeA\0RATS 0 0 0 0 0 0 0 0 RATS\0probeA\0", 40));
            burst += ChatEventMessage(0x07, 0, 0, "probeA", "End To End");
            for (int user = 0; user < kChannelUsers; ++user)
                burst += ChatEventMessage(0x01, 0, 20 + user, "user" + QByteArray::number(user),
                                          "RATS 0 0 " + QByteArray::number(user) + " 0 0 0 0 0 RATS");
            burst += ChatEventMessage(0x05, 0, 40, "user7", "welcome to the channel");
            // Its answer proves that everything before it was handled.
            burst += TestServer::message(0x25, Word(0xE2E));
            server.send(to, burst);
        });
    }

    QByteArray lastPayload(quint8 id) const
    {
        QByteArray payload;
        for (const TestServer::Message &message : server.messages(0))
            if (message.id == id)
                payload = message.payload;
        return payload;
    }
};

TEST_F(ExecutableEndToEnd, LogsOnTakesTheChannelAndSendsWhatIsTyped)
{
    ASSERT_FALSE(x.display.isEmpty()) << "Xvfb did not start";
    prepareFolder();
    scriptServer();
    tarnwell.setProcessEnvironment(environment());
    tarnwell.setWorkingDirectory(folder.path());
    tarnwell.start(folder.filePath(QStringLiteral("tarnwell")));
    ASSERT_TRUE(tarnwell.waitForStarted());

    const QString window = xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                    QStringLiteral("--name"), QStringLiteral("^Tarnwell")},
                                   kStartTimeout)
                               .value_or(QString())
                               .section(QLatin1Char('\n'), 0, 0);
    ASSERT_FALSE(window.isEmpty()) << "no main window appeared";
    ASSERT_TRUE(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}));

    // F2 connects the profile on screen.
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("F2")}));
    ASSERT_TRUE(server.waitForConnections(1));
    ASSERT_TRUE(WaitUntil([&] { return lastPayload(0x25) == Word(0xE2E); }, kStartTimeout))
        << "the client did not get through logon and the channel";

    ASSERT_TRUE(xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"),
                         QStringLiteral("hello from the keyboard")}));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    ASSERT_TRUE(WaitUntil([&] { return lastPayload(0x0E) == QByteArray("hello from the keyboard", 24); }))
        << "the typed line did not reach the server";

    const QByteArray received = server.received(0);
    EXPECT_EQ(received.left(1), QByteArray("\x01", 1)) << "the protocol byte comes first";
    EXPECT_EQ(lastPayload(0x0A), QByteArray("probeA\0\0", 8));
    EXPECT_EQ(lastPayload(0x0C), Word(1) + QByteArray("End To End", 11));
    std::vector<quint8> ids;
    for (const TestServer::Message &message : server.messages(0))
        ids.push_back(message.id);
    EXPECT_EQ(ids.front(), 0x50);
    EXPECT_EQ(ids.back(), 0x0E);
    EXPECT_EQ(tarnwell.state(), QProcess::Running) << "the program ended";
}

} // namespace
