#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class Profile;
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

    // What the window was opened for: the profile whose connection asked,
    // the account its Save writes to (empty when the viewed user is someone
    // else's), and the read request whose reply it waits for.
    struct Request {
        QPointer<const Profile> profile;
        QString ownAccount;
        quint32 id = 0;
        bool answered = true;
    };

    // Names the window after the viewed user and empties the fields of
    // whoever it showed before; the caller shows it.
    void showFor(const QString &userName);
    // Remembers a read request just sent; an id equal to the previous
    // request's is moved on by one, so each request keeps an id of its own.
    // Returns the id to send.
    quint32 expect(const Profile &profile, const QString &ownAccount, quint32 tick);
    // True for the reply to the latest request, the first time it comes.
    bool takesReply(const Profile &profile, quint32 id);
    const Request &request() const { return m_request; }
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

private:
    Request m_request;
};
