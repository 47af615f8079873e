#include "display/modOutput.h"
#include "profiles/ProfileSlot.h"
#include "support/PaneRuns.h"
#include "support/ProfileHost.h"

#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class AddChatTest : public ::testing::Test {
protected:
    ProfileHost host;
    Profile &profile = host.add(QStringLiteral("alpha"));
    ManualClock &clock = host.manualClock();
    QString pm = QLocale::system().pmText();

    QString chatText() const { return profile.pane().toPlainText(); }
};

TEST_F(AddChatTest, StampsTheTimeIn12Or24HourForm)
{
    profile.AddChat({QStringLiteral("a")});
    profile.record().MilitaryTime = true;
    profile.AddChat({QStringLiteral("b")});
    EXPECT_EQ(chatText(), QStringLiteral("[01:05:09 ") + pm + QStringLiteral("] a\n[13:05:09] b\n"));
    EXPECT_EQ(TimeStamp(QTime(0, 7, 1), false), QStringLiteral("[12:07:01 ") + QLocale::system().amText() + "] ");
}

TEST_F(AddChatTest, ColoursAndBoldFollowTheItemsAndMarkupStaysText)
{
    profile.record().MilitaryTime = true;
    profile.AddChat({Rgb(0x55AEFF), QStringLiteral("<b>x</b>"), BoldOn, Rgb(0xFFFFFF), QStringLiteral("bold"),
                    FormatCode{7}, BoldOff, QStringLiteral(" plain")});
    const std::vector<TextRun> runs = RunsOfBlock(profile.pane().firstBlock());
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].text, QStringLiteral("[13:05:09] "));
    EXPECT_EQ(runs[0].colour, QColor(0xAA, 0xAA, 0xAA));
    EXPECT_EQ(runs[1].text, QStringLiteral("<b>x</b>"));
    EXPECT_EQ(runs[1].colour, QColor(0x55, 0xAE, 0xFF));
    EXPECT_FALSE(runs[1].bold);
    EXPECT_EQ(runs[2].text, QStringLiteral("bold"));
    EXPECT_TRUE(runs[2].bold);
    EXPECT_EQ(runs[3].text, QStringLiteral(" plain"));
    EXPECT_EQ(runs[3].colour, QColor(0xFF, 0xFF, 0xFF));
    EXPECT_FALSE(runs[3].bold);
    // The hanging indent puts wrapped lines under the text after the stamp.
    const QTextBlockFormat paragraph = profile.pane().firstBlock().blockFormat();
    EXPECT_GT(paragraph.leftMargin(), 80);
    EXPECT_EQ(paragraph.textIndent(), -paragraph.leftMargin());
}

TEST_F(AddChatTest, NoCharacterOfTheTextCanStartALineOfItsOwn)
{
    profile.record().MilitaryTime = true;
    // Each character a text document or its layout starts a line or block at.
    const struct {
        char16_t breaker;
        char16_t shown;
    } cases[] = {{u'\r', 0x240D},   {u'\n', 0x240A},   {u'\v', 0x240B},   {u'\f', 0x240C},  {0x0085, 0xFFFD},
                 {0x2028, 0xFFFD}, {0x2029, 0xFFFD}, {0xFDD0, 0xFFFD}, {0xFDD1, 0xFFFD}};
    for (const auto &c : cases) {
        profile.pane().clear();
        profile.AddChat({QStringLiteral("Bob: hi") + QChar(c.breaker) + QStringLiteral("[13:05:09] Op: password?")});
        EXPECT_EQ(profile.pane().blockCount(), 2) << int(c.breaker);
        EXPECT_EQ(chatText(), QStringLiteral("[13:05:09] Bob: hi") + QChar(c.shown) +
                                        QStringLiteral("[13:05:09] Op: password?\n"))
            << int(c.breaker);
    }
}

TEST_F(AddChatTest, EmptyListsDatesAndNumbersAsText)
{
    profile.record().MilitaryTime = true;
    profile.AddChat({});
    profile.AddChat({QDate(2026, 12, 8), QString::number(42)});
    EXPECT_EQ(chatText(), QStringLiteral("[13:05:09] \n[13:05:09] ") +
                                    QLocale::system().toString(QDate(2026, 12, 8), QLocale::ShortFormat) +
                                    QStringLiteral("42\n"));
}

