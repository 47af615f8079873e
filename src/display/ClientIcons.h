#pragma once

#include "channel/ClientIcon.h"

#include <QIcon>

#include <array>

// The image list of the user and profile lists, by the 1-based indices of
// ClientIcon. The images are drawn on first use, at 16 and 32 pixels.
class ClientIcons {
public:
    // The image at an index; a null icon for 0 and for the indices without
    // an image. Throws Failure for an index outside the list.
    const QIcon &image(int index) const;

private:
    mutable std::array<QIcon, ClientIcon::Count + 1> m_images;
    mutable std::array<bool, ClientIcon::Count + 1> m_drawn{};
};
