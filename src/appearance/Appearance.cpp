#include "appearance/Appearance.h"

#include "appearance/frmColorPicker.h"
#include "appearance/frmFont.h"
#include "appearance/frmSkins.h"
#include "platform/Failure.h"
#include "platform/PlainFileName.h"
#include "profiles/ProgramShell.h"

Appearance::Appearance(ProgramShell &program, ScreenLook &look) : m_program(program), m_look(look)
{
}

Appearance::~Appearance() = default;

frmSkins &Appearance::skins()
{
    if (!m_skins)
        m_skins = std::make_unique<frmSkins>(*this);
    return *m_skins;
}

frmFont &Appearance::fonts()
{
    if (!m_fonts)
        m_fonts = std::make_unique<frmFont>(*this);
    return *m_fonts;
}

frmColorPicker &Appearance::colourPicker()
{
    if (!m_picker)
        m_picker = std::make_unique<frmColorPicker>(*this);
    return *m_picker;
}

void Appearance::openSkins()
{
    skins().open();
}

void Appearance::openFonts()
{
    fonts().open();
}

void Appearance::openColourPicker(const QString &target)
{
    pickerTarget = target;
    colourPicker().open();
}

bool Appearance::acceptSchemeFileName(const QString &name)
{
    if (IsPlainFileName(name))
        return true;
    if (!m_refused.contains(name)) {
        m_refused.insert(name);
        try {
            throw Failure(Failure::PathAccess,
                          QStringLiteral("Path/File access error: \"") + name +
                              QStringLiteral("\" would lead out of the Schemes folder and is not used"));
        } catch (const Failure &) {
            m_program.LogError(QStringLiteral("ApplyScheme"), QStringLiteral("modProfiles"));
        }
    }
    return false;
}
