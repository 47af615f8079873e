#include "appearance/Appearance.h"
#include "appearance/frmColorPicker.h"
#include "appearance/frmFont.h"
#include "appearance/frmSkins.h"
#include "channel/ChannelUserList.h"
#include "channel/ChatEvent.h"
#include "commands/frmIdle.h"
#include "display/modOutput.h"
#include "filters/frmFilters.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "session/frmProfile.h"
#include "support/ChannelFixture.h"
#include "support/MessageBoxAnswer.h"
#include "support/WaitUntil.h"
#include "update/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace ChatEventId;

class KeyboardTest : public ChannelFixture {
protected:
    frmPopupMenu &menus = app.popupMenu();

    void SetUp() override
    {
        window.showForTyping();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void type(const QString &text) const
    {
        for (const QChar ch : text)
            QTest::keyClick(window.windowHandle(), ch.toLatin1());
    }
};

TEST_F(KeyboardTest, ClicksLeaveTheKeyboardInTheInputBoxAndTypedKeysFindIt)
{
    event(ShowUser, 0, 10, "Bob", kStarcraftStats);
    app.profile(kAlpha).AddChat({QStringLiteral("some chat")});
    const struct {
        const char *what;
        QWidget *viewport;
        QPoint at;
    } clicks[] = {
        {"user list", list.viewport(), list.visualRect(list.rowIndex(1)).center()},
        {"chat pane", window.rtbChat->viewport(), QPoint(8, 8)},
        {"profile list", window.lstProfiles->viewport(),
         window.lstProfiles->visualItemRect(window.lstProfiles->item(1)).center()},
    };
    for (const auto &c : clicks) {
        window.txtSend->clear();
        QTest::mouseClick(c.viewport, Qt::LeftButton, {}, c.at);
        EXPECT_EQ(QApplication::focusWidget(), window.txtSend) << c.what;
        type(QStringLiteral("hi there"));
        EXPECT_EQ(window.txtSend->text(), QStringLiteral("hi there")) << c.what;
    }
    EXPECT_EQ(app.CurrentProfile, kBeta) << "the profile list's click still switched";
}

TEST_F(KeyboardTest, AListWithTheKeyboardKeepsItsOwnKeysAndPassesTypingOn)
{
    window.lstProfiles->setCurrentRow(0);
    window.lstProfiles->setFocus();
    QTest::keyClick(window.windowHandle(), Qt::Key_Down);
    EXPECT_EQ(window.lstProfiles->currentRow(), 1) << "arrows move the selection";
    QTest::keyClick(window.windowHandle(), Qt::Key_Home);
    EXPECT_EQ(window.lstProfiles->currentRow(), 0);
    EXPECT_TRUE(window.txtSend->text().isEmpty());
    type(QStringLiteral("b"));
    EXPECT_EQ(window.txtSend->text(), QStringLiteral("b"));
    EXPECT_EQ(window.lstProfiles->currentRow(), 0) << "a letter is typing, not the list's type-ahead";
    EXPECT_EQ(QApplication::focusWidget(), window.txtSend);
}

TEST_F(KeyboardTest, PageKeysScrollTheChatPaneFromTheInputBox)
{
    for (int n = 0; n < 200; ++n)
        app.profile(kAlpha).AddChat({QStringLiteral("line ") + QString::number(n)});
    QScrollBar &bar = *window.rtbChat->verticalScrollBar();
    ASSERT_TRUE(WaitUntil([&] { return bar.maximum() > 0 && bar.value() == bar.maximum(); }));
    QTest::keyClick(window.windowHandle(), Qt::Key_PageUp);
    EXPECT_LT(bar.value(), bar.maximum());
    QTest::keyClick(window.windowHandle(), Qt::Key_PageDown);
    EXPECT_EQ(bar.value(), bar.maximum());
    EXPECT_EQ(QApplication::focusWidget(), window.txtSend);
}

TEST_F(KeyboardTest, CopyTakesTheChatPanesSelectionWhenTheInputBoxHasNone)
{
    app.profile(kAlpha).AddChat({QStringLiteral("copy me")});
    QTextCursor selection = window.rtbChat->textCursor();
    selection.movePosition(QTextCursor::End);
    selection.movePosition(QTextCursor::PreviousBlock);
    selection.movePosition(QTextCursor::EndOfBlock);
    selection.movePosition(QTextCursor::PreviousWord, QTextCursor::KeepAnchor, 2);
    window.rtbChat->setTextCursor(selection);
    QApplication::clipboard()->clear();
    QTest::keyClick(window.windowHandle(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("copy me"));
}

TEST_F(KeyboardTest, AltAndTheUnderlinedLetterOpenEachMenu)
{
    const struct {
        Qt::Key key;
        QMenu *menu;
    } cases[] = {
        {Qt::Key_F, menus.mnuFile},
        {Qt::Key_C, menus.mnuConnection},
        {Qt::Key_O, menus.mnuOptions},
        {Qt::Key_W, menus.mnuWindow},
    };
    for (const auto &c : cases) {
        QTest::keyClick(window.windowHandle(), c.key, Qt::AltModifier);
        EXPECT_TRUE(c.menu->isVisible()) << c.menu->objectName().toStdString();
        c.menu->hide();
    }
    QTest::keyClick(window.windowHandle(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(app.aboutWindow().isVisible());
    EXPECT_TRUE(window.txtSend->text().isEmpty()) << "no letter was typed";
    QStringList about;
    for (const QLabel *label : app.aboutWindow().findChildren<QLabel *>())
        about << label->text();
    EXPECT_TRUE(about.contains(GetVersion())) << "the about window says which version this is";
}

TEST_F(KeyboardTest, FileExitAsksTheExitQuestion)
{
    QSignalSpy exited(&window, &frmMain::exitConfirmed);
    QAction *exitEntry = menus.mnuFile->findChild<QAction *>(QStringLiteral("mnuExit"));
    ASSERT_NE(exitEntry, nullptr);
    {
        MessageBoxAnswer cancel(QMessageBox::Cancel);
        exitEntry->trigger();
        EXPECT_EQ(cancel.title(), QStringLiteral("Exit Tarnwell"));
        EXPECT_EQ(cancel.text(), QStringLiteral("Are you sure you wish to exit Tarnwell?"));
    }
    EXPECT_EQ(exited.count(), 0);
    MessageBoxAnswer ok(QMessageBox::Ok);
    exitEntry->trigger();
    EXPECT_EQ(exited.count(), 1);
}

// Every tool window, as its menu entry or command opens it.
struct ToolWindow {
    const char *name;
    std::function<void()> open;
    std::function<QWidget &()> window;
};

TEST_F(KeyboardTest, ToolWindowsOpenOverTheMainWindowFitTheScreenAndCloseOnEscape)
{
    Appearance &appearance = app.appearance();
    const ToolWindow cases[] = {
        {"configuration", [&] { menus.mnuConfig->trigger(); }, [&]() -> QWidget & { return app.configuration(); }},
        {"schemes", [&] { menus.mnuColorSchemes->trigger(); }, [&]() -> QWidget & { return appearance.skins(); }},
        {"fonts", [&] { menus.mnuFont->trigger(); }, [&]() -> QWidget & { return appearance.fonts(); }},
        {"filters", [&] { menus.mnuFilters->trigger(); }, [&]() -> QWidget & { return menus.filtersWindow(); }},
        {"idle", [&] { menus.mnuIdle->trigger(); }, [&]() -> QWidget & { return menus.idleWindow(); }},
        {"about", [&] { QTest::keyClick(window.windowHandle(), Qt::Key_A, Qt::AltModifier); },
         [&]() -> QWidget & { return app.aboutWindow(); }},
        {"profile", [&] {
             window.txtSend->setText(QStringLiteral("/profile Bob"));
             QTest::keyClick(window.txtSend, Qt::Key_Return);
         },
         [&]() -> QWidget & { return app.profileWindow(); }},
    };
    const QRect room = window.screen()->availableGeometry();
    const QPoint middle = window.frameGeometry().center();
    for (const ToolWindow &c : cases) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        c.open();
        QWidget &tool = c.window();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&tool)) << c.name;
        EXPECT_EQ(tool.windowHandle()->transientParent(), window.windowHandle()) << c.name;
        const QRect at = tool.frameGeometry();
        EXPECT_TRUE(room.contains(at)) << c.name << " fits the screen";
        // Centred over the main window, as far as the screen lets it.
        if (at.left() > room.left() && at.right() < room.right()) {
            EXPECT_NEAR(at.center().x(), middle.x(), 2) << c.name;
        }
        if (at.top() > room.top() && at.bottom() < room.bottom()) {
            EXPECT_NEAR(at.center().y(), middle.y(), 2) << c.name;
        }

        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        c.open();
        EXPECT_EQ(&c.window(), &tool);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&tool)) << c.name << " is raised by a second open";

