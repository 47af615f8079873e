#include "support/NotificationService.h"

#include "support/WaitUntil.h"

PrivateBus::PrivateBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted())
        return;
    // The daemon prints its address once it listens.
    if (!WaitUntil([&] { return m_daemon.canReadLine(); }, 10000))
        return;
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    for (const QString &name : m_connections)
        QDBusConnection::disconnectFromBus(name);
    m_daemon.terminate();
    m_daemon.waitForFinished();
}

QDBusConnection PrivateBus::connect(const QString &name)
{
    m_connections.append(name);
    return QDBusConnection::connectToBus(m_address, name);
}

bool NotificationService::registerOn(QDBusConnection &bus)
{
    return bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
           bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

uint NotificationService::Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                                 const QStringList &actions, const QVariantMap &, int)
{
    const auto id = static_cast<uint>(m_shown.size() + 1);
    m_shown.push_back({id, summary, body, actions});
    return id;
}
