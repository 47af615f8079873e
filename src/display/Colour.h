#pragma once

#include <QColor>
#include <QtGlobal>

// A colour as the settings files store it: 0x00BBGGRR. Code names colours as
// RGB triples through Rgb(), which does the byte swap once.
struct Colour {
    quint32 value = 0;

    constexpr bool operator==(const Colour &) const = default;
    QColor toQColor() const { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }
    static Colour fromQColor(const QColor &colour)
    {
        return Colour{static_cast<quint32>(colour.red()) | static_cast<quint32>(colour.green()) << 8 |
                      static_cast<quint32>(colour.blue()) << 16};
    }
};

constexpr Colour Rgb(quint32 rrggbb)
{
    return Colour{(rrggbb >> 16 & 0xFF) | (rrggbb & 0xFF00) | (rrggbb & 0xFF) << 16};
}
