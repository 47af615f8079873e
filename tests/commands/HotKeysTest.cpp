#include "channel/ChannelUserList.h"
#include "profiles/frmMain.h"
#include "support/TestApp.h"

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

TEST_F(HotKeysTest, F5ClearsOnlyTheCurrentPane)
{
    test.app->growSlots(2);
    test.app->createControlSet(1);
    test.app->AddChat(1, {QStringLiteral("stays")});
    window.lstProfiles->setFocus();
    press(Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_TRUE(test.chatText(0).isEmpty());
    EXPECT_EQ(test.chatText(1).count(QStringLiteral("stays")), 1);
}

} // namespace
