#include "channel/ChannelUserList.h"
#include "display/modTransparency.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "support/ChannelFixture.h"
#include "support/ConnectedProfileTest.h"
#include "support/InputBoxAnswer.h"
#include "support/ListedUser.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class DisplayOptionsTest : public ChannelFixture {
protected:
    frmPopupMenu &menus = app.popupMenu();
    QString option(const char *key, const QString &profile) const
    {
        return app.settings().ReadProfileSetting(profile, QStringLiteral("Options"), QString::fromLatin1(key));
    }
    QString lastText(int profile = kAlpha) const
    {
        const QStringList lines = test.chatText(profile).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines.isEmpty() ? QString() : lines.last();
    }
};

TEST_F(DisplayOptionsTest, ATogglePairsFlagFileCheckMarkAndLineOfTheDisplayedProfileOnly)
{
    const struct {
        QAction *entry;
        const char *key;
        bool ProfileRecord::*flag;
        const char *onText;
        const char *offText;
    } cases[] = {
        {menus.mnuJoinLeave, "Join/Leave", &ProfileRecord::JoinLeave, "Join leave notifications have been enabled!",
         "Join leave notifications have been turned off."},
        {menus.mnuVoidView, "Void View", &ProfileRecord::VoidView, "Void view has been enabled!",
         "Void view has been turned off."},
        {menus.mnuMilitary, "Military Time", &ProfileRecord::MilitaryTime, "Military time has been enabled!",
         "Military time has been turned off."},
        {menus.mnuLock, "Lock Screen", &ProfileRecord::LockScreen, "Lock screen has been enabled!",
         "Lock screen has been turned off."},
    };
    lstProfiles_Click(app, QStringLiteral("beta"));
    for (const auto &c : cases) {
        const bool alphaBefore = app.profile(kAlpha).record().*c.flag;
        const QString alphaFile = option(c.key, QStringLiteral("alpha"));
        c.entry->trigger();
        EXPECT_TRUE(app.profile(kBeta).record().*c.flag) << c.key;
        EXPECT_TRUE(c.entry->isChecked()) << c.key;
        EXPECT_EQ(option(c.key, QStringLiteral("beta")), QStringLiteral("1"));
        EXPECT_TRUE(lastText(kBeta).endsWith(QString::fromLatin1(c.onText))) << c.key;
        c.entry->trigger();
        EXPECT_FALSE(app.profile(kBeta).record().*c.flag) << c.key;
        EXPECT_FALSE(c.entry->isChecked()) << c.key;
        EXPECT_EQ(option(c.key, QStringLiteral("beta")), QStringLiteral("0"));
        EXPECT_TRUE(lastText(kBeta).endsWith(QString::fromLatin1(c.offText))) << c.key;
        EXPECT_EQ(app.profile(kAlpha).record().*c.flag, alphaBefore) << c.key;
        EXPECT_EQ(option(c.key, QStringLiteral("alpha")), alphaFile) << c.key;
    }
}

TEST_F(DisplayOptionsTest, MilitaryTimeConfirmsInTheNewStampAndTheLockScreenConfirmsBothWays)
{
    menus.mnuMilitary->trigger();
    EXPECT_EQ(lastText(), QStringLiteral("[13:05:09] Military time has been enabled!"));
    menus.mnuLock->trigger();
    app.profile(kAlpha).AddChat({QStringLiteral("held")});
    EXPECT_FALSE(test.chatText(kAlpha).contains(QStringLiteral("held")));
    menus.mnuLock->trigger();
    const QString text = test.chatText(kAlpha);
    EXPECT_TRUE(text.contains(QStringLiteral("[13:05:09] Lock screen has been enabled!")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("[13:05:09] held\n[13:05:09] Lock screen has been turned off.\n")))
        << "what came while locked shows before the unlock is confirmed";
}

