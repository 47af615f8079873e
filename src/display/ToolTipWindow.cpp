#include "display/ToolTipWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kStemHeight = 8;
constexpr int kStemHalfWidth = 7;
constexpr int kCornerRadius = 7;
constexpr int kMargin = 8;
constexpr int kIconSide = 16;
constexpr int kNoStem = -1;

QLabel *PlainLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QColor SystemOr(Colour colour, QPalette::ColorRole systemRole)
{
    return colour.value == 0 ? QToolTip::palette().color(systemRole) : colour.toQColor();
}

} // namespace

ToolTipWindow::ToolTipWindow(bool balloon)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_balloon(balloon), m_text(QToolTip::palette().color(QPalette::ToolTipText)),
      m_background(QToolTip::palette().color(QPalette::ToolTipBase))
{
    setObjectName(u"ToolTipWindow"_s);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    m_icon = new QLabel(this);
    m_icon->setObjectName(u"icon"_s);
    m_title = PlainLabel(this, "title");
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_body = PlainLabel(this, "text");

    auto *titleLine = new QHBoxLayout;
    titleLine->setSpacing(4);
    titleLine->addWidget(m_icon);
    titleLine->addWidget(m_title, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin / 2 + (m_balloon ? kStemHeight : 0), kMargin, kMargin / 2);
    layout->setSpacing(3);
    layout->addLayout(titleLine);
    layout->addWidget(m_body);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTitle({}, 0);
    applyColours();
}

void ToolTipWindow::setTitle(const QString &title, int icon)
{
    const QStyle::StandardPixmap images[] = {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
                                             QStyle::SP_MessageBoxCritical};
    const bool hasIcon = icon >= 1 && icon <= 3;
    m_icon->setPixmap(hasIcon ? style()->standardIcon(images[icon - 1]).pixmap(kIconSide) : QPixmap());
    m_icon->setVisible(hasIcon);
    m_title->setText(title);
    m_title->setVisible(!title.isEmpty() || hasIcon);
}

void ToolTipWindow::setText(const QString &text)
{
    QString lines = text;
    m_body->setText(lines.replace(u"\r\n"_s, u"\n"_s));
}

void ToolTipWindow::setTextColour(Colour colour)
{
    m_text = SystemOr(colour, QPalette::ToolTipText);
    applyColours();
}

void ToolTipWindow::setBackgroundColour(Colour colour)
{
    m_background = SystemOr(colour, QPalette::ToolTipBase);
    applyColours();
}

void ToolTipWindow::applyColours()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, m_text);
    colours.setColor(QPalette::Window, m_background);
    setPalette(colours);
    update();
}

void ToolTipWindow::showBelow(const QPoint &anchor, bool centred)
{
    adjustSize();
    QPoint topLeft(centred ? anchor.x() - width() / 2 : anchor.x() - 2 * kStemHalfWidth, anchor.y());
    if (const QScreen *screen = QGuiApplication::screenAt(anchor)) {
        const QRect room = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() - width())));
        topLeft.setY(std::clamp(topLeft.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    }
    m_stemX = std::clamp(anchor.x() - topLeft.x(), kCornerRadius + kStemHalfWidth,
                         std::max(kCornerRadius + kStemHalfWidth, width() - kCornerRadius - kStemHalfWidth));
    move(topLeft);
    show();
    update();
}

void ToolTipWindow::showBeside(const QRect &spot)
{
    adjustSize();
    QPoint topLeft(spot.right() + 1 + kMargin, spot.center().y() - height() / 2);
    // A row partly beyond the screen's edge still puts its tip on the screen.
    const QScreen *screen = QGuiApplication::screenAt(spot.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        if (topLeft.x() + width() - 1 > room.right())
            topLeft.setX(spot.left() - kMargin - width());
        topLeft.setX(std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() + 1 - width())));
        topLeft.setY(std::clamp(topLeft.y(), room.top(), std::max(room.top(), room.bottom() + 1 - height())));
    }
    m_stemX = kNoStem;
    move(topLeft);
    show();
    update();
}

void ToolTipWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_text, 1));
    painter.setBrush(m_background);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!m_balloon) {
        painter.drawRect(frame);
        return;
    }
    QPainterPath shape;
    shape.addRoundedRect(frame.adjusted(0, kStemHeight, 0, 0), kCornerRadius, kCornerRadius);
    if (m_stemX == kNoStem) {
        painter.drawPath(shape);
        return;
    }
    QPainterPath stem;
    stem.moveTo(m_stemX - kStemHalfWidth, kStemHeight + 1.0);
    stem.lineTo(m_stemX, 0.5);
    stem.lineTo(m_stemX + kStemHalfWidth, kStemHeight + 1.0);
    stem.closeSubpath();
    painter.drawPath(shape.united(stem));
}
