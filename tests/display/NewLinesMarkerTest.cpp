#include "display/NewLinesMarker.h"
#include "profiles/frmMain.h"
#include "support/ChannelFixture.h"
#include "support/WaitUntil.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class NewLinesMarkerTest : public ChannelFixture {
protected:
    QTextEdit &view = *window.rtbChat;
    QScrollBar &bar = *view.verticalScrollBar();

    void SetUp() override
    {
        window.showForTyping();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void lines(int count, const QString &word)
    {
        for (int n = 1; n <= count; ++n)
            app.profile(kAlpha).AddChat({word + QLatin1Char(' ') + QString::number(n)});
    }
    // Alpha gets lines while beta is on screen, and comes back.
    void away(int newLines)
    {
        clickProfile(QStringLiteral("beta"));
        lines(newLines, QStringLiteral("new"));
        clickProfile(QStringLiteral("alpha"));
        QCoreApplication::processEvents();
    }
    // The texts of the lines with a marker under them.
    QStringList marked() const
    {
        QStringList texts;
        for (QTextBlock block = app.profile(kAlpha).pane().begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
                texts << block.text().mid(block.text().indexOf(QLatin1String("] ")) + 2);
        }
        return texts;
    }
    bool markerInSight() const
    {
        const QTextBlock block = window.findChild<NewLinesMarker *>()->markedBlock();
        const qreal y = app.profile(kAlpha).pane().documentLayout()->blockBoundingRect(block).bottom();
        return y >= bar.value() && y <= bar.value() + view.viewport()->height();
    }
};

TEST_F(NewLinesMarkerTest, ComingBackAfterNewLinesMarksTheLastLineSeen)
{
    lines(3, QStringLiteral("seen"));
    const QString before = test.chatText(kAlpha);
    away(2);
    EXPECT_EQ(marked(), QStringList{QStringLiteral("seen 3")});
    EXPECT_TRUE(test.chatText(kAlpha).startsWith(before));
    EXPECT_EQ(test.chatText(kAlpha).count(QLatin1Char('\n')), before.count(QLatin1Char('\n')) + 2)
        << "the marker is no text";
    EXPECT_EQ(bar.value(), bar.maximum()) << "what fits opens at the end";

    away(0);
    EXPECT_TRUE(marked().isEmpty()) << "nothing new, no marker";
    away(1);
    EXPECT_EQ(marked(), QStringList{QStringLiteral("new 2")});
}

TEST_F(NewLinesMarkerTest, NewLinesThatDoNotFitOpenAtTheMarker)
{
    lines(50, QStringLiteral("seen"));
    away(200);
    ASSERT_EQ(marked(), QStringList{QStringLiteral("seen 50")});
    ASSERT_TRUE(WaitUntil([&] { return bar.value() < bar.maximum(); }));
    EXPECT_TRUE(markerInSight());
    // Reading on, the view follows new lines only from the bottom.
    app.profile(kAlpha).AddChat({QStringLiteral("while reading")});
    EXPECT_LT(bar.value(), bar.maximum());
}

TEST_F(NewLinesMarkerTest, APaneClearedWhileAwayHasNoMarker)
{
    lines(3, QStringLiteral("seen"));
    clickProfile(QStringLiteral("beta"));
    const QString filler(1000, QLatin1Char('x'));
    while (test.chatText(kAlpha).size() <= 50000)
        app.profile(kAlpha).AddChat({filler});
    app.profile(kAlpha).AddChat({QStringLiteral("after the clear")});
    clickProfile(QStringLiteral("alpha"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(marked().isEmpty());
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

} // namespace
