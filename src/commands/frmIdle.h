#pragma once

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class Profile;
class ProgramShell;

// "Idle Settings": interval, message and status of the idle message of the
// profile that was on screen when the window opened.
class frmIdle : public QWidget {
    Q_OBJECT
public:
    explicit frmIdle(ProgramShell &program);

    // Reads the profile's settings into the controls and shows the window; a
    // window already on screen is only raised.
    void open();
    // Writes the settings, reloads them into the profile and closes.
    void cmdSave_Click();

    QSlider *slidInterval;
    QLabel *lblInterval;
    QLineEdit *txtMessage;
    QCheckBox *chkEnabled;
    QPushButton *cmdSave;

private:
    void Form_Load();
    void showInterval();

    ProgramShell &m_program;
    QString m_profileName;
    // The profile the window was opened on, while it is there.
    QPointer<Profile> m_profile;
};
