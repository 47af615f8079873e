#include "profiles/TarnwellApp.h"

#include "appearance/Appearance.h"
#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "session/FloodGuard.h"
#include "display/Notifications.h"
#include "display/frmErrorHandler.h"
#include "display/modOutput.h"
#include "filters/clsFilters.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/MprisPlayers.h"
#include "platform/ServerDataFailure.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/ScreenBinder.h"
#include "profiles/UserProfileWindow.h"
#include "profiles/modProfiles.h"
#include "session/ConnectionTimers.h"
#include "session/clsConnection.h"
#include "session/frmProfile.h"
#include "update/UpdateCheck.h"
#include "update/frmAbout.h"

#include <QTcpSocket>
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
    m_appearance = std::make_unique<Appearance>(*this);
    m_updateCheck = std::make_unique<UpdateCheck>(*this, UpdateServer::configured());
    m_popupMenu = std::make_unique<frmPopupMenu>(*this);
    m_mainWindow = std::make_unique<frmMain>(*this);
    m_screen = std::make_unique<ScreenBinder>(*m_mainWindow);
    m_screen->show(slot(0));
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
        m_notifications = std::make_unique<Notifications>(*this);
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
        watch(*m_slots.back(), slotCount() - 1);
    }
}

void TarnwellApp::watch(Profile &profile, int index)
{
    const auto recolour = [this, index](bool activity) {
        qint16 entry = static_cast<qint16>(index);
        ProfileColor(*this, entry, false, activity);
    };
    connect(&profile, &Profile::connectionStateChanged, this, [recolour] { recolour(false); });
    // The profile on screen shows its lines itself.
    connect(&profile, &Profile::activity, this, [this, index, recolour] {
        if (index != CurrentProfile)
            recolour(true);
    });
    connect(&profile, &Profile::whisperReceived, this, [this, index](const QString &from, const QString &text) {
        notifications().lineForUser(index, from, text);
        LastWhisperFrom = from;
    });
    connect(&profile, &Profile::mentioned, this, [this, index](const QString &from, const QString &text) {
        notifications().lineForUser(index, from, text);
    });
    connect(&profile, &Profile::userProfileReceived, this, [this, index](quint32 requestId, const QStringList &values) {
        ShowUserProfile(*this, index, requestId, values);
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

void TarnwellApp::AddChat(int profileIndex, const ChatItems &items)
{
    guard("AddChat()", "modFunctions", [&] { slot(profileIndex).AddChat(items); });
}

void TarnwellApp::LogError(const QString &procedure, const QString &module)
{
    const CurrentError error = CurrentError::fromCurrentException();
    if (!m_errorLog)
        m_errorLog = std::make_unique<frmErrorHandler>();
    m_errorLog->report(error, procedure, module, m_clock.now(), m_clock.tickCount(), !CurrentFailureComesFromServer());
}

void TarnwellApp::guard(const char *procedure, const char *module, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        LogError(QString::fromLatin1(procedure), QString::fromLatin1(module));
    }
}
