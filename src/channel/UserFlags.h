#pragma once

#include <QtGlobal>

// Bits of the flags the server reports with every channel user.
namespace UserFlag {
inline constexpr quint32 Representative = 0x01; // Blizzard representative
inline constexpr quint32 Operator = 0x02;       // channel operator
inline constexpr quint32 Administrator = 0x08;  // Battle.net administrator
inline constexpr quint32 NoUdp = 0x10;          // no UDP support
inline constexpr quint32 Squelched = 0x20;
inline constexpr quint32 Guest = 0x40;

// Representatives and operators are listed above everyone else.
inline constexpr bool IsListedOnTop(quint32 flags)
{
    return (flags & (Representative | Operator)) != 0;
}
} // namespace UserFlag
