#include "display/Notifications.h"

#include "display/FreedesktopNotifier.h"
#include "platform/Clock.h"
#include "profiles/ProgramSettings.h"
#include "profiles/ProgramShell.h"

#include <QSystemTrayIcon>
#include <QWidget>

Notifications::Notifications(ProgramShell &program, QSystemTrayIcon &tray,
                             std::function<void(const QString &profileName)> showProfile)
    : m_program(program), m_tray(tray), m_showProfile(std::move(showProfile))
{
    useBus(QDBusConnection::sessionBus());
    m_trayClick = QObject::connect(&m_tray, &QSystemTrayIcon::messageClicked, &m_tray, [this] {
        if (!m_trayProfile.isEmpty())
            bringBack(m_trayProfile);
    });
}

Notifications::~Notifications()
{
    QObject::disconnect(m_trayClick);
}

void Notifications::useBus(const QDBusConnection &bus)
{
    m_service = std::make_unique<FreedesktopNotifier>(bus);
}

bool Notifications::enabled() const
{
    return ProgramSettings::read(m_program.settings(), kSection, kKey) != QLatin1String("0");
}

bool Notifications::windowOutOfSight() const
{
    const QWidget &window = m_program.mainWidget();
    return window.isMinimized() || !window.isVisible() || !window.isActiveWindow();
}

void Notifications::lineForUser(const QString &profileName, const QString &sender, const QString &text)
{
    m_program.guard("lineForUser", "Notifications", [&] {
        if (!windowOutOfSight() || !enabled())
            return;
        const quint32 now = m_program.clock().tickCount();
        std::erase_if(m_lastBySender, [now](const auto &last) { return now - last.second >= kQuietPerSender; });
        const QString senderKey = sender.toLower();
        if (m_lastBySender.contains(senderKey) || m_lastBySender.size() >= kMostSendersAtOnce)
            return;
        m_lastBySender[senderKey] = now;

        const QString title = profileName + QStringLiteral(": ") + sender;
        m_service->show(
            title, text, [this, profileName] { bringBack(profileName); },
            [this, title, text, profileName] { showInTray(title, text, profileName); });
    });
}

void Notifications::showInTray(const QString &title, const QString &body, const QString &profileName)
{
    if (!m_tray.isVisible() || !QSystemTrayIcon::supportsMessages())
        return;
    m_trayProfile = profileName;
    m_tray.showMessage(title, body);
}

void Notifications::bringBack(const QString &profileName)
{
    m_program.guard("bringBack", "Notifications", [&] {
        m_showProfile(profileName);
    });
}
