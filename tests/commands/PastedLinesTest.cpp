#include "commands/InputLine.h"
#include "profiles/frmMain.h"
#include "session/FloodGuard.h"
#include "support/GuardedProfileTest.h"
#include "support/MessageBoxAnswer.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class PastedLinesTest : public GuardedProfileTest {
protected:
    frmMain &window = app.mainWindow();
    QLineEdit &box = *window.txtSend;

    void SetUp() override
    {
        GuardedProfileTest::SetUp();
        window.showForTyping();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void paste(const QString &text) const
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(window.windowHandle(), Qt::Key_V, Qt::ControlModifier);
    }
    // Sent and still waiting in the flood guard's queue.
    qsizetype sentOrWaiting() const { return chatSent().size() + app.profile(0).floodGuard().waitingCount(); }
};

TEST(PastedLines, EveryKindOfLineBreakSeparatesLinesAndBlankLinesAreLeftOut)
{
    const QString text = QStringLiteral("a\r\nb\rc\nd\u2028e\u2029f\x0B g\n \n\t\n\r\n");
    EXPECT_EQ(InputLine::pastedLines(text),
              QStringList({"a", "b", "c", "d", "e", "f", " g"}));
}

TEST_F(PastedLinesTest, EachPastedLineGoesAsItsOwnMessageThroughTheFloodGuard)
{
    box.setText(QStringLiteral("so: "));
    paste(QStringLiteral("first\r\n\r\nsecond\n/w friend third\n"));
    ASSERT_TRUE(waitForSent(3));
    EXPECT_EQ(chatSent(), QStringList({"so: first", "second", "/w friend third"}));
    EXPECT_TRUE(box.text().isEmpty());
    QTest::keyClick(window.windowHandle(), Qt::Key_Up);
    EXPECT_EQ(box.text(), QStringLiteral("/w friend third")) << "pasted lines are in the history";

    // One line with a break after it waits in the box to be finished.
    box.clear();
    paste(QStringLiteral("just this\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return box.text() == QStringLiteral("just this"); }));
    EXPECT_EQ(chatSent().size(), 3);

    // Above five lines the user is asked first; no sends nothing and gives
    // back what the box held.
    QStringList seven;
    for (int n = 1; n <= 7; ++n)
        seven << QStringLiteral("line %1").arg(n);
    {
        MessageBoxAnswer no(QMessageBox::No);
        box.setText(QStringLiteral("kept"));
        paste(seven.join(QLatin1Char('\n')));
        ASSERT_TRUE(WaitUntil([&] { return !no.text().isEmpty(); }));
        EXPECT_EQ(no.text(), QStringLiteral("Send these 7 lines to Profile0, each as its own message?"));
        EXPECT_EQ(box.text(), QStringLiteral("kept"));
        EXPECT_EQ(chatSent().size(), 3);
    }
    MessageBoxAnswer yes(QMessageBox::Yes);
    box.clear();
    paste(seven.join(QStringLiteral("\r\n")));
    ASSERT_TRUE(WaitUntil([&] { return sentOrWaiting() == 3 + 7; }));
    EXPECT_GT(app.profile(0).floodGuard().waitingCount(), 0) << "paced as typed lines are";
    for (int wait = 0; wait < 3; ++wait)
        after(5000);
    ASSERT_TRUE(waitForSent(10));
    EXPECT_EQ(chatSent().mid(3), seven);
}

} // namespace
