#include "profiles/frmMain.h"

#include "appearance/Appearance.h"
#include "appearance/DisplayFont.h"
#include "appearance/SchemeColours.h"
#include "channel/ChannelUserList.h"
#include "channel/clsBNCS.h"
#include "commands/AntiIdle.h"
#include "commands/InputLine.h"
#include "display/BringUp.h"
#include "display/ChatFollower.h"
#include "display/ChatLinkClicks.h"
#include "display/FindBar.h"
#include "display/NewLinesMarker.h"
#include "display/ResizeGrips.h"
#include "display/modOutput.h"
#include "profiles/KeysToInputBox.h"
#include "profiles/ListColours.h"
#include "profiles/ListHoverTips.h"
#include "profiles/StartUp.h"
#include "profiles/TarnwellApp.h"
#include "profiles/UserListActions.h"
#include "profiles/WindowArrangement.h"
#include "profiles/WindowArt.h"
#include "profiles/WindowSize.h"
#include "profiles/frmConfiguration.h"
#include "profiles/frmPopupMenu.h"
#include "profiles/modProfiles.h"
#include "update/frmAbout.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTextEdit>
#include <QWindow>

namespace {

struct Geometry {
    int left, top, width, height;
};

// Client area and control positions, in twips.
constexpr int kClientWidth = 12990;
constexpr int kClientHeight = 6870;
constexpr Geometry kProfilesLabel{120, 240, 2295, 375};
constexpr Geometry kProfileList{135, 730, 2265, 5505};
constexpr Geometry kFileLabel{2760, 240, 375, 255};
constexpr Geometry kConnectionLabel{3840, 240, 1095, 255};
constexpr Geometry kOptionsLabel{5760, 240, 735, 255};
constexpr Geometry kWindowLabel{7320, 240, 855, 255};
constexpr Geometry kAboutLabel{8760, 240, 615, 255};
constexpr Geometry kChatPane{2530, 730, 6945, 5505};
constexpr Geometry kChannelLabel{9600, 360, 3255, 255};
constexpr Geometry kUserList{9615, 735, 3225, 5505};
constexpr Geometry kInputBox{240, 6400, 12495, 300};
constexpr Geometry kMini{12030, -15, 360, 240};
constexpr Geometry kMiniHover{12040, -10, 345, 240};
constexpr Geometry kClose{12390, 0, 600, 225};
constexpr Geometry kCloseHover{12390, -15, 600, 240};
constexpr int kMenuLineTop = 120;
constexpr int kMenuLineBottom = 620;

void paintBlack(QWidget &widget, Colour text)
{
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window})
        palette.setColor(role, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        palette.setColor(role, text.toQColor());
    widget.setPalette(palette);
}

} // namespace

frmMain::frmMain(TarnwellApp &app) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_app(app)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(WindowArt::windowIcon());
    setFont(DisplayFont(font(), QStringLiteral("Tahoma"), 9.75));
    setAutoFillBackground(false);
    setMouseTracking(true);
    buildControls();
    showDesignColours();
    placeControls();
    new ResizeGrips(*this);
    m_sizeSaver = new QTimer(this);
    m_sizeSaver->setSingleShot(true);
    m_sizeSaver->setInterval(500);
    connect(m_sizeSaver, &QTimer::timeout, this, [this] { saveSize(); });
    restoreSize();
    showPane(0);
    wireHotKeys();
    // The idle timer runs from the start and serves every profile.
    new AntiIdle(m_app, this);
    new InputLine(m_app, *txtSend, *lstChannelUsers);
}

frmMain::~frmMain() = default;

void frmMain::wireHotKeys()
{
    // Each key triggers its menu entry, so a key does what the entry does and
    // nothing while the entry is disabled.
    const frmPopupMenu &menus = m_app.popupMenu();
    const std::pair<HotKey, QAction *> entries[] = {
        {HotKey::CtrlP, menus.mnuCreateProfile}, {HotKey::CtrlG, menus.mnuConfig},
        {HotKey::CtrlS, menus.mnuColorSchemes},  {HotKey::CtrlN, menus.mnuFont},
        {HotKey::CtrlI, menus.mnuIdle},          {HotKey::CtrlF, menus.mnuFilters},
        {HotKey::F1, menus.mnuConnectall},       {HotKey::F2, menus.mnuConnect},
        {HotKey::F3, menus.mnuDisconnect},       {HotKey::F4, menus.mnuJoinLeave},
        {HotKey::F5, menus.mnuClear},            {HotKey::F6, menus.mnuLock},
        {HotKey::F7, menus.mnuTransparency},     {HotKey::F8, menus.mnuShowProfiles},
    };
    for (const auto &[key, entry] : entries)
        hotKeys.setAction(key, [entry = entry] { entry->trigger(); });
    hotKeys.setAction(HotKey::CtrlShiftF, [this] { m_findBar->showBar(); });
}

