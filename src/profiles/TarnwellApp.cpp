#include "profiles/TarnwellApp.h"

#include "appearance/Appearance.h"
#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "display/Notifications.h"
#include "display/frmErrorHandler.h"
#include "display/modOutput.h"
#include "filters/clsFilters.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/MprisPlayers.h"
#include "profiles/MainWindowLook.h"
#include "profiles/ScreenBinder.h"
#include "profiles/UserProfileWindow.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "session/ConnectionTimers.h"
#include "session/FloodGuard.h"
#include "session/clsConnection.h"
#include "session/frmProfile.h"
#include "update/UpdateCheck.h"
#include "update/frmAbout.h"

#include <QListWidget>
#include <QTcpSocket>
#include <QTextEdit>
#include <QTextDocument>

TarnwellApp::TarnwellApp(const QString &programFolder, Clock &clock)
    : m_settings(programFolder), m_clock(clock)
{
    MediaPlayerLinks players = Mpris::Links(Mpris::SessionBusAddress());
    m_winamp = std::move(players.winamp);
    m_wmp = std::move(players.wmp);
    m_itunes = std::move(players.itunes);
    m_timers = std::make_unique<ConnectionTimers>(*this);
    m_settings.setReport([this](const CurrentError &error, const QString &procedure) {
        if (!m_errorLog)
            m_errorLog = std::make_unique<frmErrorHandler>();
        m_errorLog->report(error, procedure, QStringLiteral("Settings"), m_clock.now(), m_clock.tickCount());
    });
    // Slot 0's socket and chat pane belong to the window's design: they exist
    // before any profile is loaded, so the welcome line has somewhere to go.
    growSlots(1);
    createControlSet(0);
    m_look = std::make_unique<MainWindowLook>(*this);
    m_appearance = std::make_unique<Appearance>(*this, *m_look);
    m_updateCheck = std::make_unique<UpdateCheck>(*this, UpdateServer::configured());
    m_popupMenu = std::make_unique<frmPopupMenu>(*this);
    m_mainWindow = std::make_unique<frmMain>(*this);
    m_screen = std::make_unique<ScreenBinder>(*m_mainWindow);
    m_screen->show(slot(0));
    connect(this, &TarnwellApp::currentChanged, this, [this](Profile &shown) { m_screen->show(shown); });
}

QWidget &TarnwellApp::mainWidget() const
{
    return *m_mainWindow;
}

QStringList TarnwellApp::profileEntries() const
{
    QStringList entries;
    const QListWidget &list = *m_mainWindow->lstProfiles;
    for (int row = 0; row < list.count(); ++row)
        entries.append(list.item(row)->text());
    return entries;
}

void TarnwellApp::showEntry(const QString &entryText)
{
    lstProfiles_Click(*this, entryText);
}

TarnwellApp::~TarnwellApp()
{
    // Windows first: they refer to the slots' panes.
    m_appearance.reset();
    m_updateCheck.reset();
    m_aboutWindow.reset();
    m_notifications.reset();
    m_screen.reset();
    m_mainWindow.reset();
    m_errorLog.reset();
    m_profileWindow.reset();
    m_configuration.reset();
}

frmConfiguration &TarnwellApp::configuration()
{
    if (!m_configuration)
        m_configuration = std::make_unique<frmConfiguration>(*this);
    return *m_configuration;
}

frmAbout &TarnwellApp::aboutWindow()
{
    if (!m_aboutWindow)
        m_aboutWindow = std::make_unique<frmAbout>();
    return *m_aboutWindow;
}

Notifications &TarnwellApp::notifications()
{
    if (!m_notifications)
        m_notifications = std::make_unique<Notifications>(*this, *m_mainWindow->trayIcon, [this](const QString &name) {
            m_mainWindow->restoreWindow();
            lstProfiles_Click(*this, name);
        });
    return *m_notifications;
}

frmProfile &TarnwellApp::profileWindow()
{
    if (!m_profileWindow) {
        m_profileWindow = std::make_unique<frmProfile>();
        connect(m_profileWindow.get(), &frmProfile::saveClicked, this, [this] { SaveProfile(*this); });
    }
    return *m_profileWindow;
}

