#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <memory>

class TarnwellApp;
class clsToolTip;
class frmMain;

// The hover tips of the main window's two lists: a user's details over the
// channel list and a profile's connection over the profile list, each shown
// beside its row. Both share one tip, which is rebuilt only when the mouse reaches another row, or when
// the row under a resting mouse now holds someone else, and which is taken
// down over the lists' empty space.
class ListHoverTips : public QObject {
    Q_OBJECT
public:
    ListHoverTips(TarnwellApp &app, frmMain &window);
    ~ListHoverTips() override;

    // The 1-based rows under the mouse, 0 for none.
    int HoverUserRow = 0;
    int HoverProfileRow = 0;

    // The one tip of both lists, created on first use.
    clsToolTip &ListTip();

    // Mouse moves at a point of each list's viewport.
    void lstChannelUsers_MouseMove(const QPoint &point);
    void lstProfiles_MouseMove(const QPoint &point);
    // Shows a user row's tip, or a profile row's tag, as the tip of its list.
    void ShowUserTip(int row, const QString &tip);
    void ShowProfileTip(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Follows the mouse to a row; true when it reached a new row, or a row
    // whose text changed, that needs a tip. Any earlier tip is taken down.
    bool reachedNewRow(int &hoverRow, QString &hoverText, int row, const QString &text);
    void dressListTip(const QString &name, const QString &tag);

    TarnwellApp &m_app;
    frmMain &m_window;
    std::unique_ptr<clsToolTip> m_listTip;
    // The texts of the hovered rows when their tips were made.
    QString m_hoverUserText;
    QString m_hoverProfileText;
};
