#include "platform/MprisPlayers.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <initializer_list>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString kPlayerPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kTrackListInterface = QStringLiteral("org.mpris.MediaPlayer2.TrackList");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

qint32 clamped(qint64 value)
{
    return static_cast<qint32>(std::clamp<qint64>(value, 0, std::numeric_limits<qint32>::max()));
}

// Maps and lists of a reply arrive still marshalled unless Qt knows their type.
QVariantMap toMap(const QVariant &value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value.toMap();
}

// A number in the metadata under a key such as "xesam:audioBitrate", or 0.
qint32 metadataNumber(const QVariantMap &metadata, QLatin1String keyEnd)
{
    for (auto entry = metadata.cbegin(); entry != metadata.cend(); ++entry) {
        if (entry.key().endsWith(keyEnd, Qt::CaseInsensitive))
            return clamped(entry.value().toLongLong());
    }
    return 0;
}

// The transport method a player's own command id stands for, or "".
QString MethodFor(int id, std::initializer_list<std::pair<int, const char *>> methods)
{
    for (const auto &[commandId, method] : methods) {
        if (commandId == id)
            return QString::fromLatin1(method);
    }
    return {};
}

// What the chosen player reports at one moment.
struct Playing {
    QString service;
    bool hasTrack = false;
    QString artist;
    QString title;
    qint32 playlistIndex = 0;
    qint32 elapsedMilliseconds = 0;
    qint32 lengthSeconds = 0;
    qint32 bitRate = 0;
    qint32 sampleRate = 0;

    bool running() const { return !service.isEmpty(); }
    QString trackText() const { return artist.isEmpty() ? title : artist + QStringLiteral(" - ") + title; }
};

// The bus and what its chosen player reports. A reading is kept until control
// returns to the event loop, so one command asks the bus once, not once per
// value it shows.
class Bus {
public:
    explicit Bus(QString address)
        : m_address(std::move(address)),
          m_name(QStringLiteral("tarnwell-mpris-") + QString::number(reinterpret_cast<quintptr>(this), 16))
    {
    }
    ~Bus() { QDBusConnection::disconnectFromBus(m_name); }
    Bus(const Bus &) = delete;
    Bus &operator=(const Bus &) = delete;

    const Playing &playing()
    {
        if (!m_playing) {
            m_playing = read();
            QTimer::singleShot(0, &m_context, [this] { m_playing.reset(); });
        }
        return *m_playing;
    }

    // Calls a method of the player's transport; `wait` waits for its answer.
    void transport(const QString &method, bool wait)
    {
        if (method.isEmpty())
            return;
        const QString service = playing().service;
        const std::optional<QDBusConnection> bus = connection();
        if (service.isEmpty() || !bus)
            return;
        const QDBusMessage message = QDBusMessage::createMethodCall(service, kObjectPath, kPlayerInterface, method);
        if (wait)
            bus->call(message, QDBus::Block, Mpris::kCallTimeout);
        else
            bus->send(message);
        m_playing.reset();
    }

private:
    std::optional<QDBusConnection> connection() const
    {
        if (m_address.isEmpty())
            return std::nullopt;
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, m_name);
        if (bus.isConnected())
            return bus;
        // Forgotten, so that the next use tries again.
        QDBusConnection::disconnectFromBus(m_name);
        return std::nullopt;
    }

    // The first argument of the reply, or nothing when the call failed.
    std::optional<QVariant> call(const QDBusConnection &bus, const QString &service, const QString &path,
                                 const QString &interface, const QString &method, const QVariantList &arguments)
    {
        if (m_silent.contains(service))
            return std::nullopt;
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        const QDBusMessage reply = bus.call(message, QDBus::Block, Mpris::kCallTimeout);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            // A player that let the call run out is not asked again in this reading.
            if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
                reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.Timeout"))
                m_silent.insert(service);
            return std::nullopt;
        }
        return reply.arguments().constFirst();
    }

    std::optional<QVariant> property(const QDBusConnection &bus, const QString &service, const QString &interface,
                                     const QString &name)
    {
        const std::optional<QVariant> value =
            call(bus, service, kObjectPath, kPropertiesInterface, QStringLiteral("Get"), {interface, name});
        if (!value)
            return std::nullopt;
        return value->value<QDBusVariant>().variant();
    }

    // The player that is playing, else the first one in name order.
    QString choosePlayer(const QDBusConnection &bus)
    {
        const std::optional<QVariant> names =
            call(bus, QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                 QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"), {});
        QStringList players;
        for (const QString &name : names ? names->toStringList() : QStringList()) {
            if (name.startsWith(kPlayerPrefix))
                players << name;
        }
        players.sort();
        for (const QString &player : players) {
            const std::optional<QVariant> status = property(bus, player, kPlayerInterface, QStringLiteral("PlaybackStatus"));
            if (status && status->toString() == QLatin1String("Playing"))
                return player;
        }
        return players.value(0);
    }

    qint32 playlistIndex(const QDBusConnection &bus, const QString &service, const QVariant &trackId)
    {
        const std::optional<QVariant> tracks = property(bus, service, kTrackListInterface, QStringLiteral("Tracks"));
        if (!tracks || !tracks->canConvert<QDBusArgument>())
            return 0;
        const auto paths = qdbus_cast<QList<QDBusObjectPath>>(tracks->value<QDBusArgument>());
        return clamped(paths.indexOf(trackId.value<QDBusObjectPath>()));
    }

    Playing read()
    {
        m_silent.clear();
        Playing now;
        const std::optional<QDBusConnection> bus = connection();
        if (!bus)
            return now;
        now.service = choosePlayer(*bus);
        if (now.service.isEmpty())
            return now;
        const std::optional<QVariant> all =
            call(*bus, now.service, kObjectPath, kPropertiesInterface, QStringLiteral("GetAll"), {kPlayerInterface});
        const QVariantMap player = all ? toMap(*all) : QVariantMap();
        const QVariantMap metadata = toMap(player.value(QStringLiteral("Metadata")));
        now.title = metadata.value(QStringLiteral("xesam:title")).toString();
        if (now.title.isEmpty())
            now.title = QUrl(metadata.value(QStringLiteral("xesam:url")).toString()).fileName();
        now.artist = metadata.value(QStringLiteral("xesam:artist")).toStringList().join(QStringLiteral(", "));
        now.hasTrack = !now.title.isEmpty();
        // Some players report a position just below 0 right after a track starts.
        now.elapsedMilliseconds = clamped(player.value(QStringLiteral("Position")).toLongLong() / 1000);
        now.lengthSeconds =
            clamped(std::llround(metadata.value(QStringLiteral("mpris:length")).toLongLong() / 1000000.0));
        now.bitRate = metadataNumber(metadata, QLatin1String("bitrate"));
        now.sampleRate = metadataNumber(metadata, QLatin1String("samplerate"));
        if (now.hasTrack)
            now.playlistIndex = playlistIndex(*bus, now.service, metadata.value(QStringLiteral("mpris:trackid")));
        return now;
    }

    QString m_address;
    QString m_name;
    QObject m_context;
    std::optional<Playing> m_playing;
    // Players that did not answer within the time limit during this reading.
    QSet<QString> m_silent;
};

