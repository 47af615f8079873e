#include "display/ChatLog.h"

#include "platform/Clock.h"
#include "platform/Failure.h"
#include "profiles/TarnwellApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>

QString ChatLogPath(const QString &profileFolder, const QDate &day)
{
    return profileFolder + QStringLiteral("/Logs/") + day.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".txt");
}

void AppendChatLogLine(const QString &path, const QString &line)
{
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        throw Failure(Failure::PathNotFound, QStringLiteral("Path not found: ") + folder);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + path + QStringLiteral(" (") +
                                               file.errorString() + QLatin1Char(')'));
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + path + QStringLiteral(" (") +
                                               file.errorString() + QLatin1Char(')'));
}

void LogLastChatLine(TarnwellApp &app, int profileIndex, const QTextDocument &pane)
{
    ProfileRecord &profile = app.record(profileIndex);
    if (!profile.LogChat)
        return;
    // Every line ends with a block of its own, so the line is the one before
    // the last.
    const QTextBlock line = pane.lastBlock().previous();
    if (!line.isValid())
        return;
    try {
        AppendChatLogLine(ChatLogPath(app.settings().profileFolder(profile.Name), app.clock().now().date()),
                          line.text());
    } catch (...) {
        if (profile.ChatLogFailureShown)
            return;
        // Set first: the report is a chat line too, and its own logging fails
        // without a word.
        profile.ChatLogFailureShown = true;
        const QString reason = CurrentError::fromCurrentException().description;
        app.AddChat(profileIndex, {Rgb(0xBD3D3D), QStringLiteral("The chat log cannot be written: ") + reason +
                                                      QStringLiteral(". The chat goes on without it.")});
    }
}
