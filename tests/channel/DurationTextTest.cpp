#include "channel/DurationText.h"

#include <gtest/gtest.h>

TEST(FormatDuration, NamesOnlyTheUnitsFromTheLargestNonZeroOneDown)
{
    EXPECT_EQ(FormatDuration(0, DurationWords::Short), "0 secs");
    EXPECT_EQ(FormatDuration(1000, DurationWords::Short), "1 sec");
    EXPECT_EQ(FormatDuration(60000, DurationWords::Short), "1 min and 0 secs");
    EXPECT_EQ(FormatDuration(3725000, DurationWords::Short), "1 hr, 2 mins, and 5 secs");
    EXPECT_EQ(FormatDuration(3600000, DurationWords::Short), "1 hr, 0 mins, and 0 secs");
    EXPECT_EQ(FormatDuration(90061000, DurationWords::Short), "1 day, 1 hr, 1 min, and 1 sec");
    EXPECT_EQ(FormatDuration(172800000, DurationWords::Short), "2 days, 0 hrs, 0 mins, and 0 secs");
}

TEST(FormatDuration, LongWordsSpellTheUnitsOut)
{
    EXPECT_EQ(FormatDuration(90061000, DurationWords::Long), "1 day, 1 hour, 1 minute, and 1 second");
    EXPECT_EQ(FormatDuration(7322000, DurationWords::Long), "2 hours, 2 minutes, and 2 seconds");
    EXPECT_EQ(FormatDuration(59000, DurationWords::Long), "59 seconds");
}

TEST(FormatDuration, RoundsToTheNearestSecondWithTiesToEven)
{
    EXPECT_EQ(FormatDuration(499, DurationWords::Short), "0 secs");
    EXPECT_EQ(FormatDuration(500, DurationWords::Short), "0 secs");
    EXPECT_EQ(FormatDuration(501, DurationWords::Short), "1 sec");
    EXPECT_EQ(FormatDuration(1500, DurationWords::Short), "2 secs");
    EXPECT_EQ(FormatDuration(2500, DurationWords::Short), "2 secs");
    EXPECT_EQ(FormatDuration(59500, DurationWords::Short), "1 min and 0 secs") << "rounding carries into the next unit";
}

TEST(FormatDuration, CoversTheWholeUnsignedTickRange)
{
    EXPECT_EQ(FormatDuration(4294967295u, DurationWords::Short), "49 days, 17 hrs, 2 mins, and 47 secs");
}