int frmMain::twips(int value) const
{
    return qRound(value * logicalDpiX() / 1440.0);
}

void frmMain::buildControls()
{
    auto label = [this](const char *name, const QString &caption) {
        auto *control = new QLabel(caption, this);
        control->setObjectName(QString::fromLatin1(name));
        // Labels show names from the server and from folders: never markup.
        control->setTextFormat(Qt::PlainText);
        control->setMouseTracking(true);
        control->installEventFilter(this);
        return control;
    };
    lblProfiles = label("lblProfiles", {});
    lblProfiles->setAlignment(Qt::AlignCenter);
    QFont profileFont = DisplayFont(font(), QStringLiteral("Tahoma"), 11.25);
    profileFont.setBold(true);
    lblProfiles->setFont(profileFont);

    lblFile = label("lblFile", QStringLiteral("&File"));
    lblConnection = label("lblConnection", QStringLiteral("&Connection"));
    lblOptions = label("lblOptions", QStringLiteral("&Options"));
    lblWindow = label("lblWindow", QStringLiteral("&Window"));
    lblAbout = label("lblAbout", QStringLiteral("&About"));
    txtSend = new QLineEdit(this);
    txtSend->setObjectName(QStringLiteral("txtSend"));
    paintBlack(*txtSend, kDesignInputText);
    for (QLabel *menuLabel : menuLabels()) {
        menuLabel->setAttribute(Qt::WA_TranslucentBackground);
        // A buddy makes the label underline its access letter instead of
        // showing the ampersand, and gives it the Alt key of that letter.
        menuLabel->setBuddy(txtSend);
    }

    lblChlInfo = label("lblChlInfo", QStringLiteral("Disconnected [0]"));
    lblChlInfo->setAlignment(Qt::AlignCenter);

    lstProfiles = new QListWidget(this);
    lstProfiles->setObjectName(QStringLiteral("lstProfiles"));
    lstProfiles->setIconSize(QSize(16, 16));
    // A click picks a profile and leaves the keyboard in the input box.
    lstProfiles->setFocusPolicy(Qt::TabFocus);
    paintBlack(*lstProfiles, Rgb(0xFFFFFF));
    connect(lstProfiles, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { lstProfiles_Click(m_app, item->text()); });
    connect(lstProfiles, &QListWidget::itemDoubleClicked, this, [this] { m_app.configuration().open(); });

    lstChannelUsers = new ChannelUserList(m_clientIcons, this);
    lstChannelUsers->setObjectName(QStringLiteral("lstChannelUsers"));
    lstChannelUsers->setFocusPolicy(Qt::TabFocus);
    paintBlack(*lstChannelUsers, Rgb(0x77B1BB));
    new UserListActions(m_app, *lstChannelUsers);
    m_hoverTips = new ListHoverTips(m_app, *this);

    rtbChat = new QTextEdit(this);
    rtbChat->setObjectName(QStringLiteral("rtbChat"));
    rtbChat->setReadOnly(true);
    rtbChat->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Text is selected with the mouse and copied from the input box.
    rtbChat->setFocusPolicy(Qt::NoFocus);
    paintBlack(*rtbChat, Rgb(0xFFFFFF));
    rtbChat->viewport()->setMouseTracking(true);
    rtbChat->viewport()->installEventFilter(this);
    m_chatFollower = new ChatFollower(*rtbChat);
    m_newLines = new NewLinesMarker(*rtbChat);
    m_findBar = new FindBar(*rtbChat);
    connect(m_findBar, &FindBar::closed, this, [this] { txtSend->setFocus(); });
    connect(new ChatLinkClicks(*rtbChat), &ChatLinkClicks::openFailed, this, [this](const QUrl &address) {
        m_app.current().AddChat({Rgb(0xBD3D3D), QStringLiteral("No web browser could be started for ") +
                                                                address.toString(QUrl::FullyEncoded) +
                                                                QStringLiteral(".")});
    });
    new KeysToInputBox(*txtSend, *rtbChat, this);

    auto picture = [&label](const char *name, const QPixmap &pixmap) {
        QLabel *control = label(name, {});
        control->setPixmap(pixmap);
        control->setCursor(Qt::PointingHandCursor);
        return control;
    };
    const QSize miniSize(twips(kMini.width), twips(kMini.height));
    const QSize closeSize(twips(kClose.width), twips(kClose.height));
    imgMini = picture("imgMini", WindowArt::minimiseButton(miniSize, false));
    imgMini2 = picture("imgMini2", WindowArt::minimiseButton(QSize(twips(kMiniHover.width), twips(kMiniHover.height)), true));
    imgClose = picture("imgClose", WindowArt::closeButton(closeSize, false));
    imgClose2 = picture("imgClose2", WindowArt::closeButton(QSize(twips(kCloseHover.width), twips(kCloseHover.height)), true));
    imgMini2->hide();
    imgClose2->hide();

    trayIcon = new QSystemTrayIcon(windowIcon(), this);
    trayIcon->setToolTip(QStringLiteral("Tarnwell ") + GetVersion());
    connect(trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        onTrayActivated(reason);
    });
    // Tray hosts that never report a double-click still offer the menu.
    trayMenu = new QMenu(this);
    trayMenu->setObjectName(QStringLiteral("trayMenu"));
    connect(trayMenu->addAction(QStringLiteral("Restore")), &QAction::triggered, this, &frmMain::restoreWindow);
    connect(trayMenu->addAction(QStringLiteral("Exit")), &QAction::triggered, this, &frmMain::confirmExit);
    trayIcon->setContextMenu(trayMenu);
}

