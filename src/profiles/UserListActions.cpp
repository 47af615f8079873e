#include "profiles/UserListActions.h"

#include "channel/ChannelUserList.h"
#include "display/modOutput.h"
#include "profiles/TarnwellApp.h"
#include "profiles/frmMain.h"
#include "profiles/frmPopupMenu.h"

#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

UserListActions::UserListActions(TarnwellApp &app, ChannelUserList &list)
    : QObject(&list), m_app(app), m_list(list)
{
    connect(&list, &ChannelUserList::rowActivated, this, [this] { lstChannelUsers_DblClick(); });
    list.viewport()->installEventFilter(this);
}

void UserListActions::lstChannelUsers_DblClick()
{
    const QString selected = m_list.selectedText();
    if (!m_app.current().isConnected() || selected.isEmpty())
        return;
    QLineEdit &input = *m_app.mainWindow().txtSend;
    input.setText(input.text() + StripFirstChar(selected));
}

void UserListActions::lstChannelUsers_MouseUp(Qt::MouseButton button, const QPoint &globalPoint)
{
    if (button == Qt::RightButton && m_app.current().isConnected())
        m_app.popupMenu().mnuUserOptions->popup(globalPoint);
}

bool UserListActions::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        lstChannelUsers_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
    }
    return false;
}
