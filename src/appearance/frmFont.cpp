#include "appearance/frmFont.h"

#include "appearance/Appearance.h"
#include "appearance/ScreenLook.h"
#include "display/BringUp.h"
#include "display/PatternValidator.h"
#include "profiles/Profile.h"
#include "profiles/ProgramShell.h"
#include "profiles/Settings.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kFont = QStringLiteral("Font");
const QString kSize = QStringLiteral("Size");
const QString kDefaultSize = QStringLiteral("10");

QComboBox *combo(QWidget *parent, const char *name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    // A name or size typed in is kept as typed, installed or not.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

} // namespace

frmFont::frmFont(Appearance &appearance)
    : QWidget(nullptr, Qt::Window), LV(combo(this, "LV")), LVSize(combo(this, "LVSize")), RTB(combo(this, "RTB")),
      RTBSize(combo(this, "RTBSize")), TB(combo(this, "TB")), TBSize(combo(this, "TBSize")),
      Profile(combo(this, "Profile")), ProfileSize(combo(this, "ProfileSize")), Channel(combo(this, "Channel")),
      ChannelSize(combo(this, "ChannelSize")),
      cmdApply(new QPushButton(QStringLiteral("Apply to current profile"), this)), m_appearance(appearance), m_program(appearance.program())
{
    setObjectName(QStringLiteral("frmFont"));
    setWindowTitle(QStringLiteral("Font Customization"));
    cmdApply->setObjectName(QStringLiteral("cmdApply"));

    auto *layout = new QGridLayout(this);
    const std::pair<const char *, Area> rows[] = {
        {"Listviews (Profiles and Users)", areas()[0]}, {"RichTextBox (Main Chat)", areas()[1]},
        {"Textbox (Chat Send)", areas()[2]},            {"Current Profile", areas()[4]},
        {"Channel Information", areas()[3]},
    };
    int row = 0;
    for (const auto &[caption, area] : rows) {
        layout->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
        layout->addWidget(area.font, row, 1);
        layout->addWidget(area.size, row, 2);
        area.font->setMinimumContentsLength(18);
        // Sizes are point sizes: other text could not be applied.
        area.size->setValidator(PatternValidator("[1-9][0-9]?(\\.[0-9]{1,2})?", area.size));
        ++row;
    }
    layout->addWidget(cmdApply, row, 0, 1, 3, Qt::AlignRight);
    connect(cmdApply, &QPushButton::clicked, this, &frmFont::cmdApply_Click);
    CloseOnEscape(*this);
}

std::array<frmFont::Area, 5> frmFont::areas() const
{
    return {{{LV, LVSize, "Listview", "Listview Size"},
             {RTB, RTBSize, "RichTextBox", "RichTextBox Size"},
             {TB, TBSize, "Textbox", "Textbox Size"},
             {Channel, ChannelSize, "Channel", "Channel Size"},
             {Profile, ProfileSize, "Profile", "Profile Size"}}};
}

void frmFont::open()
{
    if (!isVisible())
        Form_Load();
    BringUp(*this, &m_program.mainWidget());
}

void frmFont::Form_Load()
{
    m_program.guard("Form_Load()", "frmFont", [this] {
        const QStringList families = QFontDatabase::families();
        QStringList sizes;
        for (int size = 9; size <= 17; ++size)
            sizes.append(QString::number(size));
        for (const Area &area : areas()) {
            area.font->clear();
            area.font->addItems(families);
            area.size->clear();
            area.size->addItems(sizes);
            // What the settings do not name (or cannot be read) shows the
            // defaults.
            area.font->setCurrentText(QStringLiteral("Tahoma"));
            area.size->setCurrentText(kDefaultSize);
        }
        const QString name = m_program.current().record().Name;
        const Settings &settings = m_program.settings();
        const auto showSetting = [&](QComboBox *box, const QString &section, const char *key) {
            const QString value = settings.ReadProfileSetting(name, section, QString::fromLatin1(key));
            if (!value.isEmpty())
                box->setCurrentText(value);
        };
        for (const Area &area : areas()) {
            showSetting(area.font, kFont, area.fontKey);
            showSetting(area.size, kSize, area.sizeKey);
        }
    });
}

void frmFont::cmdApply_Click()
{
    m_program.guard("cmdApply_Click", "frmFont", [this] {
        const QString name = m_program.current().record().Name;
        const Settings &settings = m_program.settings();
        for (const Area &area : areas())
            settings.WriteProfileSetting(name, kFont, QString::fromLatin1(area.fontKey), area.font->currentText());
        for (const Area &area : areas()) {
            // A size left empty is the size the dialog offers for one not set.
            if (area.size->currentText().isEmpty())
                area.size->setCurrentText(kDefaultSize);
            settings.WriteProfileSetting(name, kSize, QString::fromLatin1(area.sizeKey), area.size->currentText());
        }
        m_appearance.look().applyCurrentFonts();
    });
}
