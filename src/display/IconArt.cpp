#include "display/IconArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace {

void DrawLetters(QPainter &painter, const QRectF &area, const QString &letters, const QColor &ink)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(letters.size() > 1 ? 8 : 11);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letters.size() > 1 ? -0.5 : 0);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(area, Qt::AlignCenter, letters);
}

QLinearGradient TopLit(const QColor &fill, qreal top, qreal bottom)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, fill.lighter(150));
    gradient.setColorAt(1, fill.darker(120));
    return gradient;
}

QPolygonF Star(const QPointF &centre, qreal outer, qreal inner)
{
    QPolygonF star;
    for (int point = 0; point < 10; ++point) {
        const qreal radius = point % 2 == 0 ? outer : inner;
        const qreal angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return star;
}

} // namespace

namespace IconArt {

void Badge(QPainter &painter, const QColor &fill, const QString &letters, const QColor &ink)
{
    const QRectF face(1, 1, 14, 14);
    painter.setPen(QPen(fill.lighter(170), 1));
    painter.setBrush(TopLit(fill, 1, 15));
    painter.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    DrawLetters(painter, face, letters, ink);
}

void Medal(QPainter &painter, const QColor &fill, const QString &letters)
{
    painter.setPen(QPen(QColor(0xF0, 0xD0, 0x60), 1.2));
    painter.setBrush(TopLit(fill, 1, 15));
    painter.drawEllipse(QRectF(1, 1, 14, 14));
    DrawLetters(painter, QRectF(1, 1, 14, 14), letters, Qt::white);
}

void SpeechBubble(QPainter &painter)
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 2.5, 13, 9), 3, 3);
    bubble.moveTo(4, 11);
    bubble.lineTo(3.5, 14.5);
    bubble.lineTo(8, 11);
    painter.setPen(QPen(QColor(0x9A, 0xD0, 0xFF), 1));
    painter.setBrush(QColor(0x2A, 0x5C, 0x90));
    painter.drawPath(bubble.simplified());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const qreal x : {5.0, 8.0, 11.0})
        painter.drawEllipse(QPointF(x, 7), 1.1, 1.1);
}

void Crown(QPainter &painter)
{
    const QPolygonF crown{{2, 12.5}, {1.5, 4.5}, {5, 8},  {8, 2.5},
                          {11, 8},   {14.5, 4.5}, {14, 12.5}};
    painter.setPen(QPen(QColor(0xFF, 0xE8, 0x80), 1));
    painter.setBrush(TopLit(QColor(0xE0, 0xA8, 0x10), 2, 13));
    painter.drawPolygon(crown);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC0, 0x20, 0x20));
    painter.drawEllipse(QPointF(8, 10), 1.3, 1.3);
}

void Shield(QPainter &painter, const QColor &fill)
{
    QPainterPath shield;
    shield.moveTo(8, 1);
    shield.lineTo(14.5, 3);
    shield.cubicTo(14.5, 9, 12, 12.5, 8, 15);
    shield.cubicTo(4, 12.5, 1.5, 9, 1.5, 3);
    shield.closeSubpath();
    painter.setPen(QPen(fill.lighter(170), 1));
    painter.setBrush(TopLit(fill, 1, 15));
    painter.drawPath(shield);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(Star(QPointF(8, 7.5), 4.5, 1.9));
}

void NoEntry(QPainter &painter)
{
    painter.setBrush(QColor(0x30, 0x08, 0x08));
    painter.setPen(QPen(QColor(0xE8, 0x30, 0x30), 2));
    painter.drawEllipse(QRectF(2, 2, 12, 12));
    painter.drawLine(QPointF(4.2, 11.8), QPointF(11.8, 4.2));
}

void Guest(QPainter &painter)
{
    painter.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1));
    painter.setBrush(QColor(0x90, 0x90, 0x90));
    painter.drawEllipse(QPointF(8, 5), 3, 3);
    QPainterPath body;
    body.moveTo(2.5, 15);
    body.cubicTo(2.5, 10, 5, 9, 8, 9);
    body.cubicTo(11, 9, 13.5, 10, 13.5, 15);
    body.closeSubpath();
    painter.drawPath(body);
}

void Bars(QPainter &painter, int lit, const QColor &colour)
{
    for (int bar = 0; bar < 5; ++bar) {
        const qreal height = 3 + bar * 2.5;
        const QRectF shape(1 + bar * 3, 15 - height, 2, height);
        const bool on = bar < lit;
        painter.setPen(QPen(on ? colour.lighter(140) : QColor(0x70, 0x70, 0x70), 0.8));
        painter.setBrush(on ? colour : QColor(0x30, 0x30, 0x30));
        painter.drawRect(shape);
    }
}

void CornerCross(QPainter &painter, const QColor &colour)
{
    painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2, 2), QPointF(6.5, 6.5));
    painter.drawLine(QPointF(2, 6.5), QPointF(6.5, 2));
}

void Slash(QPainter &painter, const QColor &colour)
{
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2, 14), QPointF(14, 2));
}

} // namespace IconArt
