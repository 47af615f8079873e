#include "channel/modStatString.h"

#include "channel/Diablo2Statstring.h"
#include "channel/Warcraft3Statstring.h"
#include "platform/Failure.h"
#include "platform/ServerDataFailure.h"

#include <QStringList>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// What a statstring of the Diablo, Starcraft and Warcraft II families says
// when it does not hold exactly the nine fields of a full set of statistics.
struct Fallbacks {
    QString bareCode; // a program logged on with no statistics at all
    QString botText;
    QString illegalPrefix; // followed by the whole statstring and " ]"
};

struct StarcraftEdition {
    QString name;
    Fallbacks fallbacks;
    bool hasIronManLadder;
};

constexpr qsizetype kStatisticsFieldCount = 9;

QStringList FieldsAfterCode(const QString &statstring)
{
    const QString statistics = statstring.mid(5);
    return statistics.isEmpty() ? QStringList() : statistics.split(u' ');
}

bool AllNumbers(const QStringList &fields)
{
    return std::all_of(fields.cbegin(), fields.cend(), [](const QString &field) {
        bool isNumber = false;
        field.toLongLong(&isNumber);
        return isNumber;
    });
}

QString DescribeFields(const QString &statstring, const Fallbacks &fallbacks,
    const std::function<QString(const QStringList &)> &describeStatistics)
{
    QStringList fields = FieldsAfterCode(statstring);
    // Servers describe an account without statistics with fewer fields, all
    // numbers ("RATS 0 0 0 0 0"); the fields left out are 0.
    if (!fields.isEmpty() && fields.size() < kStatisticsFieldCount && AllNumbers(fields)) {
        while (fields.size() < kStatisticsFieldCount)
            fields.append(u"0"_s);
    }
    if (fields.size() == kStatisticsFieldCount)
        return describeStatistics(fields);
    if (statstring == fallbacks.bareCode)
        return fallbacks.botText;
    return fallbacks.illegalPrefix + statstring + u" ]"_s;
}

QString PluralEnding(const QString &count)
{
    return count == u"1"_s ? QString() : u"s"_s;
}

qlonglong FieldNumber(const QString &field)
{
    bool isNumber = false;
    const qlonglong number = field.toLongLong(&isNumber);
    if (!isNumber)
        throw ServerDataFailure(Failure::TypeMismatch, u"Statstring field \"%1\" is not a number"_s.arg(field));
    return number;
}

QString DiabloClassWord(const QString &field)
{
    if (field == u"0"_s)
        return u"Warrior"_s;
    if (field == u"1"_s)
        return u"Rogue"_s;
    if (field == u"2"_s)
        return u"Sorcerer"_s;
    return field;
}

QString DescribeDiablo(const QString &statstring, const QString &header, const Fallbacks &fallbacks)
{
    return DescribeFields(statstring, fallbacks, [&](const QStringList &field) {
        return header + field[0] + u' ' + DiabloClassWord(field[1]) + u" with "_s + field[2] + u" dot"_s
            + PluralEnding(field[2]) + u", "_s + field[3] + u" strength, "_s + field[4] + u" magic, "_s + field[5]
            + u" dexterity, "_s + field[6] + u" vitality, "_s + field[7] + u" gold"_s;
    });
}

QString LadderStanding(const QString &rating, const QString &rank, const QString &lead, const QString &ladder)
{
    if (FieldNumber(rating) <= 0)
        return {};
    QString text = lead + rating;
    if (FieldNumber(rank) > 0)
        text += u" and a rank of "_s + rank;
    return text + ladder;
}

QString DescribeStarcraft(const QString &statstring, const StarcraftEdition &edition)
{
    return DescribeFields(statstring, edition.fallbacks, [&](const QStringList &field) {
        QString text = edition.name;
        if (FieldNumber(field[3]) == 1)
            text += u" (spawn) "_s;
        text += u": "_s + field[2] + u" normal game win"_s + PluralEnding(field[2]);
        text += LadderStanding(field[0], field[1], u", with a rating of "_s, u" on the ladder"_s);
        if (edition.hasIronManLadder)
            text += LadderStanding(field[6], field[7], u", a rating of "_s, u" on the IronMan ladder"_s);
        return text;
    });
}

} // namespace

