#include "commands/ITunesControl.h"
#include "commands/InternalCommands.h"
#include "commands/clsWinamp.h"
#include "commands/modWMP.h"
#include "platform/MediaPlayerLinks.h"
#include "support/QtPrinting.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QEvent>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <optional>

namespace {

constexpr quint8 kChatMessage = 0x0E;
const QString kPlayerPrefix = QStringLiteral("org.mpris.MediaPlayer2.");

// A RIFF chunk, padded to an even length.
QByteArray chunk(const char *id, QByteArray payload)
{
    QByteArray bytes(id, 4);
    const quint32 length = qToLittleEndian<quint32>(static_cast<quint32>(payload.size()));
    bytes.append(reinterpret_cast<const char *>(&length), 4);
    if (payload.size() % 2)
        payload.append('\0');
    return bytes + payload;
}

// A mono 8 kHz tone with its title and artist in the file's tags.
void writeTone(const QString &path, const QByteArray &title, const QByteArray &artist, int seconds)
{
    constexpr int kRate = 8000;
    QByteArray samples;
    for (int i = 0; i < kRate * seconds; ++i) {
        const auto sample = qToLittleEndian<qint16>(static_cast<qint16>(8000 * std::sin(i * 440.0 * 6.2832 / kRate)));
        samples.append(reinterpret_cast<const char *>(&sample), 2);
    }
    QByteArray format;
    for (const quint32 value : {quint32(1) | (quint32(1) << 16), quint32(kRate), quint32(kRate * 2),
                                quint32(2) | (quint32(16) << 16)}) {
        const quint32 little = qToLittleEndian(value);
        format.append(reinterpret_cast<const char *>(&little), 4);
    }
    const QByteArray tags = "INFO" + chunk("INAM", title + '\0') + chunk("IART", artist + '\0');
    const QByteArray body = "WAVE" + chunk("fmt ", format) + chunk("LIST", tags) + chunk("data", samples);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(chunk("RIFF", body));
}

QString mprisPlugin()
{
    for (const char *path : {"/usr/lib/mpv-mpris/mpris.so", "/usr/lib/x86_64-linux-gnu/mpv/scripts/mpris.so",
                             "/etc/mpv/scripts/mpris.so"}) {
        if (QFileInfo::exists(QString::fromLatin1(path)))
            return QString::fromLatin1(path);
    }
    return {};
}

// Waits for a condition read from the bus, which sends no event when it
// comes true: a timer wakes the wait every 50 ms to look again.
bool PollUntil(const std::function<bool()> &condition, int timeoutMilliseconds)
{
    QTimer poll;
    poll.start(50);
    return WaitUntil(condition, timeoutMilliseconds);
}

// A player on the bus that never answers: its object lives on a thread that
// is kept busy until the end, so each call to it waits unanswered. Calls
// reach the object as events once the thread is free, and are counted then.
class SilentPlayer {
public:
    explicit SilentPlayer(const QString &address)
    {
        // Registered first: the bus gives the object helpers of its own, which
        // must move to the thread with it.
        m_bus = QDBusConnection::connectToBus(address, QStringLiteral("silent-player"));
        m_bus.registerObject(QStringLiteral("/org/mpris/MediaPlayer2"), &m_object, QDBusConnection::ExportAllContents);
        m_thread.start();
        m_gate.moveToThread(&m_thread);
        m_object.moveToThread(&m_thread);
        QMetaObject::invokeMethod(&m_gate, [this] { m_release.acquire(); });
        m_bus.registerService(kPlayerPrefix + QStringLiteral("silent"));
    }
    ~SilentPlayer() { release(); }

