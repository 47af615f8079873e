#include "display/Notifications.h"

#include "display/FreedesktopNotifier.h"
#include "platform/Clock.h"
#include "profiles/ProgramSettings.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"

#include <QSystemTrayIcon>

Notifications::Notifications(TarnwellApp &app) : m_app(app)
{
    useBus(QDBusConnection::sessionBus());
    QObject::connect(m_app.mainWindow().trayIcon, &QSystemTrayIcon::messageClicked, &m_app, [this] {
        if (!m_trayProfile.isEmpty())
            bringBack(m_trayProfile);
    });
}

Notifications::~Notifications() = default;

void Notifications::useBus(const QDBusConnection &bus)
{
    m_service = std::make_unique<FreedesktopNotifier>(bus);
}

bool Notifications::enabled() const
{
    return ProgramSettings::read(m_app.settings(), kSection, kKey) != QLatin1String("0");
}

bool Notifications::windowOutOfSight() const
{
    const frmMain &window = m_app.mainWindow();
    return window.isMinimized() || !window.isVisible() || !window.isActiveWindow();
}

void Notifications::lineForUser(const QString &profileName, const QString &sender, const QString &text)
{
    m_app.guard("lineForUser", "Notifications", [&] {
        if (!windowOutOfSight() || !enabled())
            return;
        const quint32 now = m_app.clock().tickCount();
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
    QSystemTrayIcon *tray = m_app.mainWindow().trayIcon;
    if (!tray->isVisible() || !QSystemTrayIcon::supportsMessages())
        return;
    m_trayProfile = profileName;
    tray->showMessage(title, body);
}

void Notifications::bringBack(const QString &profileName)
{
    m_app.guard("bringBack", "Notifications", [&] {
        m_app.mainWindow().restoreWindow();
        lstProfiles_Click(m_app, profileName);
    });
}
