#include "channel/modStatString.h"

#include "FailureNumber.h"

#include <gtest/gtest.h>

#include <QList>

#include <utility>

using namespace Qt::StringLiterals;

TEST(DescribeStatstring, DiabloCharactersListTheirStatistics)
{
    EXPECT_EQ(DescribeStatstring(u"LTRD 12 1 1 30 40 50 60 700 0"_s),
        u"Diablo: Level 12 Rogue with 1 dot, 30 strength, 40 magic, 50 dexterity, 60 vitality, 700 gold"_s);
    EXPECT_EQ(DescribeStatstring(u"RHSD 3 0 0 1 2 3 4 5 x"_s),
        u"Diablo Shareware: Level 3 Warrior with 0 dots, 1 strength, 2 magic, 3 dexterity, 4 vitality, 5 gold"_s);
    EXPECT_EQ(DescribeStatstring(u"LTRD 9 2 01 a b c d e f"_s),
        u"Diablo: Level 9 Sorcerer with 01 dots, a strength, b magic, c dexterity, d vitality, e gold"_s)
        << "Diablo fields are shown as they are, never taken as numbers";
    EXPECT_EQ(DescribeStatstring(u"LTRD 1 7 1 1 1 1 1 1 1"_s).section(u' ', 3, 3), u"7"_s)
        << "an unknown class number stands for itself";
}

TEST(DescribeStatstring, FamiliesWithoutNineFieldsAreBotsOnlyWhenBare)
{
    const QList<std::pair<QString, QString>> statstringsAndTexts = {
        {u"LTRD"_s, u"a Diablo bot"_s},
        {u"RHSD"_s, u"a Diablo Shareware bot"_s},
        {u"RATS"_s, u"a Starcraft bot"_s},
        {u"RTSJ"_s, u"a Japanese Starcraft bot"_s},
        {u"PXES"_s, u"a Starcraft Brood War bot"_s},
        {u"NB2W"_s, u"a Warcraft II bot"_s},
        {u"LTRD "_s, u"an illegal Diablo character: [ LTRD  ]"_s},
        {u"RHSD 1 x"_s, u"an illegal Diablo Shareware Character: [ RHSD 1 x ]"_s},
        {u"RATS 1 2 three"_s, u"an illegal Starcraft Account: [ RATS 1 2 three ]"_s},
        {u"RTSJ 0 0 0 0 0 0 0 0 0 0"_s, u"an illegal Japanese Starcraft Account: [ RTSJ 0 0 0 0 0 0 0 0 0 0 ]"_s},
        {u"PXESx"_s, u"an illegal Starcraft Brood War Account: [ PXESx ]"_s},
        {u"NB2W 0 -"_s, u"an illegal Warcraft II Account: [ NB2W 0 - ]"_s},
        // Fewer fields, all numbers, as servers describe accounts without
        // statistics: the missing ones are 0.
        {u"RATS 0 0 0 0 0"_s, u"Starcraft: 0 normal game wins"_s},
        {u"NB2W 1200 3 7"_s, u"Warcraft II: 7 normal game wins, with a rating of 1200 and a rank of 3 on the ladder"_s},
        {u"LTRD 5"_s, u"Diablo: Level 5 Warrior with 0 dots, 0 strength, 0 magic, 0 dexterity, 0 vitality, 0 gold"_s},
    };
    for (const auto &[statstring, text] : statstringsAndTexts)
        EXPECT_EQ(DescribeStatstring(statstring), text);
}

TEST(DescribeStatstring, StarcraftShowsWinsSpawnAndLadderStanding)
{
    EXPECT_EQ(DescribeStatstring(u"RATS 0 0 1 0 0 0 0 0 RATS"_s), u"Starcraft: 1 normal game win"_s);
    EXPECT_EQ(DescribeStatstring(u"RATS 0 0 1 1 0 0 0 0 RATS"_s), u"Starcraft (spawn) : 1 normal game win"_s);
    EXPECT_EQ(DescribeStatstring(u"PXES 1500 12 40 0 0 0 0 0 PXES"_s),
        u"Starcraft Brood War: 40 normal game wins, with a rating of 1500 and a rank of 12 on the ladder"_s);
    EXPECT_EQ(DescribeStatstring(u"RTSJ 1200 0 0 0 0 0 0 0 RTSJ"_s),
        u"Japanese Starcraft: 0 normal game wins, with a rating of 1200 on the ladder"_s);
    EXPECT_EQ(DescribeStatstring(u"RATS 0 0 2 0 0 0 900 5 RATS"_s), u"Starcraft: 2 normal game wins"_s)
        << "only Warcraft II has an IronMan ladder";
}