TEST_F(DisplayOptionsTest, TransparencyShowsItsLevelAndKeepsTheWindowInSight)
{
    const struct {
        const char *answer;
        const char *shownBefore;
        const char *saved;
        const char *told;
    } cases[] = {
        {"128", "255", "128", nullptr},
        {"0", "128", "51", nullptr},
        {"300", "51", "255", nullptr},
        {" 200 ", "255", "200", nullptr},
        {"half", "200", "200", "'half' is not a level of transparency: type a whole number from 51 (faint) to 255 "
                               "(solid)."},
        {"", "200", "200", nullptr},
    };
    for (const auto &c : cases) {
        InputBoxAnswer answer({QString::fromLatin1(c.answer)});
        const QString linesBefore = test.chatText(kAlpha);
        menus.mnuTransparency->trigger();
        EXPECT_EQ(answer.titles(), QStringList{QStringLiteral("Transparency")});
        EXPECT_TRUE(answer.prompt().contains(QStringLiteral("51"))) << "the prompt says what the numbers mean";
        EXPECT_EQ(answer.defaults(), QStringList{QString::fromLatin1(c.shownBefore)}) << c.answer;
        EXPECT_EQ(option("Transparency", QStringLiteral("alpha")), QString::fromLatin1(c.saved)) << c.answer;
        EXPECT_NEAR(window.windowOpacity(), QString::fromLatin1(c.saved).toInt() / 255.0, 0.01) << c.answer;
        EXPECT_EQ(menus.mnuTransparency->text(), QStringLiteral("Transparency [") + c.saved + "]\tF7");
        if (c.told)
            EXPECT_EQ(lastText().mid(lastText().indexOf(QLatin1String("] ")) + 2), QString::fromLatin1(c.told));
        else
            EXPECT_EQ(test.chatText(kAlpha), linesBefore) << c.answer;
    }
    EXPECT_TRUE(test.errorLogText().isEmpty()) << "nothing typed is a program fault";
}

TEST_F(DisplayOptionsTest, SetTransparencyTellsWhatItDid)
{
    EXPECT_EQ(SetTransparency(window, 100), 0);
    EXPECT_NEAR(window.windowOpacity(), 100 / 255.0, 0.01);
    EXPECT_EQ(SetTransparency(window, 0), 0);
    EXPECT_NEAR(window.windowOpacity(), kLeastOpacity / 255.0, 0.01) << "never fully see-through";
    EXPECT_EQ(SetTransparency(window, 100), 0);
    EXPECT_EQ(SetTransparency(window, 256), 1);
    EXPECT_EQ(SetTransparency(window, -1), 1);
    EXPECT_NEAR(window.windowOpacity(), 100 / 255.0, 0.01);
    EXPECT_EQ(SetTransparency(*window.txtSend, 100), 2);
}

class UserActionsTest : public ConnectedProfileTest<1> {
protected:
    ChannelUserList &list = *app.mainWindow().lstChannelUsers;
    frmPopupMenu &menus = app.popupMenu();
    // The chat line the action sent, or "" when it sent none.
    QString sentBy(QAction *entry)
    {
        const std::size_t before = p.server.messages(connection).size();
        entry->trigger();
        if (!p.server.waitForMessages(connection, before + 1))
            return {};
        const TestServer::Message message = p.server.messages(connection).back();
        EXPECT_EQ(message.id, 0x0E);
        return QString::fromLatin1(message.payload.chopped(1));
    }
};

TEST_F(UserActionsTest, ActionsSendTheirCommandForTheSelectedUserOnly)
{
    ListUser(app, app.CurrentProfile, QStringLiteral("Foo"));
    // With no row selected an action sends nothing: the next line sent is
    // the one after the selection.
    menus.mnuBan->trigger();
    list.setCurrentIndex(list.rowIndex(1));
    const std::pair<QAction *, const char *> cases[] = {
        {menus.mnuDesignate, "/designate Foo"}, {menus.mnuResign, "/resign"},
        {menus.mnuBan, "/ban Foo"},             {menus.mnuUnban, "/unban Foo"},
        {menus.mnuIgnore, "/ignore Foo"},       {menus.mnuUnignore, "/unignore Foo"},
    };
    for (const auto &[entry, line] : cases)
        EXPECT_EQ(sentBy(entry), QString::fromLatin1(line));

    // Diablo II profiles address accounts with a star.
    app.profile(0).record().Product = QStringLiteral("PX2D");
    EXPECT_EQ(sentBy(menus.mnuBan), QStringLiteral("/ban *Foo"));
}

} // namespace
