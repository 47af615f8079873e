#include "display/Notifications.h"
#include "profiles/MoreOptionsGroup.h"
#include "profiles/ProgramSettings.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "support/QtPrinting.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

class MoreOptionsTest : public ::testing::Test {
protected:
    TestApp test;
    TarnwellApp &app = *test.app;

    MoreOptionsGroup &openFor(int row)
    {
        app.mainWindow().lstProfiles->setCurrentRow(row);
        app.popupMenu().mnuConfig->trigger();
        return *app.configuration().findChild<MoreOptionsGroup *>();
    }
    QString option(const QString &profile, const char *key) const
    {
        return app.settings().ReadProfileSetting(profile, QStringLiteral("Options"), QString::fromLatin1(key));
    }
};

TEST_F(MoreOptionsTest, TheDialogShowsTheStoredOptionsAndSavesThemIntoTheRecord)
{
    test.writeProfile(QStringLiteral("alpha"), "[Options]\nLog Chat=1\nEncoding=utf-8\n");
    test.writeProfile(QStringLiteral("beta"), "[Login]\nUsername=Bee\n");
    test.startUp();

    MoreOptionsGroup *group = &openFor(0);
    EXPECT_TRUE(group->chkLogChat->isChecked());
    EXPECT_FALSE(group->chkReconnectAfterClose->isChecked());
    EXPECT_EQ(group->cboEncoding->currentText(), QStringLiteral("UTF-8"));
    EXPECT_EQ(app.profile(0).record().Encoding, WireEncoding::Utf8);
    group->cboEncoding->setCurrentText(QStringLiteral("Windows-1252"));
    group->chkLogChat->setChecked(false);
    group->chkReconnectAfterClose->setChecked(true);
    app.configuration().cmdSave->click();
    EXPECT_EQ(option(QStringLiteral("alpha"), "Log Chat"), QStringLiteral("0"));
    EXPECT_EQ(option(QStringLiteral("alpha"), "Reconnect After Close"), QStringLiteral("1"));
    EXPECT_FALSE(app.profile(0).record().LogChat);
    EXPECT_TRUE(app.profile(0).record().ReconnectAfterClose);
    EXPECT_EQ(option(QStringLiteral("alpha"), "Encoding"), QStringLiteral("Windows-1252"));
    EXPECT_EQ(app.profile(0).record().Encoding, WireEncoding::Windows1252);

    // Another profile's dialog does not keep the first one's ticks.
    group = &openFor(1);
    EXPECT_FALSE(group->chkReconnectAfterClose->isChecked());
    EXPECT_EQ(group->cboEncoding->currentText(), QStringLiteral("Windows-1252"));
    app.configuration().cmdCancel->click();
    EXPECT_TRUE(option(QStringLiteral("beta"), "Reconnect After Close").isEmpty());
}

TEST_F(MoreOptionsTest, AFloodQuotaThatIsNotAWholeNumberInRangeReadsAsTheDefault)
{
    test.writeProfile(QStringLiteral("alpha"), "[Options]\nFlood Lines=0\nFlood Seconds=7\n"
                                               "Flood Characters=x\nMax Line Bytes=0\n");
    test.writeProfile(QStringLiteral("beta"), "[Options]\nFlood Guard=0\nMax Line Bytes=255\n");
    test.startUp();
    const FloodQuota &quota = app.profile(0).record().Flood;
    EXPECT_TRUE(quota.on) << "on without the key: servers kick what talks too fast";
    EXPECT_FALSE(app.profile(1).record().Flood.on);
    EXPECT_EQ(app.profile(0).record().MaxLineBytes, 160);
    EXPECT_EQ(app.profile(1).record().MaxLineBytes, 255);
    EXPECT_EQ(quota.lines, 4);
    EXPECT_EQ(quota.seconds, 7);
    EXPECT_EQ(quota.characters, 40);

    MoreOptionsGroup &group = openFor(0);
    EXPECT_TRUE(group.chkNotifications->isChecked()) << "on without the key";
    group.spnFloodLines->setValue(3);
    group.chkNotifications->setChecked(false);
    app.configuration().cmdSave->click();
    EXPECT_EQ(option(QStringLiteral("alpha"), "Flood Lines"), QStringLiteral("3"));
    EXPECT_EQ(app.profile(0).record().Flood.lines, 3);
    EXPECT_EQ(ProgramSettings::read(app.settings(), QStringLiteral("Options"), QStringLiteral("Notifications")),
              QStringLiteral("0"));
    EXPECT_FALSE(app.notifications().enabled());
}

} // namespace