TEST(DescribeStatstring, WarcraftTwoAddsTheIronManLadder)
{
    EXPECT_EQ(DescribeStatstring(u"NB2W 0 0 3 0 0 0 1200 0 NB2W"_s),
        u"Warcraft II: 3 normal game wins, a rating of 1200 on the IronMan ladder"_s);
    EXPECT_EQ(DescribeStatstring(u"NB2W 1000 4 3 1 0 0 1200 7 NB2W"_s),
        u"Warcraft II (spawn) : 3 normal game wins, with a rating of 1000 and a rank of 4 on the ladder"
        u", a rating of 1200 and a rank of 7 on the IronMan ladder"_s);
}

TEST(DescribeStatstring, NumericTestsRefuseFieldsThatAreNoNumbers)
{
    for (const QString &statstring : {u"RATS x 0 1 0 0 0 0 0 RATS"_s, u"RATS 0 0 1 spawn 0 0 0 0 RATS"_s,
             u"RATS 10 ten 1 0 0 0 0 0 RATS"_s, u"RATS  0 1 0 0 0 0 0 RATS"_s, u"NB2W 0 0 1 0 0 0 q 0 NB2W"_s,
             u"NB2W 0 0 1 0 0 0 5 - NB2W"_s, u"RATS 99999999999999999999 0 1 0 0 0 0 0 RATS"_s})
        EXPECT_EQ(FailureNumberOf([&] { DescribeStatstring(statstring); }), Failure::TypeMismatch)
            << statstring.toStdString();
    EXPECT_EQ(DescribeStatstring(u"RATS 0 rank 1 0 ? ? x y z"_s), u"Starcraft: 1 normal game win"_s)
        << "fields that are not tested need not be numbers";
}

TEST(DescribeStatstring, ProductsWithoutStatistics)
{
    EXPECT_EQ(DescribeStatstring(u"RHSS 0 0 0"_s), u"StarCraft Shareware"_s);
    EXPECT_EQ(DescribeStatstring(u"TAHC"_s), u"a Chat bot"_s);
    EXPECT_EQ(DescribeStatstring(u"XXXX 1 2"_s), u"an unknown client [ XXXX 1 2 ]"_s);
    EXPECT_EQ(DescribeStatstring(u"BOON"_s), u"a client the server sent no statistics for [ BOON ]"_s)
        << "an icon code in place of statistics";
    EXPECT_EQ(DescribeStatstring(u"rats"_s), u"a client the server sent no statistics for [ rats ]"_s);
    EXPECT_EQ(DescribeStatstring(u"TA"_s), u"an unknown client [ TA ]"_s);
    EXPECT_EQ(DescribeStatstring(QString()), u"an unknown client [  ]"_s);
}

namespace {

TEST(ProductName, NamesTheCodeAStatstringBeginsWith)
{
    const std::pair<QString, QString> cases[] = {
        {u"PX2DRealm,Char"_s, u"Diablo II Lord of Destruction"_s},
        {u"3RAW 4H3W12"_s, u"Warcraft III Reign of Chaos"_s},
        {u"RATS"_s, u"Starcraft"_s},
        {u"TAHC"_s, u"a Chat bot"_s},
        {u"rats 0"_s, u"an unknown client"_s},
        {u"RAT"_s, u"an unknown client"_s},
        {{}, u"an unknown client"_s},
    };
    for (const auto &[statstring, name] : cases)
        EXPECT_EQ(ProductName(statstring), name) << statstring.toStdString();
}

} // namespace
