#pragma once

#include "platform/Clock.h"
#include "profiles/ProfileRoster.h"
#include "profiles/Settings.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

class ConnectionTimers;
class Profile;
class ProfileSlot;
class frmErrorHandler;

// Live profiles with the program's services and none of its windows: a
// program folder of its own, a clock the test controls, the error log and
// the connection timers. For what one profile does by itself.
class ProfileHost : public ProfileRoster {
public:
    ProfileHost();
    ~ProfileHost() override;

    QString folder() const { return m_folder.path(); }
    ManualClock &manualClock() const { return m_clock; }
    // A live profile, its stored settings (CRLF or LF) written and read
    // first, with its socket and chat pane.
    Profile &add(const QString &name, const QByteArray &configText = {});
    // The text of the error log, or "" when nothing was reported.
    QString errorLogText() const;

    Clock &clock() const override { return m_clock; }
    const Settings &settings() const override { return m_settings; }
    void LogError(const QString &procedure, const QString &module) override;
    ConnectionTimers &timers() const override { return *m_timers; }
    int profileCount() const override { return static_cast<int>(m_profiles.size()); }
    Profile &profileAt(int index) const override;
    Profile &profile(int index) const { return profileAt(index); }

private:
    QTemporaryDir m_folder;
    mutable ManualClock m_clock;
    Settings m_settings;
    std::unique_ptr<frmErrorHandler> m_errorLog;
    std::unique_ptr<ConnectionTimers> m_timers;
    std::vector<std::unique_ptr<ProfileSlot>> m_profiles;
};
