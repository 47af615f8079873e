#pragma once

#include <QByteArray>

// The password hash of the classic logon: one SHA-1 compression over the
// first 64 bytes of the data (zero-filled, no padding or length block), with
// a message schedule that sets a single bit instead of rotating, and the state
// words read and written little-endian. Servers still check passwords with
// exactly this function, so every quirk is deliberate.
QByteArray brokenSha1(const QByteArray &data);