void frmMain::placeControls()
{
    const auto design = [this](const Geometry &at) {
        return QRect(twips(at.left), twips(at.top), twips(at.width), twips(at.height));
    };
    m_anchors.place(lblProfiles, design(kProfilesLabel));
    m_anchors.place(lstProfiles, design(kProfileList), Anchors::Vertical);
    const Geometry labelPlaces[] = {kFileLabel, kConnectionLabel, kOptionsLabel, kWindowLabel, kAboutLabel};
    const QList<QLabel *> labels = menuLabels();
    for (int i = 0; i < labels.size(); ++i) {
        // The menu labels keep their places but never cut their captions
        // short, whatever font stands in for Tahoma, bold on hover included.
        QRect place = design(labelPlaces[i]);
        QFont bold = labels[i]->font();
        bold.setBold(true);
        const int needed = QFontMetrics(bold).horizontalAdvance(labels[i]->text().remove(QLatin1Char('&'))) + 2;
        place.setWidth(std::max(place.width(), needed));
        // The menu bar keeps its places and even spacing however wide the
        // window grows: its labels are not anchored.
        labels[i]->setGeometry(place);
    }
    m_anchors.place(rtbChat, design(kChatPane), Anchors::Both);
    m_anchors.place(lblChlInfo, design(kChannelLabel));
    m_anchors.place(lstChannelUsers, design(kUserList), Anchors::Vertical);
    m_anchors.place(txtSend, design(kInputBox), Anchors::Horizontal);
    m_anchors.place(imgMini, design(kMini));
    m_anchors.place(imgMini2, design(kMiniHover));
    m_anchors.place(imgClose, design(kClose));
    m_anchors.place(imgClose2, design(kCloseHover));
    m_startSize = QSize(twips(kClientWidth), twips(kClientHeight));
    m_anchors.setDesignSize(m_startSize);
    setMinimumSize(m_startSize);
    resize(m_startSize);
    relayout();
}

void frmMain::relayout()
{
    m_anchors.apply(size());
    update();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    relayout();
    if (m_sizeSaver)
        m_sizeSaver->start();
    QWidget::resizeEvent(event);
}

QSize frmMain::sizeToRemember() const
{
    return m_startSize + (size() - m_anchors.designSize());
}

void frmMain::restoreSize()
{
    m_app.guard("restoreSize", "frmMain", [this] {
        QSize stored = WindowSize::read(m_app.settings());
        if (!stored.isValid())
            return;
        // A size from a larger screen still fits on this one.
        if (const QScreen *screen = this->screen(); screen && !screen->availableSize().isEmpty())
            stored = stored.boundedTo(screen->availableSize());
        resize(stored.expandedTo(minimumSize()));
        relayout();
    });
    m_savedSize = sizeToRemember();
}

void frmMain::saveSize()
{
    m_app.guard("saveSize", "frmMain", [this] {
        const QSize remembered = sizeToRemember();
        if (remembered == m_savedSize)
            return;
        WindowSize::write(m_app.settings(), remembered);
        m_savedSize = remembered;
    });
}

QList<QLabel *> frmMain::menuLabels() const
{
    return {lblFile, lblConnection, lblOptions, lblWindow, lblAbout};
}

