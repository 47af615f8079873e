#include "profiles/frmConfiguration.h"

#include "display/BringUp.h"
#include "display/PatternValidator.h"
#include "platform/Failure.h"
#include "profiles/ConfigurationGroup.h"
#include "profiles/MoreOptionsGroup.h"
#include "profiles/ProductTable.h"
#include "profiles/ProfileEntries.h"
#include "profiles/ProfileManagement.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

const QString kCustom = QStringLiteral("Custom");

template <typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QGroupBox *group(const QString &caption, QFormLayout *&rows)
{
    auto *box = new QGroupBox(caption);
    rows = new QFormLayout(box);
    return box;
}

} // namespace

frmConfiguration::frmConfiguration(TarnwellApp &app) : QWidget(nullptr, Qt::Window), m_app(app)
{
    setObjectName(QStringLiteral("frmConfiguration"));
    buildControls();
    addGroup(new MoreOptionsGroup(app));
    connect(Latency, &QComboBox::currentTextChanged, this, [this] { enableCustom(); });
    connect(cmdCharMask, &QPushButton::clicked, this, [this] { cmdCharMask_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdRename, &QPushButton::clicked, this, [this] { cmdRename_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
}

void frmConfiguration::buildControls()
{
    lblProfile = named(new QLabel, "lblProfile");
    lblProfile->setTextFormat(Qt::PlainText);
    QFont title(QStringLiteral("Tahoma"));
    title.setPointSizeF(14.25);
    title.setBold(true);
    lblProfile->setFont(title);
    QPalette blue = lblProfile->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 0xFF));
    lblProfile->setPalette(blue);

    QFormLayout *rows = nullptr;
    QGroupBox *login = group(QStringLiteral("Login"), rows);
    Username = named(new QLineEdit, "Username");
    rows->addRow(QStringLiteral("&Username"), Username);
    Password = named(new QLineEdit, "Password");
    NewPassword = named(new QLineEdit, "NewPassword");
    for (QLineEdit *secret : {Password, NewPassword}) {
        // Masked, they show stars as the settings file's users know them.
        secret->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
    cmdCharMask = named(new QPushButton, "cmdCharMask");
    cmdCharMask->setToolTip(QStringLiteral("Show or hide both passwords"));
    auto *passwordRow = new QHBoxLayout;
    passwordRow->addWidget(Password);
    passwordRow->addWidget(cmdCharMask);
    rows->addRow(QStringLiteral("&Password"), passwordRow);
    qobject_cast<QLabel *>(rows->labelForField(passwordRow))->setBuddy(Password);
    rows->addRow(QStringLiteral("New &Password"), NewPassword);
    Product = named(new QComboBox, "Product");
    Product->setEditable(true);
    Product->setInsertPolicy(QComboBox::NoInsert);
    rows->addRow(QStringLiteral("Product"), Product);
    Home = named(new QLineEdit, "Home");
    rows->addRow(QStringLiteral("&Home"), Home);
    Server = named(new QLineEdit, "Server");
    rows->addRow(QStringLiteral("&Server"), Server);

    QGroupBox *latency = group(QStringLiteral("Latency Options"), rows);
    Latency = named(new QComboBox, "Latency");
    rows->addRow(QStringLiteral("Latency"), Latency);
    txtCustom = named(new QLineEdit, "txtCustom");
    // Milliseconds; anything else would be no delay at all when connecting.
    txtCustom->setValidator(PatternValidator("[0-9]{0,9}", txtCustom));
    txtCustom->setEnabled(false);
    rows->addRow(QStringLiteral("Custom"), txtCustom);
    UDPPlug = named(new QCheckBox(QStringLiteral("UDP Plug")), "UDPPlug");
    rows->addRow(UDPPlug);

    QGroupBox *registration = group(QStringLiteral("Registration"), rows);
    Mode = named(new QComboBox, "Mode");
    rows->addRow(QStringLiteral("Mode"), Mode);
    Email = named(new QLineEdit, "Email");
    rows->addRow(QStringLiteral("Email"), Email);
    NewEmail = named(new QLineEdit, "NewEmail");
    rows->addRow(QStringLiteral("New"), NewEmail);

    QGroupBox *version = group(QString(), rows);
    Verbyte = named(new QLineEdit, "Verbyte");
    // Hexadecimal, as it goes into the first message of a connection: other
    // text could not be sent.
    Verbyte->setValidator(PatternValidator("[0-9A-Fa-f]{0,8}", Verbyte));
    rows->addRow(QStringLiteral("Verbyte"), Verbyte);

    cmdSave = named(new QPushButton(QStringLiteral("&Save")), "cmdSave");
    QFont bold = cmdSave->font();
    bold.setBold(true);
    cmdSave->setFont(bold);
    cmdSave->setDefault(true);
    cmdCancel = named(new QPushButton(QStringLiteral("&Cancel")), "cmdCancel");
    cmdRename = named(new QPushButton(QStringLiteral("&Rename")), "cmdRename");
    cmdDelete = named(new QPushButton(QStringLiteral("&Delete")), "cmdDelete");
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {cmdSave, cmdCancel, cmdRename, cmdDelete})
        buttons->addWidget(button);

    // Two columns in a scrolled area, so that the buttons below stay on
    // screen whatever the groups take.
    auto *columns = new QHBoxLayout;
    auto *first = new QVBoxLayout;
    for (QGroupBox *box : {login, latency})
        first->addWidget(box);
    first->addStretch();
    m_groups = new QVBoxLayout;
    for (QGroupBox *box : {registration, version})
        m_groups->addWidget(box);
    auto *second = new QVBoxLayout;
    second->addLayout(m_groups);
    second->addStretch();
    columns->addLayout(first);
    columns->addLayout(second);
    auto *groups = new QWidget;
    groups->setLayout(columns);
    m_scroll = named(new QScrollArea, "scrollGroups");
    m_scroll->setWidget(groups);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblProfile, 0, Qt::AlignHCenter);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(buttons);
    Username->setMinimumWidth(220);
    showPasswords(false);

    // Enter saves wherever it is typed; Escape closes without saving.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter})
        OnKey(*this, key, [this] { cmdSave_Click(); });
    CloseOnEscape(*this);
}

