#include "channel/DurationText.h"

using namespace Qt::StringLiterals;

namespace {

struct UnitWords {
    const char *day;
    const char *hour;
    const char *minute;
    const char *second;
};

constexpr UnitWords kShortWords{" day", " hr", " min", " sec"};
constexpr UnitWords kLongWords{" day", " hour", " minute", " second"};

quint32 RoundToWholeSeconds(quint32 milliseconds)
{
    const quint32 seconds = milliseconds / 1000;
    const quint32 rest = milliseconds % 1000;
    const bool roundUp = rest > 500 || (rest == 500 && seconds % 2 == 1);
    return roundUp ? seconds + 1 : seconds;
}

QString Amount(quint32 count, const char *unit)
{
    QString text = QString::number(count) + QLatin1String(unit);
    if (count != 1)
        text += QLatin1Char('s');
    return text;
}

} // namespace

QString FormatDuration(quint32 milliseconds, DurationWords words)
{
    const UnitWords &unit = words == DurationWords::Short ? kShortWords : kLongWords;
    const quint32 total = RoundToWholeSeconds(milliseconds);
    const quint32 days = total / 86400;
    const quint32 hours = total % 86400 / 3600;
    const quint32 minutes = total % 3600 / 60;
    const QString seconds = Amount(total % 60, unit.second);

    if (days > 0)
        return Amount(days, unit.day) + u", "_s + Amount(hours, unit.hour) + u", "_s + Amount(minutes, unit.minute)
            + u", and "_s + seconds;
    if (hours > 0)
        return Amount(hours, unit.hour) + u", "_s + Amount(minutes, unit.minute) + u", and "_s + seconds;
    if (minutes > 0)
        return Amount(minutes, unit.minute) + u" and "_s + seconds;
    return seconds;
}
