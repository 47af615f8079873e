#include "support/LogonSession.h"
#include "support/PaneRuns.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString kAsked = QStringLiteral("This account is not registered yet, checking settings on what to do...");
const QString kAttempt = QStringLiteral("Attempting to register account...");

TEST(EmailRegistration, TheServersRequestIsAnsweredByTheModeSetting)
{
    const struct {
        const char *mode;
        const char *email;
        QStringList lines;
        bool sent;
    } cases[] = {
        {"Register", "", {kAsked, kAttempt, QStringLiteral("The e-mail is empty, skipping registration..")}, false},
        {"Register",
         "probe@example.com",
         {kAsked, kAttempt, QStringLiteral("Your account has been registered to the email: probe@example.com")},
         true},
        {"Disable",
         "probe@example.com",
         {kAsked, QStringLiteral("Registration is disabled, skipping request...")},
         false},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.lines.last().toStdString());
        LogonSession session(1); // no logon: only the request is answered
        session.profile().Mode = QString::fromLatin1(each.mode);
        session.profile().Email = QString::fromLatin1(each.email);
        ASSERT_TRUE(session.connect());
        session.send(0x59);
        ASSERT_TRUE(session.waitForLine(each.lines.last()));
        ASSERT_TRUE(session.roundTrip());
        EXPECT_EQ(session.linesAfterConnecting().mid(1), each.lines);
        EXPECT_EQ(session.sent(0x59), each.sent ? QByteArray(each.email, 18) : QByteArray());
        EXPECT_EQ(session.setting("Registration", "Mode"), each.sent ? QStringLiteral("Disabled") : QString());
        EXPECT_EQ(session.profile().Mode, QString::fromLatin1(each.mode)) << "memory keeps the mode for this run";
    }
}

TEST(EmailRegistration, TheModeSettingMakesItsRequestBeforeTheLogon)
{
    const struct {
        const char *mode;
        const char *newEmail;
        quint8 id;
        QByteArray payload;
    } cases[] = {
        {"Change", "new@example.com", 0x5B, QByteArray("probeA\0old@example.com\0new@example.com", 39)},
        {"Change", "", 0, {}},
        {"Retrieve", "", 0x5A, QByteArray("probeA\0old@example.com", 23)},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.mode);
        LogonSession session;
        session.profile().Mode = QString::fromLatin1(each.mode);
        session.profile().Email = QStringLiteral("old@example.com");
        session.profile().NewEmail = QString::fromLatin1(each.newEmail);
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForSent(0x3A));
        std::vector<quint8> expected{0x50, 0x25, 0x25, 0x14, each.id, 0x3A};
        if (each.id == 0)
            expected.erase(expected.begin() + 4);
        EXPECT_EQ(session.sentIds(), expected);
        if (each.id != 0) {
            EXPECT_EQ(session.sent(each.id), each.payload);
            EXPECT_EQ(session.setting("Registration", "Mode"), QStringLiteral("Disabled"));
            EXPECT_EQ(session.profile().Mode, QStringLiteral("Disabled"));
        }
        // A reconnection in the same run asks nothing again.
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForSent(0x3A));
        EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x14, 0x3A}));
    }
}

TEST(EmailRegistration, ARepeatedRequestIsAnsweredOnceAConnection)
{
    LogonSession session(1);
    session.profile().Mode = QStringLiteral("Register");
    session.profile().Email = QStringLiteral("probe@example.com");
    for (int logon = 0; logon < 2; ++logon) {
        ASSERT_TRUE(session.connect());
        for (int request = 0; request < 3; ++request)
            session.send(0x59);
        ASSERT_TRUE(session.roundTrip());
        const std::vector<quint8> ids = session.sentIds();
        EXPECT_EQ(std::count(ids.begin(), ids.end(), quint8{0x59}), 1) << "logon " << logon;
        EXPECT_EQ(session.linesAfterConnecting().count(kAttempt), 1);
    }
}

TEST(EmailRegistration, RepliesToTheModeRequestsAreReportedWhenTheyCarryAResult)
{
    LogonSession session(1);
    ASSERT_TRUE(session.connect());
    session.send(0x5A);
    session.send(0x5B, Word(0));
    session.send(0x5A, Word(2));
    ASSERT_TRUE(session.roundTrip());
    EXPECT_EQ(session.linesAfterConnecting().mid(1),
              QStringList({QStringLiteral("Battle.net answered the request for switching e-mails with result "
                                          "0x00000000."),
                           QStringLiteral("Battle.net answered the request for retrieving the password with result "
                                          "0x00000002.")}));
}

} // namespace

namespace {

TEST(EmailRegistration, DecliningTheServersRequestIsToldGreyOnceARun)
{
    const QString declined = QStringLiteral("Registration is disabled, skipping request...");
    LogonSession session(1);
    session.profile().Mode = QStringLiteral("Disabled");
    for (int logon = 0; logon < 2; ++logon) {
        ASSERT_TRUE(session.connect());
        for (int request = 0; request < 2; ++request) {
            session.send(0x59);
            ASSERT_TRUE(session.roundTrip());
        }
    }
    const QTextBlock line = session.profiles.profile(0).pane().find(declined).block();
    ASSERT_TRUE(line.isValid());
    const TextRun run = RunsOfBlock(line).back();
    EXPECT_TRUE(run.text.endsWith(declined));
    EXPECT_EQ(run.colour, QColor(0xAAAAAAu)) << "grey, not red";
    EXPECT_EQ(session.profiles.chatLines(0).count(declined), 1);
    EXPECT_EQ(session.profiles.chatLines(0).count(kAsked), 1);
}

} // namespace