void frmConfiguration::addGroup(QGroupBox *group)
{
    m_groups->addWidget(group);
}

void frmConfiguration::addGroup(ConfigurationGroup *group)
{
    addGroup(static_cast<QGroupBox *>(group));
    m_settingsGroups.append(group);
}

void frmConfiguration::open()
{
    reset();
    fill();
    if (!isVisible()) {
        // As large as the groups want; the screen may take some of it back.
        // Until the window is first shown, Qt does not tell a layout that
        // the controls in it changed size (texts, fonts, the groups added
        // later), so its hints are the ones from when it was built and the
        // form came out half as wide as its rows.
        for (QWidget *control : findChildren<QWidget *>())
            control->updateGeometry();
        for (QLayout *rows : findChildren<QLayout *>())
            rows->invalidate();
        const QSize groups = m_scroll->widget()->sizeHint();
        const QMargins margins = layout()->contentsMargins();
        const QSize hint = sizeHint();
        resize(std::max(hint.width(), groups.width() + margins.left() + margins.right() +
                                          m_scroll->verticalScrollBar()->sizeHint().width()),
               hint.height() - m_scroll->sizeHint().height() + groups.height());
    }
    BringUp(*this, &m_app.mainWindow());
}

void frmConfiguration::reset()
{
    for (QLineEdit *box : {Username, Password, NewPassword, Home, Server, txtCustom, Email, NewEmail, Verbyte})
        box->clear();
    showPasswords(false);
    UDPPlug->setChecked(false);
    const auto list = [](QComboBox *box, const QStringList &entries) {
        box->clear();
        box->addItems(entries);
        box->setCurrentIndex(-1);
    };
    list(Latency, {QStringLiteral("Regular"), QStringLiteral("0ms"), kCustom});
    list(Mode, {QStringLiteral("Disable"), QStringLiteral("Register"), QStringLiteral("Retrieve"),
                QStringLiteral("Change")});
    list(Product, ProductTable::listedTexts());
    Product->clearEditText();
    showProfileName(QString());
    enableCustom();
    for (ConfigurationGroup *group : m_settingsGroups)
        group->load(QString());
}

void frmConfiguration::fill()
{
    QString name;
    const auto read = [&](const char *section, const char *key) {
        return m_app.settings().ReadProfileSetting(name, QString::fromLatin1(section), QString::fromLatin1(key));
    };
    std::vector<std::function<void()>> steps = {
        [&] {
            const QList<QListWidgetItem *> selected = m_app.mainWindow().lstProfiles->selectedItems();
            if (selected.isEmpty())
                return;
            name = selected.first()->text();
            showProfileName(name);
        },
        [&] { Username->setText(read("Login", "Username")); },
        [&] { Password->setText(read("Login", "Password")); },
        [&] { NewPassword->setText(read("Login", "New Password")); },
        [&] {
            // A code the table does not know shows as it is stored, so that
            // saving without a change keeps it.
            const QString code = read("Login", "Product");
            Product->setEditText(ProductTable::textOf(code).value_or(code));
        },
        [&] { Home->setText(read("Login", "Home")); },
        [&] { Server->setText(read("Login", "Server")); },
        [&] { Verbyte->setText(read("Login", "Verbyte")); },
        [&] { txtCustom->setText(read("Ping", "Custom Ping")); },
        [&] { UDPPlug->setChecked(read("Ping", "UDP Plug") == QLatin1String("1")); },
        [&] { Latency->setCurrentText(read("Ping", "Spoof")); },
        [&] { Mode->setCurrentText(read("Registration", "Mode")); },
        [&] { Email->setText(read("Registration", "Email")); },
        [&] { NewEmail->setText(read("Registration", "New Email")); },
        [&] {
            if (Mode->currentText().isEmpty())
                Mode->setCurrentText(QStringLiteral("Disable"));
            if (Latency->currentText().isEmpty())
                Latency->setCurrentText(QStringLiteral("Regular"));
            enableCustom();
        },
    };
    for (ConfigurationGroup *group : m_settingsGroups)
        steps.emplace_back([&name, group] { group->load(name); });
    for (const auto &step : steps) {
        try {
            step();
        } catch (...) {
        }
    }
}

