#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// A Battle.net user's profile: sex, location and description, editable and
// savable only for the account the current profile is logged on with.
class frmProfile : public QWidget {
    Q_OBJECT
public:
    explicit frmProfile(QWidget *parent = nullptr);

    // Names the window after the viewed user and shows it without blocking.
    void showFor(const QString &userName);
    // Unlocks the fields and the Save button for the own account only.
    void setEditable(bool editable);
    // Fills the fields from a profile reply; the description shows from its top.
    void showValues(const QString &sex, const QString &location, const QString &description);

    QLabel *lblUsername;
    QLineEdit *txtSex;
    QLineEdit *txtLocation;
    QTextEdit *rtbDes;
    QPushButton *cmdSave;

Q_SIGNALS:
    void saveClicked();
};
