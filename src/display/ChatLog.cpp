#include "display/ChatLog.h"

#include "display/ChatItem.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/VisibleText.h"
#include "profiles/Profile.h"
#include "profiles/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>

#include <map>

namespace {

constexpr QFileDevice::Permissions kOwnerFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions kOwnerFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// What a Logs folder holds, counted once a run and then kept up to date by
// every line written, so that the cap costs no folder listing per line.
struct FolderUse {
    bool counted = false;
    qint64 bytes = 0;
    // Today's file alone reached the cap on this day.
    QDate fullOn;
};

FolderUse &useOf(const QString &folder)
{
    static std::map<QString, FolderUse> uses;
    return uses[folder];
}

QFileInfoList logFiles(const QString &folder)
{
    // Day names sort by date.
    return QDir(folder).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

qint64 bytesIn(const QString &folder)
{
    qint64 bytes = 0;
    for (const QFileInfo &file : logFiles(folder))
        bytes += file.size();
    return bytes;
}

[[noreturn]] void accessFailed(const QString &path, const QFile &file)
{
    throw Failure(Failure::PathAccess, QStringLiteral("Path/File access error: ") + path + QStringLiteral(" (") +
                                           file.errorString() + QLatin1Char(')'));
}

QString folderOf(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')));
}

// Appends one line; throws Failure when it cannot. Returns the bytes written.
qint64 appendLine(const QString &path, const QString &line)
{
    QFile file(path);
    // The permissions apply to a file this creates. The folder is made at
    // the first line only.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append, kOwnerFile)) {
        const QString folder = folderOf(path);
        if (QFileInfo::exists(folder) || !QDir().mkpath(folder) || !QFile::setPermissions(folder, kOwnerFolder))
            accessFailed(path, file);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append, kOwnerFile))
            accessFailed(path, file);
    }
    const QByteArray bytes = (PlainLogText(line) + QLatin1Char('\n')).toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        accessFailed(path, file);
    return bytes.size();
}

// Removes the oldest days' files, never today's, until the folder is within
// the cap; returns the days removed.
QStringList removeOldest(const QString &folder, const QString &todaysPath, qint64 &bytes)
{
    QStringList days;
    for (const QFileInfo &file : logFiles(folder)) {
        if (bytes <= kMostLogBytes || file.absoluteFilePath() == QFileInfo(todaysPath).absoluteFilePath())
            break;
        const qint64 size = file.size();
        if (!QFile::remove(file.absoluteFilePath()))
            continue;
        bytes -= size;
        days << file.completeBaseName();
    }
    return days;
}

void keepWithinCap(Profile &profile, const QString &path, const QDate &today, FolderUse &use)
{
    const QString folder = folderOf(path);
    // Counted anew: files may have gone or grown meanwhile by other hands.
    use.bytes = bytesIn(folder);
    const QStringList removed = removeOldest(folder, path, use.bytes);
    // Marked before anything is told: the lines telling it are logged too,
    // and must not find the folder full once more.
    const bool full = use.bytes > kMostLogBytes;
    if (full)
        use.fullOn = today;
    const Colour grey = Rgb(0xAAAAAA);
    const QString cap = QString::number(kMostLogBytes / (1024 * 1024)) + QStringLiteral(" MiB");
    if (!removed.isEmpty())
        profile.AddChat({grey, QStringLiteral("The chat logs reached the %1 they may take: removed the "
                                                        "oldest, of %2.")
                                             .arg(cap, removed.join(QStringLiteral(", ")))});
    if (full)
        profile.AddChat({grey, QStringLiteral("Today's chat log alone takes the %1 the logs may take; "
                                                        "nothing more is logged today.")
                                             .arg(cap)});
}

} // namespace

QString ChatLogPath(const QString &profileFolder, const QDate &day)
{
    return profileFolder + QStringLiteral("/Logs/") + day.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".txt");
}

void LogLastChatLine(Profile &profile, const QTextDocument &pane)
{
    ProfileRecord &record = profile.record();
    if (!record.LogChat)
        return;
    // Every line ends with a block of its own, so the line is the one before
    // the last.
    const QTextBlock line = pane.lastBlock().previous();
    if (!line.isValid())
        return;
    try {
        const QDate today = profile.clock().now().date();
        const QString path = ChatLogPath(profile.settings().profileFolder(record.Name), today);
        FolderUse &use = useOf(folderOf(path));
        if (use.fullOn == today)
            return;
        const qint64 written = appendLine(path, line.text());
        use.bytes = use.counted ? use.bytes + written : bytesIn(folderOf(path));
        use.counted = true;
        if (use.bytes > kMostLogBytes)
            keepWithinCap(profile, path, today, use);
    } catch (...) {
        if (profile.state().ChatLogFailureShown)
            return;
        // Set first: the report is a chat line too, and its own logging fails
        // without a word.
        profile.state().ChatLogFailureShown = true;
        const QString reason = CurrentError::fromCurrentException().description;
        profile.AddChat({Rgb(0xBD3D3D), QStringLiteral("The chat log cannot be written: ") + reason +
                                                      QStringLiteral(". The chat goes on without it.")});
    }
}