    // Lets the thread go and gives how many calls had reached the player.
    int release()
    {
        if (m_thread.isRunning()) {
            m_release.release();
            // Queued after every call that was waiting, so it returns once they ran.
            QMetaObject::invokeMethod(&m_gate, [] {}, Qt::BlockingQueuedConnection);
            QDBusConnection::disconnectFromBus(QStringLiteral("silent-player"));
            m_thread.quit();
            m_thread.wait();
        }
        return m_object.calls;
    }

private:
    struct Player : QObject {
        std::atomic<int> calls = 0;
        bool event(QEvent *event) override
        {
            if (event->type() == QEvent::MetaCall)
                ++calls;
            return QObject::event(event);
        }
    };
    QThread m_thread;
    QSemaphore m_release;
    QObject m_gate;
    Player m_object;
    QDBusConnection m_bus{QString()};
};

// A session bus of the test's own, so that no desktop's players take part.
// The program under test finds it where every program finds its session
// bus.
class MediaPlayerBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                    QStringLiteral("--print-address")});
        ASSERT_TRUE(m_bus.waitForStarted()) << "dbus-daemon did not start (package dbus)";
        ASSERT_TRUE(WaitUntil([&] { return m_bus.canReadLine(); }, 10000)) << "dbus-daemon gave no address";
        address = QString::fromLatin1(m_bus.readLine().trimmed());
        m_watch = QDBusConnection::connectToBus(address, QStringLiteral("media-player-test"));
        ASSERT_TRUE(m_watch.isConnected());
    }

    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("media-player-test"));
        for (QProcess *process : {&m_player, &m_bus}) {
            process->kill();
            process->waitForFinished();
        }
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    }

    // A program whose session bus is the test's; `profiles` connected to the test server.
    void startProgram(const QString &busAddress)
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress.toLocal8Bit());
        program.emplace();
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        program->startUp(1);
        connection = program->connect(0);
        ASSERT_GE(connection, 0);
    }

    // Starts mpv with its MPRIS plugin on the bus, playing the files; false
    // when mpv cannot start at all.
    bool startPlayer(const QStringList &files)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        m_player.setProcessEnvironment(environment);
        m_player.start(QStringLiteral("mpv"), QStringList{QStringLiteral("--no-config"),
                                                          QStringLiteral("--script=") + mprisPlugin(),
                                                          QStringLiteral("--ao=null"), QStringLiteral("--vo=null"),
                                                          QStringLiteral("--idle=no"), QStringLiteral("--loop-playlist=inf")} +
                                                  files);
        return m_player.waitForStarted();
    }

    // The player's name on the bus once it is there, else "".
    QString waitForPlayer()
    {
        QString found;
        PollUntil(
            [&] {
                for (const QString &name : m_watch.interface()->registeredServiceNames().value()) {
                    if (name.startsWith(kPlayerPrefix))
                        found = name;
                }
                return !found.isEmpty();
            },
            20000);
        return found;
    }

    // A property of the player as the test reads it from the player itself.
    QVariant playerProperty(const QString &player, const char *name) const
    {
        QDBusMessage get = QDBusMessage::createMethodCall(player, QStringLiteral("/org/mpris/MediaPlayer2"),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get.setArguments({QStringLiteral("org.mpris.MediaPlayer2.Player"), QString::fromLatin1(name)});
        const QDBusMessage reply = m_watch.call(get);
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    bool waitForStatus(const QString &player, const char *status)
    {
        return PollUntil([&] { return playerProperty(player, "PlaybackStatus").toString() == QLatin1String(status); },
                         10000);
    }

    QString playerTitle(const QString &player) const
    {
        const QVariant metadata = playerProperty(player, "Metadata");
        return qdbus_cast<QVariantMap>(metadata.value<QDBusArgument>()).value(QStringLiteral("xesam:title")).toString();
    }

    // The text of the last chat message the command sent.
    QString sentBy(const QString &command)
    {
        const std::size_t before = program->server.messages(connection).size();
        InternalCommands(program->app(), command);
        if (!program->server.waitForMessages(connection, before + 1))
            return QStringLiteral("<nothing sent>");
        const TestServer::Message last = program->server.messages(connection).back();
        return last.id == kChatMessage ? QString::fromUtf8(last.payload.chopped(1)) : QStringLiteral("<not chat>");
    }

    // The pane's answer to a command that must send nothing: a ping sent
    // after it comes back with no chat message before it.
    QString answerWithoutSending(const QString &command)
    {
        const std::size_t before = program->server.messages(connection).size();
        InternalCommands(program->app(), command);
        program->server.sendMessage(connection, 0x25, QByteArray(4, '\1'));
        if (!program->server.waitForMessages(connection, before + 1))
            return QStringLiteral("<no answer to the ping>");
        if (program->server.messages(connection).at(before).id != 0x25)
            return QStringLiteral("<sent>");
        return program->chatLines(0).last();
    }

    QString address;
    std::optional<ServerProgram> program;
    int connection = -1;
    QTemporaryDir folder;

private:
    QProcess m_bus;
    QProcess m_player;
    QDBusConnection m_watch{QString()};
};

} // namespace

