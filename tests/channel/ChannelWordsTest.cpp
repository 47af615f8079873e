#include "channel/ChannelFlags.h"
#include "channel/ChatNames.h"
#include "channel/UserIcons.h"

#include <gtest/gtest.h>

namespace {

TEST(ChannelWordsTest, AccountNamesAreThePieceAfterTheFirstStar)
{
    EXPECT_EQ(GetAccountName(QStringLiteral("Char*Account")), QStringLiteral("Account"));
    EXPECT_EQ(GetAccountName(QStringLiteral("a*b*c")), QStringLiteral("b"));
    EXPECT_EQ(GetAccountName(QStringLiteral("*Account")), QStringLiteral("Account"));
    EXPECT_EQ(GetAccountName(QStringLiteral("Plain")), QStringLiteral("Plain"));
}

TEST(ChannelWordsTest, OnlyDiabloIIProductsPrefixAccountNames)
{
    EXPECT_EQ(GetNamePrefix(QStringLiteral("VD2D")), QStringLiteral("*"));
    EXPECT_EQ(GetNamePrefix(QStringLiteral("PX2D")), QStringLiteral("*"));
    EXPECT_EQ(GetNamePrefix(QStringLiteral("LTRD")), QString());
    EXPECT_EQ(GetNamePrefix(QString()), QString());
}

TEST(ChannelWordsTest, ChannelFlagWordsComeInTheirFixedOrder)
{
    EXPECT_EQ(DescribeChannelFlags(0), QStringLiteral("private, "));
    EXPECT_EQ(DescribeChannelFlags(0x03), QStringLiteral("moderated, public, "));
    EXPECT_EQ(DescribeChannelFlags(0x4004), QStringLiteral("redirected, restricted, "));
    EXPECT_EQ(DescribeChannelFlags(0x503F),
              QStringLiteral("redirected, restricted, moderated, public, silent, system, product-specific, global, "));
    EXPECT_EQ(DescribeChannelFlags(0x0100), QStringLiteral("private, "));
}

TEST(ChannelWordsTest, ClientIconsByStatusProductAndIconCode)
{
    const struct {
        const char *statstring;
        quint32 flags;
        int icon;
    } cases[] = {
        {"", 0x20, 0},                   // no statstring, no image, whatever the flags
        {"PX2DRealm,Char,data", 0, 12},  // product code at the start
        {"TAHC", 0, 1},
        {"3RAW 1R3W 3 iscw", 0, 36},    // an icon code at the end wins over the product
        {"RATS 0 0 0 0 0 0 0 0 WCBR", 0, 5},
        {"PX3W ab ISCW", 0x20, 13},      // status before everything
        {"RATS", 0x03, 24},              // representative before operator
        {"RATS", 0x02, 2},
        {"RATS", 0x08, 25},
        {"RATS", 0x40, 26},
        {"XXXX", 0, 0},
        {"ISCW", 0, 36},
        {"CW", 0, 0},
    };
    for (const auto &user : cases)
        EXPECT_EQ(GetClientIcon(QString::fromLatin1(user.statstring), user.flags), user.icon) << user.statstring;
}

TEST(ChannelWordsTest, LatencyIconsByPingAndUdp)
{
    const std::pair<qint32, int> pings[] = {{0, 28}, {-5, 28}, {1, 14}, {199, 14}, {200, 15}, {300, 15},
                                            {301, 16}, {400, 16}, {401, 17}, {600, 17}, {601, 18}, {1200, 18},
                                            {1201, 19}};
    for (const auto &[ping, icon] : pings)
        EXPECT_EQ(GetLatencyIcon(ping, 0), icon) << ping;
    EXPECT_EQ(GetLatencyIcon(0, 0x10), 20);
    EXPECT_EQ(GetLatencyIcon(50, 0x12), 20);
}

} // namespace