TEST_F(AddChatTest, ALockedScreenHoldsLinesUntilItIsUnlocked)
{
    profile.record().MilitaryTime = true;
    profile.record().LockScreen = true;
    profile.AddChat({QStringLiteral("first")});
    clock.advance(61000);
    profile.AddChat({Rgb(0x55AEFF), QStringLiteral("second")});
    EXPECT_TRUE(profile.pane().isEmpty()) << "the pane stays still";
    profile.record().LockScreen = false;
    profile.AddChat({QStringLiteral("third")});
    EXPECT_EQ(chatText(), QStringLiteral("[13:05:09] first\n[13:06:10] second\n[13:06:10] third\n"))
        << "each held line keeps the time it came";
    EXPECT_EQ(RunsOfBlock(profile.pane().findBlockByNumber(1)).back().colour, QColor(0x55, 0xAE, 0xFF));
}

TEST_F(AddChatTest, HeldLinesStayWithinThePanesBoundOldestDroppedFirst)
{
    profile.record().MilitaryTime = true;
    profile.record().LockScreen = true;
    const QString line(999, QLatin1Char('x'));
    for (int n = 0; n < 60; ++n)
        profile.AddChat({QString::number(n) + line});
    profile.record().LockScreen = false;
    profile.AddChat({QStringLiteral("after")});
    const QStringList lines = chatText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral(" older lines that came while the screen was locked were "
                                                      "dropped to keep the pane within its size.")));
    EXPECT_TRUE(lines[lines.size() - 2].contains(QStringLiteral("] 59x")));
    EXPECT_LE(PaneTextLength(profile.pane()), kAutoClearLimit + 2000);
    EXPECT_EQ(lines.first().section(QLatin1Char(' '), 1, 1).toInt() + lines.size() - 2, 60)
        << "the note counts every line dropped";
}

TEST_F(AddChatTest, ClearsAboveTheLimitWithTheNoticeFirst)
{
    profile.record().MilitaryTime = true;
    QTextDocument &pane = profile.pane();
    // One line: stamp (11) + text + line break (2 characters).
    profile.AddChat({QString(kAutoClearLimit - 13, QLatin1Char('x'))});
    ASSERT_EQ(PaneTextLength(pane), kAutoClearLimit);
    profile.AddChat({QStringLiteral("kept")});
    EXPECT_TRUE(chatText().startsWith(QStringLiteral("[13:05:09] xxx")));
    ASSERT_GT(PaneTextLength(pane), kAutoClearLimit);

    profile.AddChat({QStringLiteral("after")});
    const QLocale locale = QLocale::system();
    EXPECT_EQ(chatText(),
              QStringLiteral("[13:05:09] Chat has been auto-cleared on ") +
                  locale.toString(QDate(2026, 12, 8), QLocale::ShortFormat) + QStringLiteral(" at ") +
                  locale.toString(QTime(13, 5, 9), QLocale::LongFormat) +
                  QStringLiteral(".\n[13:05:09] after\n"));
}

TEST_F(AddChatTest, AFailureIsLoggedUnderItsOwnNames)
{
    // A profile not yet given its pane.
    ProfileSlot bare(host);
    bare.AddChat({QStringLiteral("nowhere")});
    EXPECT_TRUE(host.errorLogText().contains(QStringLiteral("Error in: AddChat() of modFunctions")));
}

TEST_F(AddChatTest, AddTextStampsIn12HourFormExceptOnTheDescriptionBox)
{
    profile.record().MilitaryTime = true;
    QTextEdit box;
    AddText(box, {{Rgb(0xFF0000), QStringLiteral("red")}, {Rgb(0xFFFFFF), QStringLiteral(" white")}},
            clock.now());
    EXPECT_EQ(box.toPlainText(), QStringLiteral("[01:05:09 ") + pm + QStringLiteral("] red white\n"));
    QTextEdit description;
    description.setObjectName(QStringLiteral("rtbDes"));
    AddText(description, {{Rgb(0xFFFFFF), QStringLiteral("about me")}}, clock.now());
    EXPECT_EQ(description.toPlainText(), QStringLiteral("about me\n"));
}

TEST(Output, VersionAndFirstCharacter)
{
    EXPECT_EQ(GetVersion(), QStringLiteral("version 1.1.2"));
    EXPECT_EQ(StripFirstChar(QStringLiteral(" Name")), QStringLiteral("Name"));
    EXPECT_EQ(StripFirstChar(QString()), QString());
}

} // namespace
