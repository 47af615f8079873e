#include "channel/ChannelUserList.h"
#include "commands/frmIdle.h"
#include "filters/clsFilters.h"
#include "filters/frmFilters.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "session/clsConnection.h"
#include "support/ListedUser.h"
#include "support/TestApp.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class ProfileSlotsTest : public ::testing::Test {
protected:
    TestApp test;
    TarnwellApp &app = *test.app;
    frmMain &window = app.mainWindow();

    void SetUp() override
    {
        test.writeProfile(QStringLiteral("alpha"), "[Font]\nRichTextBox=Serif\nListview=Serif\nTextbox=Serif\n"
                                                   "Channel=Serif\nProfile=Serif\n[Size]\nRichTextBox Size=12\n"
                                                   "Listview Size=12\nTextbox Size=12\nChannel Size=12\nProfile Size=12\n");
        test.writeProfile(QStringLiteral("beta"), "[Scheme]\nDefault=Night\n[Options]\nLock Screen=1\n");
        test.writeProfile(QStringLiteral("gamma"));
        QDir(test.folder()).mkpath(QStringLiteral("Schemes"));
        QFile scheme(test.folder() + QStringLiteral("/Schemes/Night.ini"));
        if (scheme.open(QIODevice::WriteOnly))
            scheme.write("[Skin]\nTextbox Forecolor=255\nChannel name=not a number\nRTB Lines=65280\nMenu=16711680\n");
        test.startUp();
    }
    void click(const QString &name) { lstProfiles_Click(app, name); }
};

