#include "platform/Clock.h"
#include "profiles/DataFolder.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Tarnwell"));
    // Lets the desktop match the windows to the installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TARNWELL_APP_ID));
    // Closing secondary windows must not end the program; only the exit
    // question does.
    application.setQuitOnLastWindowClosed(false);

    const DataFolder folder = DataFolder::choose(QCoreApplication::applicationDirPath(),
                                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                                                 QStringLiteral(TARNWELL_INSTALLED_MARKER));
    SystemClock clock;
    TarnwellApp app(folder.path(), clock);
    frmMain &window = app.mainWindow();
    QObject::connect(&window, &frmMain::exitConfirmed, &application, &QCoreApplication::quit);
    window.Form_Load();
    folder.announce(app);
    window.showForTyping();
    return application.exec();
}
