#include "platform/Failure.h"
#include "session/modParseKeys.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(AccountKeys, FileTimesReadAsTwoHalvesWhateverTheirSign)
{
    EXPECT_EQ(FileTimeFromText(QStringLiteral("29743293 3785379840")), (29743293ull << 32) | 3785379840ull);
    EXPECT_EQ(FileTimeFromText(QStringLiteral("1")), 1ull << 32);
    EXPECT_EQ(FileTimeFromText(QStringLiteral("x 5")), 5ull);
    EXPECT_EQ(FileTimeFromText(QStringLiteral("99999999999 5")), 5ull) << "not a 32-bit number";
    EXPECT_EQ(FileTimeFromText(QString()), 0ull);
}

TEST(AccountKeys, DatesAreUtcCalendarTimesOnTheTwelveHourClock)
{
    const QString pm = QLocale::system().pmText();
    EXPECT_EQ(AccountDateText(QStringLiteral("29743293 3785379840")),
              QStringLiteral("October 24, 2005 at 05:10:49 ") + pm);
    EXPECT_EQ(AccountDateText(QStringLiteral("0 0")),
              QStringLiteral("January 1, 1601 at 12:00:00 ") + QLocale::system().amText());
    EXPECT_THROW(AccountDateText(QStringLiteral("4294967295 4294967295")), Failure);
}

TEST(AccountKeys, DurationsAndMonths)
{
    EXPECT_EQ(DurationText(93784), QStringLiteral("1 days, 2 hours, 3 minutes, 4 seconds."));
    EXPECT_EQ(DurationText(0), QStringLiteral("0 days, 0 hours, 0 minutes, 0 seconds."));
    EXPECT_EQ(MonthName(QStringLiteral("1")), QStringLiteral("January"));
    EXPECT_EQ(MonthName(QStringLiteral("12")), QStringLiteral("December"));
    EXPECT_THROW(MonthName(QStringLiteral("13")), Failure);
}

} // namespace
