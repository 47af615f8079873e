#include "support/TestApp.h"

#include "display/frmErrorHandler.h"
#include "profiles/frmMain.h"
#include "support/ProfileFolder.h"
#include "update/UpdateCheck.h"

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
    WriteProfileFolder(m_folder.path(), name, configText);
}

void TestApp::startUp() const
{
    app->mainWindow().Form_Load();
}

QString TestApp::errorLogText() const
{
    return app->errorLog() ? app->errorLog()->rtbErrors()->toPlainText() : QString();
}
