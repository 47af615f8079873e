#include "profiles/frmMain.h"
#include "session/Send.h"
#include "session/clsConnection.h"
#include "support/ConnectedProfileTest.h"

#include <QLabel>
#include <QTextBlock>
#include "support/Bytes.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

namespace {

class SendTest : public ConnectedProfileTest<> {
protected:
    void SetUp() override
    {
        ConnectedProfileTest::SetUp();
        app.profile(0).state().AccountName = QStringLiteral("probe");
        // Unpaced: what goes out is checked here, the pacing elsewhere.
        app.profile(0).record().Flood.on = false;
    }
    // The chat messages 0x0E the client sent, in order.
    QList<QByteArray> chatSent() const
    {
        QList<QByteArray> payloads;
        for (const TestServer::Message &message : p.server.messages(connection)) {
            if (message.id == 0x0E)
                payloads.append(message.payload);
        }
        return payloads;
    }
    QColor colourOfLastLineAt(int fragment) const
    {
        QTextBlock line = app.profile(0).pane().lastBlock().previous();
        auto it = line.begin();
        for (int i = 0; i < fragment; ++i)
            ++it;
        return it.fragment().charFormat().foreground().color();
    }
};

TEST_F(SendTest, ChatGoesOutAsOneMessageAndIsEchoed)
{
    Send(app.profile(0), QStringLiteral("hello"));
    ASSERT_TRUE(p.server.waitForMessages(connection, 3));
    EXPECT_EQ(chatSent(), QList<QByteArray>{bytes("hello\0")});
    EXPECT_EQ(p.chatLines(0).last(), QStringLiteral("probe: hello"));
    EXPECT_EQ(colourOfLastLineAt(1), QColor(0x00, 0xFF, 0xFF));
    EXPECT_EQ(colourOfLastLineAt(3), QColor(0xFF, 0xFF, 0xFF));

    // The profile's own channel, not the one on screen, which may be
    // another profile's.
    app.profile(0).state().CurrentChannel = QStringLiteral("Blizzard Tech Support");
    app.mainWindow().lblChlInfo->setText(QStringLiteral("Chat [3]"));
    Send(app.profile(0), QStringLiteral("help"));
    EXPECT_EQ(colourOfLastLineAt(3), QColor(0xAA, 0xAA, 0xAA));
    app.profile(0).state().CurrentChannel = QStringLiteral("blizzard tech support");
    app.mainWindow().lblChlInfo->setText(QStringLiteral("Blizzard Tech Support [3]"));
    Send(app.profile(0), QStringLiteral("again"));
    EXPECT_EQ(colourOfLastLineAt(3), QColor(0xFF, 0xFF, 0xFF));
}

TEST_F(SendTest, CommandsAreNotEchoedAndLongLinesArriveInPiecesTheServerTakes)
{
    const int linesBefore = p.chatLines(0).size();
    Send(app.profile(0), QStringLiteral("/whois someone"));
    const QString words = QStringLiteral("word ").repeated(120).trimmed();
    Send(app.profile(0), words);
    Send(app.profile(0), QStringLiteral("/w friend ") + words);
    Send(app.profile(0), QStringLiteral("/whois ") + QString(200, QLatin1Char('y')));
    ASSERT_TRUE(WaitUntil([&] { return chatSent().size() == 1 + 4 + 4; }));
    const QList<QByteArray> sent = chatSent();
    EXPECT_EQ(sent.first(), bytes("/whois someone\0"));
    QStringList chat;
    QStringList whispered;
    for (const QByteArray &payload : sent.mid(1)) {
        EXPECT_LE(payload.size() - 1, 160);
        const QString piece = QString::fromLatin1(payload.chopped(1));
        if (piece.startsWith(QStringLiteral("/w friend ")))
            whispered.append(piece.mid(10));
        else
            chat.append(piece);
    }
    EXPECT_EQ(chat.join(QLatin1Char(' ')), words);
    EXPECT_EQ(whispered.join(QLatin1Char(' ')), words);
    const QStringList lines = p.chatLines(0);
    QStringList echoes;
    for (const QString &piece : chat)
        echoes.append(QStringLiteral("probe: ") + piece);
    EXPECT_EQ(lines.mid(linesBefore, 4), echoes) << "each piece echoed as it goes";
    EXPECT_EQ(lines.last(), QStringLiteral("Command not sent: it is 207 bytes long as sent, and this profile sends at "
                                           "most 160 bytes in one line."));
    EXPECT_TRUE(app.isConnected(0));
}

TEST_F(SendTest, TheProfilesEncodingIsWhatGoesOutAndWhatIsEchoed)
{
    const QString cyrillic = QString::fromUtf8("\u041F\u0440\u0438\u0432\u0435\u0442");
    const QString grinning = QString::fromUtf8("\U0001F600");
    const QString unsendable = QStringLiteral(" could not be sent in this server's character set.");
    struct Case {
        WireEncoding encoding;
        QString typed;
        QByteArray sent;
        QStringList lines;
    };
    const Case cases[] = {
        {WireEncoding::Windows1252, QString::fromUtf8("caf\u00E9 \u20AC"), bytes("caf\xE9 \x80\0"),
         {QString::fromUtf8("probe: caf\u00E9 \u20AC")}},
        {WireEncoding::Windows1252, cyrillic + u'!', QByteArray(6, '?') + "!" + '\0',
         {QStringLiteral("probe: ") + QString(6, u'?') + u'!', QStringLiteral("6 characters") + unsendable}},
        {WireEncoding::Windows1252, QStringLiteral("/w bob ") + grinning, bytes("/w bob ?\0"),
         {QStringLiteral("1 character") + unsendable}},
        {WireEncoding::Utf8, cyrillic + grinning, (cyrillic + grinning).toUtf8() + '\0', {QStringLiteral("probe: ") + cyrillic + grinning}},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.typed.toStdString());
        app.profile(0).record().Encoding = each.encoding;
        const int linesBefore = p.chatLines(0).size();
        const qsizetype sentBefore = chatSent().size();
        Send(app.profile(0), each.typed);
        ASSERT_TRUE(WaitUntil([&] { return chatSent().size() > sentBefore; }));
        EXPECT_EQ(chatSent().last(), each.sent);
        EXPECT_EQ(p.chatLines(0).mid(linesBefore), each.lines);
    }

    // The length cut is the length on the wire: what fits as single bytes
    // can be too long as UTF-8.
    const QString longLine(100, cyrillic.at(0));
    const qsizetype sentBefore = chatSent().size();
    Send(app.profile(0), longLine);
    ASSERT_TRUE(WaitUntil([&] { return chatSent().size() == sentBefore + 2; }));
    EXPECT_EQ(chatSent().at(sentBefore), QString(longLine.left(80)).toUtf8() + '\0');
    app.profile(0).record().Encoding = WireEncoding::Windows1252;
    Send(app.profile(0), longLine);
    ASSERT_TRUE(WaitUntil([&] { return chatSent().size() == sentBefore + 3; }));
    EXPECT_EQ(p.chatLines(0).last(), QStringLiteral("100 characters") + unsendable);
}

TEST_F(SendTest, NotConnectedSendsNothing)
{
    app.profile(0).connection().Disconnect();
    Send(app.profile(0), QStringLiteral("hello"));
    EXPECT_EQ(p.chatLines(0).last(), QStringLiteral("You are not connected to Battle.net."));
    EXPECT_TRUE(chatSent().isEmpty());
}

} // namespace
