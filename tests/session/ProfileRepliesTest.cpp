#include "channel/ChannelUserList.h"
#include "commands/InternalCommands.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "packet/clsDataWriter.h"
#include "session/frmProfile.h"
#include "support/Bytes.h"
#include "support/MessageBoxAnswer.h"
#include "support/PaneRuns.h"
#include "support/ConnectedProfileTest.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class ProfileRepliesTest : public ConnectedProfileTest<> {
protected:
    void SetUp() override
    {
        ConnectedProfileTest::SetUp();
        app.record(0).AccountName = QStringLiteral("Ann");
        app.record(0).Username = QStringLiteral("Ann#2");
    }
    // A key reply with the given values, sent by the server; waits until the
    // client has handled it (a ping sent behind it has been answered).
    void reply(int keys, const QStringList &values, bool terminateLast = true)
    {
        clsDataWriter writer;
        writer.InsertInt32(1);
        writer.InsertInt32(keys);
        writer.InsertInt32(77);
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (i + 1 < values.size() || terminateLast)
                writer.InsertCStringText(values[i]);
            else
                writer.InsertString(values[i].toLatin1());
        }
        p.server.sendMessage(connection, 0x26, writer);
        const std::size_t before = p.server.messages(connection).size();
        p.server.sendMessage(connection, 0x25, bytes("\x01\0\0\0"));
        ASSERT_TRUE(p.server.waitForMessages(connection, before + 1));
    }
};

TEST_F(ProfileRepliesTest, TheAccountSummaryIsWrittenInWords)
{
    reply(10, {"0", "0", "0", "", "", "Ann", "29743293 3785379840", "", "", "93784"});
    const QStringList lines = p.chatLines(0);
    ASSERT_GE(lines.size(), 4);
    const QString pm = QLocale::system().pmText();
    EXPECT_EQ(lines[lines.size() - 4], QStringLiteral("Account created: October 24, 2005 at 05:10:49 ") + pm);
    EXPECT_EQ(lines[lines.size() - 3], QStringLiteral("Last logon: Never logged on"));
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("Last log off: Never logged on"));
    EXPECT_EQ(lines.last(), QStringLiteral("Time Logged: 1 days, 2 hours, 3 minutes, 4 seconds."));
}

TEST_F(ProfileRepliesTest, ASummaryWithTooFewValuesSaysSoInRedWithoutABox)
{
    const MessageBoxAnswer answer;
    const int linesBefore = p.chatLines(0).size();
    reply(10, {"0", "0", "Ann"});
    reply(10, {});
    EXPECT_EQ(answer.text(), QString());
    EXPECT_EQ(p.chatLines(0).mid(linesBefore),
              QStringList(2, QStringLiteral("Error: Not enough profile keys??")));
    const std::vector<TextRun> red{{QStringLiteral("Error: Not enough profile keys??"), QColor(0xBD3D3Du), false}};
    EXPECT_EQ(LastLineRuns(app.pane(0)), red);
}

TEST_F(ProfileRepliesTest, ViewingAndSavingTheOwnProfile)
{
    InternalCommands(app, QStringLiteral("/profile ann"));
    frmProfile &window = app.profileWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ann's profile"));
    EXPECT_EQ(window.lblUsername->text(), QStringLiteral("ann"));
    EXPECT_TRUE(window.cmdSave->isEnabled());
    ASSERT_TRUE(p.server.waitForMessages(connection, 3));
    const TestServer::Message request = p.server.messages(connection).back();
    EXPECT_EQ(request.id, 0x26);
    EXPECT_TRUE(request.payload.endsWith(bytes("ann\0profile\\sex\0profile\\age\0profile\\location\0profile\\description\0")));

    reply(4, {"f", "", "Tarn", ""});
    EXPECT_EQ(window.txtSex->text(), QStringLiteral("f"));
    EXPECT_EQ(window.txtLocation->text(), QStringLiteral("Tarn"));
    EXPECT_TRUE(window.rtbDes->toPlainText().isEmpty());

    window.rtbDes->setPlainText(QStringLiteral("<b>me</b>"));
    window.cmdSave->click();
    EXPECT_FALSE(window.isVisible());
    ASSERT_TRUE(p.server.waitForMessages(connection, 5));
    const TestServer::Message save = p.server.messages(connection).back();
    EXPECT_EQ(save.id, 0x27);
    EXPECT_EQ(save.payload, bytes("\x01\0\0\0\x04\0\0\0" "Ann#2\0profile\\sex\0profile\\age\0profile\\location\0"
                                  "profile\\description\0f\0\0Tarn\0<b>me</b>\0"));
}

TEST_F(ProfileRepliesTest, TheUserMenuShowsTheSelectedUsersProfile)
{
    ChannelUserList &users = *app.mainWindow().lstChannelUsers;
    users.setCurrentItem(users.insertRow(0, QStringLiteral(" Bob")));
    app.popupMenu().mnuProfile->trigger();
    EXPECT_EQ(app.profileWindow().windowTitle(), QStringLiteral("Bob's profile"));
    ASSERT_TRUE(p.server.waitForMessages(connection, 3));
    EXPECT_TRUE(p.server.messages(connection).back().payload.contains(bytes("Bob\0profile\\sex\0")));
}

TEST_F(ProfileRepliesTest, OthersProfilesAreLockedAndShortRepliesAreLogged)
{
    InternalCommands(app, QStringLiteral("/profile Bob"));
    frmProfile &window = app.profileWindow();
    EXPECT_FALSE(window.cmdSave->isEnabled());
    EXPECT_TRUE(window.txtSex->isReadOnly());
    reply(4, {"m", "", "Bay", "hello"});
    EXPECT_EQ(window.rtbDes->toPlainText(), QStringLiteral("hello"));

    reply(4, {"x", "y"});
    EXPECT_EQ(window.txtSex->text(), QStringLiteral("m"));
    EXPECT_TRUE(p.test.errorLogText().contains(QStringLiteral("Error in: Recieve0x26() of clsConnection")));
}

} // namespace
