#include "profiles/MoreOptionsGroup.h"

#include "profiles/MoreOptions.h"
#include "profiles/TarnwellApp.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {

QCheckBox *checkBox(const char *name, const QString &caption, QLayout &rows)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    rows.addWidget(box);
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
    chkLogChat = checkBox("chkLogChat", QStringLiteral("Log chat to the profile's Logs folder"), *rows);
    chkReconnectAfterClose = checkBox("chkReconnectAfterClose",
                                      QStringLiteral("Reconnect when the server closes the connection"), *rows);
}

void MoreOptionsGroup::load(const QString &profileName)
{
    const auto stored = [&](const QString &key) {
        return !profileName.isEmpty() &&
               m_app.settings().ReadProfileSetting(profileName, MoreOptions::kSection, key) == QLatin1String("1");
    };
    chkLogChat->setChecked(stored(MoreOptions::kLogChat));
    chkReconnectAfterClose->setChecked(stored(MoreOptions::kReconnectAfterClose));
}

void MoreOptionsGroup::save(const QString &profileName)
{
    const Settings &settings = m_app.settings();
    settings.WriteProfileSetting(profileName, MoreOptions::kSection, MoreOptions::kLogChat, flag(chkLogChat));
    settings.WriteProfileSetting(profileName, MoreOptions::kSection, MoreOptions::kReconnectAfterClose,
                                 flag(chkReconnectAfterClose));
}
