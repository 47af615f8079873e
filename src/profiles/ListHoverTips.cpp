#include "profiles/ListHoverTips.h"

#include "channel/ChannelUserList.h"
#include "channel/DurationText.h"
#include "channel/UserHoverText.h"
#include "channel/clsBNCS.h"
#include "channel/clsUsers.h"
#include "display/clsToolTip.h"
#include "display/modOutput.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"

#include <QListWidget>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace {

// A near-black background: the colour value 1, since 0 means the system's.
constexpr Colour kTipBackground{1};
constexpr qint32 kInformationIcon = 1;
constexpr qint32 kBalloon = 1;

// A rectangle of a widget in screen coordinates.
QRect onScreen(const QWidget &widget, const QRect &rect)
{
    return QRect(widget.mapToGlobal(rect.topLeft()), rect.size());
}

} // namespace

ListHoverTips::ListHoverTips(TarnwellApp &app, frmMain &window) : QObject(&window), m_app(app), m_window(window)
{
    for (QAbstractItemView *list : {static_cast<QAbstractItemView *>(window.lstChannelUsers),
                                    static_cast<QAbstractItemView *>(window.lstProfiles)}) {
        list->viewport()->setMouseTracking(true);
        list->viewport()->installEventFilter(this);
    }
}

ListHoverTips::~ListHoverTips() = default;

clsToolTip &ListHoverTips::ListTip()
{
    if (!m_listTip)
        m_listTip = std::make_unique<clsToolTip>();
    return *m_listTip;
}

bool ListHoverTips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const QPoint point = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (watched == m_window.lstChannelUsers->viewport())
            lstChannelUsers_MouseMove(point);
        else if (watched == m_window.lstProfiles->viewport())
            lstProfiles_MouseMove(point);
    }
    return false;
}

void ListHoverTips::lstChannelUsers_MouseMove(const QPoint &point)
{
    m_app.guard("lstChannelUsers_MouseMove", "frmMain", [&] {
        ChannelUserList &list = *m_window.lstChannelUsers;
        const int row = list.rowAt(point);
        const QString text = list.rowIndex(row).data().toString();
        const int before = HoverUserRow;
        const bool newTip = reachedNewRow(HoverUserRow, m_hoverUserText, row, text);
        // The shared tip no longer shows the profile list's row: coming back
        // to that row must build its tip again.
        if (HoverUserRow != before || newTip)
            HoverProfileRow = 0;
        if (!newTip)
            return;
        const QString name = StripFirstChar(text);
        const clsUsers &users = m_app.current().users();
        // A row the store does not know has nothing to tell.
        if (!users.HasUser(name))
            return;
        // Built again at each new row, so the uptime is the one of now.
        ShowUserTip(row, UserHoverText(m_app.current().bncs().DescribeUser(name, users.GetStatstring(name)),
                                       users.GetLatency(name), users.GetFlags(name),
                                       m_app.clock().ticksSince(users.GetUptime(name))));
    });
}

void ListHoverTips::lstProfiles_MouseMove(const QPoint &point)
{
    m_app.guard("lstProfiles_MouseMove", "frmMain", [&] {
        QListWidget &list = *m_window.lstProfiles;
        const int row = list.indexAt(point).row() + 1;
        QListWidgetItem *item = list.item(row - 1);
        const int before = HoverProfileRow;
        const bool newTip = reachedNewRow(HoverProfileRow, m_hoverProfileText, row, item ? item->text() : QString());
        // Likewise the user list's row.
        if (HoverProfileRow != before || newTip)
            HoverUserRow = 0;
        if (!newTip)
            return;
        QString tag = u"Not connected."_s;
        for (int index = 0; index < m_app.slotCount(); ++index) {
            const ProfileRecord &profile = m_app.profile(index).record();
            const ProfileState &state = m_app.profile(index).state();
            if (!profile.Active || profile.Name != item->text() || state.EnterChatTick == 0)
                continue;
            tag = u"Account name: "_s + state.AccountName + u"\r\nServer: "_s + profile.Server +
                  u"\r\nPing: "_s + QString::number(state.OwnPing) + u"\r\nUptime: "_s +
                  FormatDuration(m_app.clock().ticksSince(state.EnterChatTick), DurationWords::Short);
        }
        item->setData(Qt::UserRole, tag);
        ShowProfileTip(row);
    });
}

bool ListHoverTips::reachedNewRow(int &hoverRow, QString &hoverText, int row, const QString &text)
{
    if (row == hoverRow && text == hoverText)
        return false;
    hoverRow = row;
    hoverText = text;
    ListTip().Destroy();
    return row != 0;
}

void ListHoverTips::ShowUserTip(int row, const QString &tip)
{
    ChannelUserList &list = *m_window.lstChannelUsers;
    const QModelIndex index = list.rowIndex(row);
    dressListTip(StripFirstChar(index.data().toString()), tip);
    ListTip().setIcon(kInformationIcon);
    // The whole row, across every column.
    const QRect place = list.visualRect(index);
    ListTip().Create(list.viewport(),
                     onScreen(*list.viewport(), QRect(0, place.top(), list.viewport()->width(), place.height())));
}

void ListHoverTips::ShowProfileTip(int row)
{
    QListWidget &list = *m_window.lstProfiles;
    QListWidgetItem *item = list.item(row - 1);
    if (!item)
        throw Failure(Failure::OutOfRange, u"No row %1 in the profile list"_s.arg(row));
    dressListTip(item->text(), item->data(Qt::UserRole).toString());
    ListTip().Create(list.viewport(), onScreen(*list.viewport(), list.visualItemRect(item)));
}

void ListHoverTips::dressListTip(const QString &name, const QString &tag)
{
    clsToolTip &tip = ListTip();
    tip.setCentered(true);
    tip.setStyle(kBalloon);
    tip.setBackColor(kTipBackground);
    tip.setForeColor(Rgb(0x55AEFF));
    tip.setTitle(u" Information for "_s + name);
    tip.setTipText(tag);
}
