#pragma once

#include <QString>
#include <QtGlobal>

// The hover text of a user's row, lines ended by CR LF: the statstring in
// words (as the profile's clsBNCS describes it), the ping, the flags, and how
// long the user has been in the channel.
QString UserHoverText(const QString &description, qint32 latency, quint32 flags, quint32 millisecondsPresent);
