#include "channel/ChannelUserList.h"
#include "channel/clsUsers.h"
#include "commands/InternalCommands.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "session/clsConnection.h"
#include "support/InputBoxAnswer.h"
#include "support/LogonSession.h"
#include "support/MessageBoxAnswer.h"
#include "support/ServerProgram.h"
#include "support/WaitUntil.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

QStringList entryTexts(const TarnwellApp &app)
{
    QStringList texts;
    const QListWidget &list = *app.mainWindow().lstProfiles;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

void create(TarnwellApp &app, const QString &name)
{
    InputBoxAnswer answer({name});
    app.popupMenu().mnuCreateProfile->trigger();
}

// Opens the configuration dialog on the profile's entry, as a double click does.
frmConfiguration &configure(TarnwellApp &app, const QString &name)
{
    QListWidget &list = *app.mainWindow().lstProfiles;
    list.setCurrentItem(list.findItems(name, Qt::MatchExactly).first());
    frmConfiguration &dialog = app.configuration();
    dialog.open();
    return dialog;
}

void remove(TarnwellApp &app, const QString &name)
{
    MessageBoxAnswer ok(QMessageBox::Ok);
    configure(app, name).cmdDelete_Click();
}

QString programFile(const TestApp &test, const QString &path)
{
    return test.folder() + QLatin1Char('/') + path;
}

const QString kNextSteps = QStringLiteral("Configure it with File > Configuration (Ctrl+G), then connect with F2.");
const QString kFirstStartHint = QStringLiteral("No profiles yet: File > Create a Profile (Ctrl+P).");

TEST(ProfileManagement, ANewProfileComesOnScreenToldHowToGoOn)
{
    TestApp test;
    test.startUp();
    TarnwellApp &app = *test.app;
    frmMain &window = app.mainWindow();
    ASSERT_TRUE(test.chatText(0).contains(kFirstStartHint));
    const struct {
        const char *name;
        int slot;
    } cases[] = {{"alpha", 0}, {"beta", 1}};
    for (const auto &c : cases) {
        create(app, QString::fromLatin1(c.name));
        EXPECT_EQ(app.CurrentProfile, c.slot) << c.name;
        EXPECT_EQ(window.rtbChat->document(), &app.profile(c.slot).pane()) << c.name;
        EXPECT_EQ(window.lblProfiles->text(), QString::fromLatin1(c.name));
        EXPECT_EQ(window.lstProfiles->currentItem()->text(), QString::fromLatin1(c.name));
        EXPECT_TRUE(test.chatText(c.slot).endsWith(kNextSteps + QLatin1Char('\n'))) << c.name;
        EXPECT_FALSE(test.chatText(c.slot).contains(kFirstStartHint)) << c.name;
        app.popupMenu().mnuConfig->trigger();
        EXPECT_EQ(app.configuration().windowTitle(), QStringLiteral("Configuring \"") + c.name + '"');
        app.configuration().close();
    }
    EXPECT_TRUE(test.chatText(0).contains(QStringLiteral("Welcome to"))) << "the welcome line stays";
}

TEST(ProfileManagement, AfterDeletingTheProfileOnScreenANeighbourIsWholeOnScreen)
{
    ServerProgram p;
    p.startUp(3);
    TarnwellApp &app = p.app();
    frmMain &window = app.mainWindow();
    const int connection = p.connect(2);
    ASSERT_GE(connection, 0);
    lstProfiles_Click(app, QStringLiteral("Profile1"));
    // The profiles after a deleted one move up a place.
    const struct {
        const char *deleted;
        int shown;
        const char *name;
        bool connected;
    } cases[] = {
        {"Profile1", 1, "Profile2", true}, // the one that took its row
        {"Profile2", 0, "Profile0", false}, // from the last row: the one before
    };
    for (const auto &c : cases) {
        remove(app, QString::fromLatin1(c.deleted));
        EXPECT_EQ(app.CurrentProfile, c.shown) << c.deleted;
        EXPECT_EQ(window.lstProfiles->currentItem()->text(), QString::fromLatin1(c.name));
        EXPECT_EQ(window.lblProfiles->text(), QString::fromLatin1(c.name));
        EXPECT_EQ(window.rtbChat->document(), &app.profile(c.shown).pane()) << c.deleted;
        if (c.connected) {
            // A line typed now goes to the profile on screen, which is connected.
            InternalCommands(app, QStringLiteral("hello"));
            ASSERT_TRUE(p.server.waitForMessages(connection, 3));
            EXPECT_EQ(p.server.messages(connection).back().id, 0x0E);
        }
    }
    remove(app, QStringLiteral("Profile0"));
    EXPECT_TRUE(entryTexts(app).isEmpty());
    EXPECT_TRUE(window.lblProfiles->text().isEmpty());
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Disconnected [0]"));
    EXPECT_EQ(window.rtbChat->document(), &app.current().pane());
    EXPECT_EQ(p.chatLines(app.CurrentProfile), QStringList{kFirstStartHint});
    EXPECT_TRUE(p.test.errorLogText().isEmpty());
}

TEST(ProfileManagement, ADeletedProfileIsGoneFromConnectAllAndTheNextOneCreatedIsNew)
{
    ServerProgram p;
    p.startUp(3);
    TarnwellApp &app = p.app();
    app.profile(1).AddChat({QStringLiteral("old text")});
    remove(app, QStringLiteral("Profile1"));
    EXPECT_FALSE(QFileInfo::exists(programFile(p.test, QStringLiteral("Profiles/Profile1"))));
    EXPECT_EQ(entryTexts(app), (QStringList{QStringLiteral("Profile0"), QStringLiteral("Profile2")}));
    ASSERT_EQ(app.slotCount(), 2);
    EXPECT_EQ(app.profile(1).record().Name, QStringLiteral("Profile2"));

    app.popupMenu().mnuConnectall->trigger();
    ASSERT_TRUE(p.server.waitForConnections(2));
    ASSERT_TRUE(WaitUntil([&] { return app.isConnected(0) && app.isConnected(1); }));
    EXPECT_EQ(p.server.connectionCount(), 2);

    create(app, QStringLiteral("Fresh"));
    ASSERT_EQ(app.slotCount(), 3);
    EXPECT_EQ(app.profile(2).record().Name, QStringLiteral("Fresh"));
    EXPECT_TRUE(app.profile(2).record().Active);
    EXPECT_EQ(p.chatLines(2), QStringList{kNextSteps}) << "nothing of the deleted profile's pane is left";
    EXPECT_EQ(entryTexts(app).last(), QStringLiteral("Fresh"));
    EXPECT_EQ(app.mainWindow().lstProfiles->item(2)->foreground().color(), QColor(0xBD, 0x3D, 0x3D));
    EXPECT_EQ(app.settings().ReadProfileSetting(QStringLiteral("Fresh"), QStringLiteral("Font"),
                                                QStringLiteral("RichTextBox")),
              QStringLiteral("Tahoma"));
    EXPECT_FALSE(app.isConnected(2)) << "a new profile is not connected";
}

TEST(ProfileManagement, AProfileMadeAfterTheLastWasDeletedInheritsNothingOfIt)
{
    ProgramLogonSession session(2);
    TarnwellApp &app = session.profiles.app();
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x53));
    {
        clsConnection &connection = app.profile(0).connection();
        ASSERT_NE(connection.srp().context, nullptr);
        ProfileRecord &old = app.profile(0).record();
        app.profile(0).state().ReconnectPending = true;
        app.profile(0).state().AccountName = QStringLiteral("probeA");
        app.profile(0).state().UniqueName = QStringLiteral("probeA#2");
        app.profile(0).state().EnterChatTick = 777;
        app.profile(0).state().CurrentChannel = QStringLiteral("Op Tarn");
        app.profile(0).state().Statstring = QStringLiteral("RATS 0 0");
        app.profile(0).state().OwnPing = 99;
        app.profile(0).users().AddUser(QStringLiteral("Someone"), 10, 0, QStringLiteral("RATS"), 1);
        connection.receiver().DataArrival(QByteArray("\xFF\x0F\x40\x00", 4));
        old.Spoof = QStringLiteral("Custom");
        old.CustomPing = QStringLiteral("60000");
        connection.SendFirstPing();
        ASSERT_TRUE(connection.customPingHold().isHolding());
    }
    remove(app, QStringLiteral("Profile0"));
    EXPECT_TRUE(session.waitForClose());
    create(app, QStringLiteral("Fresh"));

    const ProfileRecord &fresh = app.profile(0).record();
    clsConnection &connection = app.profile(0).connection();
    EXPECT_EQ(fresh.Name, QStringLiteral("Fresh"));
    EXPECT_TRUE(fresh.Active);
    EXPECT_FALSE(app.profile(0).state().ReconnectPending);
    EXPECT_FALSE(connection.customPingHold().isHolding());
    EXPECT_EQ(connection.customPingHold().waitingCount(), 0u);
    EXPECT_EQ(connection.receiver().bufferedBytes(), 0);
    EXPECT_EQ(app.profile(0).users().UserlistCount(), 0);
    EXPECT_EQ(connection.srp().context, nullptr);
    EXPECT_TRUE(app.profile(0).state().AccountName.isEmpty());
    EXPECT_TRUE(app.profile(0).state().UniqueName.isEmpty());
    EXPECT_EQ(app.profile(0).state().EnterChatTick, 0u);
    EXPECT_TRUE(app.profile(0).state().CurrentChannel.isEmpty());
    EXPECT_TRUE(app.profile(0).state().Statstring.isEmpty());
    EXPECT_EQ(app.profile(0).state().OwnPing, 0);
    EXPECT_TRUE(fresh.Spoof.isEmpty());
    EXPECT_EQ(app.profile(0).logon().ServerToken, 0u);
    EXPECT_EQ(app.mainWindow().lblProfiles->text(), QStringLiteral("Fresh"));
}

