#include "profiles/frmPopupMenu.h"

#include <QAction>
#include <QMenu>
#include <QTextDocument>

#include "appearance/Appearance.h"
#include "channel/ChannelUserList.h"
#include "commands/InternalCommands.h"
#include "commands/frmIdle.h"
#include "display/DisplayOptions.h"
#include "display/UserActions.h"
#include "display/modOutput.h"
#include "filters/frmFilters.h"
#include "profiles/ProfileManagement.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmMain.h"
#include "session/clsConnection.h"

#include <QLabel>
#include <QListWidget>

#include <functional>

namespace {

QMenu *newMenu(const char *name, const QString &caption, QMenu *parent = nullptr)
{
    auto *menu = parent ? parent->addMenu(caption) : new QMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// An entry whose shortcut is shown after a tab, as menus show accelerators,
// without making the menu itself react to the key.
QAction *newEntry(QMenu *menu, const char *name, const QString &caption, const QString &shortcut = {},
                  bool checkable = false)
{
    QAction *action = menu->addAction(shortcut.isEmpty() ? caption : caption + QLatin1Char('\t') + shortcut);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    action->setEnabled(false);
    return action;
}

const QString kHideProfiles = QStringLiteral("Hide Profiles");
const QString kShowProfiles = QStringLiteral("Show Profiles");

// The entry's caption without the shortcut shown beside it.
QString captionOf(const QAction *entry)
{
    return entry->text().section(QLatin1Char('\t'), 0, 0);
}

void setCaption(QAction *entry, const QString &caption)
{
    const QString shortcut = entry->text().section(QLatin1Char('\t'), 1);
    entry->setText(shortcut.isEmpty() ? caption : caption + QLatin1Char('\t') + shortcut);
}

} // namespace

frmPopupMenu::frmPopupMenu(TarnwellApp &app) : m_app(app)
{
    mnuFile = newMenu("mnuFile", QStringLiteral("&File"));
    mnuCreateProfile = newEntry(mnuFile, "mnuCreateProfile", QStringLiteral("Create a Profile"), QStringLiteral("Ctrl+P"));
    mnuFile->addSeparator();
    mnuConfig = newEntry(mnuFile, "mnuConfig", QStringLiteral("Configuration"), QStringLiteral("Ctrl+G"));
    mnuColorSchemes = newEntry(mnuFile, "mnuColorSchemes", QStringLiteral("Color Schemes"), QStringLiteral("Ctrl+S"));
    mnuFont = newEntry(mnuFile, "mnuFont", QStringLiteral("Font Customization"), QStringLiteral("Ctrl+N"));
    mnuFilters = newEntry(mnuFile, "mnuFilters", QStringLiteral("Filters"), QStringLiteral("Ctrl+F"));
    mnuIdle = newEntry(mnuFile, "mnuIdle", QStringLiteral("Idle Settings"), QStringLiteral("Ctrl+I"));
    mnuFile->addSeparator();
    QAction *mnuExit = newEntry(mnuFile, "mnuExit", QStringLiteral("Exit"));

    mnuConnection = newMenu("mnuConnection", QStringLiteral("&Connection"));
    mnuConnectall = newEntry(mnuConnection, "mnuConnectall", QStringLiteral("Connect All"), QStringLiteral("F1"));
    mnuConnection->addSeparator();
    mnuConnect = newEntry(mnuConnection, "mnuConnect", QStringLiteral("Connect"), QStringLiteral("F2"));
    mnuDisconnect = newEntry(mnuConnection, "mnuDisconnect", QStringLiteral("Disconnect"), QStringLiteral("F3"));

    mnuOptions = newMenu("mnuOptions", QStringLiteral("&Options"));
    mnuJoinLeave = newEntry(mnuOptions, "mnuJoinLeave", QStringLiteral("Enable join/leave notifications"),
                            QStringLiteral("F4"), true);
    mnuVoidView = newEntry(mnuOptions, "mnuVoidView", QStringLiteral("Enable Void View"), {}, true);
    mnuMilitary = newEntry(mnuOptions, "mnuMilitary", QStringLiteral("Use Military Time"), {}, true);

    mnuWindow = newMenu("mnuWindow", QStringLiteral("Window"));
    mnuScreen = newMenu("mnuScreen", QStringLiteral("Screen"), mnuWindow);
    mnuClear = newEntry(mnuScreen, "mnuClear", QStringLiteral("Clear"), QStringLiteral("F5"));
    mnuLock = newEntry(mnuScreen, "mnuLock", QStringLiteral("Lock"), QStringLiteral("F6"), true);
    mnuTransparency = newEntry(mnuWindow, "mnuTransparency", QStringLiteral("Transparency"), QStringLiteral("F7"));
    mnuShowProfiles = newEntry(mnuWindow, "mnuShowProfiles", kHideProfiles, QStringLiteral("F8"));

    mnuUserOptions = newMenu("mnuUserOptions", QStringLiteral("UserOptions"));
    mnuUser = newMenu("mnuUser", QStringLiteral("&User"), mnuUserOptions);
    mnuDesignate = newEntry(mnuUser, "mnuDesignate", QStringLiteral("Designate"));
    mnuResign = newEntry(mnuUser, "mnuResign", QStringLiteral("Resign"));
    mnuUser->addSeparator();
    mnuBan = newEntry(mnuUser, "mnuBan", QStringLiteral("Ban"));
    mnuUnban = newEntry(mnuUser, "mnuUnban", QStringLiteral("Unban"));
    mnuUser->addSeparator();
    mnuIgnore = newEntry(mnuUser, "mnuIgnore", QStringLiteral("Ignore"));
    mnuUnignore = newEntry(mnuUser, "mnuUnignore", QStringLiteral("Unignore"));
    mnuProfile = newEntry(mnuUserOptions, "mnuProfile", QStringLiteral("&Profile"));

    // What each entry does. An entry stays disabled until it has something
    // to do; its keyboard shortcut triggers the entry, so it follows.
    const auto wire = [this](QAction *entry, std::function<void()> handler) {
        entry->setEnabled(true);
        connect(entry, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    };
    // The File menu: each entry opens its window.
    wire(mnuCreateProfile, [this] { CreateProfile(); });
    wire(mnuConfig, [this] { m_app.configuration().open(); });
    wire(mnuColorSchemes, [this] { m_app.appearance().openSkins(); });
    wire(mnuFont, [this] { m_app.appearance().openFonts(); });
    wire(mnuFilters, [this] { filtersWindow().open(); });
    wire(mnuIdle, [this] { idleWindow().open(); });
    wire(mnuExit, [this] { m_app.mainWindow().confirmExit(); });

    wire(mnuConnectall, [this] { ConnectAll(); });
    wire(mnuConnect, [this] { mnuConnect_Click(); });
    wire(mnuDisconnect, [this] { mnuDisconnect_Click(); });

    wire(mnuJoinLeave, [this] { JoinLeave(); });
    wire(mnuVoidView, [this] { ToggleDisplayOption(m_app, DisplayOption::VoidView, *mnuVoidView); });
    wire(mnuMilitary, [this] { ToggleDisplayOption(m_app, DisplayOption::MilitaryTime, *mnuMilitary); });
    wire(mnuClear, [this] { mnuClear_Click(); });
    wire(mnuLock, [this] { LockChat(); });
    wire(mnuTransparency, [this] { Transparency(); });
    wire(mnuShowProfiles, [this] { HideProfiles(); });

    const std::pair<QAction *, UserAction> userActions[] = {
        {mnuDesignate, UserAction::Designate}, {mnuResign, UserAction::Resign}, {mnuBan, UserAction::Ban},
        {mnuUnban, UserAction::Unban},         {mnuIgnore, UserAction::Ignore}, {mnuUnignore, UserAction::Unignore},
    };
    for (const auto &[entry, action] : userActions)
        wire(entry, [this, action = action] { RunUserAction(m_app, m_app.mainWindow().lstChannelUsers->selectedText(), action); });
    wire(mnuProfile, [this] { mnuProfile_Click(); });
}

frmPopupMenu::~frmPopupMenu()
{
    // The top-level menus have no parent; their sub-menus and entries go with them.
    for (QMenu *menu : {mnuFile, mnuConnection, mnuOptions, mnuWindow, mnuUserOptions})
        delete menu;
}

frmFilters &frmPopupMenu::filtersWindow()
{
    if (!m_filtersWindow)
        m_filtersWindow = std::make_unique<frmFilters>(m_app);
    return *m_filtersWindow;
}

frmIdle &frmPopupMenu::idleWindow()
{
    if (!m_idleWindow)
        m_idleWindow = std::make_unique<frmIdle>(m_app);
    return *m_idleWindow;
}

void frmPopupMenu::mnuClear_Click()
{
    m_app.guard("mnuClear_Click", "frmPopupMenu", [this] { m_app.current().pane().clear(); });
}

void frmPopupMenu::CreateProfile()
{
    ::CreateProfile(m_app);
}

void frmPopupMenu::JoinLeave()
{
    ToggleDisplayOption(m_app, DisplayOption::JoinLeave, *mnuJoinLeave);
}

void frmPopupMenu::LockChat()
{
    ToggleDisplayOption(m_app, DisplayOption::LockScreen, *mnuLock);
}

void frmPopupMenu::Transparency()
{
    const QString level = AskTransparency(m_app);
    if (!level.isEmpty())
        setTransparencyCaption(level);
}

void frmPopupMenu::HideProfiles()
{
    m_app.guard("mnuShowProfiles", "frmPopupMenu", [this] {
        frmMain &window = m_app.mainWindow();
        if (captionOf(mnuShowProfiles) == kHideProfiles) {
            window.showPane(m_app.CurrentProfile);
            // Without the list, the label is all that names the profile.
            if (const QListWidgetItem *entry = window.lstProfiles->currentItem())
                window.lblProfiles->setText(entry->text());
            window.arrangeProfiles(false);
            setCaption(mnuShowProfiles, kShowProfiles);
        } else {
            window.arrangeProfiles(true);
            setCaption(mnuShowProfiles, kHideProfiles);
        }
    });
}

void frmPopupMenu::ConnectAll()
{
    for (int index = 0; index < m_app.slotCount(); ++index) {
        // A failure for one profile is reported and the others still connect.
        m_app.guard("mnuConnectall_Click", "frmPopupMenu", [&] {
            if (m_app.profile(index).record().Active)
                m_app.profile(index).connection().Connect(m_app.profile(index).record().Server);
        });
    }
}

void frmPopupMenu::mnuConnect_Click()
{
    m_app.guard("mnuConnect_Click", "frmPopupMenu", [this] {
        if (m_app.mainWindow().lstProfiles->count() > 0)
            m_app.current().connection().Connect(m_app.current().record().Server);
    });
}

void frmPopupMenu::mnuDisconnect_Click()
{
    m_app.guard("mnuDisconnect_Click", "frmPopupMenu", [this] { m_app.current().connection().Disconnect(); });
}

void frmPopupMenu::mnuProfile_Click()
{
    m_app.guard("mnuProfile_Click", "frmPopupMenu", [this] {
        const QString row = m_app.mainWindow().lstChannelUsers->currentText();
        if (!row.isEmpty())
            viewProfile(m_app, StripFirstChar(row));
    });
}

void frmPopupMenu::setTransparencyCaption(const QString &level)
{
    setCaption(mnuTransparency, QStringLiteral("Transparency [") + level + QLatin1Char(']'));
}
