#include "filters/frmFilters.h"

#include "display/BringUp.h"
#include "filters/FilterFile.h"
#include "filters/clsFilters.h"
#include "profiles/Profile.h"
#include "profiles/ProgramShell.h"
#include "profiles/Settings.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace {

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *created = new QPushButton(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    return created;
}

QStringList entries(const QListWidget &list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

void removeSelected(QListWidget &list)
{
    if (QListWidgetItem *selected = list.currentItem(); selected && selected->isSelected())
        delete list.takeItem(list.row(selected));
}

} // namespace

frmFilters::frmFilters(ProgramShell &program)
    : QWidget(nullptr, Qt::Window), lstUsers(new QListWidget(this)), lstMessages(new QListWidget(this)),
      txtAdd(new QLineEdit(this)), cmdAddUser(button("cmdAddUser", QStringLiteral("Add &User"), this)),
      cmdAddMessage(button("cmdAddMessage", QStringLiteral("Add &Message"), this)),
      cmdRemUser(button("cmdRemUser", QStringLiteral("Remove &User"), this)),
      cmdRemMessage(button("cmdRemMessage", QStringLiteral("Remove &Message"), this)), m_program(program)
{
    setWindowTitle(QStringLiteral("Chat Filters"));
    lstUsers->setObjectName(QStringLiteral("lstUsers"));
    lstMessages->setObjectName(QStringLiteral("lstMessages"));
    txtAdd->setObjectName(QStringLiteral("txtAdd"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Ignored Users"), this), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Ignored Messages"), this), 0, 1);
    layout->addWidget(lstUsers, 1, 0);
    layout->addWidget(lstMessages, 1, 1);
    layout->addWidget(txtAdd, 2, 0, 1, 2);
    layout->addWidget(cmdAddUser, 3, 0);
    layout->addWidget(cmdAddMessage, 3, 1);
    layout->addWidget(cmdRemUser, 4, 0);
    layout->addWidget(cmdRemMessage, 4, 1);
    layout->addWidget(new QLabel(QStringLiteral("Both users and messages can be wildcarded for your convenience."), this),
                      5, 0, 1, 2);

    connect(cmdAddUser, &QPushButton::clicked, this, &frmFilters::cmdAddUser_Click);
    connect(cmdAddMessage, &QPushButton::clicked, this, &frmFilters::cmdAddMessage_Click);
    connect(cmdRemUser, &QPushButton::clicked, this, &frmFilters::cmdRemUser_Click);
    connect(cmdRemMessage, &QPushButton::clicked, this, &frmFilters::cmdRemMessage_Click);
    // Closing by Escape saves, as every close does.
    CloseOnEscape(*this);
}

void frmFilters::open()
{
    if (!isVisible())
        Form_Load();
    BringUp(*this, &m_program.mainWidget());
}

void frmFilters::Form_Load()
{
    lstUsers->clear();
    lstMessages->clear();
    txtAdd->clear();
    m_loaded = false;
    m_program.guard("Form_Load", "frmFilters", [this] {
        m_profile = &m_program.current();
        m_profileName = m_profile->record().Name;
        const Settings &settings = m_program.settings();
        lstMessages->addItems(FilterFile::read(FilterFile::path(settings, m_profileName, FilterFile::Kind::Messages)));
        lstUsers->addItems(FilterFile::read(FilterFile::path(settings, m_profileName, FilterFile::Kind::Users)));
        m_loaded = true;
    });
}

void frmFilters::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmFilters::Form_Unload()
{
    if (!m_loaded)
        return;
    m_program.guard("Form_Unload", "frmFilters", [this] {
        const Settings &settings = m_program.settings();
        FilterFile::write(FilterFile::path(settings, m_profileName, FilterFile::Kind::Messages), entries(*lstMessages));
        FilterFile::write(FilterFile::path(settings, m_profileName, FilterFile::Kind::Users), entries(*lstUsers));
        // The profile may be gone or renamed by now.
        if (m_profile && m_profile->record().Name == m_profileName)
            m_profile->filters().LoadFilters();
    });
}

void frmFilters::add(QListWidget &list)
{
    const QString entry = txtAdd->text();
    // A filter that could not work as typed is refused here, where it can be
    // fixed, and the text stays in the box for that.
    const QString problem = entry.isEmpty() ? QStringLiteral("Enter in a filter.") : clsFilters::Problem(entry);
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tarnwell"), problem, QMessageBox::Ok, this);
        box.exec();
        return;
    }
    list.addItem(entry);
    txtAdd->clear();
}

void frmFilters::cmdAddUser_Click()
{
    add(*lstUsers);
}

void frmFilters::cmdAddMessage_Click()
{
    add(*lstMessages);
}

void frmFilters::cmdRemUser_Click()
{
    removeSelected(*lstUsers);
}

void frmFilters::cmdRemMessage_Click()
{
    removeSelected(*lstMessages);
}
