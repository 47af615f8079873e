#include "channel/ChannelUserList.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "support/InputBoxAnswer.h"
#include "support/TestApp.h"

#include <QAction>
#include <QLabel>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class HotKeysTest : public ::testing::Test {
protected:
    TestApp test;
    frmMain &window = test.app->mainWindow();
    int runs = 0;

    void SetUp() override
    {
        test.writeProfile(QStringLiteral("alpha"));
        test.startUp();
        window.showForTyping();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.hotKeys.setAction(HotKey::CtrlI, [this] { ++runs; });
    }
    // A key press as the window system delivers it: to the window, which
    // hands it to the focused control.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.windowHandle(), static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_F(HotKeysTest, AShortcutRunsOnceWhereverTheKeyboardIs)
{
    for (QWidget *place : std::initializer_list<QWidget *>{window.txtSend, window.lstChannelUsers, window.lstProfiles,
                                                           window.rtbChat, &window}) {
        place->setFocus();
        runs = 0;
        press(Qt::Key_I, Qt::ControlModifier);
        EXPECT_EQ(runs, 1) << place->objectName().toStdString();
    }
}

TEST_F(HotKeysTest, LettersNeedControlAndTypingStillReachesTheInputBox)
{
    window.txtSend->setFocus();
    press(Qt::Key_I);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(window.txtSend->text(), QStringLiteral("i"));
}

TEST_F(HotKeysTest, MenuKeysDoWhatTheirEntriesDo)
{
    TarnwellApp &app = *test.app;
    window.txtSend->setFocus();
    {
        InputBoxAnswer answer({QStringLiteral("beta")});
        press(Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(answer.prompts(), QStringList{QStringLiteral("What profile do you wish to create?")});
        EXPECT_EQ(window.lstProfiles->count(), 2);
    }
    press(Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(app.configuration().isVisible());
    app.configuration().close();
    window.showForTyping();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    press(Qt::Key_F4);
    EXPECT_TRUE(app.current().record().JoinLeave);
    press(Qt::Key_F6);
    EXPECT_TRUE(app.current().record().LockScreen);
    {
        InputBoxAnswer answer({QStringLiteral("200")});
        press(Qt::Key_F7);
        EXPECT_EQ(answer.titles(), QStringList{QStringLiteral("Transparency")});
    }
    EXPECT_NEAR(window.windowOpacity(), 200 / 255.0, 0.01);
}

TEST_F(HotKeysTest, F8HidesTheProfileListAndBringsItBack)
{
    const QAction &entry = *test.app->popupMenu().mnuShowProfiles;
    const int fullWidth = window.width();
    press(Qt::Key_F8);
    EXPECT_FALSE(window.lstProfiles->isVisible());
    EXPECT_EQ(entry.text(), QStringLiteral("Show Profiles\tF8"));
    EXPECT_EQ(window.rtbChat->geometry(), QRect(window.twips(130), window.twips(735), window.twips(8630),
                                                window.twips(5510)));
    EXPECT_EQ(window.width(), window.twips(12270));

    press(Qt::Key_F8);
    EXPECT_TRUE(window.lstProfiles->isVisible());
    EXPECT_EQ(entry.text(), QStringLiteral("Hide Profiles\tF8"));
    EXPECT_EQ(window.rtbChat->x(), window.twips(2535));
    EXPECT_EQ(window.rtbChat->width(), window.twips(6950));
    EXPECT_EQ(window.lblAbout->x(), window.twips(8760));
    EXPECT_LE(std::abs(window.width() - fullWidth), window.twips(30));
}

TEST_F(HotKeysTest, F5ClearsOnlyTheCurrentPane)
{
    test.app->growSlots(2);
    test.app->createControlSet(1);
    test.app->profile(1).AddChat({QStringLiteral("stays")});
    window.lstProfiles->setFocus();
    press(Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_TRUE(test.chatText(0).isEmpty());
    EXPECT_EQ(test.chatText(1).count(QStringLiteral("stays")), 1);
}

} // namespace
