#include "display/ChatLinkClicks.h"

#include "display/ChatLinks.h"
#include "platform/WebBrowser.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QTextEdit>
#include <QToolTip>

ChatLinkClicks::ChatLinkClicks(QTextEdit &view)
    : QObject(&view), m_view(view), m_shape(view.viewport()->cursor().shape())
{
    view.viewport()->setMouseTracking(true);
    view.viewport()->installEventFilter(this);
}

bool ChatLinkClicks::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const bool overLink = !m_view.anchorAt(static_cast<QMouseEvent *>(event)->position().toPoint()).isEmpty();
        m_view.viewport()->setCursor(overLink ? Qt::PointingHandCursor : m_shape);
        return false;
    }
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString link = m_view.anchorAt(help->pos());
        if (link.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), link, m_view.viewport());
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        m_pressed = press->button() == Qt::LeftButton ? m_view.anchorAt(press->position().toPoint()) : QString();
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto *release = static_cast<QMouseEvent *>(event);
        const QString link = release->button() == Qt::LeftButton ? m_view.anchorAt(release->position().toPoint()) : QString();
        const bool clicked = !link.isEmpty() && link == m_pressed && !m_view.textCursor().hasSelection();
        m_pressed.clear();
        if (!clicked)
            return false;
        if (const std::optional<QUrl> address = LinkTarget(link); address && !OpenInWebBrowser(*address))
            Q_EMIT openFailed(*address);
        return false;
    }
    default:
        return false;
    }
}
