#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QPushButton;
class Appearance;
class ProgramShell;

// The font dialog: font name and size of five areas of the main window for
// the current profile, saved in its settings and applied at once.
class frmFont : public QWidget {
    Q_OBJECT
public:
    explicit frmFont(Appearance &appearance);

    // Fills the combos from the current profile's settings and shows the
    // window; a window already on screen is only raised.
    void open();
    void Form_Load();
    void cmdApply_Click();

    QComboBox *LV;
    QComboBox *LVSize;
    QComboBox *RTB;
    QComboBox *RTBSize;
    QComboBox *TB;
    QComboBox *TBSize;
    QComboBox *Profile;
    QComboBox *ProfileSize;
    QComboBox *Channel;
    QComboBox *ChannelSize;
    QPushButton *cmdApply;

private:
    struct Area {
        QComboBox *font;
        QComboBox *size;
        const char *fontKey;
        const char *sizeKey;
    };
    // In the order the settings are written.
    std::array<Area, 5> areas() const;

    Appearance &m_appearance;
    ProgramShell &m_program;
};
