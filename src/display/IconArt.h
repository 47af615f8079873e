#pragma once

#include <QColor>
#include <QString>

class QPainter;

// Drawing primitives of the list images. Each draws into a 16 by 16 square of
// the painter's coordinates, made to read on the lists' black background.
namespace IconArt {

// A rounded badge with up to two letters: the product images.
void Badge(QPainter &painter, const QColor &fill, const QString &letters, const QColor &ink = Qt::white);
// A round medal with letters: the icon codes of Warcraft III statstrings.
void Medal(QPainter &painter, const QColor &fill, const QString &letters);
// A speech bubble: chat clients.
void SpeechBubble(QPainter &painter);
// A crown: channel operators.
void Crown(QPainter &painter);
// A shield with a star: representatives and administrators.
void Shield(QPainter &painter, const QColor &fill);
// A struck-through circle: squelched users.
void NoEntry(QPainter &painter);
// A grey figure: guests.
void Guest(QPainter &painter);
// Five rising bars of which the first `lit` are in `colour`.
void Bars(QPainter &painter, int lit, const QColor &colour);
// A cross over the top right corner.
void CornerCross(QPainter &painter, const QColor &colour);
// A stroke through the whole square.
void Slash(QPainter &painter, const QColor &colour);

} // namespace IconArt
