#include "display/ClientIcons.h"

#include "display/IconArt.h"
#include "platform/Failure.h"

#include <QPainter>
#include <QPixmap>

#include <functional>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

using Drawing = std::function<void(QPainter &)>;

struct Lettered {
    int index;
    QColor fill;
    const char *letters;
    QColor ink = Qt::white;
};

// Products: rounded badges in the product family's colour.
const Lettered kBadges[] = {
    {ClientIcon::Diablo, QColor(0x8A, 0x10, 0x10), "D"},
    {ClientIcon::Diablo2, QColor(0xB0, 0x20, 0x20), "D2"},
    {ClientIcon::Starcraft, QColor(0x1E, 0x5A, 0xA8), "SC"},
    {ClientIcon::StarcraftShareware, QColor(0x4A, 0x7F, 0xB8), "SS"},
    {ClientIcon::BroodWar, QColor(0x5A, 0x2E, 0x9A), "BW"},
    {ClientIcon::Warcraft2, QColor(0xA0, 0x60, 0x1A), "W2"},
    {ClientIcon::JapaneseStarcraft, QColor(0x1E, 0x5A, 0xA8), "JP", QColor(0xFF, 0xC8, 0xC8)},
    {ClientIcon::LordOfDestruction, QColor(0x6A, 0x0A, 0x0A), "LD", QColor(0xFF, 0xD0, 0x60)},
    {ClientIcon::ReignOfChaos, QColor(0x1E, 0x7A, 0x2E), "W3"},
    {ClientIcon::FrozenThrone, QColor(0x0E, 0x6E, 0x78), "FT"},
    {ClientIcon::DiabloShareware, QColor(0xA0, 0x48, 0x48), "DS"},
};

// Icon codes of Warcraft III statstrings: medals lettered with the code's end
// read forwards.
const Lettered kMedals[] = {
    {ClientIcon::IconCodeRbcw, QColor(0x8B, 0x4A, 0x1B), "BR"},
    {ClientIcon::IconCodeOgcw, QColor(0xB0, 0x8A, 0x10), "GO"},
    {ClientIcon::IconCodeGpcw, QColor(0x6A, 0x3A, 0x9A), "PG"},
    {ClientIcon::IconCodeLpcw, QColor(0x50, 0x60, 0x78), "PL"},
    {ClientIcon::IconCodeFrcw, QColor(0x20, 0x70, 0x40), "RF"},
    {ClientIcon::IconCodeIscw, QColor(0x68, 0x70, 0x80), "SI"},
};

// Latency from fast to slow: fewer lit bars, from green to red.
const QColor kLatencyColours[] = {QColor(0x30, 0xD0, 0x40), QColor(0x90, 0xD8, 0x30), QColor(0xE8, 0xD0, 0x30),
                                  QColor(0xF0, 0x90, 0x20), QColor(0xF0, 0x50, 0x20)};

const Lettered *Find(const auto &table, int index)
{
    for (const Lettered &look : table) {
        if (look.index == index)
            return &look;
    }
    return nullptr;
}

Drawing StatusMark(int index)
{
    switch (index) {
    case ClientIcon::ChatClient:
        return IconArt::SpeechBubble;
    case ClientIcon::Operator:
        return IconArt::Crown;
    case ClientIcon::Squelched:
        return IconArt::NoEntry;
    case ClientIcon::LatencyWorst:
        return [](QPainter &painter) {
            IconArt::Bars(painter, 1, QColor(0xC0, 0x10, 0x10));
            IconArt::CornerCross(painter, QColor(0xFF, 0x30, 0x30));
        };
    case ClientIcon::NoUdp:
        return [](QPainter &painter) {
            IconArt::Bars(painter, 0, Qt::gray);
            IconArt::Slash(painter, QColor(0xFF, 0x40, 0x40));
        };
    case ClientIcon::Representative:
        return [](QPainter &painter) { IconArt::Shield(painter, QColor(0x20, 0x50, 0xC0)); };
    case ClientIcon::Administrator:
        return [](QPainter &painter) { IconArt::Shield(painter, QColor(0xB0, 0x28, 0x28)); };
    case ClientIcon::Guest:
        return IconArt::Guest;
    case ClientIcon::NoLatency:
        return [](QPainter &painter) { IconArt::Bars(painter, 0, Qt::gray); };
    default:
        return {};
    }
}

// The drawing of each index; indices without an image have none.
Drawing DrawingOf(int index)
{
    if (const Lettered *badge = Find(kBadges, index)) {
        return [look = *badge](QPainter &painter) {
            IconArt::Badge(painter, look.fill, QString::fromLatin1(look.letters), look.ink);
        };
    }
    if (const Lettered *medal = Find(kMedals, index)) {
        return [look = *medal](QPainter &painter) {
            IconArt::Medal(painter, look.fill, QString::fromLatin1(look.letters));
        };
    }
    const int bars = index - ClientIcon::LatencyBest;
    if (bars >= 0 && bars < static_cast<int>(std::size(kLatencyColours))) {
        return [bars](QPainter &painter) {
            IconArt::Bars(painter, 5 - bars, kLatencyColours[static_cast<std::size_t>(bars)]);
        };
    }
    return StatusMark(index);
}

QPixmap Rendered(const Drawing &drawing, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(side / 16.0, side / 16.0);
    drawing(painter);
    return pixmap;
}

} // namespace

const QIcon &ClientIcons::image(int index) const
{
    if (index < 0 || index > ClientIcon::Count)
        throw Failure(Failure::OutOfRange, u"No image %1 in the image list"_s.arg(index));
    const auto slot = static_cast<std::size_t>(index);
    if (!m_drawn[slot]) {
        if (const Drawing drawing = DrawingOf(index)) {
            for (const int side : {16, 32})
                m_images[slot].addPixmap(Rendered(drawing, side));
        }
        m_drawn[slot] = true;
    }
    return m_images[slot];
}
