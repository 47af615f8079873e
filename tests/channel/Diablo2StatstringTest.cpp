#include "channel/Diablo2Statstring.h"
#include "channel/modStatString.h"

#include "platform/Cp1252.h"

#include "FailureNumber.h"

#include <gtest/gtest.h>

#include <QList>

using namespace Qt::StringLiterals;

namespace {

struct CharacterBytes {
    int classByte = 2;
    int level = 85;
    int flags = 0x20;
    int act = 140;
    int ladder = 1;
};

// A Diablo II statstring as it arrives: code, realm, name, then the character
// data decoded from the wire's code page. The filler holds commas and bytes
// of the code page's upper half so that they, too, must survive.
QString Diablo2Statstring(const QString &codeRealmName, const CharacterBytes &bytes, qsizetype dataSize = 33)
{
    QByteArray data(dataSize, ',');
    for (qsizetype i = 0; i < dataSize; i += 3)
        data[i] = '\x81';
    const auto put = [&](qsizetype offset, int value) {
        if (offset < dataSize)
            data[offset] = static_cast<char>(value);
    };
    put(13, bytes.classByte);
    put(25, bytes.level);
    put(26, bytes.flags);
    put(27, bytes.act);
    put(30, bytes.ladder);
    return codeRealmName + Cp1252::decode(data);
}

} // namespace

TEST(DescribeDiablo2, EmptySlotIsAnOpenCharacter)
{
    EXPECT_EQ(DescribeStatstring(u"VD2D"_s), u"Diablo II: Open Character"_s);
    EXPECT_EQ(DescribeStatstring(u"PX2D"_s), u"Diablo II Lord of Destruction: Open Character"_s);
}

TEST(DescribeDiablo2, DescribesAnExpansionCharacter)
{
    EXPECT_EQ(DescribeStatstring(Diablo2Statstring(u"PX2DR,N,"_s, {})),
        u"Diablo II Lord of Destruction: Slayer N, a level 85 ladder Sorceress in act 2 (Nightmare) on realm R "
        u"(Expansion)"_s);
    EXPECT_EQ(DescribeStatstring(Diablo2Statstring(
                  u"PX2DUSEast,Grim,"_s, {.classByte = 5, .level = 99, .flags = 0x24, .act = 158, .ladder = 255})),
        u"Diablo II Lord of Destruction: Guardian Grim, a hardcore level 99 Barbarian on realm USEast (Expansion)"_s);
}

TEST(DescribeDiablo2, DescribesAClassicCharacter)
{
    EXPECT_EQ(DescribeStatstring(Diablo2Statstring(
                  u"VD2DEurope,Ama,"_s, {.classByte = 2, .level = 60, .flags = 0x0C, .act = 152, .ladder = 255})),
        u"Diablo II: Queen Ama, a dead hardcore level 60 Sorceress on realm Europe"_s);
    EXPECT_EQ(DescribeStatstring(Diablo2Statstring(
                  u"VD2DWest,Bob,"_s, {.classByte = 4, .level = 30, .flags = 0x08, .act = 136, .ladder = 255})),
        u"Diablo II: Sir Bob, a level 30 Paladin in act 1 (Nightmare) on realm West"_s)
        << "death matters only to hardcore characters";
}

TEST(DescribeDiablo2, ClassicActsAndTitlesApplyToClassicCharactersOfTheExpansion)
{
    const CharacterBytes classicOnExpansion{.classByte = 7, .level = 40, .flags = 0x00, .act = 136, .ladder = 255};
    EXPECT_EQ(DescribeStatstring(Diablo2Statstring(u"PX2DR,N,"_s, classicOnExpansion)),
        u"Diablo II Lord of Destruction: Dame N, a level 40 Assassin in act 1 (Nightmare) on realm R"_s);
    EXPECT_EQ(DescribeStatstring(Diablo2Statstring(u"VD2DR,N,"_s, {.classByte = 3, .flags = 0x20, .act = 136})),
        u"Diablo II: Sir N, a level 85 ladder Necromancer in act 1 (Nightmare) on realm R (Expansion)"_s)
        << "a classic product reads the act byte the classic way";
}

