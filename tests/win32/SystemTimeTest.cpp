// DateTime and SYSTEMTIME field by field; the clock and its test share these conversions, so a
// field put in the wrong place both ways would pass the clock test.
#include "win32/SystemTime.h"

#include <gtest/gtest.h>

namespace vocset::win32 {
namespace {

// No two fields alike, so that any two swapped show.
constexpr DateTime kValue{2026, 12, 10, 8, 39, 49, 123};

TEST(SystemTimeTest, ToSystemTimeFillsEachFieldAndLeavesTheDayOfTheWeek) {
    const SYSTEMTIME time = ToSystemTime(kValue);
    EXPECT_EQ(time.wYear, 2026);
    EXPECT_EQ(time.wMonth, 12);
    EXPECT_EQ(time.wDayOfWeek, 0);
    EXPECT_EQ(time.wDay, 10);
    EXPECT_EQ(time.wHour, 8);
    EXPECT_EQ(time.wMinute, 39);
    EXPECT_EQ(time.wSecond, 49);
    EXPECT_EQ(time.wMilliseconds, 123);
}

TEST(SystemTimeTest, FromSystemTimeTakesEachFieldAndNotTheDayOfTheWeek) {
    const SYSTEMTIME time{.wYear = 2026,
                          .wMonth = 12,
                          .wDayOfWeek = 4,
                          .wDay = 10,
                          .wHour = 8,
                          .wMinute = 39,
                          .wSecond = 49,
                          .wMilliseconds = 123};
    EXPECT_EQ(FromSystemTime(time), kValue);
}

}  // namespace
}  // namespace vocset::win32
