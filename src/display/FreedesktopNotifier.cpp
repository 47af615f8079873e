#include "display/FreedesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The action a click on the notification itself invokes.
const QString kDefaultAction = QStringLiteral("default");

} // namespace

FreedesktopNotifier::FreedesktopNotifier(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint)));
}

void FreedesktopNotifier::show(const QString &title, const QString &body, std::function<void()> onClick,
                               std::function<void()> onFailure)
{
    if (m_bodyMarkup.has_value()) {
        send(title, body, std::move(onClick), std::move(onFailure));
        return;
    }
    // The first notification asks what the service can do: a body is
    // escaped only for a service that would read markup in it.
    QDBusMessage question = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetCapabilities"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(question), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, title, body, onClick = std::move(onClick), onFailure = std::move(onFailure)](
                QDBusPendingCallWatcher *call) mutable {
                call->deleteLater();
                const QDBusPendingReply<QStringList> reply = *call;
                if (reply.isError()) {
                    onFailure();
                    return;
                }
                m_bodyMarkup = reply.value().contains(QStringLiteral("body-markup"));
                send(title, body, std::move(onClick), std::move(onFailure));
            });
}

void FreedesktopNotifier::send(const QString &title, const QString &body, std::function<void()> onClick,
                               std::function<void()> onFailure)
{
    QDBusMessage notify = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    notify << QStringLiteral("Tarnwell") << uint(0) << QStringLiteral("tarnwell") << title
           << (m_bodyMarkup.value_or(true) ? body.toHtmlEscaped() : body)
           << QStringList({kDefaultAction, QStringLiteral("Show")}) << QVariantMap() << int(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, onClick = std::move(onClick), onFailure = std::move(onFailure)](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<uint> reply = *call;
                if (reply.isError())
                    onFailure();
                else
                    m_clicks[reply.value()] = onClick;
            });
}

void FreedesktopNotifier::onActionInvoked(uint id, const QString &action)
{
    const auto click = m_clicks.find(id);
    if (click == m_clicks.end() || action != kDefaultAction)
        return;
    const std::function<void()> run = click->second;
    m_clicks.erase(click);
    run();
}

void FreedesktopNotifier::onNotificationClosed(uint id, uint)
{
    m_clicks.erase(id);
}
