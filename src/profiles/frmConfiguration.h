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
class QVBoxLayout;
class TarnwellApp;

// Edits the logon, latency and registration settings of the profile selected
// in the profile list, and renames or deletes that profile. Modeless; made on
// first use and kept. Every open fills it afresh from the settings file.
//
// Its groups stand one below the other; addGroup puts another one below the
// last, above the buttons. A group with settings of its own is filled and
// saved with the dialog.
class frmConfiguration : public QWidget {
    Q_OBJECT
public:
    explicit frmConfiguration(TarnwellApp &app);

    // Fills the dialog for the selected profile and shows it.
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
    void enableCustom();

    TarnwellApp &m_app;
    QVBoxLayout *m_groups;
    QList<ConfigurationGroup *> m_settingsGroups;
};