void frmConfiguration::showProfileName(const QString &name)
{
    lblProfile->setText(name);
    setWindowTitle(QStringLiteral("Configuring \"") + name + QLatin1Char('"'));
}

void frmConfiguration::enableCustom()
{
    txtCustom->setEnabled(Latency->currentText() == kCustom);
}

void frmConfiguration::cmdCharMask_Click()
{
    showPasswords(Password->echoMode() == QLineEdit::Password);
    Password->setFocus();
}

void frmConfiguration::showPasswords(bool shown)
{
    for (QLineEdit *secret : {Password, NewPassword})
        secret->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    cmdCharMask->setText(shown ? QStringLiteral("Hide") : QStringLiteral("Show"));
}

void frmConfiguration::cmdSave_Click()
{
    const QString name = lblProfile->text();
    if (name.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Tarnwell"),
                        QStringLiteral("There is no profile selected to apply this information to."),
                        QMessageBox::Ok, this);
        box.exec();
        close();
        return;
    }
    m_app.guard("cmdSave", "frmConfiguration", [&] {
        std::vector<IniFile::Entry> settings;
        const auto add = [&](const char *section, const char *key, const QString &value) {
            settings.push_back({QString::fromLatin1(section), QString::fromLatin1(key), value});
        };
        add("Login", "Username", Username->text());
        add("Login", "Password", Password->text());
        add("Login", "New Password", NewPassword->text());
        // A product text the table does not know keeps the stored product.
        if (const std::optional<QString> code = ProductTable::codeOf(Product->currentText()))
            add("Login", "Product", *code);
        add("Login", "Home", Home->text());
        add("Login", "Server", Server->text());
        add("Login", "Verbyte", Verbyte->text());
        add("Ping", "UDP Plug", UDPPlug->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        add("Ping", "Spoof", Latency->currentText());
        add("Ping", "Custom Ping", txtCustom->text());
        add("Registration", "Mode", Mode->currentText());
        add("Registration", "Email", Email->text());
        add("Registration", "New Email", NewEmail->text());
        for (const ConfigurationGroup *group : m_settingsGroups)
            group->collect(settings);
        // One write: a full disk saves none of it rather than half, and the
        // profile in memory stays as the file is.
        try {
            m_app.settings().WriteProfileSettings(name, settings);
        } catch (const Failure &failure) {
            const int slot = m_app.indexOfName(name);
            m_app.profile(slot >= 0 ? slot : m_app.CurrentProfile).AddChat({Rgb(0xBD3D3D), QStringLiteral("The configuration of ") + name +
                                              QStringLiteral(" was not saved, none of it: ") + failure.description()});
            return;
        }
        for (const ConfigurationGroup *group : m_settingsGroups)
            group->saveElsewhere();

        // The record refreshed is the shown profile's own, wherever it is:
        // the user may have switched to another profile since the dialog
        // opened.
        const int slot = m_app.indexOfName(name);
        if (slot >= 0) {
            LoadInfo(m_app, name, slot, true);
            if (QListWidgetItem *entry = EntryOf(*m_app.mainWindow().lstProfiles, m_app.profile(slot)))
                SetProfileEntryIcon(m_app, *entry, m_app.profile(slot).record().Product);
            qint16 index = static_cast<qint16>(slot);
            ProfileColor(m_app, index, false, false);
        }
        close();
    });
}

void frmConfiguration::cmdRename_Click()
{
    const QString renamed = RenameProfile(m_app, this, lblProfile->text());
    if (!renamed.isEmpty())
        showProfileName(renamed);
}

void frmConfiguration::cmdDelete_Click()
{
    if (DeleteProfile(m_app, this, lblProfile->text()))
        close();
}
