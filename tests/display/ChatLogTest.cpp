#include "display/ChatLog.h"
#include "profiles/Profile.h"
#include "support/ProfileHost.h"
#include "support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ChatLogTest : public ::testing::Test {
protected:
    ProfileHost host;
    ManualClock &clock = host.manualClock();
    Profile *alpha = nullptr;

    void start(const QByteArray &options) { alpha = &host.add(QStringLiteral("alpha"), "[Options]\n" + options); }
    Profile &profile() const { return *alpha; }
    QString logPath(const QDate &day) const
    {
        return ChatLogPath(host.settings().profileFolder(QStringLiteral("alpha")), day);
    }
    QStringList logLines(const QDate &day) const
    {
        QFile file(logPath(day));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QStringList paneLines() const { return profile().pane().toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

TEST_F(ChatLogTest, EveryShownLineIsAppendedInUtf8ToTheFileOfItsDay)
{
    start("Log Chat=1\nMilitary Time=1\n");
    const QDate today = clock.now().date();
    ASSERT_EQ(logPath(today).right(25), QStringLiteral("alpha/Logs/2026-12-08.txt"));
    profile().AddChat({Rgb(0x55AEFF), QStringLiteral("Zoë: "), Rgb(0xFFFFFF), QStringLiteral("Привет, 世界")});
    EXPECT_EQ(logLines(today), paneLines()) << "the chat line, as the pane shows it";
    EXPECT_EQ(logLines(today).last(), QStringLiteral("[13:05:09] Zoë: Привет, 世界"));

    // Past midnight the next line starts the next day's file.
    clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 1)));
    profile().AddChat({QStringLiteral("after midnight")});
    EXPECT_EQ(logLines(today).size(), 1);
    EXPECT_EQ(logLines(today.addDays(1)), QStringList({QStringLiteral("[00:00:01] after midnight")}));

    // A later run appends to what is there.
    clock.setNow(QDateTime(today, QTime(23, 0)));
    profile().AddChat({QStringLiteral("later")});
    EXPECT_EQ(logLines(today).size(), 2);
    EXPECT_EQ(logLines(today).first(), paneLines().first());
}

TEST_F(ChatLogTest, NothingIsLoggedWithTheOptionOffAndLockedLinesAreLoggedAsTheyCome)
{
    start("Log Chat=0\nMilitary Time=1\n");
    profile().AddChat({QStringLiteral("not logged")});
    EXPECT_FALSE(QFileInfo::exists(logPath(clock.now().date())));

    profile().record().LogChat = true;
    profile().record().LockScreen = true;
    profile().AddChat({QStringLiteral("held")});
    EXPECT_EQ(logLines(clock.now().date()), QStringList{QStringLiteral("[13:05:09] held")});
    profile().record().LockScreen = false;
    profile().AddChat({QStringLiteral("shown")});
    EXPECT_EQ(logLines(clock.now().date()),
              (QStringList{QStringLiteral("[13:05:09] held"), QStringLiteral("[13:05:09] shown")}))
        << "a held line is logged once, when it came";
    EXPECT_TRUE(paneLines().contains(QStringLiteral("[13:05:09] held")));
}

TEST_F(ChatLogTest, TheFileHoldsTextThatATerminalShowsAsItIs)
{
    start("Log Chat=1\nMilitary Time=1\n");
    const struct {
        QString text;
        QString logged;
    } cases[] = {
        {u"a\x1b[2Jb"_s, u"a\u241b[2Jb"_s},
        {u"bell\x07 del\x7f csi\x9b"_s, u"bell\u2407 del\u2421 csi\ufffd"_s},
        {u"tab\tstays"_s, u"tab\tstays"_s},
        {u"\u202Edesrever \u2066isolated\u2069 \u200Fmark"_s, u"\ufffddesrever \ufffdisolated\ufffd \u200Fmark"_s},
        {u"forged\ufdd0[13:05:09] Admin: hi"_s, u"forged\ufffd[13:05:09] Admin: hi"_s},
    };
    for (const auto &c : cases) {
        profile().AddChat({c.text});
        EXPECT_EQ(logLines(clock.now().date()).last(), QStringLiteral("[13:05:09] ") + c.logged) << c.text.toStdString();
    }
}

TEST(ChatLogCap, TheOldestDaysGoFirstAndAFullDayStopsLogging)
{
    constexpr qint64 kMebibyte = 1024 * 1024;
    const struct {
        std::vector<std::pair<const char *, qint64>> files; // day, mebibytes
        QStringList left;
        QString told;
    } cases[] = {
        {{{"2026-11-01", 60}, {"2026-11-02", 50}, {"2026-12-08", 0}},
         {QStringLiteral("2026-11-02.txt"), QStringLiteral("2026-12-08.txt")},
         QStringLiteral("The chat logs reached the 100 MiB they may take: removed the oldest, of 2026-11-01.")},
        {{{"2026-12-08", 101}},
         {QStringLiteral("2026-12-08.txt")},
         QStringLiteral("Today's chat log alone takes the 100 MiB the logs may take; nothing more is logged today.")},
        // Removing older days is not enough: both are told once.
        {{{"2026-11-01", 10}, {"2026-12-08", 101}},
         {QStringLiteral("2026-12-08.txt")},
         QStringLiteral("Today's chat log alone takes the 100 MiB the logs may take; nothing more is logged today.")},
    };
    for (const auto &c : cases) {
        ProfileHost host;
        const QString logs = host.folder() + QStringLiteral("/Profiles/alpha/Logs/");
        ASSERT_TRUE(QDir().mkpath(logs));
        for (const auto &[day, mebibytes] : c.files) {
            QFile file(logs + QString::fromLatin1(day) + QStringLiteral(".txt"));
            // Sparse: the size counts, the disk holds nearly nothing.
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(mebibytes * kMebibyte));
        }
        Profile &alpha = host.add(QStringLiteral("alpha"), "[Options]\nLog Chat=1\n");
        alpha.AddChat({QStringLiteral("the first line, which finds the logs too large")});
        const qint64 today = QFileInfo(logs + QStringLiteral("2026-12-08.txt")).size();
        alpha.AddChat({QStringLiteral("after the report")});
        const QString shown = alpha.pane().toPlainText();
        EXPECT_EQ(QDir(logs).entryList(QDir::Files, QDir::Name), c.left);
        EXPECT_EQ(shown.count(c.told), 1) << shown.toStdString();
        const bool stopped = c.told.startsWith(QStringLiteral("Today's"));
        EXPECT_EQ(QFileInfo(logs + QStringLiteral("2026-12-08.txt")).size() == today, stopped);
    }
}

TEST_F(ChatLogTest, ALogThatCannotBeWrittenIsReportedOnceAndTheChatGoesOn)
{
    start("Log Chat=1\n");
    // A file where the Logs folder should be: no log can be made.
    const QString logs = host.settings().profileFolder(QStringLiteral("alpha")) + QStringLiteral("/Logs");
    QFile::remove(logPath(clock.now().date()));
    QDir(logs).removeRecursively();
    QFile blocker(logs);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    for (const char *line : {"one", "two", "three"})
        profile().AddChat({QString::fromLatin1(line)});
    const QStringList lines = paneLines();
    EXPECT_EQ(lines.filter(QStringLiteral("The chat log cannot be written")).size(), 1);
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral("three")));
    EXPECT_EQ(lines.size(), 4) << "one, the report, two, three";
    EXPECT_TRUE(host.errorLogText().isEmpty());
}

} // namespace