void frmMain::setTextColour(QWidget &widget, Colour colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour.toQColor());
    palette.setColor(QPalette::Text, colour.toQColor());
    widget.setPalette(palette);
}

void frmMain::showDesignColours()
{
    lineColours = LineColours{};
    setTextColour(*txtSend, kDesignInputText);
    setTextColour(*lblChlInfo, kDesignChannelText);
    setTextColour(*lblProfiles, kDesignProfileText);
    for (QLabel *menuLabel : menuLabels())
        setTextColour(*menuLabel, kDesignMenuText);
    setBackgroundPicture({});
    ShowLineColours(*this);
}

void frmMain::setBackgroundPicture(const QPixmap &picture)
{
    m_background = picture;
    update();
}

void frmMain::showPane(int index)
{
    QTextDocument &pane = m_app.profile(index).pane();
    if (rtbChat->document() == &pane)
        return;
    m_newLines->leave(*rtbChat->document());
    m_chatFollower->show(pane);
    m_newLines->arrive(pane);
    m_findBar->documentShown();
}

void frmMain::arrangeProfiles(bool profileListShown)
{
    const WindowArrangement &at = profileListShown ? kFullArrangement : kCompactArrangement;
    // The window keeps what the user added to its size.
    const QSize added = size() - m_anchors.designSize();
    lstProfiles->setVisible(at.profileListShown);
    m_anchors.place(rtbChat, QRect(twips(at.chatLeft), twips(at.chatTop), twips(at.chatWidth), twips(at.chatHeight)),
                    Anchors::Both);
    menuLineX = at.menuLineX;
    const QList<QLabel *> labels = menuLabels();
    for (int i = 0; i < labels.size(); ++i)
        labels[i]->move(twips(at.menuLabelLeft[static_cast<std::size_t>(i)]), labels[i]->y());
    m_anchors.moveDesign(lstChannelUsers, twips(at.userListLeft));
    m_anchors.moveDesign(lblChlInfo, twips(at.channelLabelLeft));
    m_anchors.resizeDesign(txtSend, twips(at.inputWidth));
    m_anchors.moveDesign(imgClose, twips(at.closeLeft));
    m_anchors.moveDesign(imgClose2, twips(at.closeLeft));
    m_anchors.moveDesign(imgMini, twips(at.miniLeft));
    m_anchors.moveDesign(imgMini2, twips(at.miniHoverLeft));
    const QSize design(twips(at.windowWidth), m_anchors.designSize().height());
    m_anchors.setDesignSize(design);
    setMinimumSize(design);
    resize(design + added);
    relayout();
}

void frmMain::Form_Load()
{
    m_app.guard("Form_Load()", "frmMain", [this] { StartUp(m_app); });
}

void frmMain::showForTyping()
{
    show();
    raise();
    activateWindow();
    txtSend->setFocus();
}

void frmMain::minimiseToTray()
{
    if (QSystemTrayIcon::isSystemTrayAvailable() && trayIcon->isVisible()) {
        setWindowState(windowState() | Qt::WindowMinimized);
        hide();
    } else {
        // Without a tray the task bar is the only way back.
        showMinimized();
    }
}

bool frmMain::confirmExit()
{
    QMessageBox question(QMessageBox::Information, QStringLiteral("Exit Tarnwell"),
                         QStringLiteral("Are you sure you wish to exit Tarnwell?"),
                         QMessageBox::Ok | QMessageBox::Cancel, this);
    if (question.exec() != QMessageBox::Ok)
        return false;
    m_exitConfirmed = true;
    trayIcon->hide();
    Q_EMIT exitConfirmed();
    return true;
}

void frmMain::restoreWindow()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void frmMain::onTrayActivated(int reason)
{
    // Many tray hosts report a plain click and never a double-click.
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (isMinimized() || isHidden())
        restoreWindow();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // A close from the window manager would otherwise leave an invisible
    // program with live connections behind.
    if (m_exitConfirmed || confirmExit())
        event->accept();
    else
        event->ignore();
}

void frmMain::setLabelBold(QLabel *label, bool bold)
{
    QFont font = label->font();
    if (font.bold() == bold)
        return;
    font.setBold(bold);
    label->setFont(font);
}

void frmMain::showHoverPicture(QLabel *normal, QLabel *hover, bool showHover)
{
    normal->setVisible(!showHover);
    hover->setVisible(showHover);
}

void frmMain::hoverReset()
{
    for (QLabel *menuLabel : menuLabels())
        setLabelBold(menuLabel, false);
    showHoverPicture(imgClose, imgClose2, false);
    showHoverPicture(imgMini, imgMini2, false);
}

