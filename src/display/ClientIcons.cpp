#include "display/ClientIcons.h"

#include "display/IconArt.h"
#include "platform/Failure.h"

#include <QPainter>
#include <QPixmap>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Drawing = std::function<void(QPainter &)>;

Drawing BadgeOf(QColor fill, QString letters, QColor ink = Qt::white)
{
    return [=](QPainter &painter) { IconArt::Badge(painter, fill, letters, ink); };
}

Drawing MedalOf(QColor fill, QString letters)
{
    return [=](QPainter &painter) { IconArt::Medal(painter, fill, letters); };
}

Drawing BarsOf(int lit, QColor colour)
{
    return [=](QPainter &painter) { IconArt::Bars(painter, lit, colour); };
}

// The drawing of each index; indices without an image have none.
Drawing DrawingOf(int index)
{
    switch (index) {
    case ClientIcon::ChatClient:
        return IconArt::SpeechBubble;
    case ClientIcon::Operator:
        return IconArt::Crown;
    case ClientIcon::Diablo:
        return BadgeOf(QColor(0x8A, 0x10, 0x10), u"D"_s);
    case ClientIcon::Diablo2:
        return BadgeOf(QColor(0xB0, 0x20, 0x20), u"D2"_s);
    case ClientIcon::Starcraft:
        return BadgeOf(QColor(0x1E, 0x5A, 0xA8), u"SC"_s);
    case ClientIcon::StarcraftShareware:
        return BadgeOf(QColor(0x4A, 0x7F, 0xB8), u"SS"_s);
    case ClientIcon::BroodWar:
        return BadgeOf(QColor(0x5A, 0x2E, 0x9A), u"BW"_s);
    case ClientIcon::Warcraft2:
        return BadgeOf(QColor(0xA0, 0x60, 0x1A), u"W2"_s);
    case ClientIcon::JapaneseStarcraft:
        return BadgeOf(QColor(0x1E, 0x5A, 0xA8), u"JP"_s, QColor(0xFF, 0xC8, 0xC8));
    case ClientIcon::LordOfDestruction:
        return BadgeOf(QColor(0x6A, 0x0A, 0x0A), u"LD"_s, QColor(0xFF, 0xD0, 0x60));
    case ClientIcon::Squelched:
        return IconArt::NoEntry;
    case ClientIcon::LatencyBest:
        return BarsOf(5, QColor(0x30, 0xD0, 0x40));
    case ClientIcon::LatencyBest + 1:
        return BarsOf(4, QColor(0x90, 0xD8, 0x30));
    case ClientIcon::LatencyBest + 2:
        return BarsOf(3, QColor(0xE8, 0xD0, 0x30));
    case ClientIcon::LatencyBest + 3:
        return BarsOf(2, QColor(0xF0, 0x90, 0x20));
    case ClientIcon::LatencyBest + 4:
        return BarsOf(1, QColor(0xF0, 0x50, 0x20));
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
    case ClientIcon::ReignOfChaos:
        return BadgeOf(QColor(0x1E, 0x7A, 0x2E), u"W3"_s);
    case ClientIcon::FrozenThrone:
        return BadgeOf(QColor(0x0E, 0x6E, 0x78), u"FT"_s);
    case ClientIcon::Representative:
        return [](QPainter &painter) { IconArt::Shield(painter, QColor(0x20, 0x50, 0xC0)); };
    case ClientIcon::Administrator:
        return [](QPainter &painter) { IconArt::Shield(painter, QColor(0xB0, 0x28, 0x28)); };
    case ClientIcon::Guest:
        return IconArt::Guest;
    case ClientIcon::NoLatency:
        return BarsOf(0, Qt::gray);
    case ClientIcon::DiabloShareware:
        return BadgeOf(QColor(0xA0, 0x48, 0x48), u"DS"_s);
    case ClientIcon::IconCodeRbcw:
        return MedalOf(QColor(0x8B, 0x4A, 0x1B), u"BR"_s);
    case ClientIcon::IconCodeOgcw:
        return MedalOf(QColor(0xB0, 0x8A, 0x10), u"GO"_s);
    case ClientIcon::IconCodeGpcw:
        return MedalOf(QColor(0x6A, 0x3A, 0x9A), u"PG"_s);
    case ClientIcon::IconCodeLpcw:
        return MedalOf(QColor(0x50, 0x60, 0x78), u"PL"_s);
    case ClientIcon::IconCodeFrcw:
        return MedalOf(QColor(0x20, 0x70, 0x40), u"RF"_s);
    case ClientIcon::IconCodeIscw:
        return MedalOf(QColor(0x68, 0x70, 0x80), u"SI"_s);
    default:
        return {};
    }
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
