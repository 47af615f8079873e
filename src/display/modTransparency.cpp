#include "display/modTransparency.h"

#include <QWidget>

int SetTransparency(QWidget &window, int level)
{
    const auto unsignedLevel = static_cast<quint16>(level);
    if (unsignedLevel > 255)
        return 1;
    // Only a top-level window can be see-through as a whole.
    if (!window.isWindow())
        return 2;
    window.setWindowOpacity(unsignedLevel / 255.0);
    return 0;
}
