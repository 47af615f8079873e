#include "channel/ChatEvent.h"
#include "channel/clsUsers.h"
#include "profiles/frmMain.h"
#include "support/ChannelFixture.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace {

using namespace ChatEventId;

class ChatEventLinesTest : public ChannelFixture {};

const QColor kWhite(0xFFFFFFu);

TEST_F(ChatEventLinesTest, TalkIsColouredByMentionThenRepresentativeThenOperator)
{
    event(Talk, 0x02, 10, "Bob", "hi ALPHA there");
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"Bob: ", QColor(0xD8AD3Au)}, {"hi ALPHA there", kWhite}}));
    // A representative's text is cyan even when he is an operator as well.
    event(Talk, 0x03, 10, "Rep", "notice");
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"Rep: ", kWhite}, {"notice", QColor(0x00FFFFu)}}));
    event(Talk, 0x02, 10, "Op", "order");
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"Op: order", kWhite}}));
    event(Talk, 0x00, 10, "Joe", "<b>plain</b>");
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"Joe: ", QColor(0x55AEFFu)}, {"<b>plain</b>", kWhite}}));
}

TEST_F(ChatEventLinesTest, WhispersAreColouredAndRememberTheLastSenderOfAnyProfile)
{
    event(WhisperFrom, 0, 0, "Bob", "psst");
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"From: Bob: ", QColor(0x8AABD1u)}, {"psst", QColor(0xAAAAAAu)}}));
    EXPECT_EQ(app.LastWhisperFrom, QStringLiteral("Bob"));
    // The mention test looks at the account part of the text.
    event(WhisperFrom, 0, 0, "Cid", "x*ALPHA*y");
    EXPECT_EQ(lastLine()[0].colour, QColor(0xD8AD3Au));
    event(WhisperFrom, 0, 0, "Dee", "for beta", kBeta);
    EXPECT_EQ(app.LastWhisperFrom, QStringLiteral("Dee"));
    event(WhisperTo, 0, 0, "Bob", "back");
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"To: Bob: ", QColor(0x88C580u)}, {"back", QColor(0xAAAAAAu)}}));
}

TEST_F(ChatEventLinesTest, TalkForAProfileBehindTheScreenMarksItsEntryOnly)
{
    event(Talk, 0, 0, "Bob", "hello", kBeta);
    EXPECT_EQ(window.lstProfiles->item(kBeta)->foreground().color(), QColor(0x7EA1D4u));
    EXPECT_EQ(window.lstProfiles->item(kAlpha)->foreground().color(), QColor(0xBD3D3Du));
    EXPECT_EQ(lastLine(kBeta), (std::vector<TextRun>{{"Bob: ", QColor(0x55AEFFu)}, {"hello", kWhite}}));
    event(Talk, 0, 0, "Bob", "hello");
    EXPECT_EQ(window.lstProfiles->item(kAlpha)->foreground().color(), QColor(0xBD3D3Du));
}

TEST_F(ChatEventLinesTest, JoinAndLeaveLinesFollowTheOptionWhileTheStoreAlwaysChanges)
{
    event(Join, 0, 20, "Bob", kStarcraftStats);
    const QColor green(0x65D346u);
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"Bob", green}, {" joined ", green, true},
                                                {"the channel using (Starcraft: 0 normal game wins) with a ping "
                                                 "time of 20.", green}}));
    event(Leave, 0, 0, "Bob");
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"Bob has ", green}, {"left ", green, true},
                                                {"the channel.", green}}));

    app.profile(kAlpha).record().JoinLeave = false;
    const QString before = test.chatText(kAlpha);
    event(Join, 0, 20, "Cid", kStarcraftStats);
    EXPECT_EQ(app.profile(kAlpha).users().UserlistCount(), 1);
    event(Leave, 0, 0, "Cid");
    EXPECT_EQ(app.profile(kAlpha).users().UserlistCount(), 0);
    EXPECT_EQ(test.chatText(kAlpha), before);
}

TEST_F(ChatEventLinesTest, EnteringAChannelNamesItsFlags)
{
    const QColor red(0xBD3D3Du);
    event(Channel, 0x03, 0, "Alpha", "Chat");
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"Joined channel Chat ", red}, {"(moderated, public)", red, true}}));
    event(Channel, 0x4004, 0, "Alpha", "Op Room");
    EXPECT_EQ(lastLine()[1].text, QStringLiteral("(redirected, restricted)"));
    event(Channel, 0, 0, "Alpha", "Friends");
    EXPECT_EQ(lastLine()[1].text, QStringLiteral("(private)"));
    EXPECT_EQ(app.profile(kAlpha).state().CurrentChannel, QStringLiteral("Friends"));
}

TEST_F(ChatEventLinesTest, NoticesRefusalsAndEmotes)
{
    const QColor blue(0x7EA1D4u);
    const QColor red(0xBD3D3Du);
    const struct {
        quint32 id;
        QByteArray text;
        TextRun line;
    } events[] = {
        {Broadcast, "maintenance", {"maintenance", blue}},
        {Information, "You are now marked as being away.", {"You are now marked as being away.", blue}},
        {Error, "That user is not logged on.", {"That user is not logged on.", red}},
        {ChannelFull, "Clan Room", {"Channel is full!", red}},
        {ChannelMissing, "Clan Room", {"Channel is empty!", red}},
        {ChannelRestricted, "Clan Room", {"Channel is restricted!", red}},
    };
    for (const auto &sent : events) {
        event(sent.id, 0, 0, "", sent.text);
        EXPECT_EQ(lastLine(), std::vector<TextRun>{sent.line});
    }
    event(Emote, 0, 0, "Bob", "waves");
    const QColor khaki(0xCBC98Cu);
    EXPECT_EQ(lastLine(), (std::vector<TextRun>{{"* ", khaki, true}, {"Bob waves", khaki}}));
}

TEST_F(ChatEventLinesTest, EventsTheClientHasNoUseForChangeNothing)
{
    event(Join, 0, 0, "Bob", kStarcraftStats);
    const QString before = test.chatText(kAlpha);
    for (const quint32 id : {0x00u, 0x08u, 0x0Bu, 0x10u, 0x18u, 0xFFFFFFFFu})
        event(id, 0x02, 5, "Bob", "text");
    EXPECT_EQ(test.chatText(kAlpha), before);
    EXPECT_EQ(app.profile(kAlpha).users().GetFlags(QStringLiteral("Bob")), 0u);
    EXPECT_TRUE(test.errorLogText().isEmpty());
}

TEST_F(ChatEventLinesTest, TextsAreReadInTheWireCodePage)
{
    event(Talk, 0, 0, "Bj\xF6rn", "caf\xE9 \x80");
    EXPECT_EQ(lastLine()[0].text, QStringLiteral("Bj\u00F6rn: "));
    EXPECT_EQ(lastLine()[1].text, QStringLiteral("caf\u00E9 \u20AC"));
}

} // namespace
