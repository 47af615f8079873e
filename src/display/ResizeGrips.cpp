#include "display/ResizeGrips.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

const std::array<Qt::Edges, 8> kEdges{
    Qt::LeftEdge,
    Qt::RightEdge,
    Qt::TopEdge,
    Qt::BottomEdge,
    Qt::TopEdge | Qt::LeftEdge,
    Qt::TopEdge | Qt::RightEdge,
    Qt::BottomEdge | Qt::LeftEdge,
    Qt::BottomEdge | Qt::RightEdge,
};

const char *const kGripProperty = "resizeGrip";

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    if (edges == Qt::LeftEdge || edges == Qt::RightEdge)
        return Qt::SizeHorCursor;
    if (edges == Qt::TopEdge || edges == Qt::BottomEdge)
        return Qt::SizeVerCursor;
    const bool falling = edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
    return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
}

} // namespace

ResizeGrips::ResizeGrips(QWidget &window) : QObject(&window), m_window(window)
{
    for (std::size_t i = 0; i < kEdges.size(); ++i) {
        auto *grip = new QWidget(&window);
        grip->setObjectName(QStringLiteral("resizeGrip%1").arg(i));
        grip->setCursor(cursorFor(kEdges[i]));
        grip->setProperty(kGripProperty, true);
        grip->installEventFilter(this);
        m_grips[i] = grip;
    }
    window.installEventFilter(this);
    placeGrips();
}

QWidget *ResizeGrips::grip(Qt::Edges edges) const
{
    const auto at = std::find(kEdges.begin(), kEdges.end(), edges);
    return at == kEdges.end() ? nullptr : m_grips[static_cast<std::size_t>(at - kEdges.begin())];
}

bool ResizeGrips::isGrip(const QWidget *widget)
{
    return widget && widget->property(kGripProperty).toBool();
}

void ResizeGrips::placeGrips()
{
    const int width = m_window.width();
    const int height = m_window.height();
    const int t = kThickness;
    const int c = kCorner;
    const QRect places[] = {
        {0, c, t, height - 2 * c},         {width - t, c, t, height - 2 * c}, {c, 0, width - 2 * c, t},
        {c, height - t, width - 2 * c, t}, {0, 0, c, c},                      {width - c, 0, c, c},
        {0, height - c, c, c},             {width - c, height - c, c, c},
    };
    for (std::size_t i = 0; i < m_grips.size(); ++i) {
        m_grips[i]->setGeometry(places[i]);
        // Above every control, whenever they were made.
        m_grips[i]->raise();
    }
}

bool ResizeGrips::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::Resize)
            placeGrips();
        return false;
    }
    const auto at = std::find(m_grips.begin(), m_grips.end(), watched);
    if (at == m_grips.end())
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const Qt::Edges edges = kEdges[static_cast<std::size_t>(at - m_grips.begin())];
    const auto *mouse = static_cast<QMouseEvent *>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (m_window.windowHandle() && m_window.windowHandle()->startSystemResize(edges))
            return true;
        m_dragging = true;
        m_pressedAt = mouse->globalPosition().toPoint();
        m_startGeometry = m_window.geometry();
        return true;
    case QEvent::MouseMove:
        if (m_dragging)
            follow(edges, mouse->globalPosition().toPoint());
        return m_dragging;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton)
            m_dragging = false;
        return true;
    default:
        return false;
    }
}

void ResizeGrips::follow(Qt::Edges edges, QPoint globalPosition)
{
    const QPoint moved = globalPosition - m_pressedAt;
    const QSize minimum = m_window.minimumSize();
    QRect geometry = m_startGeometry;
    // An edge that is dragged past the minimum size stops there; the
    // opposite edge never moves.
    if (edges & Qt::LeftEdge)
        geometry.setLeft(std::min(geometry.left() + moved.x(), geometry.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        geometry.setWidth(std::max(minimum.width(), geometry.width() + moved.x()));
    if (edges & Qt::TopEdge)
        geometry.setTop(std::min(geometry.top() + moved.y(), geometry.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        geometry.setHeight(std::max(minimum.height(), geometry.height() + moved.y()));
    m_window.setGeometry(geometry);
}
