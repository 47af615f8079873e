#pragma once

#include <QObject>
#include <QPoint>

class TarnwellApp;
class ChannelUserList;

// What the mouse does in the channel list while the profile on screen is
// connected: a double click appends the user's name to the input box, the
// right button opens the user menu.
class UserListActions : public QObject {
    Q_OBJECT
public:
    UserListActions(TarnwellApp &app, ChannelUserList &list);

    void lstChannelUsers_DblClick();
    void lstChannelUsers_MouseUp(Qt::MouseButton button, const QPoint &globalPoint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TarnwellApp &m_app;
    ChannelUserList &m_list;
};
