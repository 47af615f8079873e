#pragma once

#include <QString>
#include <QtGlobal>

// The image of a user's row: a status mark for representatives, operators,
// administrators, squelched users and guests, otherwise the product of the
// statstring, replaced by the icon code at its end where there is one. No
// image at all for an empty statstring. Profiles use it with their product
// code and no flags.
int GetClientIcon(const QString &statstring, quint32 flags);

// The latency column's image: bars by ping, a mark for users without UDP
// support and one for users without a latency figure.
int GetLatencyIcon(qint32 ping, quint32 flags);
