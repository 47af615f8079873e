#include "profiles/MoreOptionsGroup.h"

#include "display/Notifications.h"
#include "platform/WireText.h"
#include "profiles/MoreOptions.h"
#include "profiles/ProgramSettings.h"
#include "profiles/TarnwellApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename Control>
Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QSpinBox *number(const char *name, int most)
{
    auto *box = named(new QSpinBox, name);
    box->setRange(1, most);
    return box;
}

QString flag(const QCheckBox *box)
{
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

MoreOptionsGroup::MoreOptionsGroup(TarnwellApp &app) : ConfigurationGroup(QStringLiteral("More Options")), m_app(app)
{
    setObjectName(QStringLiteral("MoreOptions"));
    auto *rows = new QVBoxLayout(this);
    chkLogChat = named(new QCheckBox(QStringLiteral("Log chat to the profile's Logs folder")), "chkLogChat");
    chkReconnectAfterClose = named(new QCheckBox(QStringLiteral("Reconnect when the server closes the connection")),
                                   "chkReconnectAfterClose");
    chkFloodGuard = named(new QCheckBox(QStringLiteral("Flood guard:")), "chkFloodGuard");
    spnFloodLines = number("spnFloodLines", MoreOptions::kMostFloodLines);
    spnFloodSeconds = number("spnFloodSeconds", MoreOptions::kMostFloodSeconds);
    spnFloodCharacters = number("spnFloodCharacters", MoreOptions::kMostFloodCharacters);
    auto *quota = new QHBoxLayout;
    quota->addWidget(chkFloodGuard);
    quota->addWidget(spnFloodLines);
    quota->addWidget(new QLabel(QStringLiteral("lines per")));
    quota->addWidget(spnFloodSeconds);
    quota->addWidget(new QLabel(QStringLiteral("s, counting one per")));
    quota->addWidget(spnFloodCharacters);
    quota->addWidget(new QLabel(QStringLiteral("bytes")));
    quota->addStretch();
    spnMaxLineBytes = number("spnMaxLineBytes", MoreOptions::kMostMaxLineBytes);
    auto *lineLength = new QHBoxLayout;
    lineLength->addWidget(new QLabel(QStringLiteral("Cut lines longer than")));
    lineLength->addWidget(spnMaxLineBytes);
    lineLength->addWidget(new QLabel(QStringLiteral("bytes into several")));
    lineLength->addStretch();
    cboEncoding = named(new QComboBox, "cboEncoding");
    cboEncoding->addItems({WireText::settingFor(WireEncoding::Windows1252), WireText::settingFor(WireEncoding::Utf8)});
    auto *encoding = new QHBoxLayout;
    encoding->addWidget(new QLabel(QStringLiteral("Character set of what this profile sends:")));
    encoding->addWidget(cboEncoding);
    encoding->addStretch();
    chkNotifications =
        named(new QCheckBox(QStringLiteral("Desktop notifications of whispers and mentions (all profiles)")),
              "chkNotifications");
    rows->addWidget(chkLogChat);
    rows->addWidget(chkReconnectAfterClose);
    rows->addLayout(quota);
    rows->addLayout(lineLength);
    rows->addLayout(encoding);
    rows->addWidget(chkNotifications);
}

void MoreOptionsGroup::load(const QString &profileName)
{
    const Settings &settings = m_app.settings();
    const auto stored = [&](const QString &key) {
        return !profileName.isEmpty() &&
               settings.ReadProfileSetting(profileName, MoreOptions::kSection, key) == QLatin1String("1");
    };
    chkLogChat->setChecked(stored(MoreOptions::kLogChat));
    chkReconnectAfterClose->setChecked(stored(MoreOptions::kReconnectAfterClose));
    const FloodQuota quota = profileName.isEmpty() ? FloodQuota{} : MoreOptions::ReadFloodQuota(settings, profileName);
    chkFloodGuard->setChecked(quota.on);
    spnFloodLines->setValue(quota.lines);
    spnFloodSeconds->setValue(quota.seconds);
    spnFloodCharacters->setValue(quota.characters);
    spnMaxLineBytes->setValue(profileName.isEmpty() ? LinePieces::kDefaultMaxBytes
                                                    : MoreOptions::ReadMaxLineBytes(settings, profileName));
    const QString encoding =
        profileName.isEmpty() ? QString() : settings.ReadProfileSetting(profileName, MoreOptions::kSection, MoreOptions::kEncoding);
    cboEncoding->setCurrentText(WireText::settingFor(WireText::encodingFromSetting(encoding)));
    chkNotifications->setChecked(m_app.notifications().enabled());
}

void MoreOptionsGroup::collect(std::vector<IniFile::Entry> &entries) const
{
    const auto add = [&](const QString &key, const QString &value) {
        entries.push_back({MoreOptions::kSection, key, value});
    };
    add(MoreOptions::kLogChat, flag(chkLogChat));
    add(MoreOptions::kReconnectAfterClose, flag(chkReconnectAfterClose));
    add(MoreOptions::kFloodGuard, flag(chkFloodGuard));
    add(MoreOptions::kFloodLines, QString::number(spnFloodLines->value()));
    add(MoreOptions::kFloodSeconds, QString::number(spnFloodSeconds->value()));
    add(MoreOptions::kFloodCharacters, QString::number(spnFloodCharacters->value()));
    add(MoreOptions::kEncoding, cboEncoding->currentText());
    add(MoreOptions::kMaxLineBytes, QString::number(spnMaxLineBytes->value()));
}

void MoreOptionsGroup::saveElsewhere() const
{
    ProgramSettings::write(m_app.settings(), Notifications::kSection, Notifications::kKey, flag(chkNotifications));
}