        QTest::keyClick(tool.windowHandle(), Qt::Key_Escape);
        EXPECT_FALSE(tool.isVisible()) << c.name << " closes on Escape";
    }
    appearance.skins().pick(0);
    frmColorPicker &picker = appearance.colourPicker();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    EXPECT_EQ(picker.windowHandle()->transientParent(), appearance.skins().windowHandle());
    QTest::keyClick(picker.windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
}

TEST_F(KeyboardTest, TheConfigurationDialogKeepsItsButtonsOnScreenAndSavesOnEnter)
{
    menus.mnuConfig->trigger();
    frmConfiguration &dialog = app.configuration();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QRect room = dialog.screen()->availableGeometry();
    for (QWidget *button : {static_cast<QWidget *>(dialog.cmdSave), static_cast<QWidget *>(dialog.cmdCancel),
                            static_cast<QWidget *>(dialog.cmdRename), static_cast<QWidget *>(dialog.cmdDelete)}) {
        EXPECT_TRUE(button->isVisible());
        EXPECT_TRUE(room.contains(QRect(button->mapToGlobal(QPoint()), button->size())))
            << button->objectName().toStdString() << " can be reached";
    }
    EXPECT_LE(dialog.frameGeometry().height(), room.height());
    // The form scrolls sideways only when the screen is narrower than it.
    const auto *form = dialog.findChild<QScrollArea *>(QStringLiteral("scrollGroups"));
    ASSERT_NE(form, nullptr);
    if (form->widget()->minimumSizeHint().width() > form->viewport()->width()) {
        EXPECT_GE(dialog.frameGeometry().width() + 16, room.width()) << "the dialog opened narrower than its form";
    }

    dialog.Username->setText(QStringLiteral("Typed"));
    dialog.Username->setFocus();
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(app.settings().ReadProfileSetting(QStringLiteral("alpha"), QStringLiteral("Login"),
                                                QStringLiteral("Username")),
              QStringLiteral("Typed"));
}

} // namespace
