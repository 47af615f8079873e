#include "channel/UserHoverText.h"

#include "channel/DurationText.h"
#include "platform/VisibleText.h"

using namespace Qt::StringLiterals;

QString UserHoverText(const QString &description, qint32 latency, quint32 flags, quint32 millisecondsPresent)
{
    return OnOneLine(description) + u"\r\nPing: "_s + QString::number(latency) + u"\r\nFlags: "_s +
           QString::number(flags) + u"\r\nUptime: "_s + FormatDuration(millisecondsPresent, DurationWords::Short);
}
