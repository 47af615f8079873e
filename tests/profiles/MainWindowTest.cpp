#include "display/frmErrorHandler.h"
#include "platform/Failure.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "support/MessageBoxAnswer.h"
#include "support/TestApp.h"
#include "support/WaitUntil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    TestApp test;
    frmMain &window = test.app->mainWindow();

    void SetUp() override
    {
        test.startUp();
        window.showForTyping();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    static void send(QWidget *target, QEvent::Type type, QPoint at, Qt::MouseButton button,
                     Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    static void hover(QWidget *target) { send(target, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton); }

};

TEST_F(MainWindowTest, OnlyOneHoverPictureShowsAtATime)
{
    hover(window.imgClose);
    EXPECT_TRUE(window.imgClose2->isVisible());
    EXPECT_FALSE(window.imgClose->isVisible());
    hover(window.imgMini);
    EXPECT_TRUE(window.imgMini2->isVisible());
    EXPECT_FALSE(window.imgClose2->isVisible());
    EXPECT_TRUE(window.imgClose->isVisible());
    hover(&window);
    EXPECT_FALSE(window.imgMini2->isVisible());
    EXPECT_TRUE(window.imgMini->isVisible());
}

TEST_F(MainWindowTest, MenuLabelsTurnBoldUnderTheMouseAndBackOverTheChat)
{
    hover(window.lblConnection);
    EXPECT_TRUE(window.lblConnection->font().bold());
    EXPECT_FALSE(window.lblFile->font().bold());
    hover(window.rtbChat->viewport());
    EXPECT_FALSE(window.lblConnection->font().bold());
}

TEST_F(MainWindowTest, TheExitQuestionEndsTheProgramOnlyOnOk)
{
    QSignalSpy exits(&window, &frmMain::exitConfirmed);
    {
        const MessageBoxAnswer cancel(QMessageBox::Cancel);
        window.confirmExit();
        EXPECT_EQ(cancel.text(), QStringLiteral("Are you sure you wish to exit Tarnwell?"));
        EXPECT_EQ(cancel.title(), QStringLiteral("Exit Tarnwell"));
    }
    EXPECT_EQ(exits.count(), 0);
    EXPECT_TRUE(window.isVisible());

    const MessageBoxAnswer ok(QMessageBox::Ok);
    window.confirmExit();
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(window.trayIcon->isVisible());
}

TEST_F(MainWindowTest, ATrayClickOrDoubleClickRestoresOnlyAMinimisedWindow)
{
    Q_EMIT window.trayIcon->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());

    for (const QSystemTrayIcon::ActivationReason reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick}) {
        window.setWindowState(Qt::WindowMinimized);
        window.hide();
        Q_EMIT window.trayIcon->activated(QSystemTrayIcon::MiddleClick);
        EXPECT_FALSE(window.isVisible());
        Q_EMIT window.trayIcon->activated(reason);
        EXPECT_TRUE(window.isVisible()) << reason;
        EXPECT_FALSE(window.isMinimized()) << reason;
    }
}

