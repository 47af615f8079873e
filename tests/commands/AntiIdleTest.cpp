#include "channel/DurationText.h"
#include "commands/AntiIdle.h"
#include "commands/frmIdle.h"
#include "display/modOutput.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"
#include "session/Send.h"
#include "support/ConnectedProfileTest.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

namespace {

constexpr quint8 kChatMessage = 0x0E;

class AntiIdleTest : public ConnectedProfileTest<1> {
protected:
    AntiIdle &idle() const { return *app.mainWindow().findChild<AntiIdle *>(); }

    void configure(const char *interval, const QString &message, const char *status)
    {
        const auto write = [&](const char *key, const QString &value) {
            app.settings().WriteProfileSetting(app.profile(0).record().Name, QStringLiteral("Anti idle"), QString::fromLatin1(key),
                                               value);
        };
        if (interval)
            write("Interval", QString::fromLatin1(interval));
        write("Message", message);
        write("Status", QString::fromLatin1(status));
        LoadIdleSettings(app.profile(0));
    }

    // The texts of the chat messages the server received, without their ends.
    QStringList chatSent() const
    {
        QStringList texts;
        for (const TestServer::Message &message : p.server.messages(connection)) {
            if (message.id == kChatMessage)
                texts << QString::fromLatin1(message.payload.chopped(1));
        }
        return texts;
    }

    // Ticks after the given milliseconds, then waits until `count` chat
    // messages have arrived in all.
    ::testing::AssertionResult tickAndExpect(quint32 milliseconds, std::size_t count)
    {
        p.test.clock.advance(milliseconds);
        idle().tmrIdle_Timer();
        // Everything sent before this marker has arrived once the marker has.
        Send(app.profile(0), QStringLiteral("marker"));
        if (!p.server.waitForMessages(connection, 2 + count + markers + 1))
            return ::testing::AssertionFailure() << "messages did not arrive";
        ++markers;
        QStringList sent = chatSent();
        sent.removeAll(QStringLiteral("marker"));
        if (static_cast<std::size_t>(sent.size()) != count)
            return ::testing::AssertionFailure() << sent.size() << " idle messages: " << sent.join(u'|').toStdString();
        return ::testing::AssertionSuccess();
    }

    std::size_t markers = 0;
};

} // namespace

TEST_F(AntiIdleTest, IntervalZeroSendsOnEveryTickAfterTheFirst)
{
    configure(nullptr, QStringLiteral("idle %v"), "1");
    EXPECT_TRUE(tickAndExpect(0, 0)) << "the first tick only starts the count";
    EXPECT_TRUE(tickAndExpect(AntiIdle::kTickInterval, 1));
    EXPECT_TRUE(tickAndExpect(AntiIdle::kTickInterval, 2));
    EXPECT_TRUE(chatSent().contains(QStringLiteral("idle ") + GetVersion())) << chatSent().join(u'|').toStdString();
}

TEST_F(AntiIdleTest, IntervalOfFiveMinutesWaitsThreeHundredThousandMilliseconds)
{
    configure("5", QStringLiteral("still here"), "1");
    EXPECT_TRUE(tickAndExpect(0, 0));
    EXPECT_TRUE(tickAndExpect(290000, 0));
    EXPECT_TRUE(tickAndExpect(9999, 0));
    EXPECT_TRUE(tickAndExpect(1, 1));
    EXPECT_TRUE(tickAndExpect(290000, 1)) << "the wait starts again after each message";
}

TEST_F(AntiIdleTest, TheTickCountWrapsWithoutStoppingMessages)
{
    configure("1", QStringLiteral("wrap"), "1");
    p.test.clock.setTickCount(0xFFFFFFFFu - 30000);
    EXPECT_TRUE(tickAndExpect(0, 0));
    EXPECT_TRUE(tickAndExpect(60000, 1));
}

TEST_F(AntiIdleTest, StatusZeroNeverSends)
{
    configure("0", QStringLiteral("quiet"), "0");
    EXPECT_TRUE(tickAndExpect(0, 0));
    EXPECT_TRUE(tickAndExpect(AntiIdle::kTickInterval, 0));
    EXPECT_TRUE(tickAndExpect(3600000, 0));
}

TEST_F(AntiIdleTest, VariablesExpand)
{
    p.test.clock.setTickCount(3661000);
    const QString hourMinuteSecond = QStringLiteral("1 hour, 1 minute, and 1 second");
    configure("1", QStringLiteral("%suptime|%cuptime"), "1");
    app.profile(0).state().EnterChatTick = 0;
    EXPECT_EQ(ExpandIdleMessage(app, app.profile(0)), hourMinuteSecond + QLatin1Char('|') + hourMinuteSecond)
        << "before chat the connection uptime is the system's";
    app.profile(0).state().EnterChatTick = 3600000;
    EXPECT_EQ(ExpandIdleMessage(app, app.profile(0)),
              hourMinuteSecond + QLatin1Char('|') + FormatDuration(61000, DurationWords::Long));

    configure("1", QStringLiteral("on %wmp"), "1");
    EXPECT_EQ(ExpandIdleMessage(app, app.profile(0)), QStringLiteral("on Windows Media Player not loaded."));
    configure("1", QStringLiteral("song %itunes now"), "1");
    EXPECT_EQ(ExpandIdleMessage(app, app.profile(0)), QStringLiteral("iTunes is not loaded."));
}

TEST_F(AntiIdleTest, UnreadableSettingsLeaveTheirFields)
{
    configure("7", QStringLiteral("kept"), "1");
    configure("seven", QStringLiteral("new"), "yes");
    EXPECT_EQ(app.profile(0).record().IdleInterval, 7);
    EXPECT_EQ(app.profile(0).record().IdleMessage, QStringLiteral("new"));
    EXPECT_FALSE(app.profile(0).record().IdleEnabled);
}

TEST_F(AntiIdleTest, DialogShowsAndAppliesTheSettings)
{
    configure("2", QStringLiteral("back soon"), "1");
    app.popupMenu().mnuIdle->trigger();
    frmIdle &dialog = app.popupMenu().idleWindow();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Idle Settings"));
    EXPECT_EQ(dialog.lblInterval->text(), QStringLiteral("2 minutes"));
    EXPECT_EQ(dialog.txtMessage->text(), QStringLiteral("back soon"));
    EXPECT_TRUE(dialog.chkEnabled->isChecked());

    dialog.slidInterval->setValue(1);
    EXPECT_EQ(dialog.lblInterval->text(), QStringLiteral("1 minute"));
    dialog.txtMessage->setText(QStringLiteral("away %v"));
    dialog.chkEnabled->setChecked(false);
    dialog.cmdSave->click();
    EXPECT_FALSE(dialog.isVisible());
    const auto stored = [&](const char *key) {
        return app.settings().ReadProfileSetting(app.profile(0).record().Name, QStringLiteral("Anti idle"), QString::fromLatin1(key));
    };
    EXPECT_EQ(stored("Interval"), QStringLiteral("1"));
    EXPECT_EQ(stored("Message"), QStringLiteral("away %v"));
    EXPECT_EQ(stored("Status"), QStringLiteral("0"));
    EXPECT_EQ(app.profile(0).record().IdleInterval, 1) << "applied at once";
    EXPECT_FALSE(app.profile(0).record().IdleEnabled);
}
