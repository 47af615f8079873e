// Writes 100,000 mixed-colour lines into one chat pane, auto-clear included,
// with the pane on screen, and prints how many lines per second that is.
#include "display/modOutput.h"
#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    SystemClock clock;
    TarnwellApp app(folder.path(), clock);
    app.mainWindow().show();

    constexpr int kLines = 100000;
    int clears = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kLines; ++i) {
        const bool before = PaneTextLength(app.pane(0)) > kAutoClearLimit;
        app.AddChat(0, {Rgb(0x55AEFF), BoldOn, QStringLiteral("Talker%1").arg(i % 97), BoldOff, Rgb(0xFFFFFF),
                        QStringLiteral(": "), Rgb(i % 2 ? 0xAAAAAA : 0xFFFFFF),
                        QStringLiteral("message number %1 with some ordinary chat text in it").arg(i)});
        clears += before ? 1 : 0;
    }
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    std::printf("AddChat: %d lines in %.3f s = %.0f lines/s (%d auto-clears)\n", kLines, seconds, kLines / seconds,
                clears);
    return 0;
}
