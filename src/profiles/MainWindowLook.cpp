#include "profiles/MainWindowLook.h"

#include "appearance/SchemeColours.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"

#include <QLabel>
#include <QLineEdit>

namespace {

Colour textColour(const QWidget &widget, QPalette::ColorRole role)
{
    return Colour::fromQColor(widget.palette().color(role));
}

} // namespace

SchemeFields MainWindowLook::shownSchemeFields() const
{
    const frmMain &window = m_app.mainWindow();
    const LineColours &lines = window.lineColours;
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

void MainWindowLook::applyScheme(const QString &name)
{
    ApplyScheme(m_app, name);
}

void MainWindowLook::applyCurrentFonts()
{
    ApplyProfileFonts(m_app, m_app.CurrentProfile);
}
