#include "display/FindBar.h"
#include "filters/frmFilters.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "support/ChannelFixture.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class FindBarTest : public ChannelFixture {
protected:
    FindBar &bar = *window.findChild<FindBar *>();

    void SetUp() override
    {
        window.showForTyping();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        for (const char *line : {"apple one", "banana", "Apple two", "cherry apple"})
            app.profile(kAlpha).AddChat({QString::fromLatin1(line)});
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }
    void type(const QString &text) const
    {
        for (const QChar ch : text)
            QTest::keyClick(window.windowHandle(), ch.toLatin1());
    }
    // The highlighted texts, and the current one.
    QStringList highlighted() const
    {
        QStringList texts;
        for (const QTextEdit::ExtraSelection &selection : window.rtbChat->extraSelections())
            texts << selection.cursor.selectedText();
        return texts;
    }
    // Waits for the bar to take in what the pane did.
    bool countBecomes(const QString &text) const
    {
        return WaitUntil([&] { return bar.countText() == text; });
    }
};

TEST_F(FindBarTest, ControlShiftFSearchesAsYouTypeAndEnterStepsThroughTheMatches)
{
    press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(bar.isVisible());
    EXPECT_FALSE(app.popupMenu().filtersWindow().isVisible()) << "Ctrl+F alone opens the filters";
    type(QStringLiteral("APPLE"));
    EXPECT_TRUE(window.txtSend->text().isEmpty()) << "typing goes to the find field";
    EXPECT_EQ(highlighted(), QStringList({"apple", "Apple", "apple"}));
    const struct {
        Qt::KeyboardModifiers modifiers;
        const char *count;
    } steps[] = {
        {Qt::NoModifier, "2 of 3"},    {Qt::NoModifier, "1 of 3"}, {Qt::NoModifier, "3 of 3"},
        {Qt::ShiftModifier, "1 of 3"}, {Qt::ShiftModifier, "2 of 3"},
    };
    EXPECT_EQ(bar.countText(), QStringLiteral("3 of 3")) << "starts at the newest";
    for (const auto &step : steps) {
        press(Qt::Key_Return, step.modifiers);
        EXPECT_EQ(bar.countText(), QString::fromLatin1(step.count));
    }
    // New lines are searched too; the match stepped to stays current.
    app.profile(kAlpha).AddChat({QStringLiteral("apple pie")});
    EXPECT_TRUE(countBecomes(QStringLiteral("2 of 4")));

    press(Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_TRUE(highlighted().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), window.txtSend);
    press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    window.txtSend->setFocus();
    press(Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible()) << "Escape from the input box closes it too";
    press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(app.popupMenu().filtersWindow().isVisible());
}

TEST_F(FindBarTest, MatchesTheAutoClearOrAnotherProfileTookAwayAreGone)
{
    press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    type(QStringLiteral("apple"));
    ASSERT_EQ(bar.countText(), QStringLiteral("3 of 3"));
    const QString filler(1000, QLatin1Char('x'));
    while (test.chatText(kAlpha).size() <= 50000)
        app.profile(kAlpha).AddChat({filler});
    app.profile(kAlpha).AddChat({QStringLiteral("one more")});
    ASSERT_TRUE(test.chatText(kAlpha).contains(QStringLiteral("auto-cleared")));
    EXPECT_TRUE(countBecomes(QStringLiteral("No matches")));
    EXPECT_TRUE(highlighted().isEmpty());
    app.profile(kAlpha).AddChat({QStringLiteral("apple again")});
    EXPECT_TRUE(countBecomes(QStringLiteral("1 of 1")));

    app.profile(kBeta).AddChat({QStringLiteral("beta apple, apple")});
    clickProfile(QStringLiteral("beta"));
    EXPECT_TRUE(countBecomes(QStringLiteral("2 of 2")));
    press(Qt::Key_F5);
    EXPECT_TRUE(countBecomes(QStringLiteral("No matches")));
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

} // namespace
