#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <array>

class QWidget;

// Edges and corners by which a window without a frame is resized: thin
// invisible strips along its border that show the resize cursor and follow
// the mouse. The window system does the resizing where it offers to;
// elsewhere the grips change the window's geometry themselves, never below
// its minimum size.
class ResizeGrips : public QObject {
    Q_OBJECT
public:
    static constexpr int kThickness = 4;
    static constexpr int kCorner = 12;

    explicit ResizeGrips(QWidget &window);

    // The strip of one edge or corner, for the window's current size.
    QWidget *grip(Qt::Edges edges) const;
    // The widget is one of the strips: to the user, part of the border.
    static bool isGrip(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeGrips();
    void follow(Qt::Edges edges, QPoint globalPosition);

    QWidget &m_window;
    std::array<QWidget *, 8> m_grips{};
    // Where a drag by our own hand started.
    QPoint m_pressedAt;
    QRect m_startGeometry;
    bool m_dragging = false;
};