TEST_F(MainWindowTest, TheTrayMenuRestoresAndAsksBeforeExiting)
{
    ASSERT_EQ(window.trayIcon->contextMenu(), window.trayMenu);
    const QList<QAction *> entries = window.trayMenu->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Restore"));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("Exit"));

    window.setWindowState(Qt::WindowMinimized);
    window.hide();
    entries[0]->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());

    QSignalSpy exits(&window, &frmMain::exitConfirmed);
    {
        const MessageBoxAnswer cancel(QMessageBox::Cancel);
        entries[1]->trigger();
        EXPECT_EQ(cancel.text(), QStringLiteral("Are you sure you wish to exit Tarnwell?"));
    }
    EXPECT_EQ(exits.count(), 0);
    const MessageBoxAnswer ok(QMessageBox::Ok);
    entries[1]->trigger();
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(MainWindowTest, AWindowManagerCloseAsksTheExitQuestion)
{
    QSignalSpy exits(&window, &frmMain::exitConfirmed);
    {
        const MessageBoxAnswer cancel(QMessageBox::Cancel);
        EXPECT_FALSE(window.close());
        EXPECT_EQ(cancel.title(), QStringLiteral("Exit Tarnwell"));
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(exits.count(), 0);
    {
        const MessageBoxAnswer ok(QMessageBox::Ok);
        EXPECT_TRUE(window.close());
    }
    EXPECT_EQ(exits.count(), 1);
    // The program's own end closes the window again: no second question.
    window.show();
    MessageBoxAnswer unexpected(QMessageBox::Cancel);
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(unexpected.text().isEmpty());
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(MainWindowTest, TheLeftButtonDragsTheWindowByItsBackgroundAndTheRightDoesNot)
{
    const QPoint background(window.twips(2600), window.twips(6300));
    const QPoint start = window.pos();
    send(&window, QEvent::MouseButtonPress, background, Qt::RightButton, Qt::RightButton);
    send(&window, QEvent::MouseMove, background + QPoint(40, 30), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(window.pos(), start);

    send(&window, QEvent::MouseButtonPress, background, Qt::LeftButton, Qt::LeftButton);
    send(&window, QEvent::MouseMove, background + QPoint(40, 30), Qt::NoButton, Qt::LeftButton);
    send(&window, QEvent::MouseButtonRelease, background + QPoint(40, 30), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window.pos(), start + QPoint(40, 30));
}

// A press on a menu label is the start of its click: moving the window from
// there would take the release, and the menu would never open.
TEST_F(MainWindowTest, APressOnAMenuLabelOpensItsMenuAndMovesNothing)
{
    const frmPopupMenu &menus = test.app->popupMenu();
    const std::pair<QLabel *, QMenu *> labels[] = {
        {window.lblFile, menus.mnuFile},
        {window.lblOptions, menus.mnuOptions},
    };
    for (const auto &[label, menu] : labels) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QPoint start = window.pos();
        const QPoint middle = label->rect().center();
        send(label, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
        send(label, QEvent::MouseMove, middle + QPoint(3, 2), Qt::NoButton, Qt::LeftButton);
        send(label, QEvent::MouseButtonRelease, middle + QPoint(3, 2), Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(window.pos(), start);
        EXPECT_TRUE(menu->isVisible());
        menu->hide();
    }
}

TEST_F(MainWindowTest, TheInputBoxKeepsTheKeyboardWhenTheErrorLogAppears)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.txtSend);
    test.app->guard("tmrKeepAlive", "frmMain", [] { throw Failure(Failure::InvalidCall, QStringLiteral("boom")); });
    ASSERT_TRUE(test.app->errorLog()->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(QApplication::focusWidget(), window.txtSend);
}

} // namespace

namespace {

TEST(MainWindowLabels, ShowNamesAsTheyAreNeverAsMarkup)
{
    TestApp test;
    test.writeProfile(QStringLiteral("<b>x"));
    test.startUp();
    frmMain &window = test.app->mainWindow();
    EXPECT_EQ(window.lblProfiles->text(), QStringLiteral("<b>x"));
    for (const QLabel *label : window.findChildren<QLabel *>())
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
}

} // namespace

namespace {

TEST(ChatPane, FollowsNewLinesFromTheBottomOnlyAndShowsTheNewestOnASwitch)
{
    TestApp test;
    test.writeProfile(QStringLiteral("alpha"));
    test.writeProfile(QStringLiteral("beta"));
    test.startUp();
    frmMain &window = test.app->mainWindow();
    window.showForTyping();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QScrollBar *bar = window.rtbChat->verticalScrollBar();
    int written = 0;
    const auto write = [&](int index, int lines) {
        for (int line = 0; line < lines; ++line)
            test.app->profile(index).AddChat({Rgb(0xFFFFFF), QStringLiteral("line %1").arg(++written)});
        QApplication::processEvents();
    };

    write(0, 80);
    ASSERT_TRUE(WaitUntil([&] { return bar->maximum() > 0; }));
    EXPECT_EQ(bar->value(), bar->maximum());

    bar->setValue(bar->maximum() / 2);
    const int reading = bar->value();
    write(0, 20);
    EXPECT_EQ(bar->value(), reading);

    bar->setValue(bar->maximum());
    write(0, 20);
    EXPECT_EQ(bar->value(), bar->maximum());

    bar->setValue(0);
    lstProfiles_Click(*test.app, QStringLiteral("beta"));
    write(0, 20);
    lstProfiles_Click(*test.app, QStringLiteral("alpha"));
    QApplication::processEvents();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

} // namespace