TEST_F(ProfileSlotsTest, SwitchingShowsTheProfileAndAppliesItsOptionsSchemeAndFonts)
{
    app.profile(1).AddChat({QStringLiteral("for beta")});
    EXPECT_EQ(window.rtbChat->document(), &app.profile(0).pane());
    click(QStringLiteral("beta"));
    EXPECT_EQ(app.CurrentProfile, 1);
    EXPECT_EQ(window.rtbChat->document(), &app.profile(1).pane());
    EXPECT_EQ(window.lblProfiles->text(), QStringLiteral("beta"));
    EXPECT_EQ(window.lblChlInfo->text(), QStringLiteral("Disconnected [0]"));
    EXPECT_TRUE(app.profile(1).record().LockScreen);
    // The scheme's good colours apply; the one that is not a number is skipped.
    EXPECT_EQ(window.txtSend->palette().color(QPalette::Text), QColor(0xFF, 0, 0));
    EXPECT_EQ(window.lblChlInfo->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(window.lineColours.rtb, Rgb(0x00FF00));
    EXPECT_EQ(window.lblFile->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
    // beta has no Font keys: the fonts of alpha stay.
    EXPECT_EQ(window.txtSend->font().family(), QStringLiteral("Serif"));
    EXPECT_EQ(window.txtSend->font().pointSizeF(), 12.0);

    // gamma has no scheme: the colours of beta stay.
    click(QStringLiteral("gamma"));
    EXPECT_EQ(window.lineColours.rtb, Rgb(0x00FF00));
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

TEST_F(ProfileSlotsTest, ClickingTheProfileOnScreenChangesNothing)
{
    ListUser(app, 0, QStringLiteral("someone"));
    window.lstProfiles->item(0)->setForeground(QColor(0x7E, 0xA1, 0xD4));
    click(QStringLiteral("alpha"));
    EXPECT_EQ(window.lstChannelUsers->rowCount(), 1);
    EXPECT_EQ(window.lstProfiles->item(0)->foreground().color(), QColor(0x7E, 0xA1, 0xD4));
}

TEST_F(ProfileSlotsTest, ADeletedProfileGoesWithAllItHeldAndTheOnesAfterItMoveUp)
{
    click(QStringLiteral("gamma"));
    app.profile(2).AddChat({QStringLiteral("gamma's line")});
    app.profile(1).AddChat({QStringLiteral("old text")});
    QFile filters(test.folder() + QStringLiteral("/Profiles/beta/MessageFilters.txt"));
    ASSERT_TRUE(filters.open(QIODevice::WriteOnly));
    filters.write("spam\r\n");
    filters.close();
    app.profile(1).filters().LoadFilters();
    ASSERT_TRUE(app.profile(1).filters().FindFilter(clsFilters::kMessages, QStringLiteral("spam here")));
    ListUser(app, 1, QStringLiteral("someone"));
    app.slot(1).history().add(QStringLiteral("a line sent before"));
    UnloadControl(app, 1);
    ASSERT_EQ(app.slotCount(), 2);
    EXPECT_EQ(app.profile(1).record().Name, QStringLiteral("gamma"));
    EXPECT_TRUE(test.chatText(1).contains(QStringLiteral("gamma's line"))) << "its pane moved with it";
    EXPECT_EQ(app.current().record().Name, QStringLiteral("gamma")) << "the profile on screen stays";
    EXPECT_EQ(window.rtbChat->document(), &app.profile(1).pane());

    test.writeProfile(QStringLiteral("delta"));
    EXPECT_EQ(LoadControl(app, app.slotCount(), QStringLiteral("delta"), false), 2);
    EXPECT_EQ(app.profile(2).record().Name, QStringLiteral("delta"));
    EXPECT_TRUE(test.chatText(2).isEmpty());
    EXPECT_FALSE(app.slot(2).history().older({}).has_value()) << "the lines sent are not the new profile's";
    // The deleted profile's filters and channel list are not the new one's.
    EXPECT_FALSE(app.profile(2).filters().FindFilter(clsFilters::kMessages, QStringLiteral("spam here")));
    EXPECT_EQ(app.profile(2).bncs().rows().count(), 0);
    EXPECT_NE(&app.profile(2).pane(), &app.profile(1).pane());
}

TEST_F(ProfileSlotsTest, AWindowOpenedOnAProfileKeepsServingItWhenAProfileBeforeItIsDeleted)
{
    click(QStringLiteral("gamma"));
    frmPopupMenu &menus = app.popupMenu();
    menus.mnuIdle->trigger();
    menus.mnuFilters->trigger();
    UnloadControl(app, 1);
    ASSERT_EQ(app.profile(1).record().Name, QStringLiteral("gamma"));

    frmIdle &idle = menus.idleWindow();
    idle.txtMessage->setText(QStringLiteral("gamma is away"));
    idle.cmdSave->click();
    EXPECT_EQ(app.profile(1).record().IdleMessage, QStringLiteral("gamma is away")) << "applied to the profile it was opened on";
    frmFilters &filters = menus.filtersWindow();
    filters.txtAdd->setText(QStringLiteral("spam"));
    filters.cmdAddMessage->click();
    filters.close();
    EXPECT_TRUE(app.profile(1).filters().FindFilter(clsFilters::kMessages, QStringLiteral("spam here")));
    EXPECT_TRUE(test.errorLogText().isEmpty()) << test.errorLogText().toStdString();
}

TEST_F(ProfileSlotsTest, ProfileColorFindsTheEntryByPositionOrIndexAndReportsAMissingOne)
{
    qint16 position = 2;
    ProfileColor(app, position, true, true);
    EXPECT_EQ(position, 1);
    EXPECT_EQ(window.lstProfiles->item(1)->foreground().color(), QColor(0x7E, 0xA1, 0xD4));
    qint16 index = 1;
    ProfileColor(app, index, false, false);
    EXPECT_EQ(window.lstProfiles->item(1)->foreground().color(), QColor(0xBD, 0x3D, 0x3D));

    qint16 missing = 9;
    ProfileColor(app, missing, false, false);
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("Error in: ProfileColor of modProfiles")));
}

TEST_F(ProfileSlotsTest, AnOpacityThatIsNotANumberIsReportedAndChangesNothing)
{
    app.settings().WriteProfileSetting(QStringLiteral("gamma"), QStringLiteral("Options"),
                                       QStringLiteral("Transparency"), QStringLiteral("half"));
    click(QStringLiteral("gamma"));
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("13 - Type mismatch")));
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("Error in: LoadOptions of modProfiles")));
    EXPECT_EQ(window.windowOpacity(), 1.0);
}

} // namespace
