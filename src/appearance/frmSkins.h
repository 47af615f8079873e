#pragma once

#include "appearance/SchemeFile.h"

#include <QWidget>

#include <array>

class ClickableLabel;
class ColourField;
class QLineEdit;
class QListWidget;
class QPushButton;
class Appearance;
class ProgramShell;

// The colour scheme dialog: lists the built-in "Default" scheme and the
// files of the Schemes folder, creates (from the colours on screen), deletes
// and saves schemes, and gives one to the current profile. Its fields hold
// the edits until Apply saves them, which it refuses for colours that would
// vanish on the black background; Use applies what the file holds. The
// built-in scheme is neither saved over nor deleted, and deleting the scheme
// in use goes back to it.
class frmSkins : public QWidget {
    Q_OBJECT
public:
    explicit frmSkins(Appearance &appearance);

    // Lists the schemes and shows the first; a window already on screen is
    // only raised.
    void open();
    // Fills the list anew and shows its selected entry.
    void Form_Load();
    // Reads the selected scheme over the fields and names it in the caption.
    void showSelected();

    void cmdNew_Click();
    void cmdDelete_Click();
    void cmdApply_Click();
    void cmdUse_Click();
    // Opens the colour picker for the field of Pick label n (0 to 9).
    void pick(int n);

    // The field whose colour-picker target is this name, or null.
    ColourField *fieldForTarget(const QString &target) const;

    SchemeFields fields() const;
    void showFields(const SchemeFields &fields);

    QListWidget *lstSkins;
    QPushButton *cmdNew;
    QPushButton *cmdDelete;
    QPushButton *cmdApply;
    QPushButton *cmdUse;
    QLineEdit *txtBotBG;
    // In the order of kSchemeColours.
    std::array<ColourField *, kSchemeColours.size()> colourFields{};
    // By label number.
    std::array<ClickableLabel *, kSchemeColours.size()> pickLabels{};

private:
    void buildControls();
    // The name of the selected entry; throws Failure when there is none.
    QString selectedName() const;
    // Gives the scheme to the profile on screen and colours the window.
    void useScheme(const QString &name);

    Appearance &m_appearance;
    ProgramShell &m_program;
};
