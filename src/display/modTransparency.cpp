#include "display/modTransparency.h"

#include <QWidget>

#include <algorithm>

int VisibleOpacity(int level)
{
    return std::clamp(level, kLeastOpacity, kFullOpacity);
}

int SetTransparency(QWidget &window, int level)
{
    const auto unsignedLevel = static_cast<quint16>(level);
    if (unsignedLevel > kFullOpacity)
        return 1;
    // Only a top-level window can be see-through as a whole.
    if (!window.isWindow())
        return 2;
    window.setWindowOpacity(VisibleOpacity(unsignedLevel) / 255.0);
    return 0;
}
