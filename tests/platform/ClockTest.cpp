#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

qint64 monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

TEST(SystemClock, TicksFollowTheMonotonicClock)
{
    const SystemClock clock;
    // Compared as 32-bit values, since the tick count wraps like the system's.
    const auto nearNow = [&clock] {
        return clock.tickCount() - static_cast<quint32>(monotonicMilliseconds()) + 5u <= 10u;
    };
    EXPECT_TRUE(nearNow());
    // And it keeps following it as time passes.
    const qint64 later = monotonicMilliseconds() + 20;
    while (monotonicMilliseconds() < later) {
    }
    EXPECT_TRUE(nearNow());
}

TEST(ManualClock, DifferencesSurviveAWrap)
{
    ManualClock clock(QDateTime(QDate(2026, 1, 1), QTime(0, 0)), 0xFFFFFF00u);
    const quint32 start = clock.tickCount();
    clock.advance(0x200);
    EXPECT_EQ(clock.ticksSince(start), 0x200u);
    EXPECT_EQ(clock.now(), QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0, 512)));
}

} // namespace
