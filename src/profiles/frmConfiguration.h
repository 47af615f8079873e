#pragma once

#include <QList>
#include <QWidget>

class ConfigurationGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class TarnwellApp;

// Edits the logon, latency and registration settings of the profile selected
// in the profile list, and renames or deletes that profile. Modeless; made on
// first use and kept. Every open fills it afresh from the settings file.
//
// Its groups stand in two columns, scrolled when the screen is too small for
// them, above the buttons; addGroup puts another one below the last of the
// second column. A group with settings of its own is filled and saved with
// the dialog. The passwords are masked until the user shows them; Enter
// saves and Escape cancels.
class frmConfiguration : public QWidget {
    Q_OBJECT
public:
    explicit frmConfiguration(TarnwellApp &app);

    // Fills the dialog for the selected profile and shows it over the main
    // window; open already for that profile, it is only raised.
    void open();
    void addGroup(QGroupBox *group);
    void addGroup(ConfigurationGroup *group);

    void cmdSave_Click();
    void cmdCharMask_Click();
    void cmdRename_Click();
    void cmdDelete_Click();

    QLabel *lblProfile;
    QLineEdit *Username;
    QLineEdit *Password;
    QPushButton *cmdCharMask;
    QLineEdit *NewPassword;
    QComboBox *Product;
    QLineEdit *Home;
    QLineEdit *Server;
    QComboBox *Latency;
    QLineEdit *txtCustom;
    QCheckBox *UDPPlug;
    QComboBox *Mode;
    QLineEdit *Email;
    QLineEdit *NewEmail;
    QLineEdit *Verbyte;
    QPushButton *cmdSave;
    QPushButton *cmdCancel;
    QPushButton *cmdRename;
    QPushButton *cmdDelete;

private:
    void buildControls();
    // Empties every field and refills the drop-down lists.
    void reset();
    // Each step on its own: one that fails (no profile selected, a settings
    // file that cannot be read) is skipped and the next runs.
    void fill();
    void showProfileName(const QString &name);
    void showPasswords(bool shown);
    void enableCustom();

    TarnwellApp &m_app;
    QVBoxLayout *m_groups;
    QScrollArea *m_scroll;
    QList<ConfigurationGroup *> m_settingsGroups;
};
