#include "channel/Warcraft3Statstring.h"

#include "platform/Failure.h"
#include "platform/ServerDataFailure.h"

#include <QList>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The icons one race earns with its wins. Every race starts at tier 1, "Peon".
struct RaceIcons {
    QChar race;
    QStringList fromTierTwo;
    QString otherTiers; // followed by the tier and " ]"
};

const QList<RaceIcons> &ReignOfChaosIcons()
{
    static const QList<RaceIcons> icons = {
        {u'H',
            {u"Human Footman (25 wins)"_s, u"Human Knight (250 wins)"_s, u"Human Archmage (500 wins)"_s,
                u"Human Medivh (1500 wins)"_s},
            u"Human Unknown [ "_s},
        {u'O',
            {u"Orc Grunt (25 wins)"_s, u"Orc Tauren (250 wins)"_s, u"Orc Far Seer (500 wins)"_s,
                u"Orc Thrall (1500 wins)"_s},
            u"Orc Unknown [ "_s},
        {u'N',
            {u"Night Elf Archer (25 wins)"_s, u"Night Elf Druid of the Claw (250 wins)"_s,
                u"Night Elf Priestess of the Moon (500 wins)"_s, u"Night Elf Furion Stormrage (1500 wins)"_s},
            u"Night Elf Unknown [ "_s},
        {u'U',
            {u"Undead Ghoul (25 wins)"_s, u"Undead Abomination (250 wins)"_s, u"Undead Lich (500 wins)"_s,
                u"Undead Tichondrius (1500 wins)"_s},
            u"Undead Unknown [ "_s},
        {u'R',
            {u"Random Green Dragon Whelp (25 wins)"_s, u"Random Blue Dragon (250 wins)"_s,
                u"Random Red Dragon (500 wins)"_s, u"Random Deathwing (1500 wins)"_s},
            u"Random Unknown [ "_s},
    };
    return icons;
}

const QList<RaceIcons> &FrozenThroneIcons()
{
    static const QList<RaceIcons> icons = {
        {u'H',
            {u"Human Rifleman (25 wins)"_s, u"Human Sorceress (150 wins)"_s, u"Human Spellbreaker (350 wins)"_s,
                u"Human Blood Mage (750 wins)"_s, u"Human Jaina (1500 wins)"_s},
            u"Human Unknown [ "_s},
        {u'O',
            {u"Orc Troll Headhunter (25 wins)"_s, u"Orc Shaman (150 wins)"_s, u"Orc Spirit Walker (350 wins)"_s,
                u"Orc Shadow Hunter (750 wins)"_s, u"Orc Rexxar (1500 wins)"_s},
            u"Orc Unknown [ "_s},
        {u'N',
            {u"Night Elf Huntress (25 wins)"_s, u"Night Elf Druid of the Talon (150 wins)"_s,
                u"Night Elf Dryad (350 wins)"_s, u"Night Elf Keeper of the Grove (750 wins)"_s,
                u"Night Elf Maiev (1500 wins)"_s},
            u"Night Elf Unknown [ "_s},
        {u'U',
            {u"Undead Crypt Fiend (25 wins)"_s, u"Undead Banshee (150 wins)"_s, u"Undead Destroyer (350 wins)"_s,
                u"Undead Crypt Lord (750 wins)"_s, u"Undead Sylvanas (1500 wins)"_s},
            u"Undead Unknown [ "_s},
        {u'R',
            {u"Random Myrmidon (25 wins)"_s, u"Random Siren (150 wins)"_s, u"Random Dragon Turtle (350 wins)"_s,
                u"Random Sea Witch (750 wins)"_s, u"Random Illidan (1500 wins)"_s},
            u"Random Unknown [ "_s},
        {u'D',
            {u"Tournament Felguard (10 wins)"_s, u"Tournament Infernal (75 wins)"_s,
                u"Tournament Doomguard (150 wins)"_s, u"Tournament Pit Lord (250 wins)"_s,
                u"Tournament Archimonde (500 wins)"_s},
            u"Tournament Unknown [ "_s},
    };
    return icons;
}

QString Reversed(QString text)
{
    std::reverse(text.begin(), text.end());
    return text;
}

// The icon code reads like "W3H4": its third character is the race, its last
// the tier.
QString IconName(const QString &iconCode, const QList<RaceIcons> &edition)
{
    if (iconCode.size() < 3)
        throw ServerDataFailure(
            Failure::ProtocolData, u"Warcraft III icon code \"%1\" is too short to name a race"_s.arg(iconCode));
    const QChar race = iconCode.at(2);
    const QChar tierDigit = iconCode.back();
    // An icon of the server's own, named by a code of four letters.
    if (iconCode.size() == 4 && std::all_of(iconCode.cbegin(), iconCode.cend(), [](QChar ch) {
            return ch >= u'A' && ch <= u'Z';
        }))
        return u"the server's own "_s + Reversed(iconCode);
    if (tierDigit < u'0' || tierDigit > u'9')
        throw ServerDataFailure(Failure::TypeMismatch, u"Warcraft III icon code \"%1\" does not end in a tier"_s.arg(iconCode));
    const int tier = tierDigit.unicode() - u'0';

    const auto icons = std::find_if(
        edition.cbegin(), edition.cend(), [race](const RaceIcons &candidate) { return candidate.race == race; });
    if (icons == edition.cend())
        return u"Unknown [ "_s + race + u", "_s + QString::number(tier) + u" ]"_s;
    if (tier == 1)
        return u"Peon"_s;
    if (tier >= 2 && tier - 2 < icons->fromTierTwo.size())
        return icons->fromTierTwo.at(tier - 2);
    return icons->otherTiers + QString::number(tier) + u" ]"_s;
}

} // namespace

QString DescribeWarcraft3(const QString &statstring, Warcraft3Edition edition)
{
    const bool frozenThrone = edition == Warcraft3Edition::FrozenThrone;
    if (statstring.size() <= 10)
        return (frozenThrone ? u"WarCraft III the Frozen Throne [ Not Parsed: "_s
                             : u"WarCraft III Reign of Chaos [ Not Parsed: "_s)
            + statstring + u" ]"_s;

    // Field 0 is what stands between the code and the first space (normally
    // nothing); the appended space gives a statstring without a clan an empty
    // clan field.
    const QStringList fields = (statstring + u' ').mid(4).split(u' ');
    if (fields.size() < 4)
        throw ServerDataFailure(Failure::ProtocolData,
            u"Warcraft III statstring \"%1\" lacks its icon, level or clan field"_s.arg(statstring));
    const QString iconCode = Reversed(fields.at(1));
    const QString &level = fields.at(2);
    const QString clan = Reversed(fields.at(3));

    QString text
        = (frozenThrone ? u"Warcraft III the Frozen Throne: Level "_s : u"Warcraft III Reign of Chaos: Level "_s)
        + level + u", with "_s + IconName(iconCode, frozenThrone ? FrozenThroneIcons() : ReignOfChaosIcons())
        + u" as icon"_s;
    if (!clan.isEmpty())
        text += u", and in clan "_s + clan;
    return text;
}
