#pragma once

#include <QString>
#include <QtGlobal>

// The hover text of a user's row, lines ended by CR LF: the statstring in
// words, the ping, the flags, and how long the user has been in the channel.
// Throws Failure for a malformed statstring.
QString UserHoverText(const QString &statstring, qint32 latency, quint32 flags, quint32 millisecondsPresent);
