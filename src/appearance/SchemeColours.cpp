#include "appearance/SchemeColours.h"

#include "profiles/frmMain.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

// Below this in all of red, green and blue, text on black is lost.
constexpr int kDarkest = 0x40;

Colour textColour(const QWidget &widget, QPalette::ColorRole role)
{
    return Colour::fromQColor(widget.palette().color(role));
}

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

SchemeFields ScreenSchemeFields(const frmMain &window)
{
    const frmMain::LineColours &lines = window.lineColours;
    SchemeFields fields;
    // The minimise button's colour is kept by schemes only; the window draws
    // its own.
    fields.colours = {textColour(*window.lblFile, QPalette::WindowText),
                      textColour(*window.lblChlInfo, QPalette::WindowText),
                      kDesignMinimise,
                      textColour(*window.lblProfiles, QPalette::WindowText),
                      textColour(*window.txtSend, QPalette::Text),
                      lines.menu,
                      lines.rtb,
                      lines.users,
                      lines.text,
                      lines.profiles};
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