TEST(ProfileManagement, NamesInUseOrNotOneFolderAreRefusedAndNothingIsCreated)
{
    TestApp test;
    test.writeProfile(QStringLiteral("alpha"));
    test.startUp();
    TarnwellApp &app = *test.app;
    const struct {
        const char *name;
        const char *message;
    } cases[] = {
        {"ALPHA", "That profile already exists!"},
        {"../escape", "A profile name cannot contain"},
        {"a/b", "A profile name cannot contain"},
        {"a\\b", "A profile name cannot contain"},
        {".", "A profile name cannot contain"},
        {"..", "A profile name cannot contain"},
        {"tab\there", "A profile name cannot contain"},
    };
    for (const auto &c : cases) {
        MessageBoxAnswer ok;
        create(app, QString::fromLatin1(c.name));
        EXPECT_TRUE(ok.text().startsWith(QString::fromLatin1(c.message))) << c.name;
        EXPECT_EQ(ok.title(), QStringLiteral("Tarnwell"));
    }
    create(app, QString());
    EXPECT_EQ(entryTexts(app), QStringList{QStringLiteral("alpha")});
    EXPECT_EQ(QDir(programFile(test, QStringLiteral("Profiles"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("alpha")});
    EXPECT_EQ(QDir(test.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Profiles"), QStringLiteral("Schemes")}));
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

TEST(ProfileManagement, RenameRefusesACaseOnlyChangeAndMovesFolderEntryAndRecord)
{
    TestApp test;
    test.writeProfile(QStringLiteral("alpha"), "[Login]\nUsername=Ann\n");
    test.writeProfile(QStringLiteral("beta"));
    test.startUp();
    TarnwellApp &app = *test.app;
    frmConfiguration &dialog = configure(app, QStringLiteral("alpha"));
    {
        MessageBoxAnswer ok;
        InputBoxAnswer answer({QStringLiteral("ALPHA")});
        dialog.cmdRename_Click();
        EXPECT_EQ(ok.text(), QStringLiteral("That profile already exists!"));
        EXPECT_EQ(answer.prompts(), QStringList{QStringLiteral("What do you wish to rename this profile?")});
    }
    EXPECT_TRUE(QFileInfo(programFile(test, QStringLiteral("Profiles/alpha"))).isDir());

    InputBoxAnswer answer({QStringLiteral("gamma")});
    dialog.cmdRename_Click();
    EXPECT_FALSE(QFileInfo::exists(programFile(test, QStringLiteral("Profiles/alpha"))));
    EXPECT_EQ(app.settings().ReadProfileSetting(QStringLiteral("gamma"), QStringLiteral("Login"),
                                                QStringLiteral("Username")),
              QStringLiteral("Ann"));
    EXPECT_EQ(entryTexts(app), (QStringList{QStringLiteral("gamma"), QStringLiteral("beta")}));
    EXPECT_EQ(app.profile(0).record().Name, QStringLiteral("gamma"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Configuring \"gamma\""));
    EXPECT_EQ(app.mainWindow().lblProfiles->text(), QStringLiteral("gamma"));
}

TEST(ProfileManagement, DeletingNeverFollowsALinkOutOfTheProfileFolder)
{
    TestApp test;
    test.writeProfile(QStringLiteral("alpha"));
    test.writeProfile(QStringLiteral("linked"));
    const QString outside = programFile(test, QStringLiteral("outside"));
    QDir().mkpath(outside + QStringLiteral("/inner"));
    QFile kept(outside + QStringLiteral("/keep.txt"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.close();
    const QString alpha = programFile(test, QStringLiteral("Profiles/alpha"));
    ASSERT_TRUE(QFile::link(outside, alpha + QStringLiteral("/folder link")));
    ASSERT_TRUE(QFile::link(outside + QStringLiteral("/keep.txt"), alpha + QStringLiteral("/file link")));
    QDir().mkpath(alpha + QStringLiteral("/sub/.hidden"));
    QFile readOnly(alpha + QStringLiteral("/sub/read-only.txt"));
    ASSERT_TRUE(readOnly.open(QIODevice::WriteOnly));
    readOnly.close();
    readOnly.setPermissions(QFileDevice::ReadOwner);
    // A profile folder that is itself a link loses the link only.
    const QString linkedFolder = programFile(test, QStringLiteral("Profiles/linked"));
    QDir(linkedFolder).removeRecursively();
    ASSERT_TRUE(QFile::link(outside + QStringLiteral("/inner"), linkedFolder));
    test.startUp();

    remove(*test.app, QStringLiteral("alpha"));
    remove(*test.app, QStringLiteral("linked"));
    EXPECT_FALSE(QFileInfo::exists(alpha));
    EXPECT_FALSE(QFileInfo(linkedFolder).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(outside + QStringLiteral("/keep.txt")));
    EXPECT_TRUE(QFileInfo(outside + QStringLiteral("/inner")).isDir());
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

} // namespace
