#include "appearance/SchemeColours.h"

#include <QColor>

#include <algorithm>

namespace {

// Below this in all of red, green and blue, text on black is lost.
constexpr int kDarkest = 0x40;

} // namespace

bool IsDefaultScheme(const QString &name)
{
    return name.compare(kDefaultScheme, Qt::CaseInsensitive) == 0;
}

SchemeFields DesignSchemeFields()
{
    SchemeFields fields;
    fields.colours = {kDesignMenuText, kDesignChannelText, kDesignMinimise, kDesignProfileText, kDesignInputText,
                      kDesignLines,    kDesignLines,       kDesignLines,    kDesignLines,       kDesignLines};
    return fields;
}

bool ShowsOnBlack(Colour colour)
{
    const QColor shown = colour.toQColor();
    return std::max({shown.red(), shown.green(), shown.blue()}) >= kDarkest;
}

Colour VisibleOnBlack(Colour colour, Colour visible)
{
    return ShowsOnBlack(colour) ? colour : visible;
}
