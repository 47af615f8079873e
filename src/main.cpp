#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Tarnwell"));
    // Closing secondary windows must not end the program; only the exit
    // question does.
    application.setQuitOnLastWindowClosed(false);

    SystemClock clock;
    TarnwellApp app(QCoreApplication::applicationDirPath(), clock);
    frmMain &window = app.mainWindow();
    QObject::connect(&window, &frmMain::exitConfirmed, &application, &QCoreApplication::quit);
    window.Form_Load();
    window.showForTyping();
    return application.exec();
}
