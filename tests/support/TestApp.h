#pragma once

#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QTextDocument>

#include <memory>

// A whole program on a temporary program folder with a clock the test
// controls. Profiles are folders the test writes before start-up.
class TestApp {
public:
    TestApp();

    QString folder() const { return m_folder.path(); }
    ManualClock clock;
    std::unique_ptr<TarnwellApp> app;

    // Makes Profiles/<name>/Config.ini with the given text (CRLF or LF).
    void writeProfile(const QString &name, const QByteArray &configText = {}) const;
    // Runs the window's start-up sequence.
    void startUp() const;
    // The plain text of a profile's chat pane.
    QString chatText(int index) const { return app->profile(index).pane().toPlainText(); }
    // The text of the error log, or "" when nothing was reported.
    QString errorLogText() const;

private:
    QTemporaryDir m_folder;
};
