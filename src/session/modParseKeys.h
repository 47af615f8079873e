#pragma once

#include <QString>
#include <QtGlobal>

// Account-key values in words. Times in account keys are FILETIME values
// (100-ns intervals since 1 January 1601, UTC) written as two decimal 32-bit
// numbers, the high half first.

// The 64-bit FILETIME of such a text. A half that is not a number, or is
// missing, counts as 0.
quint64 FileTimeFromText(const QString &text);

// "March 5, 2005 at 10:05:03 PM": the UTC calendar time of a FILETIME text,
// with the system's AM/PM designator. Throws Failure for a time the calendar
// cannot hold.
QString AccountDateText(const QString &fileTimeText);

// "1 days, 2 hours, 3 minutes, 4 seconds." — every part always present.
QString DurationText(quint64 seconds);

// "1" -> "January" ... "12" -> "December"; throws Failure for anything else.
QString MonthName(const QString &number);
