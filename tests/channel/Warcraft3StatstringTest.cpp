#include "channel/modStatString.h"

#include "FailureNumber.h"

#include <gtest/gtest.h>

#include <QList>

#include <utility>

using namespace Qt::StringLiterals;

TEST(DescribeWarcraft3, ShortStatstringsAreNotParsed)
{
    EXPECT_EQ(DescribeStatstring(u"3RAW 3O3W1"_s), u"WarCraft III Reign of Chaos [ Not Parsed: 3RAW 3O3W1 ]"_s);
    EXPECT_EQ(DescribeStatstring(u"PX3W"_s), u"WarCraft III the Frozen Throne [ Not Parsed: PX3W ]"_s);
}

TEST(DescribeWarcraft3, ReadsIconAndClanBackwardsAndTheLevelForwards)
{
    EXPECT_EQ(DescribeStatstring(u"3RAW 3O3W 12"_s),
        u"Warcraft III Reign of Chaos: Level 12, with Orc Tauren (250 wins) as icon"_s);
    EXPECT_EQ(DescribeStatstring(u"3RAW 3O3W 12 TSET"_s),
        u"Warcraft III Reign of Chaos: Level 12, with Orc Tauren (250 wins) as icon, and in clan TEST"_s);
    EXPECT_EQ(DescribeStatstring(u"PX3W 6D3W 30 xelC"_s),
        u"Warcraft III the Frozen Throne: Level 30, with Tournament Archimonde (500 wins) as icon,"
        u" and in clan Clex"_s);
}

TEST(DescribeWarcraft3, IconsDependOnEditionRaceAndTier)
{
    const QList<std::pair<QString, QString>> iconCodesAndNames = {
        {u"3RAW 1H3W 1"_s, u"Peon"_s},
        {u"PX3W 1D3W 1"_s, u"Peon"_s},
        {u"3RAW 2N3W 5"_s, u"Night Elf Archer (25 wins)"_s},
        {u"3RAW 5R3W 5"_s, u"Random Deathwing (1500 wins)"_s},
        {u"3RAW 4U3W 5"_s, u"Undead Lich (500 wins)"_s},
        {u"PX3W 5H3W 5"_s, u"Human Blood Mage (750 wins)"_s},
        {u"PX3W 3N3W 5"_s, u"Night Elf Druid of the Talon (150 wins)"_s},
        {u"PX3W 6U3W 5"_s, u"Undead Sylvanas (1500 wins)"_s},
        // Reign of Chaos has no sixth tier and no tournament race.
        {u"3RAW 6H3W 5"_s, u"Human Unknown [ 6 ]"_s},
        {u"3RAW 2D3W 5"_s, u"Unknown [ D, 2 ]"_s},
        {u"PX3W 0O3W 5"_s, u"Orc Unknown [ 0 ]"_s},
        {u"PX3W 7R3W 5"_s, u"Random Unknown [ 7 ]"_s},
        {u"PX3W 2X3W 1"_s, u"Unknown [ X, 2 ]"_s},
        {u"PX3W 2h3W 1"_s, u"Unknown [ h, 2 ]"_s},
        // A server's own icon for a user without statistics, as sent.
        {u"PX3W BKBK 0"_s, u"the server's own BKBK"_s},
    };
    for (const auto &[statstring, iconName] : iconCodesAndNames) {
        const QString text = DescribeStatstring(statstring);
        const qsizetype start = text.indexOf(u", with "_s) + 7;
        EXPECT_EQ(text.mid(start, text.indexOf(u" as icon"_s) - start), iconName) << statstring.toStdString();
    }
}

TEST(DescribeWarcraft3, MalformedStatstringsFromTheNetworkFail)
{
    EXPECT_EQ(FailureNumberOf([] { DescribeStatstring(u"3RAW 4H3W12"_s); }), Failure::ProtocolData) << "no level field";
    EXPECT_EQ(FailureNumberOf([] { DescribeStatstring(u"PX3Wabcdefghij"_s); }), Failure::ProtocolData);
    EXPECT_EQ(FailureNumberOf([] { DescribeStatstring(u"3RAW 3W 123456"_s); }), Failure::ProtocolData)
        << "icon code too short to name a race";
    EXPECT_EQ(FailureNumberOf([] { DescribeStatstring(u"3RAW H3W 123456"_s); }), Failure::TypeMismatch)
        << "icon code without a tier digit";
    EXPECT_EQ(FailureNumberOf([] { DescribeStatstring(u"3RAW bkbk 123456"_s); }), Failure::TypeMismatch)
        << "only capitals name a server's icon";
    EXPECT_EQ(FailureNumberOf([] { DescribeStatstring(u"PX3W \u00B9H3W 12345"_s); }), Failure::TypeMismatch)
        << "a superscript one is no tier digit";
}
