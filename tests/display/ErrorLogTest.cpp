#include "display/frmErrorHandler.h"
#include "display/modOutput.h"
#include "platform/Failure.h"
#include "platform/ServerDataFailure.h"
#include "session/PacketReceiver.h"
#include "session/clsConnection.h"
#include "support/ChatEvents.h"
#include "support/TestApp.h"
#include "support/TestServer.h"

#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

void fail(TarnwellApp &app, int number, const char *procedure, const char *module)
{
    app.guard(procedure, module, [number] { throw Failure(number, QStringLiteral("Subscript out of range")); });
}

TEST(ErrorLog, ReportsTwoLinesPerFailureAndComesBackAfterClosing)
{
    TestApp test;
    TarnwellApp &app = *test.app;
    fail(app, 9, "ParseEvents()", "clsBNCS");
    ASSERT_NE(app.errorLog(), nullptr);
    EXPECT_TRUE(app.errorLog()->isVisible());
    app.errorLog()->close();
    test.clock.advance(frmErrorHandler::kRaiseIntervalMs);
    fail(app, 13, "LoadOptions", "modProfiles");
    EXPECT_TRUE(app.errorLog()->isVisible());

    const QStringList lines = test.errorLogText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("] 9 - Subscript out of range")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("] Error in: ParseEvents() of clsBNCS")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("] 13 - Subscript out of range")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral("] Error in: LoadOptions of modProfiles")));
    QTextBlock::iterator numberLine = app.errorLog()->rtbErrors()->document()->firstBlock().begin();
    ++numberLine;
    EXPECT_EQ(numberLine.fragment().charFormat().foreground().color(), QColor(0xFF, 0, 0));

    app.errorLog()->cmdClear()->click();
    EXPECT_TRUE(test.errorLogText().isEmpty());
    fail(app, 5, "Connect()", "clsConnection");
    EXPECT_TRUE(test.errorLogText().split(QLatin1Char('\n'))[0].endsWith(QStringLiteral("5 - Subscript out of range")));
}

TEST(ErrorLog, ComesUpOverTheChatAtMostOnceInItsIntervalButLogsEveryReport)
{
    TestApp test;
    TarnwellApp &app = *test.app;
    fail(app, 9, "ParseEvents()", "clsBNCS");
    app.errorLog()->close();
    for (const quint32 step : {1000u, frmErrorHandler::kRaiseIntervalMs - 1001}) {
        test.clock.advance(step);
        fail(app, 9, "AddUser()", "clsBNCS");
        EXPECT_FALSE(app.errorLog()->isVisible());
    }
    test.clock.advance(1);
    fail(app, 9, "AddUser()", "clsBNCS");
    EXPECT_TRUE(app.errorLog()->isVisible());
    EXPECT_EQ(test.errorLogText().count(QStringLiteral("Error in: AddUser() of clsBNCS")), 3);
}

TEST(ErrorLog, FaultsInAServersDataAreLoggedOnOneLineWithoutComingUp)
{
    TestApp test;
    TarnwellApp &app = *test.app;
    // Replies too short for their fields, a statstring that does not read.
    for (const QByteArray &message :
         {TestServer::message(0x3A), TestServer::message(0x0F, QByteArray("\x01\0\0\0", 4)),
          ChatEventMessage(0x01, 0, 10, "odd", "3RAW 3O3W x")})
        app.profile(0).connection().receiver().DataArrival(message);
    ASSERT_NE(app.errorLog(), nullptr);
    EXPECT_FALSE(app.errorLog()->isVisible());
    EXPECT_GE(test.errorLogText().count(QStringLiteral("Error in: ")), 2) << test.errorLogText().toStdString();

    // A description quoting the server cannot start a report of its own.
    const qsizetype lines = test.errorLogText().count(QLatin1Char('\n'));
    app.guard("Forged()", "clsBNCS", [] {
        throw ServerDataFailure(Failure::ProtocolData, QStringLiteral("x") + QChar(0xFDD0) + QStringLiteral("[01:05:09 PM] 5 - y"));
    });
    EXPECT_EQ(test.errorLogText().count(QLatin1Char('\n')), lines + 2);

    fail(app, 9, "AddUser()", "clsBNCS");
    EXPECT_TRUE(app.errorLog()->isVisible()) << "faults of the program still come up";
}

TEST(ErrorLog, StandardExceptionsAreReportedToo)
{
    TestApp test;
    test.app->guard("Send()", "modFunctions", [] { throw std::out_of_range("index 4"); });
    EXPECT_TRUE(test.errorLogText().contains(QStringLiteral("9 - index 4")));
}

TEST(ErrorLog, StartsOverPastTheChatPanesLimitAndKeepsTheNewestReport)
{
    TestApp test;
    const QString unreadable(1000, QLatin1Char('x'));
    for (int report = 0; report < 2 * kAutoClearLimit / unreadable.size(); ++report) {
        test.app->guard("ParseEvents()", "clsBNCS", [&] { throw Failure(Failure::ProtocolData, unreadable); });
        ASSERT_LE(PaneTextLength(*test.app->errorLog()->rtbErrors()->document()),
                  kAutoClearLimit + 2 * unreadable.size());
    }
    test.app->guard("Connect()", "clsConnection", [] { throw Failure(Failure::OutOfRange, QStringLiteral("last")); });
    const QStringList lines = test.errorLogText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[lines.size() - 2].endsWith(QStringLiteral("] 9 - last")));
}

} // namespace
