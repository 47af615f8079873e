#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <optional>

// The desktop's notification service (org.freedesktop.Notifications) on a
// D-Bus connection. Every call is asynchronous, so a slow or missing service
// never holds up the chat.
class FreedesktopNotifier : public QObject {
    Q_OBJECT
public:
    explicit FreedesktopNotifier(const QDBusConnection &bus, QObject *parent = nullptr);

    // Shows a notification whose body is plain text. onClick runs when the
    // user clicks it; onFailure when no service took it.
    void show(const QString &title, const QString &body, std::function<void()> onClick,
              std::function<void()> onFailure);

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &action);
    void onNotificationClosed(uint id, uint reason);

private:
    void send(const QString &title, const QString &body, std::function<void()> onClick,
              std::function<void()> onFailure);

    QDBusConnection m_bus;
    // Whether the service reads markup in the body, once it has said so.
    std::optional<bool> m_bodyMarkup;
    std::map<uint, std::function<void()>> m_clicks;
};
