#include "session/ServerAddress.h"

#include "FailureNumber.h"

#include <gtest/gtest.h>

namespace {

void ExpectAddress(const char *setting, const char *host, quint16 port)
{
    SCOPED_TRACE(setting);
    const ServerAddress address = ServerAddress::parse(QString::fromLatin1(setting));
    EXPECT_EQ(address.host, QString::fromLatin1(host));
    EXPECT_EQ(address.port, port);
}

TEST(ServerAddress, APlainHostUsesTheBattleNetPortAndAPortAfterAColonReplacesIt)
{
    ExpectAddress("useast.battle.net", "useast.battle.net", 6112);
    ExpectAddress(" 127.0.0.1:40123 ", "127.0.0.1", 40123);
    ExpectAddress("::1", "::1", 6112);
    ExpectAddress("[::1]:7000", "::1", 7000);
    ExpectAddress("[::1]", "::1", 6112);
}

TEST(ServerAddress, RefusesPortsThatAreNotPortNumbers)
{
    for (const char *setting : {"host:", "host:0", "host:65536", "host:-1", "host:61l2", "[::1]x", "[::1"}) {
        SCOPED_TRACE(setting);
        EXPECT_EQ(FailureNumberOf([&] { ServerAddress::parse(QString::fromLatin1(setting)); }), Failure::InvalidCall);
    }
}

} // namespace
