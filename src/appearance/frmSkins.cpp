#include "appearance/frmSkins.h"

#include "appearance/Appearance.h"
#include "appearance/ColourField.h"
#include "appearance/SchemeColours.h"
#include "appearance/SchemeList.h"
#include "appearance/ScreenLook.h"
#include "display/BringUp.h"
#include "display/ClickableLabel.h"
#include "platform/Failure.h"
#include "platform/FileHelpers.h"
#include "platform/PlainFileName.h"
#include "profiles/Profile.h"
#include "profiles/ProgramShell.h"
#include "profiles/Settings.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void messageBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QStringLiteral("Tarnwell"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

frmSkins::frmSkins(Appearance &appearance)
    : QWidget(nullptr, Qt::Window), m_appearance(appearance), m_program(appearance.program())
{
    setObjectName(QStringLiteral("frmSkins"));
    setWindowTitle(QStringLiteral("Color Schemes"));
    buildControls();
    connect(lstSkins, &QListWidget::currentRowChanged, this, [this] { showSelected(); });
    connect(cmdNew, &QPushButton::clicked, this, &frmSkins::cmdNew_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmSkins::cmdDelete_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmSkins::cmdApply_Click);
    connect(cmdUse, &QPushButton::clicked, this, &frmSkins::cmdUse_Click);
    CloseOnEscape(*this);
}

void frmSkins::buildControls()
{
    lstSkins = new QListWidget(this);
    lstSkins->setObjectName(QStringLiteral("lstSkins"));
    const auto button = [this](const char *name, const QString &caption) {
        auto *control = new QPushButton(caption, this);
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };
    cmdNew = button("cmdNew", QStringLiteral("&New"));
    cmdDelete = button("cmdDelete", QStringLiteral("&Delete"));
    cmdApply = button("cmdApply", QStringLiteral("&Apply"));
    cmdUse = button("cmdUse", QStringLiteral("&Use"));
    txtBotBG = new QLineEdit(this);
    txtBotBG->setObjectName(QStringLiteral("txtBotBG"));

    auto *fieldsGrid = new QGridLayout;
    for (std::size_t i = 0; i < kSchemeColours.size(); ++i) {
        const SchemeColourKey &key = kSchemeColours[i];
        const int row = static_cast<int>(i);
        colourFields[i] = new ColourField(key.field, this);
        const QByteArray name = "lblPick" + QByteArray::number(key.pick);
        auto *pickLabel = new ClickableLabel(name.constData(), QStringLiteral("Pick"), this);
        connect(pickLabel, &ClickableLabel::clicked, this, [this, pick = key.pick] { this->pick(pick); });
        pickLabels[static_cast<std::size_t>(key.pick)] = pickLabel;
        fieldsGrid->addWidget(new QLabel(QString::fromLatin1(key.target), this), row, 0);
        fieldsGrid->addWidget(colourFields[i], row, 1);
        fieldsGrid->addWidget(pickLabel, row, 2);
    }
    const int pictureRow = static_cast<int>(kSchemeColours.size());
    fieldsGrid->addWidget(new QLabel(QStringLiteral("BG Picture"), this), pictureRow, 0);
    fieldsGrid->addWidget(txtBotBG, pictureRow, 1, 1, 2);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *control : {cmdNew, cmdDelete, cmdApply, cmdUse})
        buttons->addWidget(control);
    auto *left = new QVBoxLayout;
    left->addWidget(lstSkins);
    left->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(fieldsGrid);
}

void frmSkins::open()
{
    if (!isVisible())
        Form_Load();
    BringUp(*this, &m_program.mainWidget());
}

void frmSkins::Form_Load()
{
    const QSignalBlocker quiet(lstSkins);
    lstSkins->clear();
    lstSkins->addItem(kDefaultScheme);
    lstSkins->setCurrentRow(0);
    m_program.guard("Form_Load()", "frmSkins", [this] {
        for (const QString &name : ListSchemes(m_program.settings().schemesFolder())) {
            // A file of the built-in scheme's name could never be used.
            if (!IsDefaultScheme(name))
                lstSkins->addItem(name);
        }
        // The scheme in use is the one shown.
        const QList<QListWidgetItem *> inUse =
            lstSkins->findItems(m_program.current().record().Scheme, Qt::MatchExactly);
        if (!inUse.isEmpty())
            lstSkins->setCurrentItem(inUse.first());
    });
    showSelected();
}

void frmSkins::showSelected()
{
    const QListWidgetItem *selected = lstSkins->currentItem();
    if (!selected)
        return;
    SchemeFields shown = fields();
    if (IsDefaultScheme(selected->text()))
        shown = DesignSchemeFields();
    else
        ReadSchemeFields(m_program.settings(), selected->text(), shown);
    showFields(shown);
    setWindowTitle(QStringLiteral("Color Schemes (") + selected->text() + QLatin1Char(')'));
}

