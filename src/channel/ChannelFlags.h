#pragma once

#include <QString>
#include <QtGlobal>

// The words for a channel's flags, each followed by ", ", such as
// "moderated, public, "; "private, " when no flag is set.
QString DescribeChannelFlags(quint32 flags);
