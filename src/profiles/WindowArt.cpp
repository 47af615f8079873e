#include "profiles/WindowArt.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kFrame(0x7E, 0xA1, 0xD4);

QPen glyphPen(bool hover)
{
    return QPen(hover ? Qt::white : QColor(0xC0, 0xFF, 0xFF), 1.6, Qt::SolidLine, Qt::RoundCap);
}

// A rounded button face with a glyph drawn on it in the glyph pen.
template <typename Glyph>
QPixmap button(const QSize &size, bool hover, const QColor &hoverFill, Glyph drawGlyph)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFrame, 1));
    painter.setBrush(hover ? hoverFill : QColor(0x10, 0x18, 0x24));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0), 3, 3);
    painter.setPen(glyphPen(hover));
    drawGlyph(painter);
    return pixmap;
}

} // namespace

namespace WindowArt {

QPixmap minimiseButton(const QSize &size, bool hover)
{
    return button(size, hover, QColor(0x2E, 0x4A, 0x72), [&size](QPainter &painter) {
        const qreal y = size.height() * 0.68;
        painter.drawLine(QPointF(size.width() * 0.32, y), QPointF(size.width() * 0.68, y));
    });
}

QPixmap closeButton(const QSize &size, bool hover)
{
    return button(size, hover, QColor(0xBD, 0x3D, 0x3D), [&size](QPainter &painter) {
        const qreal half = size.height() * 0.24;
        const QPointF centre(size.width() / 2.0, size.height() / 2.0);
        painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
        painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
    });
}

QIcon windowIcon()
{
    QIcon icon;
    for (const int side : {16, 32, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        // A dark pool with a lighter ring: a tarn, seen from above.
        painter.setPen(QPen(kFrame, side / 16.0));
        painter.setBrush(QColor(0x10, 0x2A, 0x44));
        painter.drawEllipse(QRectF(side * 0.06, side * 0.06, side * 0.88, side * 0.88));
        QFont font(QStringLiteral("Sans"));
        font.setBold(true);
        font.setPixelSize(qRound(side * 0.6));
        painter.setFont(font);
        painter.setPen(QColor(0x00, 0xFF, 0xFF));
        painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, QStringLiteral("T"));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}
