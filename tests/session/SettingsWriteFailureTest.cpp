#include "session/clsConnection.h"
#include "support/FullDisk.h"
#include "support/LogonSession.h"
#include "support/SrpAccountServer.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const QString kNotSaved = QStringLiteral("The new password could not be saved: ");

QByteArray config(const LogonSession &session)
{
    QFile file(session.profiles.profile(0).settings().profileConfigPath(session.profile().Name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The server has taken the new password, but the disk is full: the settings
// file keeps both passwords as they were, the record too, and the user is
// told where the new password is, without the pane showing it.
TEST(SettingsWriteFailure, APasswordChangeThatCannotBeSavedKeepsBothPasswordsAndSaysWhere)
{
    const struct {
        qint32 logonType;
        quint8 logonMessage;
    } cases[] = {{0, 0x3A}, {2, 0x53}};
    for (const auto &each : cases) {
        SCOPED_TRACE(each.logonType);
        LogonSession session(each.logonType);
        std::unique_ptr<SrpAccountServer> accounts;
        if (each.logonType == 2) {
            accounts = std::make_unique<SrpAccountServer>(session.server());
            accounts->createAccount("probeA", "Secret1");
        } else {
            session.answer(0x31, TestServer::message(0x31, Word(1)));
        }
        session.setNewPassword(QStringLiteral("Better2"));
        const QByteArray before = config(session);
        {
            const FullDisk full;
            ASSERT_TRUE(session.connect());
            ASSERT_TRUE(session.waitForClose());
        }
        const QStringList lines = session.linesAfterConnecting();
        ASSERT_GE(lines.size(), 2);
        const QString report = lines[lines.size() - 2];
        EXPECT_TRUE(report.startsWith(kNotSaved)) << report.toStdString();
        EXPECT_TRUE(report.contains(QStringLiteral("New Password"))) << report.toStdString();
        EXPECT_FALSE(session.profiles.profile(0).pane().toPlainText().contains(QStringLiteral("Better2")));
        EXPECT_EQ(config(session), before);
        EXPECT_EQ(session.profile().Password, QStringLiteral("Secret1"));
        EXPECT_EQ(session.profile().NewPassword, QStringLiteral("Better2"));
        const std::vector<quint8> sent = session.sentIds();
        EXPECT_EQ(std::count(sent.begin(), sent.end(), each.logonMessage), 0) << "no logon with either password";
        EXPECT_TRUE(session.profiles.errorLogText().contains(QStringLiteral("StoreNewPassword()")));
    }
}

TEST(SettingsWriteFailure, ARegistrationModeThatCannotBeSavedIsReportedAndTheLogonGoesOn)
{
    LogonSession session(2);
    SrpAccountServer accounts(session.server());
    session.profile().Mode = QStringLiteral("Register");
    session.profile().Email = QStringLiteral("probe@example.com");
    accounts.createAccount("probeA", "Secret1");
    accounts.acceptedStatus = 14;
    const FullDisk full;
    ASSERT_TRUE(session.connect());
    ASSERT_TRUE(session.waitForSent(0x0C));
    const QStringList lines = session.linesAfterConnecting();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("The registration mode could not be saved: "))) << lines[2].toStdString();
    EXPECT_EQ(lines[3], QStringLiteral("Login accepted, entering chat environment..."));
    EXPECT_EQ(session.setting("Registration", "Mode"), QString());
}

} // namespace