class MprisWinamp final : public WinampLink {
public:
    explicit MprisWinamp(std::shared_ptr<Bus> bus) : m_bus(std::move(bus)) {}
    bool isRunning() const override { return m_bus->playing().running(); }
    QString windowText() const override
    {
        const Playing &now = m_bus->playing();
        if (!now.hasTrack)
            return QStringLiteral("Winamp");
        return QString::number(now.playlistIndex + 1) + QStringLiteral(". ") + now.trackText() + QStringLiteral(" - Winamp");
    }
    qint32 query(int wParam, int lParam) override
    {
        const Playing &now = m_bus->playing();
        switch (lParam) {
        case 125:
            return now.playlistIndex;
        case 105:
            return wParam == 0 ? now.elapsedMilliseconds : now.lengthSeconds;
        case 126:
            return wParam == 0 ? now.sampleRate : now.bitRate;
        default:
            return 0;
        }
    }
    void command(int id) override
    {
        m_bus->transport(MethodFor(id, {{40044, "Previous"}, {40045, "Play"}, {40046, "Pause"}, {40047, "Stop"},
                                        {40048, "Next"}}),
                         true);
    }

private:
    std::shared_ptr<Bus> m_bus;
};

class MprisWmp final : public WmpLink {
public:
    explicit MprisWmp(std::shared_ptr<Bus> bus) : m_bus(std::move(bus)) {}
    bool isRunning() const override { return m_bus->playing().running(); }
    QString windowText() const override
    {
        const Playing &now = m_bus->playing();
        const QString player = QStringLiteral("Windows Media Player");
        return now.hasTrack ? now.trackText() + QStringLiteral(" - ") + player : player;
    }
    // Posted without waiting for the player, as this player's commands are.
    void command(int id) override
    {
        m_bus->transport(MethodFor(id, {{0x4978, "PlayPause"}, {0x4979, "Stop"}, {0x497A, "Previous"},
                                        {0x497B, "Next"}}),
                         false);
    }

private:
    std::shared_ptr<Bus> m_bus;
};

class MprisITunes final : public ITunesLink {
public:
    explicit MprisITunes(std::shared_ptr<Bus> bus) : m_bus(std::move(bus)) {}
    bool isRunning() const override { return m_bus->playing().running(); }
    std::optional<ITunesTrack> currentTrack() override
    {
        const Playing &now = m_bus->playing();
        if (!now.hasTrack)
            return std::nullopt;
        return ITunesTrack{QString::number(now.playlistIndex + 1), now.artist, now.title,
                           QString::number(now.bitRate), QString::number(now.sampleRate)};
    }
    void transport(Transport action) override
    {
        switch (action) {
        case Transport::PlayPause:
            return m_bus->transport(QStringLiteral("PlayPause"), true);
        case Transport::Stop:
            return m_bus->transport(QStringLiteral("Stop"), true);
        case Transport::NextTrack:
            return m_bus->transport(QStringLiteral("Next"), true);
        case Transport::BackTrack:
            return m_bus->transport(QStringLiteral("Previous"), true);
        }
    }

private:
    std::shared_ptr<Bus> m_bus;
};

} // namespace

namespace Mpris {

MediaPlayerLinks Links(const QString &busAddress)
{
    const auto bus = std::make_shared<Bus>(busAddress);
    return {std::make_unique<MprisWinamp>(bus), std::make_unique<MprisWmp>(bus), std::make_unique<MprisITunes>(bus)};
}

QString SessionBusAddress()
{
    return qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
}

} // namespace Mpris
