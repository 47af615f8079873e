// The channel list rows that clsBNCS makes and removes.
#include "channel/clsBNCS.h"

#include "channel/ChannelUserList.h"
#include "channel/ClientIcon.h"
#include "channel/UserFlags.h"
#include "channel/UserHoverText.h"
#include "channel/UserIcons.h"
#include "display/ClientIcons.h"
#include "platform/Clock.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

constexpr int kNameColumn = 0;
constexpr int kLatencyColumn = 1;

// Marks the rows of the group of representatives and operators on top.
constexpr int kTopGroupRole = Qt::UserRole + 1;

QString RowText(const QString &username)
{
    return u" "_s + username;
}

int TopGroupSize(const ChannelUserList &list)
{
    int size = 0;
    while (size < list.rowCount() && list.rowItem(size + 1)->data(kNameColumn, kTopGroupRole).toBool())
        ++size;
    return size;
}

} // namespace

void clsBNCS::AddUser(qint16 profileIndex, const QString &username, quint32 flags, qint32 ping,
                      const QString &statString, quint32 uptime, int varIndex)
{
    app().guard("AddUser()", "clsBNCS", [&] {
        if (profileIndex != app().CurrentProfile)
            return;
        ChannelUserList &list = *app().mainWindow().lstChannelUsers;
        const ClientIcons &icons = app().mainWindow().clientIcons();
        const int latencyIcon = GetLatencyIcon(ping, flags);
        RemoveUser(profileIndex, username);
        QTreeWidgetItem *row = nullptr;
        if (!UserFlag::IsListedOnTop(flags)) {
            // A row rebuilt in place stays below the group on top, so an
            // operator who loses the flag moves below the remaining ones.
            row = list.insertRow(varIndex == 0 ? 0 : qMax(varIndex, TopGroupSize(list) + 1), RowText(username));
            row->setIcon(kNameColumn, icons.image(GetClientIcon(statString, flags)));
            row->setForeground(kNameColumn, Rgb(0xFFFFFF).toQColor());
        } else {
            row = list.insertRow(1, RowText(username));
            row->setData(kNameColumn, kTopGroupRole, true);
            row->setIcon(kNameColumn, icons.image(ClientIcon::Operator));
            row->setForeground(kNameColumn, Rgb(0x77B1BB).toQColor());
        }
        row->setIcon(kLatencyColumn, icons.image(latencyIcon));
        if (username == app().record(profileIndex).UniqueName)
            row->setForeground(kNameColumn, Rgb(0x00FFFF).toQColor());
        ShowRowCount(profileIndex);
        row->setData(kNameColumn, Qt::UserRole, UserHoverText(DescribeUser(username, statString), ping, flags,
                                                              app().clock().ticksSince(uptime)));
    });
}

void clsBNCS::RemoveUser(qint16 profileIndex, const QString &username)
{
    app().guard("RemoveUser()", "clsBNCS", [&] {
        if (profileIndex != app().CurrentProfile)
            return;
        if (app().mainWindow().lstChannelUsers->removeRowWithText(RowText(username)))
            ShowRowCount(profileIndex);
    });
}

void clsBNCS::ShowRowCount(qint16 profileIndex) const
{
    app().mainWindow().lblChlInfo->setText(app().record(profileIndex).CurrentChannel + u" ["_s +
                                           QString::number(app().mainWindow().lstChannelUsers->rowCount()) + u"]"_s);
}
