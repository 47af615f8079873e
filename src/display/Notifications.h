#pragma once

#include <QDBusConnection>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>

class FreedesktopNotifier;
class ProgramShell;
class QSystemTrayIcon;

// Desktop notifications of the lines that want the user: a whisper to any
// profile, or a channel line that mentions the profile's own name, while the
// main window is minimised, hidden in the tray or not active. They go to the
// desktop's notification service, or to the tray icon where there is none;
// clicking one brings the window back on the profile it came from. A sender
// gets at most one every few seconds, and only a few senders within those
// seconds, so a flood, from one name or from many, stays in the chat.
// Tarnwell.ini [Options] Notifications turns them off ("0"); they are on
// without it.
class Notifications {
public:
    static constexpr quint32 kQuietPerSender = 5000;
    static constexpr std::size_t kMostSendersAtOnce = 10;
    static inline const QString kSection = QStringLiteral("Options");
    static inline const QString kKey = QStringLiteral("Notifications");

    // showProfile brings the main window back with the named profile on
    // screen.
    Notifications(ProgramShell &program, QSystemTrayIcon &tray,
                  std::function<void(const QString &profileName)> showProfile);
    ~Notifications();

    // The D-Bus connection the service is reached on; the session bus
    // unless set.
    void useBus(const QDBusConnection &bus);

    // A line from sender for the profile wants the user's attention.
    void lineForUser(const QString &profileName, const QString &sender, const QString &text);
    // The program-wide switch as stored.
    bool enabled() const;
    // Shows the window again with the profile in front.
    void bringBack(const QString &profileName);

private:
    bool windowOutOfSight() const;
    void showInTray(const QString &title, const QString &body, const QString &profileName);

    ProgramShell &m_program;
    QSystemTrayIcon &m_tray;
    std::function<void(const QString &)> m_showProfile;
    QMetaObject::Connection m_trayClick;
    std::unique_ptr<FreedesktopNotifier> m_service;
    // Tick count of the last notification of each sender notified within
    // the last kQuietPerSender: never more than kMostSendersAtOnce.
    std::map<QString, quint32> m_lastBySender;
    // The profile of the tray's last message, for a click on it.
    QString m_trayProfile;
};