QString frmSkins::selectedName() const
{
    const QListWidgetItem *selected = lstSkins->currentItem();
    if (!selected)
        throw Failure(Failure::ObjectMissing, QStringLiteral("Object variable not set"));
    return selected->text();
}

void frmSkins::cmdNew_Click()
{
    const QString name = QInputDialog::getText(this, QStringLiteral("Create a Color Scheme"),
                                               QStringLiteral("What is the name of the color scheme you wish to create?"));
    if (name.isEmpty()) {
        messageBox(this, QMessageBox::Information, QStringLiteral("The name of the skin cannot be blank, please try again."));
        return;
    }
    if (!lstSkins->findItems(name, Qt::MatchFixedString).isEmpty()) {
        messageBox(this, QMessageBox::Critical, QStringLiteral("That skin already exists!"));
        return;
    }
    if (!IsPlainFileName(name)) {
        messageBox(this, QMessageBox::Information,
                   QStringLiteral("The name of the skin cannot hold \\, /, .. or control characters, please try again."));
        return;
    }
    m_program.guard("cmdNew_Click", "frmSkins", [&] {
        const QString path = m_program.settings().schemePath(name);
        if (!FileExists(path))
            CreateTextFile(path);
        // A new scheme starts as the window looks now, to be changed from
        // there.
        WriteSchemeFields(m_program.settings(), name, m_appearance.look().shownSchemeFields());
        lstSkins->addItem(name);
        lstSkins->setCurrentRow(lstSkins->count() - 1);
    });
}

void frmSkins::cmdDelete_Click()
{
    m_program.guard("cmdDelete_Click", "frmSkins", [this] {
        if (lstSkins->count() == 0)
            return;
        const QString name = selectedName();
        if (IsDefaultScheme(name)) {
            messageBox(this, QMessageBox::Information,
                       QStringLiteral("The Default scheme is built in and cannot be deleted."));
            return;
        }
        const QString path = m_program.settings().schemePath(name);
        if (!QFile::remove(path))
            throw Failure(Failure::FileNotFound, QStringLiteral("File not found: ") + path);
        delete lstSkins->takeItem(lstSkins->currentRow());
        // Without its scheme, the profile on screen goes back to the
        // built-in one rather than keep colours no file holds.
        if (m_program.current().record().Scheme == name)
            useScheme(kDefaultScheme);
    });
}

void frmSkins::cmdApply_Click()
{
    m_program.guard("cmdApply_Click", "frmSkins", [this] {
        const QString name = selectedName();
        if (IsDefaultScheme(name)) {
            messageBox(this, QMessageBox::Information,
                       QStringLiteral("The Default scheme is built in and cannot be changed: make a scheme of your "
                                      "own with New."));
            return;
        }
        const SchemeFields values = fields();
        QStringList unseen;
        for (std::size_t i = 0; i < kSchemeColours.size(); ++i) {
            if (!ShowsOnBlack(values.colours[i]))
                unseen << QString::fromLatin1(kSchemeColours[i].target);
        }
        if (!unseen.isEmpty()) {
            messageBox(this, QMessageBox::Information,
                       QStringLiteral("These colours would not show on the black background: ") +
                           unseen.join(QStringLiteral(", ")) + QStringLiteral(". Pick brighter ones."));
            return;
        }
        WriteSchemeFields(m_program.settings(), name, values);
    });
}

void frmSkins::cmdUse_Click()
{
    m_program.guard("cmdUse_Click", "frmSkins", [this] {
        if (lstSkins->count() > 0)
            useScheme(selectedName());
    });
}

void frmSkins::useScheme(const QString &name)
{
    ProfileRecord &profile = m_program.current().record();
    m_program.settings().WriteProfileSetting(profile.Name, QStringLiteral("Scheme"), QStringLiteral("Default"), name);
    m_appearance.look().applyScheme(name);
    profile.Scheme = name;
}

void frmSkins::pick(int n)
{
    for (const SchemeColourKey &key : kSchemeColours) {
        if (key.pick == n) {
            m_appearance.openColourPicker(QString::fromLatin1(key.target));
            return;
        }
    }
}

ColourField *frmSkins::fieldForTarget(const QString &target) const
{
    for (std::size_t i = 0; i < kSchemeColours.size(); ++i) {
        if (target == QLatin1String(kSchemeColours[i].target))
            return colourFields[i];
    }
    return nullptr;
}

SchemeFields frmSkins::fields() const
{
    SchemeFields values;
    values.picture = txtBotBG->text();
    for (std::size_t i = 0; i < kSchemeColours.size(); ++i)
        values.colours[i] = colourFields[i]->colour();
    return values;
}

void frmSkins::showFields(const SchemeFields &values)
{
    txtBotBG->setText(values.picture);
    for (std::size_t i = 0; i < kSchemeColours.size(); ++i)
        colourFields[i]->setColour(values.colours[i]);
}
