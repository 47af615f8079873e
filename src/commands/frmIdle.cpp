#include "commands/frmIdle.h"

#include "commands/AntiIdle.h"
#include "display/BringUp.h"
#include "platform/Convert.h"
#include "profiles/Profile.h"
#include "profiles/ProgramShell.h"
#include "profiles/Settings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <functional>

namespace {

const QString kSection = QStringLiteral("Anti idle");

} // namespace

frmIdle::frmIdle(ProgramShell &program)
    : QWidget(nullptr, Qt::Window), slidInterval(new QSlider(Qt::Horizontal, this)), lblInterval(new QLabel(this)),
      txtMessage(new QLineEdit(this)), chkEnabled(new QCheckBox(QStringLiteral("Enable"), this)),
      cmdSave(new QPushButton(QStringLiteral("&Apply to current profile"), this)), m_program(program)
{
    setWindowTitle(QStringLiteral("Idle Settings"));
    slidInterval->setObjectName(QStringLiteral("slidInterval"));
    slidInterval->setRange(1, 60);
    slidInterval->setSingleStep(1);
    slidInterval->setPageStep(1);
    lblInterval->setObjectName(QStringLiteral("lblInterval"));
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    chkEnabled->setObjectName(QStringLiteral("chkEnabled"));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));

    auto *layout = new QFormLayout(this);
    auto *interval = new QHBoxLayout;
    interval->addWidget(slidInterval);
    interval->addWidget(lblInterval);
    layout->addRow(QStringLiteral("Interval:"), interval);
    layout->addRow(QStringLiteral("Message:"), txtMessage);
    layout->addRow(QStringLiteral("Status:"), chkEnabled);
    layout->addRow(QStringLiteral("Variables:"), new QLabel(QStringLiteral("%v, %mp3, %cuptime, %suptime, %itunes, %wmp"), this));
    layout->addRow(QStringLiteral("Idle:"), cmdSave);

    connect(slidInterval, &QSlider::valueChanged, this, &frmIdle::showInterval);
    connect(cmdSave, &QPushButton::clicked, this, &frmIdle::cmdSave_Click);
    CloseOnEscape(*this);
}

void frmIdle::open()
{
    if (!isVisible())
        Form_Load();
    BringUp(*this, &m_program.mainWidget());
}

void frmIdle::Form_Load()
{
    m_profile = &m_program.current();
    const auto read = [this](const char *key) {
        return m_program.settings().ReadProfileSetting(m_profileName, kSection, QString::fromLatin1(key));
    };
    // Each control stands alone: a value that cannot be read leaves it as it was.
    const std::function<void()> steps[] = {
        [&] { m_profileName = m_profile->record().Name; },
        [&] { slidInterval->setValue(ToInt16(read("Interval"))); },
        [&] { txtMessage->setText(read("Message")); },
        [&] { chkEnabled->setChecked(read("Status") == QLatin1String("1")); },
    };
    for (const auto &step : steps) {
        try {
            step();
        } catch (...) {
        }
    }
    showInterval();
}

void frmIdle::showInterval()
{
    const int minutes = slidInterval->value();
    lblInterval->setText(QString::number(minutes) + (minutes == 1 ? QStringLiteral(" minute") : QStringLiteral(" minutes")));
}

void frmIdle::cmdSave_Click()
{
    m_program.guard("cmdSave_Click", "frmIdle", [this] {
        const Settings &settings = m_program.settings();
        settings.WriteProfileSetting(m_profileName, kSection, QStringLiteral("Interval"),
                                     QString::number(slidInterval->value()));
        settings.WriteProfileSetting(m_profileName, kSection, QStringLiteral("Message"), txtMessage->text());
        settings.WriteProfileSetting(m_profileName, kSection, QStringLiteral("Status"),
                                     chkEnabled->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        // The profile may be gone or renamed by now.
        if (Profile *profile = m_profile; profile && profile->record().Name == m_profileName)
            LoadIdleSettings(*profile);
        close();
    });
}
