#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "session/clsConnection.h"
#include "support/TestApp.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

namespace {

TEST(StartUp, WithNoProfilesShowsTheWelcomeLineAndEmptyControls)
{
    TestApp test;
    test.startUp();
    frmMain &window = test.app->mainWindow();
    EXPECT_TRUE(QFileInfo(test.folder() + QStringLiteral("/Profiles")).isDir());
    EXPECT_TRUE(QFileInfo(test.folder() + QStringLiteral("/Schemes")).isDir());
    EXPECT_TRUE(test.chatText(0).contains(QStringLiteral("Welcome to Tarnwell version 1.1.2\n")));
    // A first start says how to begin.
    EXPECT_TRUE(test.chatText(0).endsWith(QStringLiteral("No profiles yet: File > Create a Profile (Ctrl+P).\n")));
    EXPECT_EQ(window.lstProfiles->count(), 0);
    EXPECT_EQ(window.lblProfiles->text(), QString());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarnwell version 1.1.2"));
    EXPECT_EQ(window.trayIcon->toolTip(), QStringLiteral("Tarnwell version 1.1.2"));
    EXPECT_TRUE(test.errorLogText().isEmpty());
    EXPECT_FALSE(test.app->ProfilesLoading);
    // Nothing but the two folders is left behind.
    EXPECT_EQ(QDir(test.folder() + QStringLiteral("/Profiles")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

TEST(StartUp, LoadsProfileFoldersAlphabeticallyIntoSlots)
{
    TestApp test;
    test.writeProfile(QStringLiteral("beta"), "[Login]\nUsername=Bee\nServer=127.0.0.1\n");
    test.writeProfile(QStringLiteral("Alpha"),
                      "[Login]\r\nUsername=Ann\r\nPassword=pw\r\nProduct=RATS\r\nHome=Op Tarn\r\nVerbyte=D3\r\n"
                      "[Ping]\r\nSpoof=0ms\r\nUDP Plug=1\r\n[Registration]\r\nMode=Register\r\nEmail=a@b.c\r\n"
                      "[Options]\r\nJoin/Leave=1\r\nMilitary Time=yes\r\nTransparency=200\r\nEncoding=utf-8\r\n");
    QFile plainFile(test.folder() + QStringLiteral("/Profiles/notes.txt"));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    test.startUp();

    TarnwellApp &app = *test.app;
    frmMain &window = app.mainWindow();
    ASSERT_EQ(window.lstProfiles->count(), 2);
    EXPECT_EQ(window.lstProfiles->item(0)->text(), QStringLiteral("Alpha"));
    EXPECT_EQ(window.lstProfiles->item(1)->text(), QStringLiteral("beta"));
    EXPECT_EQ(window.lstProfiles->item(1)->foreground().color(), QColor(0xBD, 0x3D, 0x3D));
    EXPECT_EQ(window.lblProfiles->text(), QStringLiteral("Alpha"));

    const ProfileRecord &alpha = app.profile(0).record();
    EXPECT_TRUE(alpha.Active);
    EXPECT_EQ(alpha.Username, QStringLiteral("Ann"));
    EXPECT_EQ(alpha.Product, QStringLiteral("RATS"));
    EXPECT_EQ(alpha.Home, QStringLiteral("Op Tarn"));
    EXPECT_EQ(alpha.Spoof, QStringLiteral("0ms"));
    EXPECT_EQ(alpha.UDPPlug, QStringLiteral("1"));
    EXPECT_EQ(alpha.Mode, QStringLiteral("Register"));
    EXPECT_EQ(alpha.Email, QStringLiteral("a@b.c"));
    EXPECT_TRUE(alpha.JoinLeave);
    EXPECT_FALSE(alpha.MilitaryTime) << "only \"1\" switches an option on";
    EXPECT_EQ(alpha.Encoding, WireEncoding::Utf8);
    EXPECT_TRUE(app.popupMenu().mnuJoinLeave->isChecked());
    EXPECT_EQ(app.popupMenu().mnuTransparency->text(), QStringLiteral("Transparency [200]\tF7"));
    EXPECT_NEAR(window.windowOpacity(), 200 / 255.0, 0.01);

    EXPECT_EQ(app.profile(1).record().Username, QStringLiteral("Bee"));
    EXPECT_EQ(app.profile(1).record().Encoding, WireEncoding::Windows1252);
    EXPECT_NE(&app.profile(1).pane(), &app.profile(0).pane());
    EXPECT_TRUE(test.chatText(1).isEmpty());
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

TEST(StartUp, EveryProfileWritesByItsOwnOptionsBeforeItIsShown)
{
    TestApp test;
    test.writeProfile(QStringLiteral("alpha"));
    test.writeProfile(QStringLiteral("beta"), "[Options]\nMilitary Time=1\nJoin/Leave=1\n");
    test.startUp();
    TarnwellApp &app = *test.app;
    EXPECT_TRUE(app.profile(1).record().MilitaryTime);
    EXPECT_TRUE(app.profile(1).record().JoinLeave);
    EXPECT_FALSE(app.profile(0).record().MilitaryTime);
    app.profile(1).AddChat({QStringLiteral("behind")});
    EXPECT_TRUE(test.chatText(1).endsWith(QStringLiteral("[13:05:09] behind\n")));
    EXPECT_EQ(app.mainWindow().lstProfiles->currentRow(), 0) << "the profile on screen is the selected entry";
}

TEST(StartUp, AFailingStepIsReportedAndTheWindowKeepsWhatWasBuilt)
{
    TestApp test;
    test.writeProfile(QStringLiteral("alpha"), "[Font]\nRichTextBox=Tahoma\nListview=Tahoma\nRichTextBox Size=big\n");
    test.startUp();
    EXPECT_EQ(test.app->mainWindow().lstProfiles->count(), 1);
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("Error in: Form_Load() of frmMain")));
}

} // namespace
