#include "commands/InternalCommands.h"
#include "profiles/frmMain.h"
#include "session/clsConnection.h"
#include "support/ConnectedProfileTest.h"
#include "support/PaneRuns.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>
#include "support/Bytes.h"

#include <gtest/gtest.h>

namespace {

class InternalCommandsTest : public ConnectedProfileTest<2> {
protected:
    std::vector<TestServer::Message> sentAfterLogon() const
    {
        std::vector<TestServer::Message> all = p.server.messages(connection);
        return {all.begin() + 2, all.end()};
    }
    QByteArray lastChatSent() const
    {
        const auto all = sentAfterLogon();
        return all.empty() ? QByteArray() : all.back().payload;
    }
    // Enters a line and waits until the server holds `messages` messages after logon.
    void enter(const QString &line, std::size_t messages)
    {
        InternalCommands(app, line);
        ASSERT_TRUE(p.server.waitForMessages(connection, messages + 2)) << line.toStdString();
    }
};

TEST_F(InternalCommandsTest, RejoinLeavesThenJoinsTheCurrentChannel)
{
    app.profile(0).state().CurrentChannel = QStringLiteral("Op Tarn");
    enter(QStringLiteral("/REJOIN"), 2);
    const auto sent = sentAfterLogon();
    EXPECT_EQ(sent[0].id, 0x10);
    EXPECT_TRUE(sent[0].payload.isEmpty());
    EXPECT_EQ(sent[1].id, 0x0C);
    EXPECT_EQ(sent[1].payload, bytes("\x02\0\0\0Op Tarn\0"));
}

TEST_F(InternalCommandsTest, Diablo2ProfilesStarTheNamesTheyAddress)
{
    app.profile(0).record().Product = QStringLiteral("PX2D");
    enter(QStringLiteral("/w name hi there"), 1);
    EXPECT_EQ(lastChatSent(), bytes("/w *name hi there\0"));
    enter(QStringLiteral("/W name hi"), 2);
    EXPECT_EQ(lastChatSent(), bytes("/W name hi\0"));
    enter(QStringLiteral("/ignore name"), 3);
    EXPECT_EQ(lastChatSent(), bytes("/ignore *name \0"));
    app.profile(0).record().Product = QStringLiteral("RATS");
    enter(QStringLiteral("/w name text"), 4);
    EXPECT_EQ(lastChatSent(), bytes("/w name text\0"));
}

TEST_F(InternalCommandsTest, AnnouncementsGoThroughTheSendPath)
{
    app.profile(0).record().Home = QStringLiteral("Tarn Home");
    enter(QStringLiteral("/home"), 1);
    EXPECT_EQ(lastChatSent(), bytes("/join Tarn Home\0"));
    enter(QStringLiteral("/ver"), 2);
    EXPECT_TRUE(lastChatSent().startsWith("/me is running on Tarnwell version 1.1.2 by "));

    // In one line, as its text is checked here, not its cutting.
    app.profile(0).record().MaxLineBytes = 400;
    p.test.clock.setTickCount(200000);
    app.profile(0).state().EnterChatTick = 200000;
    p.test.clock.advance(61000);
    enter(QStringLiteral("/uptime"), 3);
    EXPECT_EQ(lastChatSent(), bytes("/me has a system uptime of: 4 mins and 21 secs; connection uptime of: "
                                         "1 min and 1 sec.\0"));
}

TEST_F(InternalCommandsTest, RepliesGoToTheLastWhisperer)
{
    enter(QStringLiteral("/r hello"), 1);
    EXPECT_EQ(lastChatSent(), bytes("/w  hello \0"));
    app.LastWhisperFrom = QStringLiteral("Bob");
    app.profile(0).record().Product = QStringLiteral("VD2D");
    enter(QStringLiteral("/R hi there"), 2);
    EXPECT_EQ(lastChatSent(), bytes("/w *Bob hi there\0"));
}

TEST_F(InternalCommandsTest, MediaCommandsReportAbsentPlayers)
{
    InternalCommands(app, QStringLiteral("/play"));
    InternalCommands(app, QStringLiteral("/iplay"));
    InternalCommands(app, QStringLiteral("/wmpstop"));
    const QStringList lines = p.chatLines(0);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[lines.size() - 3], QStringLiteral("Starting playing track: Winamp is currently not loaded."));
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("Starting playing the track."));
    EXPECT_EQ(lines.last(), QStringLiteral("Windows Media Player not loaded."));
    for (const char *announcement : {"/mp3", "/itunes", "/wmp"}) {
        InternalCommands(app, QString::fromLatin1(announcement));
        EXPECT_EQ(p.chatLines(0).last(), QStringLiteral("No media player is running.")) << announcement;
    }
}

TEST_F(InternalCommandsTest, SwitchingByPlaceOrNameAndTellingWhatCannotBe)
{
    const QColor grey(0xAA, 0xAA, 0xAA), red(0xBD, 0x3D, 0x3D);
    const struct {
        const char *line;
        int current;
        const char *told;
        QColor colour;
    } cases[] = {
        {"/p", 0, "Usage: /p NAME, or /p N for the profile at place N of the profile list.", grey},
        {"/p 0", 0, "Profile index '0' does not exist!", red},
        {"/p 3", 0, "Profile index '3' does not exist!", red},
        {"/p 99999999999999999999", 0, "Profile index '99999999999999999999' does not exist!", red},
        {"/p alice01", 0, "No profile is called 'alice01'.", red},
        {"/p -1", 0, "No profile is called '-1'.", red},
        {"/p 2", 1, nullptr, {}},
        // Naming the profile on screen changes nothing.
        {"/p Profile1", 1, nullptr, {}},
        {"/p profile0", 0, nullptr, {}},
        {"/P PROFILE1", 1, nullptr, {}},
    };
    for (const auto &c : cases) {
        const int before = app.CurrentProfile;
        const int linesBefore = p.chatLines(before).size();
        InternalCommands(app, QString::fromLatin1(c.line));
        EXPECT_EQ(app.CurrentProfile, c.current) << c.line;
        EXPECT_EQ(app.mainWindow().rtbChat->document(), &app.profile(c.current).pane()) << c.line;
        const QStringList lines = p.chatLines(before);
        if (c.told) {
            ASSERT_EQ(lines.size(), linesBefore + 1) << c.line;
            EXPECT_EQ(lines.last(), QString::fromLatin1(c.told));
            EXPECT_EQ(LastLineRuns(app.profile(before).pane()).front().colour, c.colour) << c.line;
        } else {
            EXPECT_EQ(lines.size(), linesBefore) << c.line;
        }
    }
    EXPECT_EQ(app.mainWindow().lstProfiles->currentItem()->text(), QStringLiteral("Profile1"));
    EXPECT_TRUE(p.test.errorLogText().isEmpty()) << "nothing typed is a program fault";
}

TEST_F(InternalCommandsTest, TheInputBoxHandsFinishedLinesOver)
{
    frmMain &window = app.mainWindow();
    window.showForTyping();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    window.txtSend->setText(QStringLiteral("/cc"));
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(window.txtSend->text().isEmpty());
    EXPECT_TRUE(p.test.chatText(0).isEmpty());
    QTest::keyClick(window.windowHandle(), Qt::Key_F3);
    EXPECT_FALSE(app.isConnected(0));
    EXPECT_TRUE(p.server.waitForClientClose(connection));
}

} // namespace
