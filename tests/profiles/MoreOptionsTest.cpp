#include "profiles/MoreOptionsGroup.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "support/QtPrinting.h"
#include "support/TestApp.h"

#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
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
    test.writeProfile(QStringLiteral("alpha"), "[Options]\nLog Chat=1\n");
    test.writeProfile(QStringLiteral("beta"), "[Login]\nUsername=Bee\n");
    test.startUp();

    MoreOptionsGroup *group = &openFor(0);
    EXPECT_TRUE(group->chkLogChat->isChecked());
    EXPECT_FALSE(group->chkReconnectAfterClose->isChecked());
    group->chkLogChat->setChecked(false);
    group->chkReconnectAfterClose->setChecked(true);
    app.configuration().cmdSave->click();
    EXPECT_EQ(option(QStringLiteral("alpha"), "Log Chat"), QStringLiteral("0"));
    EXPECT_EQ(option(QStringLiteral("alpha"), "Reconnect After Close"), QStringLiteral("1"));
    EXPECT_FALSE(app.record(0).LogChat);
    EXPECT_TRUE(app.record(0).ReconnectAfterClose);

    // Another profile's dialog does not keep the first one's ticks.
    group = &openFor(1);
    EXPECT_FALSE(group->chkReconnectAfterClose->isChecked());
    app.configuration().cmdCancel->click();
    EXPECT_TRUE(option(QStringLiteral("beta"), "Reconnect After Close").isEmpty());
}

} // namespace
