#include "display/ChatLog.h"
#include "support/QtPrinting.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ChatLogTest : public ::testing::Test {
protected:
    TestApp test;
    TarnwellApp &app = *test.app;

    void start(const QByteArray &options)
    {
        test.writeProfile(QStringLiteral("alpha"), "[Options]\n" + options);
        test.startUp();
    }
    QString logPath(const QDate &day) const
    {
        return ChatLogPath(app.settings().profileFolder(QStringLiteral("alpha")), day);
    }
    QStringList logLines(const QDate &day) const
    {
        QFile file(logPath(day));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    QStringList paneLines() const { return test.chatText(0).split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

TEST_F(ChatLogTest, EveryShownLineIsAppendedInUtf8ToTheFileOfItsDay)
{
    start("Log Chat=1\nMilitary Time=1\n");
    const QDate today = test.clock.now().date();
    ASSERT_EQ(logPath(today).right(25), QStringLiteral("alpha/Logs/2026-12-08.txt"));
    app.profile(0).AddChat({Rgb(0x55AEFF), QStringLiteral("Zoë: "), Rgb(0xFFFFFF), QStringLiteral("Привет, 世界")});
    EXPECT_EQ(logLines(today), paneLines()) << "the welcome line and the chat line, as the pane shows them";
    EXPECT_EQ(logLines(today).last(), QStringLiteral("[13:05:09] Zoë: Привет, 世界"));

    // Past midnight the next line starts the next day's file.
    test.clock.setNow(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 1)));
    app.profile(0).AddChat({QStringLiteral("after midnight")});
    EXPECT_EQ(logLines(today).size(), 2);
    EXPECT_EQ(logLines(today.addDays(1)), QStringList({QStringLiteral("[00:00:01] after midnight")}));

    // A later run appends to what is there.
    test.clock.setNow(QDateTime(today, QTime(23, 0)));
    app.profile(0).AddChat({QStringLiteral("later")});
    EXPECT_EQ(logLines(today).size(), 3);
    EXPECT_EQ(logLines(today).first(), paneLines().first());
}

TEST_F(ChatLogTest, NothingIsLoggedWithTheOptionOffAndLockedLinesAreLoggedAsTheyCome)
{
    start("Log Chat=0\nMilitary Time=1\n");
    app.profile(0).AddChat({QStringLiteral("not logged")});
    EXPECT_FALSE(QFileInfo::exists(logPath(test.clock.now().date())));

    app.profile(0).record().LogChat = true;
    app.profile(0).record().LockScreen = true;
    app.profile(0).AddChat({QStringLiteral("held")});
    EXPECT_EQ(logLines(test.clock.now().date()), QStringList{QStringLiteral("[13:05:09] held")});
    app.profile(0).record().LockScreen = false;
    app.profile(0).AddChat({QStringLiteral("shown")});
    EXPECT_EQ(logLines(test.clock.now().date()),
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
        app.profile(0).AddChat({c.text});
        EXPECT_EQ(logLines(test.clock.now().date()).last(), QStringLiteral("[13:05:09] ") + c.logged) << c.text.toStdString();
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
        TestApp test;
        test.writeProfile(QStringLiteral("alpha"), "[Options]\nLog Chat=1\n");
        const QString logs = test.folder() + QStringLiteral("/Profiles/alpha/Logs/");
        ASSERT_TRUE(QDir().mkpath(logs));
        for (const auto &[day, mebibytes] : c.files) {
            QFile file(logs + QString::fromLatin1(day) + QStringLiteral(".txt"));
            // Sparse: the size counts, the disk holds nearly nothing.
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(mebibytes * kMebibyte));
        }
        test.startUp();
        const qint64 today = QFileInfo(logs + QStringLiteral("2026-12-08.txt")).size();
        test.app->profile(0).AddChat({QStringLiteral("after the report")});
        EXPECT_EQ(QDir(logs).entryList(QDir::Files, QDir::Name), c.left);
        EXPECT_EQ(test.chatText(0).count(c.told), 1) << test.chatText(0).toStdString();
        const bool stopped = c.told.startsWith(QStringLiteral("Today's"));
        EXPECT_EQ(QFileInfo(logs + QStringLiteral("2026-12-08.txt")).size() == today, stopped);
    }
}

TEST_F(ChatLogTest, ALogThatCannotBeWrittenIsReportedOnceAndTheChatGoesOn)
{
    start("Log Chat=1\n");
    // A file where the Logs folder should be: no log can be made.
    const QString logs = app.settings().profileFolder(QStringLiteral("alpha")) + QStringLiteral("/Logs");
    QFile::remove(logPath(test.clock.now().date()));
    QDir(logs).removeRecursively();
    QFile blocker(logs);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    for (const char *line : {"one", "two", "three"})
        app.profile(0).AddChat({QString::fromLatin1(line)});
    const QStringList lines = paneLines();
    EXPECT_EQ(lines.filter(QStringLiteral("The chat log cannot be written")).size(), 1);
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral("three")));
    EXPECT_EQ(lines.size(), 5) << "welcome, one, the report, two, three";
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

} // namespace
