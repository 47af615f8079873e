#include "channel/ChannelUserList.h"
#include "channel/clsUsers.h"
#include "display/modOutput.h"
#include "packet/clsDataWriter.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"
#include "session/clsConnection.h"
#include "support/ConnectedProfileTest.h"
#include "support/HostileMessages.h"
#include "support/MessageBoxAnswer.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// Two profiles in chat, profile 0 on screen and connected, fed seeded
// streams of hostile server messages through their receive loops. Set
// TARNWELL_FUZZ_ITERATIONS to run more rounds than the suite does.
class HostileServerTest : public ConnectedProfileTest<2> {
protected:
    // A reply may open a message box.
    const MessageBoxAnswer boxes;

    static int rounds()
    {
        const int asked = qEnvironmentVariableIntValue("TARNWELL_FUZZ_ITERATIONS");
        return asked > 0 ? asked : 4;
    }

    // As the socket's reads are handed on.
    void deliver(int profile, const QByteArray &bytes)
    {
        EXPECT_NO_THROW(app.profile(profile).connection().receiver().DataArrival(bytes));
    }

    QString savedPassword(int profile) const
    {
        return app.settings().ReadProfileSetting(app.profile(profile).record().Name, QStringLiteral("Login"),
                                                 QStringLiteral("Password"));
    }

    // Rows of the channel list whose user the on-screen profile does not keep.
    QStringList unstoredRows() const
    {
        const ChannelUserList &list = *app.mainWindow().lstChannelUsers;
        QStringList names;
        for (int row = 1; row <= list.rowCount(); ++row) {
            const QString name = StripFirstChar(list.rowIndex(row).data().toString());
            if (!app.current().users().HasUser(name))
                names << name;
        }
        return names;
    }

    // Connected again where the last round ended the connection, in chat,
    // with every option that makes the handlers do more switched on.
    void enterChat(bool voidView)
    {
        if (!app.isConnected(0)) {
            connection = p.connect(0);
            ASSERT_GE(connection, 0);
        }
        for (int profile : {0, 1}) {
            ProfileRecord &record = app.profile(profile).record();
            app.settings().WriteProfileSetting(record.Name, QStringLiteral("Options"), QStringLiteral("Join/Leave"),
                                               QStringLiteral("1"));
            record.JoinLeave = true;
            record.VoidView = voidView;
            app.profile(profile).state().AccountName = record.Username = QStringLiteral("probe");
            app.profile(profile).state().CurrentChannel = QStringLiteral("Fuzz");
            record.Mode = QStringLiteral("Register");
            record.Email = QStringLiteral("probe@example.com");
            app.profile(profile).state().EnterChatTick = app.clock().tickCount();
        }
    }
};

TEST_F(HostileServerTest, NoServerInputCrashesTheClientOrStopsItAnswering)
{
    for (int profile : {0, 1})
        app.settings().WriteProfileSetting(app.profile(profile).record().Name, QStringLiteral("Login"),
                                           QStringLiteral("Password"), QStringLiteral("Secret1"));
    for (int round = 0; round < rounds(); ++round) {
        SCOPED_TRACE(testing::Message() << "seed " << round + 1);
        HostileMessages server(static_cast<std::uint32_t>(round + 1));
        enterChat(round % 2 == 1);

        // Every message the client reads, cut short at every length; a long
        // one at every length of its first and last 256 bytes.
        for (const quint8 id : HostileMessages::ids()) {
            const QByteArray whole = server.payload(id);
            for (qsizetype length = 0; length <= whole.size(); ++length) {
                if (length == 256 && whole.size() > 512)
                    length = whole.size() - 256;
                deliver(0, TestServer::message(id, whole.left(length)));
            }
        }
        // Bursts of mixed messages, read in pieces of any size, now and then
        // broken by bytes that end the stream.
        for (int burst = 0; burst < 40; ++burst) {
            QByteArray stream;
            for (int message = 0; message < 8; ++message)
                stream += server.message();
            if (server.below(8) == 0)
                stream.insert(server.below(static_cast<std::uint32_t>(stream.size())), server.garbage());
            const int profile = server.below(4) == 0 ? 1 : 0;
            for (const QByteArray &piece : server.pieces(stream))
                deliver(profile, piece);
            if (server.below(10) == 0)
                lstProfiles_Click(app, app.profile(static_cast<int>(server.below(2))).record().Name);
        }
        EXPECT_EQ(unstoredRows(), QStringList());
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // No reply the client did not ask for changes the saved password.
    EXPECT_EQ(savedPassword(0), QStringLiteral("Secret1"));
    EXPECT_EQ(savedPassword(1), QStringLiteral("Secret1"));
    EXPECT_FALSE(p.test.errorLogText().isEmpty());

    // The program still reads its server and answers it.
    enterChat(false);
    clsDataWriter ping;
    ping.InsertInt32(0x5EED);
    p.server.sendMessage(connection, 0x25, ping);
    EXPECT_TRUE(WaitUntil([&] {
        for (const TestServer::Message &message : p.server.messages(connection)) {
            if (message.id == 0x25 && message.payload == ping.buffer)
                return true;
        }
        return false;
    }));
}

} // namespace
