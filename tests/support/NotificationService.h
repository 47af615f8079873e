#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

#include <vector>

// A D-Bus session daemon of the test's own, with nothing on it but what the
// test puts there.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    // A new connection to the bus, under a name of its own.
    QDBusConnection connect(const QString &name);
    bool isRunning() const { return !m_address.isEmpty(); }

private:
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};

// A desktop notification service, as a desktop runs one: it takes the
// notifications and can say that the user clicked one.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        uint id;
        QString summary;
        QString body;
        QStringList actions;
    };
    // Registers the service on the connection; false when it could not.
    bool registerOn(QDBusConnection &bus);
    const std::vector<Shown> &shown() const { return m_shown; }
    // The user clicks the notification.
    void click(uint id) { Q_EMIT ActionInvoked(id, QStringLiteral("default")); }

public Q_SLOTS:
    QStringList GetCapabilities() const { return {QStringLiteral("body"), QStringLiteral("actions")}; }
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int expireTimeout);

Q_SIGNALS:
    void ActionInvoked(uint id, const QString &actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    std::vector<Shown> m_shown;
};
