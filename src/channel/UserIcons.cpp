#include "channel/UserIcons.h"

#include "channel/ClientIcon.h"
#include "channel/UserFlags.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace {

int StatusIcon(quint32 flags)
{
    static constexpr std::pair<quint32, int> kStatusIcons[] = {
        {UserFlag::Representative, ClientIcon::Representative}, {UserFlag::Operator, ClientIcon::Operator},
        {UserFlag::Administrator, ClientIcon::Administrator},   {UserFlag::Squelched, ClientIcon::Squelched},
        {UserFlag::Guest, ClientIcon::Guest},
    };
    for (const auto &[flag, icon] : kStatusIcons) {
        if (flags & flag)
            return icon;
    }
    return ClientIcon::None;
}

// The icon of the first entry of the table whose code is `code`.
template <std::size_t Size> int IconOfCode(const std::pair<QString, int> (&table)[Size], const QString &code)
{
    for (const auto &[entry, icon] : table) {
        if (entry == code)
            return icon;
    }
    return ClientIcon::None;
}

int ProductIcon(const QString &statstring)
{
    static const std::pair<QString, int> kProducts[] = {
        {u"TAHC"_s, ClientIcon::ChatClient},        {u"LTRD"_s, ClientIcon::Diablo},
        {u"VD2D"_s, ClientIcon::Diablo2},           {u"RATS"_s, ClientIcon::Starcraft},
        {u"RHSS"_s, ClientIcon::StarcraftShareware}, {u"PXES"_s, ClientIcon::BroodWar},
        {u"NB2W"_s, ClientIcon::Warcraft2},         {u"RTSJ"_s, ClientIcon::JapaneseStarcraft},
        {u"PX2D"_s, ClientIcon::LordOfDestruction}, {u"3RAW"_s, ClientIcon::ReignOfChaos},
        {u"PX3W"_s, ClientIcon::FrozenThrone},      {u"RHSD"_s, ClientIcon::DiabloShareware},
    };
    return IconOfCode(kProducts, statstring.left(4));
}

// Warcraft III statstrings may end in an icon code that has its own image.
int IconCodeIcon(const QString &statstring)
{
    static const std::pair<QString, int> kIconCodes[] = {
        {u"FRCW"_s, ClientIcon::IconCodeFrcw}, {u"LPCW"_s, ClientIcon::IconCodeLpcw},
        {u"OGCW"_s, ClientIcon::IconCodeOgcw}, {u"ISCW"_s, ClientIcon::IconCodeIscw},
        {u"RBCW"_s, ClientIcon::IconCodeRbcw}, {u"GPCW"_s, ClientIcon::IconCodeGpcw},
    };
    return IconOfCode(kIconCodes, statstring.rightJustified(4, u' ').right(4).toUpper());
}

} // namespace

int GetClientIcon(const QString &statstring, quint32 flags)
{
    if (statstring.isEmpty())
        return ClientIcon::None;
    const int status = StatusIcon(flags);
    if (status != ClientIcon::None)
        return status;
    const int iconCode = IconCodeIcon(statstring);
    return iconCode != ClientIcon::None ? iconCode : ProductIcon(statstring);
}

int GetLatencyIcon(qint32 ping, quint32 flags)
{
    if (flags & UserFlag::NoUdp)
        return ClientIcon::NoUdp;
    if (ping <= 0)
        return ClientIcon::NoLatency;
    // The highest ping of each bar image, from the fastest on.
    static constexpr qint32 kBarLimits[] = {199, 300, 400, 600, 1200};
    int icon = ClientIcon::LatencyBest;
    for (const qint32 highest : kBarLimits) {
        if (ping <= highest)
            return icon;
        ++icon;
    }
    return ClientIcon::LatencyWorst;
}
