#pragma once

#include "commands/CommandHost.h"
#include "display/ChatItem.h"
#include "profiles/ProfileSlot.h"
#include "profiles/Settings.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class Appearance;
class MainWindowLook;
class Clock;
class ConnectionTimers;
class ScreenBinder;
class FloodGuard;
class Notifications;
class frmMain;
class frmPopupMenu;
class frmErrorHandler;
class frmProfile;
class frmConfiguration;
class frmAbout;
class UpdateCheck;
class WinampLink;
class WmpLink;
class ITunesLink;

// The program-wide state: the profile slots and everything found by profile
// index, the current profile, the settings below the program folder, the
// clocks, and the windows. Tests build as many as they like, each on its own
// folder.
class TarnwellApp : public QObject, public CommandHost {
    Q_OBJECT
public:
    TarnwellApp(const QString &programFolder, Clock &clock);
    ~TarnwellApp() override;

    const Settings &settings() const override { return m_settings; }
    Clock &clock() const override { return m_clock; }

    // The place of the profile on screen.
    qint16 CurrentProfile = 0;
    // Set only while start-up loads the stored profiles.
    bool ProfilesLoading = false;
    // The sender of the last whisper any profile received.
    QString LastWhisperFrom;

    // Slots are dense from 0; every accessor throws Failure for an index
    // outside them.
    int slotCount() const { return static_cast<int>(m_slots.size()); }
    void growSlots(int count);
    // The profile goes, with everything it owns; the ones after it move up
    // and the current profile stays the same one. With none left, a new
    // empty slot 0 takes the window's first lines, as at start.
    void removeProfile(int index);
    // The profile's place, or -1 when it is no longer in the list.
    int indexOf(const Profile &profile) const;
    // The place of the live profile of this name, or -1.
    int indexOfName(const QString &name) const;
    // The profile, while it is still in the list; null once it is gone.
    Profile *liveProfile(const Profile *profile) const;
    ProfileSlot &slot(int index) const;
    Profile &profile(int index) const { return slot(index); }
    int profileCount() const override { return slotCount(); }
    Profile &profileAt(int index) const override { return slot(index); }
    // The profile on screen.
    Profile &current() const override { return slot(CurrentProfile); }
    // Makes the profile at this place the one on screen, and says so.
    void setCurrent(int index);
    // The socket is open and connected; false for a place outside the list.
    bool isConnected(int index) const { return index >= 0 && index < slotCount() && slot(index).isConnected(); }
    // Gives the slot its socket and chat pane, once.
    void createControlSet(int index);

    // Reports the exception being handled to the error log.
    void LogError(const QString &procedure, const QString &module) override;

    // The keep-alive and automatic reconnection timers of all connections.
    ConnectionTimers &timers() const override { return *m_timers; }

    frmMain &mainWindow() const { return *m_mainWindow; }
    QWidget &mainWidget() const override;
    // What of the profile on screen the main window shows.
    ScreenBinder &screen() const { return *m_screen; }
    frmPopupMenu &popupMenu() const { return *m_popupMenu; }
    // Null until the first error report.
    frmErrorHandler *errorLog() const { return m_errorLog.get(); }
    // The profile window, created on first use.
    frmProfile &profileWindow() override;
    // The configuration dialog, created on first use.
    frmConfiguration &configuration();

    // The colour scheme, font and colour picker windows.
    Appearance &appearance() const { return *m_appearance; }
    // The version query at start and its notice.
    UpdateCheck &updateCheck() const { return *m_updateCheck; }
    // The about window, created on first use.
    frmAbout &aboutWindow();
    // Desktop notifications of whispers and mentions, created on first use.
    Notifications &notifications();

    // The media players on this machine.
    WinampLink &winamp() const override { return *m_winamp; }
    WmpLink &wmp() const override { return *m_wmp; }
    ITunesLink &itunes() const override { return *m_itunes; }
    QString lastWhisperFrom() const override { return LastWhisperFrom; }
    QStringList profileEntries() const override;
    void showEntry(const QString &entryText) override;

Q_SIGNALS:
    void currentChanged(Profile &profile);

private:
    // What a profile reports that the rest of the program answers, whether
    // the profile is on screen or not.
    void watch(Profile &profile);

    Settings m_settings;
    Clock &m_clock;
    std::vector<std::unique_ptr<ProfileSlot>> m_slots;
    std::unique_ptr<ConnectionTimers> m_timers;
    std::unique_ptr<frmPopupMenu> m_popupMenu;
    std::unique_ptr<frmMain> m_mainWindow;
    std::unique_ptr<ScreenBinder> m_screen;
    std::unique_ptr<frmErrorHandler> m_errorLog;
    std::unique_ptr<frmProfile> m_profileWindow;
    std::unique_ptr<frmConfiguration> m_configuration;
    std::unique_ptr<MainWindowLook> m_look;
    std::unique_ptr<Appearance> m_appearance;
    std::unique_ptr<UpdateCheck> m_updateCheck;
    std::unique_ptr<frmAbout> m_aboutWindow;
    std::unique_ptr<Notifications> m_notifications;
    std::unique_ptr<WinampLink> m_winamp;
    std::unique_ptr<WmpLink> m_wmp;
    std::unique_ptr<ITunesLink> m_itunes;
};
