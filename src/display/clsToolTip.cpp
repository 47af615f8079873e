#include "display/clsToolTip.h"

#include "display/ToolTipWindow.h"

#include <QCursor>
#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int kStyleBalloon = 1;
// Below the mouse pointer, clear of its arrow.
constexpr int kBelowPointer = 20;
} // namespace

clsToolTip::clsToolTip()
{
    m_delay.setSingleShot(true);
    m_visible.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &clsToolTip::showTip);
    connect(&m_visible, &QTimer::timeout, this, [this] {
        hideTip();
        m_timedOut = true;
    });
}

clsToolTip::~clsToolTip()
{
    Destroy();
}

void clsToolTip::setIcon(qint32 icon)
{
    m_icon = icon;
    applyTitle();
}

void clsToolTip::setTitle(const QString &title)
{
    m_title = title;
    applyTitle();
}

// A live tip takes a new title or icon only when it gets both.
void clsToolTip::applyTitle()
{
    if (m_window && !m_title.isEmpty() && m_icon != 0)
        m_window->setTitle(m_title, m_icon);
}

void clsToolTip::setForeColor(Colour colour)
{
    m_foreColor = colour;
    if (m_window)
        m_window->setTextColour(colour);
}

void clsToolTip::setBackColor(Colour colour)
{
    m_backColor = colour;
    if (m_window)
        m_window->setBackgroundColour(colour);
}

void clsToolTip::setTipText(const QString &text)
{
    m_tipText = text;
    if (m_window)
        m_window->setText(text);
}

void clsToolTip::Create(QWidget *tool, const QRect &spot)
{
    Destroy();
    m_window = std::make_unique<ToolTipWindow>(m_style == kStyleBalloon);
    m_window->setText(m_tipText);
    if (!m_title.isEmpty() || m_icon != 0)
        m_window->setTitle(m_title, m_icon);
    m_window->setTextColour(m_foreColor);
    m_window->setBackgroundColour(m_backColor);
    m_tool = tool;
    m_spot = spot;
    m_mouse = QCursor::pos();
    tool->installEventFilter(this);
    waitToShow();
}

void clsToolTip::Destroy()
{
    m_delay.stop();
    m_visible.stop();
    if (m_tool)
        m_tool->removeEventFilter(this);
    m_tool = nullptr;
    m_window.reset();
    m_timedOut = false;
}

bool clsToolTip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_tool)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        m_mouse = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        if (!m_window->isVisible() && !m_timedOut)
            waitToShow();
        break;
    case QEvent::Enter:
        m_mouse = static_cast<QEnterEvent *>(event)->globalPosition().toPoint();
        m_timedOut = false;
        waitToShow();
        break;
    case QEvent::MouseButtonPress:
        hideTip();
        m_timedOut = true;
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        hideTip();
        m_timedOut = false;
        break;
    default:
        break;
    }
    return false;
}

void clsToolTip::waitToShow()
{
    m_delay.start(std::max(0, m_delayTime));
}

void clsToolTip::showTip()
{
    QWidget *tool = m_tool.data();
    if (!m_window || !tool || !tool->isVisible())
        return;
    if (m_spot.isValid()) {
        m_window->showBeside(m_spot);
    } else {
        const QPoint anchor = m_centered ? tool->mapToGlobal(QPoint(tool->width() / 2, tool->height()))
                                         : m_mouse + QPoint(0, kBelowPointer);
        m_window->showBelow(anchor, m_centered);
    }
    m_visible.start(std::max(0, m_visibleTime));
}

void clsToolTip::hideTip()
{
    m_delay.stop();
    m_visible.stop();
    if (m_window)
        m_window->hide();
}
