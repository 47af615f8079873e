#include "commands/ProfileSwitchCommand.h"

#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/modProfiles.h"

#include <QListWidget>
#include <QRegularExpression>

namespace {

const Colour kUsageColour = Rgb(0xAAAAAA);
const Colour kRefusalColour = Rgb(0xBD3D3D);

// The list entry at a 1-based place, or null for a place outside the list
// (a number too large for any place included).
const QListWidgetItem *entryAtPlace(const QListWidget &list, const QString &digits)
{
    bool ok = false;
    const qlonglong place = digits.toLongLong(&ok);
    if (!ok || place < 1 || place > list.count())
        return nullptr;
    return list.item(static_cast<int>(place - 1));
}

const QListWidgetItem *entryNamed(const QListWidget &list, const QString &name)
{
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->text().compare(name, Qt::CaseInsensitive) == 0)
            return list.item(row);
    }
    return nullptr;
}

} // namespace

void SwitchProfileCommand(TarnwellApp &app, const QString &argument)
{
    const int current = app.CurrentProfile;
    if (argument.isEmpty()) {
        app.profile(current).AddChat({kUsageColour, QStringLiteral("Usage: /p NAME, or /p N for the profile at place N of "
                                                           "the profile list.")});
        return;
    }
    static const QRegularExpression place(QStringLiteral("^[0-9]+$"));
    const QListWidget &list = *app.mainWindow().lstProfiles;
    const bool byPlace = place.match(argument).hasMatch();
    const QListWidgetItem *entry = byPlace ? entryAtPlace(list, argument) : entryNamed(list, argument);
    if (!entry) {
        app.profile(current).AddChat({kRefusalColour, byPlace ? QStringLiteral("Profile index '") + argument +
                                                            QStringLiteral("' does not exist!")
                                                      : QStringLiteral("No profile is called '") + argument +
                                                            QStringLiteral("'.")});
        return;
    }
    lstProfiles_Click(app, entry->text());
}
