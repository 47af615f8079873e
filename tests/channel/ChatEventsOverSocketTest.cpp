#include "channel/ChannelUserList.h"
#include "channel/ChatEvent.h"
#include "channel/clsUsers.h"
#include "profiles/frmMain.h"
#include "support/ChatEvents.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

using namespace ChatEventId;

// Chat events sent by a server on this machine and read through each
// profile's own connection and receive loop.
class ChatEventsOverSocketTest : public ::testing::Test {
protected:
    ServerProgram p;
    TarnwellApp &app = p.app();
    ChannelUserList &list = *app.mainWindow().lstChannelUsers;
    int connection[2] = {-1, -1};

    void SetUp() override
    {
        p.startUp(2);
        for (int index : {0, 1}) {
            connection[index] = p.connect(index);
            ASSERT_GE(connection[index], 0);
            app.profile(index).state().AccountName = QStringLiteral("probe");
        }
    }
    void send(int profile, quint32 id, quint32 flags, const QByteArray &name, const QByteArray &text)
    {
        p.server.send(connection[profile], ChatEventMessage(id, flags, 0, name, text));
    }
    bool waitForLine(int profile, const QString &line)
    {
        return WaitUntil([&] { return p.chatLines(profile).contains(line); });
    }
    // The chat messages 0x0E the profile sent, in order.
    QStringList chatSent(int profile) const
    {
        QStringList lines;
        for (const TestServer::Message &message : p.server.messages(connection[profile])) {
            if (message.id == 0x0E)
                lines << QString::fromLatin1(message.payload.chopped(1));
        }
        return lines;
    }
};

TEST_F(ChatEventsOverSocketTest, NamesChannelsAndChatAreReadAsUtf8WhereTheyAreThat)
{
    send(0, Channel, 0, "probe", QString::fromUtf8("Кафе").toUtf8());
    send(0, Talk, 0, QString::fromUtf8("Ёжик").toUtf8(), QString::fromUtf8("你好 😀").toUtf8());
    send(0, Talk, 0, "old", "na\xEFve");
    ASSERT_TRUE(waitForLine(0, QStringLiteral("old: na\u00EFve")));
    const QStringList lines = p.chatLines(0);
    EXPECT_TRUE(lines.contains(QString::fromUtf8("Joined channel Кафе (private)")));
    EXPECT_TRUE(lines.contains(QString::fromUtf8("Ёжик: 你好 😀")));
    EXPECT_EQ(app.profile(0).state().CurrentChannel, QString::fromUtf8("Кафе"));
}

TEST_F(ChatEventsOverSocketTest, AServersChannelEntryInOneReadListsTheProfileWithoutFailures)
{
    // What a real server sends on entering an empty channel.
    const QByteArray stats = "RATS 0 0 0 0 0 0 0 0 RATS";
    QByteArray burst;
    const auto add = [&](quint32 id, quint32 flags, const QByteArray &name, const QByteArray &text) {
        burst += ChatEventMessage(id, flags, 0, name, text);
    };
    add(Channel, 0, "probe", "Probe Test");
    add(Information, 0, "", "you are now tempOP for this channel");
    add(FlagsUpdate, 0, "probe", stats);
    add(ShowUser, 0, "probe", stats);
    add(Error, 0, "", "Hello probe, welcome to Test Realm!");
    add(Information, 0, "", " ");
    add(FlagsUpdate, 0x02, "probe", stats);
    add(FlagsUpdate, 0x02, "probe", stats);
    p.server.send(connection[0], burst);

    ASSERT_TRUE(waitForLine(0, QStringLiteral(" ")));
    ASSERT_TRUE(WaitUntil([&] { return app.profile(0).users().GetUserIndex(QStringLiteral("probe")) == 0 &&
                                       app.profile(0).users().GetFlags(QStringLiteral("probe")) == 0x02; }));
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(app.mainWindow().lblChlInfo->text(), QStringLiteral("Probe Test [1]"));
    EXPECT_EQ(p.chatLines(0).mid(p.chatLines(0).size() - 4),
              (QStringList{"Joined channel Probe Test (private)", "you are now tempOP for this channel",
                           "Hello probe, welcome to Test Realm!", " "}));
    EXPECT_TRUE(p.test.errorLogText().isEmpty());
}

TEST_F(ChatEventsOverSocketTest, EachProfilesEventsReachOnlyItsOwnStoreAndPane)
{
    send(0, Channel, 0, "probe", "Front");
    send(1, Channel, 0, "probe", "Behind");
    send(1, Join, 0, "Bob", "RATS");
    send(1, WhisperFrom, 0, "Bob", "psst");
    ASSERT_TRUE(waitForLine(1, QStringLiteral("From: Bob: psst")));
    EXPECT_EQ(app.LastWhisperFrom, QStringLiteral("Bob"));
    EXPECT_TRUE(app.profile(1).users().HasUser(QStringLiteral("Bob")));
    EXPECT_FALSE(app.profile(0).users().HasUser(QStringLiteral("Bob")));
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(p.chatLines(0).contains(QStringLiteral("From: Bob: psst")));
}

TEST_F(ChatEventsOverSocketTest, VoidViewUnignoresTheAccountWithTheProfilesOwnNamePrefix)
{
    send(0, Channel, 0, "probe", "Chat");
    ASSERT_TRUE(waitForLine(0, QStringLiteral("Joined channel Chat (private)")));
    app.profile(0).record().VoidView = true;
    app.profile(1).record().VoidView = true;
    app.profile(1).record().Product = QStringLiteral("PX2D");
    send(0, Channel, 0, "probe", "The Void");
    send(1, Channel, 0, "probe", "The Void");
    ASSERT_TRUE(p.server.waitForMessages(connection[0], 3));
    ASSERT_TRUE(p.server.waitForMessages(connection[1], 3));
    EXPECT_EQ(chatSent(0), QStringList{"/unignore probe"});
    // Diablo II addresses accounts with a star, whichever profile is on screen.
    EXPECT_EQ(chatSent(1), QStringList{"/unignore *probe"});

    send(0, FlagsUpdate, 0, "Bob", "RATS");
    ASSERT_TRUE(WaitUntil([&] { return list.rowCount() == 1; }));
    EXPECT_EQ(app.mainWindow().lblChlInfo->text(), QStringLiteral("The Void [1]"));
}

} // namespace