void TarnwellApp::growSlots(int count)
{
    if (count > std::numeric_limits<qint16>::max() + 1)
        throw Failure(Failure::Overflow, QStringLiteral("Overflow"));
    while (slotCount() < count) {
        m_slots.push_back(std::make_unique<ProfileSlot>(*this));
        watch(*m_slots.back());
    }
}

void TarnwellApp::removeProfile(int index)
{
    const ProfileSlot &leaving = slot(index);
    const bool paneOnScreen =
        m_mainWindow && leaving.hasPane() && m_mainWindow->rtbChat->document() == &leaving.pane();
    // It goes last: the window lets go of its pane first.
    std::unique_ptr<ProfileSlot> gone = std::move(m_slots[static_cast<std::size_t>(index)]);
    m_slots.erase(m_slots.begin() + index);
    if (m_slots.empty()) {
        growSlots(1);
        createControlSet(0);
    }
    if (CurrentProfile > index || CurrentProfile >= slotCount())
        --CurrentProfile;
    if (paneOnScreen)
        m_mainWindow->showPane(CurrentProfile);
}

void TarnwellApp::setCurrent(int index)
{
    Profile &shown = slot(index);
    CurrentProfile = static_cast<qint16>(index);
    Q_EMIT currentChanged(shown);
}

int TarnwellApp::indexOf(const Profile &profile) const
{
    for (int index = 0; index < slotCount(); ++index) {
        if (m_slots[static_cast<std::size_t>(index)].get() == &profile)
            return index;
    }
    return -1;
}

int TarnwellApp::indexOfName(const QString &name) const
{
    for (int index = 0; index < slotCount(); ++index) {
        const ProfileRecord &profile = slot(index).record();
        if (profile.Active && profile.Name == name)
            return index;
    }
    return -1;
}

Profile *TarnwellApp::liveProfile(const Profile *profile) const
{
    const int index = profile ? indexOf(*profile) : -1;
    return index < 0 ? nullptr : &slot(index);
}

void TarnwellApp::watch(Profile &profile)
{
    // The profile's place is looked up when it reports: deletions move it.
    const auto recolour = [this, &profile](bool activity) {
        qint16 entry = static_cast<qint16>(indexOf(profile));
        ProfileColor(*this, entry, false, activity);
    };
    connect(&profile, &Profile::connectionStateChanged, this, [recolour] { recolour(false); });
    // The profile on screen shows its lines itself.
    connect(&profile, &Profile::activity, this, [this, &profile, recolour] {
        if (indexOf(profile) != CurrentProfile)
            recolour(true);
    });
    // Signals come from inside a part's handler: nothing may throw back
    // through them (the notification window is made on first use).
    const auto notify = [this, &profile](const QString &from, const QString &text) {
        guard("lineForUser", "Notifications", [&] { notifications().lineForUser(profile.record().Name, from, text); });
    };
    connect(&profile, &Profile::whisperReceived, this, [this, notify](const QString &from, const QString &text) {
        LastWhisperFrom = from;
        notify(from, text);
    });
    connect(&profile, &Profile::mentioned, this, notify);
    connect(&profile, &Profile::userProfileReceived, this,
            [this, &profile](quint32 requestId, const QStringList &values) {
                ShowUserProfile(*this, profile, requestId, values);
            });
}

ProfileSlot &TarnwellApp::slot(int index) const
{
    if (index < 0 || index >= slotCount())
        throw Failure(Failure::OutOfRange, QStringLiteral("Subscript out of range"));
    return *m_slots[static_cast<std::size_t>(index)];
}

void TarnwellApp::createControlSet(int index)
{
    ProfileSlot &target = slot(index);
    const bool paneIsNew = !target.hasPane();
    target.createControlSet();
    if (paneIsNew && m_mainWindow)
        target.pane().setDefaultFont(m_mainWindow->font());
}

void TarnwellApp::LogError(const QString &procedure, const QString &module)
{
    ReportCurrentError(m_errorLog, procedure, module, m_clock);
}
