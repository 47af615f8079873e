#include "channel/ChatEvent.h"
#include "commands/LineHistory.h"
#include "profiles/frmMain.h"
#include "support/ChannelFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using namespace ChatEventId;

class InputLineTest : public ChannelFixture {
protected:
    QLineEdit &box = *window.txtSend;

    void SetUp() override
    {
        window.showForTyping();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void press(Qt::Key key) const { QTest::keyClick(window.windowHandle(), key); }
    void type(const QString &text) const
    {
        for (const QChar ch : text)
            QTest::keyClick(window.windowHandle(), ch.toLatin1());
    }
    void enter(const QString &line) const
    {
        type(line);
        press(Qt::Key_Return);
    }
};

TEST_F(InputLineTest, UpAndDownWalkTheLinesOfTheProfileOnScreenAndGiveBackTheTypedOne)
{
    for (const char *line : {"one", "two", "two", "/who x"})
        enter(QString::fromLatin1(line));
    clickProfile(QStringLiteral("beta"));
    enter(QStringLiteral("for beta"));
    clickProfile(QStringLiteral("alpha"));
    type(QStringLiteral("draft"));

    const struct {
        Qt::Key key;
        const char *shown;
    } steps[] = {
        {Qt::Key_Up, "/who x"}, {Qt::Key_Up, "two"},      {Qt::Key_Up, "one"},
        {Qt::Key_Up, "one"},    {Qt::Key_Down, "two"},    {Qt::Key_Down, "/who x"},
        {Qt::Key_Down, "draft"}, {Qt::Key_Down, "draft"}, {Qt::Key_Up, "/who x"},
    };
    for (const auto &step : steps) {
        press(step.key);
        EXPECT_EQ(box.text(), QString::fromLatin1(step.shown)) << step.shown;
    }
    // A recalled line the user changes is a new line being typed.
    type(QStringLiteral(" y"));
    press(Qt::Key_Up);
    EXPECT_EQ(box.text(), QStringLiteral("/who x"));
    press(Qt::Key_Down);
    EXPECT_EQ(box.text(), QStringLiteral("/who x y"));

    box.clear();
    clickProfile(QStringLiteral("beta"));
    press(Qt::Key_Up);
    EXPECT_EQ(box.text(), QStringLiteral("for beta"));
    press(Qt::Key_Up);
    EXPECT_EQ(box.text(), QStringLiteral("for beta")) << "alpha's lines are not beta's";
    EXPECT_EQ(QApplication::focusWidget(), &box);
}

TEST(LineHistory, KeepsTheNewestHundredLines)
{
    LineHistory history;
    for (int n = 1; n <= 105; ++n)
        history.add(QString::number(n));
    QString shown;
    for (std::size_t up = 0; up < LineHistory::kMostLines; ++up)
        shown = history.older(shown).value_or(QStringLiteral("none"));
    EXPECT_EQ(shown, QStringLiteral("6"));
    EXPECT_FALSE(history.older(shown).has_value());
}

TEST_F(InputLineTest, TabCompletesChannelNamesThenCommandsAndKeepsTheKeyboard)
{
    for (const char *name : {"Bob", "alice", "bobby"})
        event(ShowUser, 0, 10, name, kStarcraftStats);
    for (const char *name : {"Hero*Acct", "Mage*bob"})
        event(ShowUser, 0, 10, name, "PX2D", kBeta);
    const struct {
        int profile;
        const char *typed;
        std::vector<const char *> tabs;
    } cases[] = {
        {kAlpha, "bo", {"Bob: ", "bobby: ", "Bob: "}},
        {kAlpha, "hi BO", {"hi Bob ", "hi bobby "}},
        {kAlpha, "ALI", {"alice: "}},
        {kAlpha, "/whe", {"/where ", "/whereis ", "/where "}},
        {kAlpha, "/w ali", {"/w alice "}},
        {kAlpha, "/mp", {"/mp3 "}},
        {kAlpha, "zz", {"zz"}},
        {kAlpha, "", {""}},
        {kAlpha, "*bo", {"*bo"}},
        // Diablo II profiles address accounts as "*Account".
        {kBeta, "*ac", {"*Acct: "}},
        {kBeta, "/w *B", {"/w *bob "}},
        {kBeta, "ac", {"Acct: "}},
        {kBeta, "/w ac", {"/w *Acct "}},
        {kBeta, "hi ac", {"hi Acct "}},
    };
    for (const auto &c : cases) {
        clickProfile(c.profile == kAlpha ? QStringLiteral("alpha") : QStringLiteral("beta"));
        box.clear();
        type(QString::fromLatin1(c.typed));
        for (const char *expected : c.tabs) {
            press(Qt::Key_Tab);
            EXPECT_EQ(box.text(), QString::fromLatin1(expected)) << c.typed;
            EXPECT_EQ(box.cursorPosition(), box.text().size()) << c.typed;
            EXPECT_EQ(QApplication::focusWidget(), &box) << c.typed;
        }
    }
    // Typing between two Tabs starts a new completion of the new word.
    clickProfile(QStringLiteral("alpha"));
    box.clear();
    type(QStringLiteral("bo"));
    press(Qt::Key_Tab);
    type(QStringLiteral("and a"));
    press(Qt::Key_Tab);
    EXPECT_EQ(box.text(), QStringLiteral("Bob: and alice "));
    // In the middle of the line the name goes in before what follows.
    box.setText(QStringLiteral("hi b there"));
    box.setCursorPosition(4);
    press(Qt::Key_Tab);
    EXPECT_EQ(box.text(), QStringLiteral("hi Bob there"));
    EXPECT_EQ(box.cursorPosition(), 6);
}

} // namespace
