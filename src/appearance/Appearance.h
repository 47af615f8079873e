#pragma once

#include <QSet>
#include <QString>

#include <memory>

class ProgramShell;
class ScreenLook;
class frmColorPicker;
class frmFont;
class frmSkins;

// The appearance windows (colour schemes, fonts, colour picker), each created
// when first opened and kept, and what they share: the program, the look of
// its main window and the colour picker's target.
class Appearance {
public:
    Appearance(ProgramShell &program, ScreenLook &look);
    ~Appearance();

    ProgramShell &program() const { return m_program; }
    ScreenLook &look() const { return m_look; }

    frmSkins &skins();
    frmFont &fonts();
    frmColorPicker &colourPicker();

    void openSkins();
    void openFonts();
    // Remembers which scheme dialog field the picker fills, and opens it.
    void openColourPicker(const QString &target);

    // The name of the scheme dialog field that the picker fills.
    QString pickerTarget;

    // Whether a scheme or picture name from a settings file may be used as a
    // file name in the Schemes folder. A name that may not is reported to
    // the error log the first time it is met.
    bool acceptSchemeFileName(const QString &name);

private:
    ProgramShell &m_program;
    ScreenLook &m_look;
    std::unique_ptr<frmSkins> m_skins;
    std::unique_ptr<frmFont> m_fonts;
    std::unique_ptr<frmColorPicker> m_picker;
    QSet<QString> m_refused;
};