void frmMain::onMenuLabelClicked(QLabel *label)
{
    frmPopupMenu &menus = m_app.popupMenu();
    QMenu *menu = label == lblFile         ? menus.mnuFile
                  : label == lblConnection ? menus.mnuConnection
                  : label == lblOptions    ? menus.mnuOptions
                  : label == lblWindow     ? menus.mnuWindow
                                           : nullptr;
    // Opened by the mouse, a menu opens at the mouse; by its Alt key, it
    // drops from its label.
    const bool byMouse = label->rect().contains(label->mapFromGlobal(QCursor::pos()));
    if (menu)
        menu->popup(byMouse ? QCursor::pos() : label->mapToGlobal(QPoint(0, label->height())));
    else if (label == lblAbout)
        BringUp(m_app.aboutWindow(), this);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == imgClose) {
            showHoverPicture(imgClose, imgClose2, true);
            showHoverPicture(imgMini, imgMini2, false);
        } else if (watched == imgMini) {
            showHoverPicture(imgMini, imgMini2, true);
            showHoverPicture(imgClose, imgClose2, false);
        } else if (watched == rtbChat->viewport()) {
            for (QLabel *menuLabel : menuLabels())
                setLabelBold(menuLabel, false);
            showHoverPicture(imgClose, imgClose2, false);
        } else if (menuLabels().contains(watched)) {
            setLabelBold(static_cast<QLabel *>(watched), true);
        }
    } else if (event->type() == QEvent::Shortcut && menuLabels().contains(watched)) {
        // Alt and the underlined letter open the label's menu, as a click does.
        onMenuLabelClicked(static_cast<QLabel *>(watched));
        return true;
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == imgMini2)
            minimiseToTray();
        else if (watched == imgClose2)
            confirmExit();
        else if (menuLabels().contains(watched))
            onMenuLabelClicked(static_cast<QLabel *>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // A move begun here would take the release from the menu label or the
    // button, and its click would never come.
    if (isClickTarget(controlAt(event->position().toPoint())))
        return;
    // The window system moves the window where it can; elsewhere we follow
    // the mouse ourselves.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    // Moves over a child that the child leaves unhandled arrive here too;
    // only the background itself resets the hover looks.
    if (!controlAt(event->position().toPoint()))
        hoverReset();
}

QWidget *frmMain::controlAt(QPoint position) const
{
    const QObjectList &objects = children();
    for (auto object = objects.rbegin(); object != objects.rend(); ++object) {
        const auto *control = qobject_cast<QWidget *>(*object);
        if (control && !control->isHidden() && !control->isWindow() && !ResizeGrips::isGrip(control) &&
            control->geometry().contains(position))
            return const_cast<QWidget *>(control);
    }
    return nullptr;
}

bool frmMain::isClickTarget(const QWidget *control) const
{
    if (!control)
        return false;
    for (const QLabel *button : {imgMini, imgMini2, imgClose, imgClose2}) {
        if (control == button)
            return true;
    }
    const QList<QLabel *> labels = menuLabels();
    return std::find(labels.begin(), labels.end(), control) != labels.end();
}

void frmMain::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void frmMain::showEvent(QShowEvent *event)
{
    // The window's own key events come once per press, before any control;
    // filtering them there runs each shortcut exactly once.
    for (QObject *filter : {static_cast<QObject *>(findChild<KeysToInputBox *>()), static_cast<QObject *>(&hotKeys)}) {
        windowHandle()->removeEventFilter(filter);
        windowHandle()->installEventFilter(filter);
    }
    QWidget::showEvent(event);
}

void frmMain::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_background.isNull())
        painter.drawPixmap(0, 0, m_background);

    const auto frame = [&painter](const QWidget *control, Colour colour) {
        painter.setPen(colour.toQColor());
        painter.drawRect(control->geometry().adjusted(-1, -1, 0, 0));
    };
    if (!lstProfiles->isHidden())
        frame(lstProfiles, lineColours.profiles);
    frame(rtbChat, lineColours.rtb);
    frame(lstChannelUsers, lineColours.users);
    frame(txtSend, lineColours.text);
    painter.setPen(lineColours.menu.toQColor());
    const int addedWidth = width() - m_anchors.designSize().width();
    for (const int x : menuLineX) {
        const int at = m_anchors.anchoredX(twips(x), addedWidth);
        painter.drawLine(at, twips(kMenuLineTop), at, twips(kMenuLineBottom));
    }
}
