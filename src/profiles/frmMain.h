#pragma once

#include "appearance/LineColours.h"
#include "commands/CheckHotKeys.h"
#include "display/Anchors.h"
#include "display/ClientIcons.h"
#include "display/Colour.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class ChannelUserList;
class ChatFollower;
class FindBar;
class ListHoverTips;
class NewLinesMarker;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QSystemTrayIcon;
class QTimer;
class QTextEdit;
class TarnwellApp;

// The main window: borderless and black, with its own menu labels and
// minimise/close pictures, the profile list, the chat pane of the current
// profile, its channel label and user list, and the input box. It is moved by
// dragging its background, resized by its edges and corners (never below its
// first size, and remembered between runs), and hides to the tray when
// minimised.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(TarnwellApp &app);
    ~frmMain() override;

    // Pixels for a length in twips at the screen's logical resolution.
    int twips(int value) const;

    // Shows the chat pane of a profile slot in front.
    void showPane(int index);
    // Puts the controls in the arrangement with the profile list, or in the
    // narrower one without it.
    void arrangeProfiles(bool profileListShown);
    // The start-up sequence: folders, stored profiles, welcome line, tray.
    void Form_Load();

    // Shows the window active with the keyboard in the input box, so the
    // user can type at once.
    void showForTyping();
    // Minimises to the tray (or the task bar where there is no tray).
    void minimiseToTray();
    // Asks the exit question; on OK removes the tray icon and asks the
    // program to end. True when the user answered OK.
    bool confirmExit();
    // Brings the window back from the tray or the task bar.
    void restoreWindow();

    // Colours of the scheme-controlled lines.
    LineColours lineColours;
    // Where the two separators of the menu bar stand, in twips.
    std::array<int, 2> menuLineX{2520, 9480};
    void setBackgroundPicture(const QPixmap &picture);
    // The colours the window has without a colour scheme, and no picture.
    void showDesignColours();
    const QPixmap &backgroundPicture() const { return m_background; }
    QList<QLabel *> menuLabels() const;
    void setTextColour(QWidget &widget, Colour colour);

    // The images of the user and profile lists.
    const ClientIcons &clientIcons() const { return m_clientIcons; }
    // The hover tips of the two lists.
    ListHoverTips &hoverTips() const { return *m_hoverTips; }

    QLabel *lblProfiles;
    QListWidget *lstProfiles;
    QLabel *lblFile;
    QLabel *lblConnection;
    QLabel *lblOptions;
    QLabel *lblWindow;
    QLabel *lblAbout;
    QTextEdit *rtbChat;
    QLabel *lblChlInfo;
    ChannelUserList *lstChannelUsers;
    QLineEdit *txtSend;
    QLabel *imgMini;
    QLabel *imgMini2;
    QLabel *imgClose;
    QLabel *imgClose2;
    QSystemTrayIcon *trayIcon;
    // The tray icon's menu: "Restore" and "Exit".
    QMenu *trayMenu;
    // Shortcuts of the whole window; later features add their actions.
    HotKeys hotKeys;

Q_SIGNALS:
    // The user confirmed the exit question.
    void exitConfirmed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void placeControls();
    void hoverReset();
    void setLabelBold(QLabel *label, bool bold);
    void showHoverPicture(QLabel *normal, QLabel *hover, bool showHover);
    void onMenuLabelClicked(QLabel *label);
    void onTrayActivated(int reason);
    void wireHotKeys();
    // The control under a point of the window, looking through the resize
    // grips on its border; null over the background.
    QWidget *controlAt(QPoint position) const;
    // A menu label or a window button: what acts when the press on it is
    // released.
    bool isClickTarget(const QWidget *control) const;
    // Places the controls for the window's size.
    void relayout();
    // The size to remember: as the window would stand with the profile list.
    QSize sizeToRemember() const;
    void restoreSize();
    void saveSize();

    TarnwellApp &m_app;
    ClientIcons m_clientIcons;
    ListHoverTips *m_hoverTips = nullptr;
    ChatFollower *m_chatFollower = nullptr;
    NewLinesMarker *m_newLines = nullptr;
    FindBar *m_findBar = nullptr;
    QPixmap m_background;
    QPoint m_dragOffset;
    bool m_dragging = false;
    // Once the user has said OK, the program's own end closes the window
    // without asking again.
    bool m_exitConfirmed = false;
    // Where the controls stand at the arrangement's own size, and how they
    // grow with the window.
    Anchors m_anchors;
    // The window's size at start, with the profile list.
    QSize m_startSize;
    QSize m_savedSize;
    // Saves the size once the user has stopped resizing.
    QTimer *m_sizeSaver = nullptr;
};
