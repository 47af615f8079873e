#include "session/clsConnection.h"
#include "support/LogonSession.h"

#include <gtest/gtest.h>

namespace {

// A reply cut short is reported under its handler's own names and changes
// nothing: no field is made up, nothing is sent, the connection stays.
TEST(ShortReplies, AreReportedUnderTheirHandlersNamesAndChangeNothing)
{
    const struct {
        quint8 id;
        QByteArray payload;
        const char *procedure;
    } cases[] = {
        {0x50, Hex("00000000 2526"), "Receive0x50"},
        {0x3A, Hex("0000"), "Receive0x3A()"},
        {0x3A, Word(0) + "closed", "Receive0x3A()"}, // a reason without its end
        {0x3D, Hex("00"), "Receive0x3D()"},
        {0x31, {}, "Receive0x31()"},
        {0x52, Hex("000000"), "Receive0x52()"},
        {0x53, Word(0) + QByteArray(32, 's') + QByteArray(31, 'b'), "Receive0x53()"},
        {0x54, Word(0) + QByteArray(19, 'm'), "Receive0x54()"},
        {0x55, Word(0) + QByteArray(32, 's'), "Receive0x55()"},
        {0x56, Word(0) + QByteArray(10, 'm'), "Receive0x56()"},
        {0x57, Word(0) + Hex("4433"), "Receive0x57()"},
        {0x0A, QByteArray("probeA#2\0RATS\0", 14), "Receive0x0A()"},
        {0x5B, Hex("01"), "Receive0x5B()"},
    };
    for (const auto &each : cases) {
        SCOPED_TRACE(each.procedure);
        LogonSession session(1);
        ASSERT_TRUE(session.connect());
        ASSERT_TRUE(session.waitForLine(QStringLiteral("Unsupported logon type (0x00000001)!")));
        const LogonState before = session.profiles.profile(0).logon();
        session.send(each.id, each.payload);
        ASSERT_TRUE(session.roundTrip());
        const QString errors = session.profiles.errorLogText();
        EXPECT_TRUE(errors.contains(QStringLiteral("Error in: %1 of clsConnection").arg(QLatin1String(each.procedure))))
            << errors.toStdString();
        EXPECT_EQ(session.sentIds(), (std::vector<quint8>{0x50, 0x25, 0x25, 0x00}));
        EXPECT_EQ(session.profiles.profile(0).logon().ServerToken, before.ServerToken);
        EXPECT_TRUE(session.state().UniqueName.isEmpty());
    }
}

// A reply that needs a logon step in progress, arriving without one, is
// refused the same way.
TEST(ShortReplies, AProofWithoutAnExchangeIsRefused)
{
    LogonSession session(1);
    ASSERT_TRUE(session.connect());
    session.send(0x54, Word(0) + QByteArray(20, 'm'));
    session.send(0x56, Word(0) + QByteArray(20, 'm'));
    // A password change nobody asked for: the saved password stays.
    session.send(0x31, Word(1));
    ASSERT_TRUE(session.roundTrip());
    const QString errors = session.profiles.errorLogText();
    EXPECT_TRUE(errors.contains(QStringLiteral("Error in: Receive0x54() of clsConnection")));
    EXPECT_TRUE(errors.contains(QStringLiteral("Error in: Receive0x56() of clsConnection")));
    EXPECT_TRUE(errors.contains(QStringLiteral("Error in: Receive0x31() of clsConnection")));
    EXPECT_EQ(session.profile().Password, QStringLiteral("Secret1"));
    EXPECT_TRUE(session.profiles.profile(0).isConnected());
}

} // namespace
