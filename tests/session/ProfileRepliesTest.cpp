#include "channel/ChannelUserList.h"
#include "commands/InternalCommands.h"
#include "packet/clsDataWriter.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "session/frmProfile.h"
#include "support/Bytes.h"
#include "support/ConnectedProfileTest.h"
#include "support/ListedUser.h"
#include "support/MessageBoxAnswer.h"
#include "support/PaneRuns.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTextEdit>
#include <QtEndian>
#include <gtest/gtest.h>

#include <optional>

namespace {

template <int profiles = 1>
class ProfileReplies : public ConnectedProfileTest<profiles> {
protected:
    using ConnectedProfileTest<profiles>::p;
    using ConnectedProfileTest<profiles>::app;
    using ConnectedProfileTest<profiles>::connection;

    void SetUp() override
    {
        ConnectedProfileTest<profiles>::SetUp();
        app.profile(0).state().AccountName = QStringLiteral("Ann");
        app.profile(0).state().UniqueName = QStringLiteral("Ann#2");
    }
    // The request id of the client's latest read request.
    quint32 latestRequestId() const
    {
        const std::vector<TestServer::Message> sent = p.server.messages(connection);
        for (auto message = sent.rbegin(); message != sent.rend(); ++message) {
            if (message->id == 0x26 && message->payload.size() >= 12)
                return qFromLittleEndian<quint32>(message->payload.constData() + 8);
        }
        return 0;
    }
    // A key reply with the given values, sent by the server (to the latest
    // request unless an id is given); waits until the client has handled it
    // (a ping sent behind it has been answered).
    void reply(int keys, const QStringList &values, bool terminateLast = true, std::optional<quint32> id = {})
    {
        clsDataWriter writer;
        writer.InsertInt32(1);
        writer.InsertInt32(keys);
        writer.InsertInt32(static_cast<qint32>(id.value_or(latestRequestId())));
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
using ProfileRepliesTest = ProfileReplies<>;

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
    EXPECT_EQ(LastLineRuns(app.profile(0).pane()), red);
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
    EXPECT_EQ(save.payload, bytes("\x01\0\0\0\x04\0\0\0" "Ann\0profile\\sex\0profile\\age\0profile\\location\0"
                                  "profile\\description\0f\0\0Tarn\0<b>me</b>\0"));
}

TEST_F(ProfileRepliesTest, SavingInTheProfilesEncodingTellsWhatCouldNotBeSent)
{
    const QString greek = QString::fromUtf8("\u03B1\u03B2\u03B3");
    for (const WireEncoding encoding : {WireEncoding::Windows1252, WireEncoding::Utf8}) {
        app.profile(0).record().Encoding = encoding;
        const std::size_t before = p.server.messages(connection).size();
        InternalCommands(app, QStringLiteral("/profile Ann"));
        frmProfile &window = app.profileWindow();
        window.txtLocation->setText(greek);
        const int linesBefore = p.chatLines(0).size();
        window.cmdSave->click();
        ASSERT_TRUE(p.server.waitForMessages(connection, before + 2));
        const QByteArray location = encoding == WireEncoding::Utf8 ? greek.toUtf8() : QByteArray("???");
        EXPECT_TRUE(p.server.messages(connection).back().payload.endsWith('\0' + location + bytes("\0\0")));
        EXPECT_EQ(p.chatLines(0).mid(linesBefore),
                  encoding == WireEncoding::Utf8
                      ? QStringList()
                      : QStringList{QStringLiteral("3 characters could not be sent in this server's character set.")});
    }
}

TEST_F(ProfileRepliesTest, TheUserMenuShowsTheSelectedUsersProfile)
{
    ChannelUserList &users = *app.mainWindow().lstChannelUsers;
    ListUser(app, app.CurrentProfile, QStringLiteral("Bob"));
    users.setCurrentIndex(users.rowIndex(1));
    app.popupMenu().mnuProfile->trigger();
    EXPECT_EQ(app.profileWindow().windowTitle(), QStringLiteral("Bob's profile"));
    ASSERT_TRUE(p.server.waitForMessages(connection, 3));
    EXPECT_TRUE(p.server.messages(connection).back().payload.contains(bytes("Bob\0profile\\sex\0")));
}

TEST_F(ProfileRepliesTest, OthersProfilesAreLockedAndShortRepliesAreLogged)
{
    InternalCommands(app, QStringLiteral("/profile Bob"));
    ASSERT_TRUE(p.server.waitForMessages(connection, 3));
    frmProfile &window = app.profileWindow();
    EXPECT_FALSE(window.cmdSave->isEnabled());
    EXPECT_TRUE(window.txtSex->isReadOnly());
    reply(4, {"m", "", "Bay", "hello"});
    EXPECT_EQ(window.rtbDes->toPlainText(), QStringLiteral("hello"));

    reply(4, {"x", "y"});
    EXPECT_EQ(window.txtSex->text(), QStringLiteral("m"));
    EXPECT_TRUE(p.test.errorLogText().contains(QStringLiteral("Error in: Recieve0x26() of clsConnection")));
}

using TwoProfileRepliesTest = ProfileReplies<2>;

TEST_F(TwoProfileRepliesTest, TheWindowAnswersOnlyTheLatestRequestAndSavesWhereItWasOpened)
{
    frmProfile &window = app.profileWindow();
    window.txtSex->setText(QStringLiteral("left over"));
    InternalCommands(app, QStringLiteral("/profile Bob"));
    EXPECT_TRUE(window.txtSex->text().isEmpty());
    ASSERT_TRUE(p.server.waitForMessages(connection, 3));
    const quint32 bobsRequest = latestRequestId();
    InternalCommands(app, QStringLiteral("/profile Ann"));
    ASSERT_TRUE(p.server.waitForMessages(connection, 4));
    ASSERT_NE(latestRequestId(), bobsRequest);

    reply(4, {"m", "", "Bob's place", ""}, true, bobsRequest);
    EXPECT_TRUE(window.txtLocation->text().isEmpty());
    reply(4, {"f", "", "Tarn", "mine"});
    EXPECT_EQ(window.txtLocation->text(), QStringLiteral("Tarn"));
    window.txtLocation->setText(QStringLiteral("edited"));
    reply(4, {"f", "", "Tarn", "mine"});
    EXPECT_EQ(window.txtLocation->text(), QStringLiteral("edited"));

    lstProfiles_Click(app, QStringLiteral("Profile1"));
    ASSERT_EQ(app.CurrentProfile, 1);
    const std::size_t before = p.server.messages(connection).size();
    window.cmdSave->click();
    ASSERT_TRUE(p.server.waitForMessages(connection, before + 1));
    const TestServer::Message save = p.server.messages(connection).back();
    EXPECT_EQ(save.id, 0x27);
    EXPECT_TRUE(save.payload.contains(bytes("Ann\0profile\\sex\0")));
    EXPECT_TRUE(save.payload.endsWith(bytes("f\0\0edited\0mine\0")));
}

TEST_F(TwoProfileRepliesTest, SaveRefusesAProfileNoLongerLoggedOnWithTheAccount)
{
    const std::size_t before = p.server.messages(connection).size();
    InternalCommands(app, QStringLiteral("/profile ann"));
    app.profile(0).state().AccountName = QStringLiteral("Someone");
    app.profileWindow().cmdSave->click();
    // A ping answered behind the click shows what the click sent: nothing.
    p.server.sendMessage(connection, 0x25, bytes("\x01\0\0\0"));
    ASSERT_TRUE(p.server.waitForMessages(connection, before + 2));
    const std::vector<TestServer::Message> sent = p.server.messages(connection);
    ASSERT_EQ(sent.size(), before + 2);
    EXPECT_EQ(sent[before].id, 0x26);
    EXPECT_EQ(sent[before + 1].id, 0x25);
    EXPECT_TRUE(p.test.errorLogText().contains(QStringLiteral("Error in: cmdSave_Click of frmProfile")));
}

} // namespace
