#pragma once

#include <QIcon>
#include <QPixmap>

// The main window's own pictures, drawn at run time so the program needs no
// files beside it.
namespace WindowArt {
QPixmap minimiseButton(const QSize &size, bool hover);
QPixmap closeButton(const QSize &size, bool hover);
QIcon windowIcon();
}