TEST(DescribeDiablo2, ActBytesMapToActsAndTitles)
{
    struct Case {
        QString code;
        int flags;
        int classByte;
        int act;
        QString description; // after the header
    };
    const QList<Case> cases = {
        {u"PX2D"_s, 0x20, 5, 136, u"N, a level 1 Barbarian in act 5 (Normal) on realm R (Expansion)"_s},
        {u"PX2D"_s, 0x24, 5, 138,
            u"Destroyer N, a hardcore level 1 Barbarian in act 1 (Nightmare) on realm R (Expansion)"_s},
        {u"PX2D"_s, 0x20, 5, 146, u"Slayer N, a level 1 Barbarian in act 5 (Nightmare) on realm R (Expansion)"_s},
        {u"PX2D"_s, 0x24, 5, 148, u"Conquerer N, a hardcore level 1 Barbarian in act 1 (Hell) on realm R (Expansion)"_s},
        {u"PX2D"_s, 0x20, 5, 156, u"Champion N, a level 1 Barbarian in act 5 (Hell) on realm R (Expansion)"_s},
        {u"PX2D"_s, 0x20, 1, 158, u"Matriarch N, a level 1 Amazon on realm R (Expansion)"_s},
        {u"PX2D"_s, 0x20, 5, 158, u"Patriarch N, a level 1 Barbarian on realm R (Expansion)"_s},
        // Bytes between or beyond the acts are taken as the title level.
        {u"PX2D"_s, 0x20, 5, 139, u"Unknown (0x8B)N, a level 1 Barbarian on realm R (Expansion)"_s},
        {u"PX2D"_s, 0x20, 5, 160, u"Unknown (0xA0)N, a level 1 Barbarian on realm R (Expansion)"_s},
        {u"PX2D"_s, 0x20, 5, 2, u"Champion N, a level 1 Barbarian on realm R (Expansion)"_s},

        {u"VD2D"_s, 0x00, 3, 134, u"N, a level 1 Necromancer in act 4 (Normal) on realm R"_s},
        {u"VD2D"_s, 0x04, 3, 136, u"Count N, a hardcore level 1 Necromancer in act 1 (Nightmare) on realm R"_s},
        {u"VD2D"_s, 0x04, 1, 142, u"Countess N, a hardcore level 1 Amazon in act 4 (Nightmare) on realm R"_s},
        {u"VD2D"_s, 0x00, 5, 144, u"Lord N, a level 1 Barbarian in act 1 (Hell) on realm R"_s},
        {u"VD2D"_s, 0x00, 2, 146, u"Lady N, a level 1 Sorceress in act 2 (Hell) on realm R"_s},
        {u"VD2D"_s, 0x04, 2, 150, u"Duchess N, a hardcore level 1 Sorceress in act 4 (Hell) on realm R"_s},
        {u"VD2D"_s, 0x04, 4, 146, u"Duke N, a hardcore level 1 Paladin in act 2 (Hell) on realm R"_s},
        {u"VD2D"_s, 0x04, 4, 152, u"King N, a hardcore level 1 Paladin on realm R"_s},
        {u"VD2D"_s, 0x00, 7, 152, u"Baroness N, a level 1 Assassin on realm R"_s},
        {u"VD2D"_s, 0x00, 6, 152, u"Baron N, a level 1 Druid on realm R"_s},
        // Classic characters have neither act nor title beyond Hell or between acts.
        {u"VD2D"_s, 0x00, 5, 154, u"N, a level 1 Barbarian on realm R"_s},
        {u"VD2D"_s, 0x00, 5, 139, u"N, a level 1 Barbarian on realm R"_s},
    };
    for (const Case &test : cases) {
        const CharacterBytes bytes{
            .classByte = test.classByte, .level = 1, .flags = test.flags, .act = test.act, .ladder = 255};
        const QString text = DescribeDiablo2(Diablo2Statstring(test.code + u"R,N,"_s, bytes));
        EXPECT_EQ(text.section(u": "_s, 1), test.description) << test.code.toStdString() << " act byte " << test.act;
    }
}

TEST(DescribeDiablo2, ReadsTheDataAsTheBytesThatCameOverTheWire)
{
    const QString statstring
        = Diablo2Statstring(u"PX2DR,N,"_s, {.classByte = 9, .level = 0x80, .flags = 0x20, .act = 128, .ladder = 0x9F});
    EXPECT_EQ(DescribeDiablo2(statstring),
        u"Diablo II Lord of Destruction: N, a level 128 ladder unknown class in act 1 (Normal) on realm R"
        u" (Expansion)"_s);
    EXPECT_EQ(DescribeDiablo2(Diablo2Statstring(u"PX2D,,"_s, {}, 31)),
        u"Diablo II Lord of Destruction: Slayer , a level 85 ladder Sorceress in act 2 (Nightmare) on realm "
        u" (Expansion)"_s)
        << "empty realm and name, exactly 31 bytes of data";
}

TEST(DescribeDiablo2, MalformedStatstringsFromTheNetworkFail)
{
    for (const QString &statstring : {u"PX2DRealm"_s, u"PX2DRealm,Name"_s, u"VD2D,"_s, u"PX2"_s, QString(),
             Diablo2Statstring(u"PX2DR,N,"_s, {}, 30), Diablo2Statstring(u"VD2DR,N,"_s, {.classByte = 0})})
        EXPECT_EQ(FailureNumberOf([&] { DescribeDiablo2(statstring); }), Failure::ProtocolData)
            << statstring.toStdString();
}
