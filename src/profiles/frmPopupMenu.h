#pragma once

#include <QObject>

#include <memory>

class QAction;
class frmFilters;
class frmIdle;
class QMenu;
class TarnwellApp;

// The menus that the main window's menu labels and the user list open. The
// shortcut shown beside an entry is only its label: the keys themselves are
// handled by the main window's shortcut handling, which triggers the entry.
// Entries whose actions are not available yet stay disabled.
class frmPopupMenu : public QObject {
    Q_OBJECT
public:
    explicit frmPopupMenu(TarnwellApp &app);
    ~frmPopupMenu() override;

    QMenu *mnuFile;
    QAction *mnuCreateProfile;
    QAction *mnuConfig;
    QAction *mnuColorSchemes;
    QAction *mnuFont;
    QAction *mnuFilters;
    QAction *mnuIdle;

    QMenu *mnuConnection;
    QAction *mnuConnectall;
    QAction *mnuConnect;
    QAction *mnuDisconnect;

    QMenu *mnuOptions;
    QAction *mnuJoinLeave;
    QAction *mnuVoidView;
    QAction *mnuMilitary;

    QMenu *mnuWindow;
    QMenu *mnuScreen;
    QAction *mnuClear;
    QAction *mnuLock;
    QAction *mnuTransparency;
    QAction *mnuShowProfiles;

    QMenu *mnuUserOptions;
    QMenu *mnuUser;
    QAction *mnuDesignate;
    QAction *mnuResign;
    QAction *mnuBan;
    QAction *mnuUnban;
    QAction *mnuIgnore;
    QAction *mnuUnignore;
    QAction *mnuProfile;

    // Asks for a name and creates a profile.
    void CreateProfile();
    // Switch the displayed profile's join/leave lines and lock screen.
    void JoinLeave();
    void LockChat();
    // Asks for and applies the window's opacity.
    void Transparency();
    // Hides the profile list and widens the chat, or shows it again.
    void HideProfiles();
    // Empties the displayed profile's chat pane.
    void mnuClear_Click();
    // Connects every live profile, one after the other.
    void ConnectAll();
    // Connects or disconnects the displayed profile.
    void mnuConnect_Click();
    void mnuDisconnect_Click();
    // Shows the profile of the user selected in the channel list.
    void mnuProfile_Click();

    // Captions the transparency entry as "Transparency [level]".
    void setTransparencyCaption(const QString &level);

    // The filter and idle settings windows, created on first use.
    frmFilters &filtersWindow();
    frmIdle &idleWindow();

private:
    TarnwellApp &m_app;
    std::unique_ptr<frmFilters> m_filtersWindow;
    std::unique_ptr<frmIdle> m_idleWindow;
};
