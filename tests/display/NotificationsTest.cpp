#include "channel/ChatEvent.h"
#include "display/Notifications.h"
#include "profiles/ProgramSettings.h"
#include "profiles/frmMain.h"
#include "support/ChannelFixture.h"
#include "support/NotificationService.h"
#include "support/WaitUntil.h"

#include <QLabel>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

class NotificationsTest : public ChannelFixture {
protected:
    PrivateBus bus;
    NotificationService service;

    void SetUp() override
    {
        ASSERT_TRUE(bus.isRunning());
        QDBusConnection serviceSide = bus.connect(QStringLiteral("notification-service"));
        ASSERT_TRUE(service.registerOn(serviceSide));
        app.notifications().useBus(bus.connect(QStringLiteral("tarnwell")));
    }
    // Waits for the notification with this body, then gives what the
    // service was asked to show, in order. Notifications reach the service
    // in the order they were raised, so one that should not have been
    // raised before it would stand in the list.
    QStringList shownUntil(const QString &body)
    {
        const auto arrived = [&] {
            return std::any_of(service.shown().begin(), service.shown().end(),
                               [&](const NotificationService::Shown &shown) { return shown.body == body; });
        };
        EXPECT_TRUE(WaitUntil(arrived));
        QStringList lines;
        for (const NotificationService::Shown &shown : service.shown())
            lines.append(shown.summary + QStringLiteral(" | ") + shown.body);
        return lines;
    }
    void whisper(const QByteArray &from, const QByteArray &text, int profile = kBeta)
    {
        event(ChatEventId::WhisperFrom, 0, 0, from, text, profile);
    }
    void talk(const QByteArray &from, const QByteArray &text, int profile = kBeta)
    {
        event(ChatEventId::Talk, 0, 0, from, text, profile);
    }
};

TEST_F(NotificationsTest, AWhisperToABackgroundProfileRaisesOneAndAClickBringsThatProfileBack)
{
    whisper("Friend", "are you <there>?");
    ASSERT_TRUE(WaitUntil([&] { return service.shown().size() == 1; }));
    const NotificationService::Shown &shown = service.shown().front();
    EXPECT_EQ(shown.summary, QStringLiteral("beta: Friend"));
    EXPECT_EQ(shown.body, QStringLiteral("are you <there>?")) << "plain, for a service without markup";
    EXPECT_TRUE(shown.actions.contains(QStringLiteral("default")));

    service.click(shown.id);
    ASSERT_TRUE(WaitUntil([&] { return app.CurrentProfile == kBeta; }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.lblProfiles->text(), QStringLiteral("beta"));
}

TEST_F(NotificationsTest, OnlyLinesForTheUserAndAtMostOnePerSenderEveryFiveSeconds)
{
    talk("Someone", "hello all");
    talk("Someone", "hey beta, look");
    whisper("Someone", "at once again");
    whisper("Other", "to alpha", kAlpha);
    test.clock.advance(4999);
    whisper("Someone", "not yet");
    test.clock.advance(1);
    whisper("Someone", "five seconds on");
    EXPECT_EQ(shownUntil(QStringLiteral("five seconds on")),
              QStringList({QStringLiteral("beta: Someone | hey beta, look"), QStringLiteral("alpha: Other | to alpha"),
                           QStringLiteral("beta: Someone | five seconds on")}));
}

TEST_F(NotificationsTest, WhispersFromManyNamesAtOnceRaiseOnlyTheFirstFew)
{
    for (int sender = 0; sender < 50; ++sender)
        whisper("Flooder" + QByteArray::number(sender), "spam");
    test.clock.advance(Notifications::kQuietPerSender);
    whisper("Friend", "after the flood");
    const QStringList shown = shownUntil(QStringLiteral("after the flood"));
    ASSERT_EQ(shown.size(), qsizetype(Notifications::kMostSendersAtOnce + 1));
    EXPECT_EQ(shown[9], QStringLiteral("beta: Flooder9 | spam"));
}

TEST_F(NotificationsTest, TheProgramWideKeyTurnsThemOff)
{
    const auto setKey = [&](const char *value) {
        ProgramSettings::write(app.settings(), Notifications::kSection, Notifications::kKey, QString::fromLatin1(value));
    };
    setKey("0");
    whisper("Friend", "while off");
    setKey("1");
    whisper("Other", "while on");
    EXPECT_EQ(shownUntil(QStringLiteral("while on")), QStringList({QStringLiteral("beta: Other | while on")}));
}

} // namespace