QString ProductName(const QString &statstring)
{
    static const std::pair<QLatin1StringView, QLatin1StringView> kProducts[] = {
        {"RATS"_L1, "Starcraft"_L1},
        {"RHSS"_L1, "Starcraft Shareware"_L1},
        {"PXES"_L1, "Starcraft Brood War"_L1},
        {"NB2W"_L1, "Warcraft II"_L1},
        {"LTRD"_L1, "Diablo"_L1},
        {"RHSD"_L1, "Diablo Shareware"_L1},
        {"VD2D"_L1, "Diablo II"_L1},
        {"PX2D"_L1, "Diablo II Lord of Destruction"_L1},
        {"3RAW"_L1, "Warcraft III Reign of Chaos"_L1},
        {"PX3W"_L1, "Warcraft III the Frozen Throne"_L1},
        {"RTSJ"_L1, "Japanese Starcraft"_L1},
        {"TAHC"_L1, "a Chat bot"_L1},
    };
    const QString code = statstring.left(4);
    for (const auto &[stored, name] : kProducts) {
        if (code == stored)
            return name;
    }
    return u"an unknown client"_s;
}

QString DescribeStatstring(const QString &statstring)
{
    // Products are named backwards on the wire.
    QString product = statstring.left(4);
    std::reverse(product.begin(), product.end());

    if (product == u"DRTL"_s)
        return DescribeDiablo(
            statstring, u"Diablo: Level "_s, {u"LTRD"_s, u"a Diablo bot"_s, u"an illegal Diablo character: [ "_s});
    if (product == u"DSHR"_s)
        return DescribeDiablo(statstring, u"Diablo Shareware: Level "_s,
            {u"RHSD"_s, u"a Diablo Shareware bot"_s, u"an illegal Diablo Shareware Character: [ "_s});
    if (product == u"D2DV"_s || product == u"D2XP"_s)
        return DescribeDiablo2(statstring);
    if (product == u"STAR"_s)
        return DescribeStarcraft(statstring,
            {u"Starcraft"_s, {u"RATS"_s, u"a Starcraft bot"_s, u"an illegal Starcraft Account: [ "_s}, false});
    if (product == u"JSTR"_s)
        return DescribeStarcraft(statstring,
            {u"Japanese Starcraft"_s,
                {u"RTSJ"_s, u"a Japanese Starcraft bot"_s, u"an illegal Japanese Starcraft Account: [ "_s}, false});
    if (product == u"SEXP"_s)
        return DescribeStarcraft(statstring,
            {u"Starcraft Brood War"_s,
                {u"PXES"_s, u"a Starcraft Brood War bot"_s, u"an illegal Starcraft Brood War Account: [ "_s}, false});
    if (product == u"W2BN"_s)
        return DescribeStarcraft(statstring,
            {u"Warcraft II"_s, {u"NB2W"_s, u"a Warcraft II bot"_s, u"an illegal Warcraft II Account: [ "_s}, true});
    if (product == u"SSHR"_s)
        return u"StarCraft Shareware"_s;
    if (product == u"WAR3"_s)
        return DescribeWarcraft3(statstring, Warcraft3Edition::ReignOfChaos);
    if (product == u"W3XP"_s)
        return DescribeWarcraft3(statstring, Warcraft3Edition::FrozenThrone);
    if (product == u"CHAT"_s)
        return u"a Chat bot"_s;
    // Servers with icons of their own send only the icon's code ("BOON")
    // for a user with no statistics.
    if (statstring.size() == 4)
        return u"a client the server sent no statistics for [ "_s + statstring + u" ]"_s;
    return u"an unknown client [ "_s + statstring + u" ]"_s;
}