TEST_F(MediaPlayerBus, CommandsNameAndDriveTheTrackOfARealPlayer)
{
    const QString first = folder.filePath(QStringLiteral("first.wav"));
    const QString second = folder.filePath(QStringLiteral("second.wav"));
    writeTone(first, "First Tone", "Tarn Band", 20);
    writeTone(second, "Second Tone", "Tarn Band", 20);
    ASSERT_FALSE(mprisPlugin().isEmpty()) << "the mpv MPRIS plugin is missing (package mpv-mpris)";
    if (!startPlayer({first, second}))
        GTEST_SKIP() << "mpv cannot start on this machine (package mpv)";
    const QString player = waitForPlayer();
    ASSERT_FALSE(player.isEmpty()) << "mpv did not appear on the bus";
    ASSERT_TRUE(waitForStatus(player, "Playing"));
    // The file's tags reach the bus a moment after the file starts.
    ASSERT_TRUE(PollUntil([&] { return playerTitle(player) == QLatin1String("First Tone"); }, 10000));
    startProgram(address);
    // The whole announcement in one line: here its text is checked, not its cutting.
    program->app().profile(0).record().MaxLineBytes = 400;

    const QString nowPlaying = sentBy(QStringLiteral("/mp3"));
    EXPECT_TRUE(nowPlaying.startsWith(QStringLiteral("/me is currently playing on Winamp: 1. Tarn Band - First Tone (")))
        << nowPlaying.toStdString();
    EXPECT_TRUE(nowPlaying.endsWith(QStringLiteral("/00:20 @ 0kbps/0 kHz stereo)"))) << nowPlaying.toStdString();
    EXPECT_EQ(sentBy(QStringLiteral("/itunes")),
              QStringLiteral("/me is currently playing on iTunes: 1. Tarn Band - First Tone @ 0kbps (0kHz)"));
    EXPECT_EQ(sentBy(QStringLiteral("/wmp")), QStringLiteral("/me is currently listening on WMP: Tarn Band - First Tone"));

    InternalCommands(program->app(), QStringLiteral("/pause"));
    EXPECT_TRUE(waitForStatus(player, "Paused"));
    InternalCommands(program->app(), QStringLiteral("/next"));
    EXPECT_TRUE(PollUntil([&] { return playerTitle(player) == QLatin1String("Second Tone"); }, 10000))
        << playerTitle(player).toStdString();
    InternalCommands(program->app(), QStringLiteral("/play"));
    EXPECT_TRUE(waitForStatus(player, "Playing"));
    EXPECT_EQ(sentBy(QStringLiteral("/itunes")),
              QStringLiteral("/me is currently playing on iTunes: 1. Tarn Band - Second Tone @ 0kbps (0kHz)"));
}

TEST_F(MediaPlayerBus, WithoutAPlayerOrWithoutABusEachPlayerIsAbsent)
{
    for (const QString &bus : {address, QStringLiteral("unix:path=") + folder.filePath(QStringLiteral("no-bus"))}) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.toLocal8Bit());
        TestApp test;
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        QString text;
        EXPECT_EQ(clsWinamp(test.app->winamp()).strWinampTitle(), QStringLiteral("Winamp is currently not loaded."));
        EXPECT_EQ(WmpNowPlaying(test.app->wmp()), QStringLiteral("Windows Media Player not loaded."));
        EXPECT_EQ(ITunesControl(test.app->itunes(), 7, text), QStringLiteral("iTunes is not loaded."));
    }
}

TEST_F(MediaPlayerBus, AnnouncementsWithoutAPlayerTellTheUserAndSendNothing)
{
    startProgram(address);
    for (const char *command : {"/mp3", "/itunes", "/wmp"})
        EXPECT_EQ(answerWithoutSending(QString::fromLatin1(command)), QStringLiteral("No media player is running."))
            << command;
}

TEST_F(MediaPlayerBus, APlayerThatNeverAnswersIsAskedOnceAndHoldsNoCommandForLong)
{
    SilentPlayer silent(address);
    startProgram(address);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(answerWithoutSending(QStringLiteral("/wmp")), QStringLiteral("The media player is not playing anything."));
    // Without a limit of its own each call would wait the bus's 25 s.
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(silent.release(), 1) << "once its first call ran out, the reading asks it nothing more";
}
