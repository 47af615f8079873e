#include "support/TestApp.h"

#include "display/frmErrorHandler.h"
#include "profiles/frmMain.h"
#include "update/UpdateCheck.h"

#include <QFile>
#include <QTextEdit>

TestApp::TestApp() : clock(QDateTime(QDate(2026, 12, 8), QTime(13, 5, 9)), 5000)
{
    app = std::make_unique<TarnwellApp>(m_folder.path(), clock);
    // Whatever update server the build names, tests never reach it; update
    // tests name their own on this machine.
    app->updateCheck().setServer({});
}

void TestApp::writeProfile(const QString &name, const QByteArray &configText) const
{
    QDir(m_folder.path()).mkpath(QStringLiteral("Profiles/") + name);
    QFile config(m_folder.path() + QStringLiteral("/Profiles/") + name + QStringLiteral("/Config.ini"));
    // Owner-only, as the program makes its own: one others can read is
    // tightened and reported on its first write.
    if (config.open(QIODevice::WriteOnly))
        config.write(configText);
    config.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestApp::startUp() const
{
    app->mainWindow().Form_Load();
}

QString TestApp::errorLogText() const
{
    return app->errorLog() ? app->errorLog()->rtbErrors()->toPlainText() : QString();
}
