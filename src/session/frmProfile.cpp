#include "session/frmProfile.h"

#include "display/BringUp.h"
#include "display/Colour.h"
#include "profiles/Profile.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

frmProfile::frmProfile(QWidget *parent)
    : QWidget(parent, Qt::Window), lblUsername(new QLabel(this)), txtSex(new QLineEdit(this)),
      txtLocation(new QLineEdit(this)), rtbDes(new QTextEdit(this)), cmdSave(new QPushButton(tr("Save"), this))
{
    setObjectName(QStringLiteral("frmProfile"));
    lblUsername->setObjectName(QStringLiteral("lblUsername"));
    lblUsername->setTextFormat(Qt::PlainText);
    txtSex->setObjectName(QStringLiteral("txtSex"));
    txtLocation->setObjectName(QStringLiteral("txtLocation"));
    rtbDes->setObjectName(QStringLiteral("rtbDes"));
    rtbDes->setAcceptRichText(false);
    // Descriptions are written in white, as chat text is.
    QPalette dark = rtbDes->palette();
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    rtbDes->setPalette(dark);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));

    auto *layout = new QFormLayout(this);
    layout->addRow(lblUsername);
    layout->addRow(QStringLiteral("Sex:"), txtSex);
    layout->addRow(QStringLiteral("Location:"), txtLocation);
    layout->addRow(QStringLiteral("Description:"), rtbDes);
    layout->addRow(cmdSave);
    resize(360, 320);
    connect(cmdSave, &QPushButton::clicked, this, &frmProfile::saveClicked);
    CloseOnEscape(*this);
}

void frmProfile::showFor(const QString &userName)
{
    txtSex->clear();
    txtLocation->clear();
    rtbDes->clear();
    lblUsername->setText(userName);
    setWindowTitle(userName + QStringLiteral("'s profile"));
}

quint32 frmProfile::expect(const Profile &profile, const QString &ownAccount, quint32 tick)
{
    const quint32 id = tick == m_request.id ? tick + 1 : tick;
    m_request = {&profile, ownAccount, id, false};
    return id;
}

bool frmProfile::takesReply(const Profile &profile, quint32 id)
{
    if (m_request.answered || &profile != m_request.profile || id != m_request.id)
        return false;
    // A repeat of the reply must not overwrite what the user typed since.
    m_request.answered = true;
    return true;
}

void frmProfile::setEditable(bool editable)
{
    cmdSave->setEnabled(editable);
    txtSex->setReadOnly(!editable);
    txtLocation->setReadOnly(!editable);
    rtbDes->setReadOnly(!editable);
}

void frmProfile::showValues(const QString &sex, const QString &location, const QString &description)
{
    txtSex->setText(sex);
    txtLocation->setText(location);
    // Written without the line break a log line gets: saving sends the box's
    // text back, and a break added on every read would grow the description
    // by one line per save.
    rtbDes->clear();
    QTextCharFormat white;
    white.setForeground(Rgb(0xFFFFFF).toQColor());
    rtbDes->textCursor().insertText(description, white);
    rtbDes->moveCursor(QTextCursor::Start);
}
