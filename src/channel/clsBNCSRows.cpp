// The channel list rows that clsBNCS makes and removes.
#include "channel/clsBNCS.h"

#include "channel/ChannelUserModel.h"
#include "channel/ClientIcon.h"
#include "channel/UserFlags.h"
#include "channel/UserIcons.h"
#include "profiles/Profile.h"

#include <QStringBuilder>

using namespace Qt::StringLiterals;

namespace {

QString RowText(const QString &username)
{
    return u" "_s + username;
}

} // namespace

clsBNCS::clsBNCS(Profile &profile) : PerProfileObject(profile) {}

clsBNCS::~clsBNCS() = default;

ChannelUserModel &clsBNCS::rows()
{
    if (!m_rows)
        m_rows = std::make_unique<ChannelUserModel>();
    return *m_rows;
}

void clsBNCS::AddUser(const QString &username, quint32 flags, qint32 ping, const QString &statString,
                      int varIndex)
{
    // A user without a name has no row to show.
    if (username.isEmpty())
        return;
    profile().guard("AddUser()", "clsBNCS", [&] {
        ChannelUserModel &list = rows();
        UserRow row;
        row.text = RowText(username);
        // The old row goes first, so that the place below the group on top
        // is counted without it.
        list.removeRowWithText(row.text);
        row.latencyIcon = GetLatencyIcon(ping, flags);
        int place = 1;
        if (!UserFlag::IsListedOnTop(flags)) {
            // A row rebuilt in place stays below the group on top, so an
            // operator who loses the flag moves below the remaining ones.
            place = varIndex == 0 ? 0 : qMax(varIndex, list.topGroupSize() + 1);
            row.clientIcon = GetClientIcon(statString, flags);
            row.colour = 0xFFFFFF;
        } else {
            row.onTop = true;
            row.clientIcon = ClientIcon::Operator;
            row.colour = 0x77B1BB;
        }
        if (username == profile().state().UniqueName)
            row.colour = 0x00FFFF;
        list.insertRow(place, std::move(row));
        ShowRowCount();
    });
}

void clsBNCS::RemoveUser(const QString &username)
{
    profile().guard("RemoveUser()", "clsBNCS", [&] {
        if (rows().removeRowWithText(RowText(username)))
            ShowRowCount();
    });
}

void clsBNCS::ShowRowCount()
{
    // Built in one piece: a channel listing says it once for every user.
    Q_EMIT profile().channelLabelChanged(profile().state().CurrentChannel % u" [" % QString::number(rows().count()) %
                                         u']');
}
