#pragma once

#include <QPointer>
#include <QWidget>

class Profile;
class QLineEdit;
class QListWidget;
class QPushButton;
class ProgramShell;

// "Chat Filters": edits the message and user filters of the profile that was
// on screen when it opened. Closing the window writes both filter files and
// puts the lists into effect at once.
class frmFilters : public QWidget {
    Q_OBJECT
public:
    explicit frmFilters(ProgramShell &program);

    // Fills the lists from the current profile's files and shows the window;
    // a window already on screen is only raised, keeping its edits.
    void open();

    void cmdAddUser_Click();
    void cmdAddMessage_Click();
    void cmdRemUser_Click();
    void cmdRemMessage_Click();

    QListWidget *lstUsers;
    QListWidget *lstMessages;
    QLineEdit *txtAdd;
    QPushButton *cmdAddUser;
    QPushButton *cmdAddMessage;
    QPushButton *cmdRemUser;
    QPushButton *cmdRemMessage;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void add(QListWidget &list);

    ProgramShell &m_program;
    // The profile whose files the window shows: switching profiles while it
    // is open must not write one profile's filters into another's files.
    QString m_profileName;
    // The profile the window was opened on, while it is there.
    QPointer<Profile> m_profile;
    // Files that could not be read are not overwritten with empty lists.
    bool m_loaded = false;
};
