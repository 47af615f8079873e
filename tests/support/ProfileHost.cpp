#include "support/ProfileHost.h"

#include "display/frmErrorHandler.h"
#include "profiles/ProfileSlot.h"
#include "profiles/StoredProfile.h"
#include "session/ConnectionTimers.h"
#include "support/ProfileFolder.h"

#include <QTextEdit>

ProfileHost::ProfileHost()
    : m_clock(QDateTime(QDate(2026, 12, 8), QTime(13, 5, 9)), 5000), m_settings(m_folder.path()),
      m_timers(std::make_unique<ConnectionTimers>(*this))
{
    m_settings.setReport([this](const CurrentError &error, const QString &procedure) {
        if (!m_errorLog)
            m_errorLog = std::make_unique<frmErrorHandler>();
        m_errorLog->report(error, procedure, QStringLiteral("Settings"), m_clock.now(), m_clock.tickCount());
    });
}

ProfileHost::~ProfileHost()
{
    m_profiles.clear();
}

Profile &ProfileHost::add(const QString &name, const QByteArray &configText)
{
    WriteProfileFolder(folder(), name, configText);
    m_profiles.push_back(std::make_unique<ProfileSlot>(*this));
    ProfileSlot &profile = *m_profiles.back();
    profile.createControlSet();
    ReadStoredProfile(m_settings, name, profile.record());
    return profile;
}

QString ProfileHost::errorLogText() const
{
    return m_errorLog ? m_errorLog->rtbErrors()->toPlainText() : QString();
}

void ProfileHost::LogError(const QString &procedure, const QString &module)
{
    ReportCurrentError(m_errorLog, procedure, module, m_clock);
}

Profile &ProfileHost::profileAt(int index) const
{
    return *m_profiles.at(static_cast<std::size_t>(index));
}
