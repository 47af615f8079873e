#pragma once

#include "appearance/ScreenLook.h"

class TarnwellApp;

// The look of the program's main window, for the appearance windows.
class MainWindowLook : public ScreenLook {
public:
    explicit MainWindowLook(TarnwellApp &app) : m_app(app) {}

    SchemeFields shownSchemeFields() const override;
    void applyScheme(const QString &name) override;
    void applyCurrentFonts() override;

private:
    TarnwellApp &m_app;
};
