#include "session/modParseKeys.h"

#include "platform/Failure.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTimeZone>

#include <array>

namespace {

// One half of a FILETIME text: a decimal 32-bit number. Values from 2^31 up
// keep the same 32 bits, so they need no special care here.
quint32 fileTimeHalf(const QString &text)
{
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > 0xFFFFFFFFull)
        return 0;
    return static_cast<quint32>(value);
}

constexpr quint64 kFileTimeTicksPerMsec = 10000;
// FILETIME values from 2^63 up are not times.
constexpr quint64 kLastFileTime = 0x7FFFFFFFFFFFFFFFull;

} // namespace

quint64 FileTimeFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    const quint64 high = fileTimeHalf(parts.value(0));
    const quint64 low = fileTimeHalf(parts.value(1));
    return high << 32 | low;
}

QString AccountDateText(const QString &fileTimeText)
{
    const quint64 fileTime = FileTimeFromText(fileTimeText);
    if (fileTime > kLastFileTime)
        throw Failure(Failure::InvalidCall, QStringLiteral("Invalid procedure call or argument"));
    const QDateTime epoch(QDate(1601, 1, 1), QTime(0, 0), QTimeZone::utc());
    const QDateTime when = epoch.addMSecs(static_cast<qint64>(fileTime / kFileTimeTicksPerMsec));
    const QTime time = when.time();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QLocale locale = QLocale::system();
    return QStringLiteral("%1 %2, %3 at %4:%5:%6 %7")
        .arg(MonthName(QString::number(when.date().month())))
        .arg(when.date().day())
        .arg(when.date().year(), 4, 10, QLatin1Char('0'))
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? locale.amText() : locale.pmText());
}

QString DurationText(quint64 seconds)
{
    return QStringLiteral("%1 days, %2 hours, %3 minutes, %4 seconds.")
        .arg(seconds / 86400)
        .arg(seconds % 86400 / 3600)
        .arg(seconds % 3600 / 60)
        .arg(seconds % 60);
}

QString MonthName(const QString &number)
{
    static const std::array<const char *, 12> kMonths = {"January", "February", "March",     "April",
                                                         "May",     "June",     "July",      "August",
                                                         "September", "October", "November", "December"};
    bool ok = false;
    const int month = number.toInt(&ok);
    if (!ok || month < 1 || month > 12)
        throw Failure(Failure::OutOfRange, QStringLiteral("Subscript out of range"));
    return QString::fromLatin1(kMonths[static_cast<std::size_t>(month - 1)]);
}
