#include "commands/ProfileSwitchCommand.h"

#include "commands/CommandHost.h"
#include "profiles/Profile.h"

#include <QRegularExpression>

namespace {

const Colour kUsageColour = Rgb(0xAAAAAA);
const Colour kRefusalColour = Rgb(0xBD3D3D);

// The list entry at a 1-based place, or -1 for a place outside the list (a
// number too large for any place included).
qsizetype entryAtPlace(const QStringList &entries, const QString &digits)
{
    bool ok = false;
    const qlonglong place = digits.toLongLong(&ok);
    if (!ok || place < 1 || place > entries.size())
        return -1;
    return static_cast<qsizetype>(place - 1);
}

qsizetype entryNamed(const QStringList &entries, const QString &name)
{
    for (qsizetype row = 0; row < entries.size(); ++row) {
        if (entries[row].compare(name, Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

} // namespace

void SwitchProfileCommand(CommandHost &program, const QString &argument)
{
    Profile &shown = program.current();
    if (argument.isEmpty()) {
        shown.AddChat({kUsageColour, QStringLiteral("Usage: /p NAME, or /p N for the profile at place N of "
                                                    "the profile list.")});
        return;
    }
    static const QRegularExpression place(QStringLiteral("^[0-9]+$"));
    const QStringList entries = program.profileEntries();
    const bool byPlace = place.match(argument).hasMatch();
    const qsizetype entry = byPlace ? entryAtPlace(entries, argument) : entryNamed(entries, argument);
    if (entry < 0) {
        shown.AddChat({kRefusalColour, byPlace ? QStringLiteral("Profile index '") + argument +
                                                     QStringLiteral("' does not exist!")
                                               : QStringLiteral("No profile is called '") + argument +
                                                     QStringLiteral("'.")});
        return;
    }
    program.showEntry(entries[entry]);
}
