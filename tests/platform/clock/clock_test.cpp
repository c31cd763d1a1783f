#include "platform/clock/clock.h"

#include <gtest/gtest.h>

namespace zel::platform {
namespace {

TEST(ManualClock, LocalTimeAdvancesWithTheTickAcrossMidnight) {
    ManualClock clock(4'000'000'000u, {2026, 12, 31, 23, 59, 59, 500});
    clock.advance(700);
    EXPECT_EQ(clock.tick(), 4'000'000'700u);
    LocalTime t = clock.local_time();
    EXPECT_EQ(t.year, 2027);
    EXPECT_EQ(t.month, 1);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.hour, 0);
    EXPECT_EQ(t.second, 0);
    EXPECT_EQ(t.millisecond, 200);
    clock.set_tick(0xFFFFFFFFu);
    clock.advance(2);
    EXPECT_EQ(clock.tick(), 1u);
}

TEST(SystemClock, TickIsMonotonicAndLocalTimeIsPlausible) {
    SystemClock clock;
    Tick a = clock.tick();
    Tick b = clock.tick();
    EXPECT_LE(a, b);
    LocalTime t = clock.local_time();
    EXPECT_GE(t.year, 2024);
    EXPECT_GE(t.month, 1);
    EXPECT_LE(t.month, 12);
}

}  // namespace
}  // namespace zel::platform
