#include "display/BringUp.h"

#include <QWidget>

void BringUp(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
