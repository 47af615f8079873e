#include "channel/Diablo2Statstring.h"

#include "platform/Cp1252.h"
#include "platform/Failure.h"
#include "platform/ServerDataFailure.h"
#include "platform/WireText.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Offsets into the character data.
constexpr qsizetype kClassOffset = 13;
constexpr qsizetype kLevelOffset = 25;
constexpr qsizetype kFlagsOffset = 26;
constexpr qsizetype kActOffset = 27;
constexpr qsizetype kLadderOffset = 30;
constexpr qsizetype kRequiredDataBytes = kLadderOffset + 1;

constexpr quint8 kHardcoreFlag = 0x04;
constexpr quint8 kDeadFlag = 0x08;
constexpr quint8 kExpansionFlag = 0x20;
constexpr quint8 kNotOnLadder = 255;

constexpr int kHighestKnownClass = 6;

struct Character {
    QString realm;
    QString name;
    QByteArray data;
};

// How far the character got: the act it plays and the title its difficulty
// has earned it (0 none, 1 after Normal, 2 after Nightmare, 3 after Hell).
struct Progress {
    QString act;
    int titleLevel;
};

Character SplitCharacter(const QString &statstring)
{
    const qsizetype realmEnd = statstring.indexOf(u',', 4);
    const qsizetype nameEnd = realmEnd < 0 ? -1 : statstring.indexOf(u',', realmEnd + 1);
    if (nameEnd < 0)
        throw ServerDataFailure(Failure::ProtocolData,
            u"Diablo II statstring \"%1\" lacks the commas after realm and character name"_s.arg(statstring));
    // The statstring keeps the bytes the server sent; realm and name are
    // read as UTF-8 where they are that.
    const auto shown = [](const QString &part) { return WireText::decode(Cp1252::encode(part)); };
    Character character{shown(statstring.mid(4, realmEnd - 4)),
        shown(statstring.mid(realmEnd + 1, nameEnd - realmEnd - 1)), Cp1252::encode(statstring.mid(nameEnd + 1))};
    if (character.data.size() < kRequiredDataBytes)
        throw ServerDataFailure(Failure::ProtocolData,
            u"Diablo II statstring carries %1 bytes of character data, %2 are needed"_s.arg(character.data.size())
                .arg(kRequiredDataBytes));
    return character;
}

quint8 DataByte(const Character &character, qsizetype offset)
{
    return static_cast<quint8>(character.data.at(offset));
}

// The act byte is 128 plus two for every act played through Normal,
// Nightmare and Hell in turn; the value after the last act of Hell marks a
// character that finished all three. Other values mean no act.
std::optional<Progress> ProgressOf(quint8 actByte, int actsPerDifficulty)
{
    static const std::array<QString, 3> difficulties = {u"Normal"_s, u"Nightmare"_s, u"Hell"_s};
    const int finished = 3 * actsPerDifficulty;
    if (actByte < 128 || actByte % 2 != 0 || (actByte - 128) / 2 > finished)
        return std::nullopt;
    const int step = (actByte - 128) / 2;
    if (step == finished)
        return Progress{QString(), 3};
    const int difficulty = step / actsPerDifficulty;
    const int act = step % actsPerDifficulty + 1;
    return Progress{u"%1 (%2)"_s.arg(act).arg(difficulties.at(difficulty)), difficulty};
}

QString ExpansionTitle(int titleLevel, bool hardcore, bool female)
{
    switch (titleLevel) {
    case 0:
        return {};
    case 1:
        return hardcore ? u"Destroyer "_s : u"Slayer "_s;
    case 2:
        return hardcore ? u"Conquerer "_s : u"Champion "_s;
    case 3:
        return hardcore ? u"Guardian "_s : female ? u"Matriarch "_s : u"Patriarch "_s;
    default:
        return u"Unknown (0x"_s + QString::number(titleLevel, 16).toUpper() + u")"_s;
    }
}

QString ClassicTitle(int titleLevel, bool hardcore, bool female)
{
    // Per title level: female hardcore, female, male hardcore, male.
    static const std::array<std::array<QString, 4>, 3> titles = {{
        {u"Countess "_s, u"Dame "_s, u"Count "_s, u"Sir "_s},
        {u"Duchess "_s, u"Lady "_s, u"Duke "_s, u"Lord "_s},
        {u"Queen "_s, u"Baroness "_s, u"King "_s, u"Baron "_s},
    }};
    if (titleLevel < 1 || titleLevel > 3)
        return {};
    return titles.at(titleLevel - 1).at((female ? 0 : 2) + (hardcore ? 0 : 1));
}

} // namespace

QString DescribeDiablo2(const QString &statstring)
{
    static const QStringList classWords = {u"Amazon"_s, u"Sorceress"_s, u"Necromancer"_s, u"Paladin"_s, u"Barbarian"_s,
        u"Druid"_s, u"Assassin"_s, u"unknown class"_s};

    const QString header = statstring.startsWith(u"VD2D"_s) ? u"Diablo II: "_s : u"Diablo II Lord of Destruction: "_s;
    if (statstring.size() == 4)
        return header + u"Open Character"_s;

    const Character character = SplitCharacter(statstring);
    const quint8 classByte = DataByte(character, kClassOffset);
    if (classByte == 0)
        throw ServerDataFailure(Failure::ProtocolData, u"Diablo II statstring of \"%1\" has class byte 0"_s.arg(character.name));
    const int characterClass = std::min(classByte - 1, kHighestKnownClass + 1);
    const bool female = characterClass == 0 || characterClass == 1 || characterClass == 6;

    const quint8 flags = DataByte(character, kFlagsOffset);
    const bool hardcore = flags & kHardcoreFlag;
    const bool dead = flags & kDeadFlag;
    const bool expansionCharacter = flags & kExpansionFlag;
    const bool onLadder = DataByte(character, kLadderOffset) != kNotOnLadder;

    const quint8 actByte = DataByte(character, kActOffset);
    const bool expansionGame = statstring.startsWith(u"PX2D"_s) && expansionCharacter;
    const std::optional<Progress> progress = ProgressOf(actByte, expansionGame ? 5 : 4);
    // An expansion character's act byte outside the acts is taken as its title level.
    const QString title = expansionGame ? ExpansionTitle(progress ? progress->titleLevel : actByte, hardcore, female)
                                        : ClassicTitle(progress ? progress->titleLevel : 0, hardcore, female);

    QString text = header + title + character.name + u", a "_s;
    if (hardcore)
        text += dead ? u"dead hardcore "_s : u"hardcore "_s;
    text += u"level "_s + QString::number(DataByte(character, kLevelOffset)) + u' ';
    if (onLadder)
        text += u"ladder "_s;
    text += classWords.at(characterClass);
    if (progress && !progress->act.isEmpty())
        text += u" in act "_s + progress->act;
    text += u" on realm "_s + character.realm;
    if (expansionCharacter)
        text += u" (Expansion)"_s;
    return text;
}
