// The Win32 clock against the system's own local time.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "win32/SystemTime.h"
#include "win32/Win32Services.h"

namespace vocset::win32 {
namespace {

std::uint64_t Ticks(const SYSTEMTIME& time) {
    FILETIME file{};
    EXPECT_TRUE(SystemTimeToFileTime(&time, &file));
    return (static_cast<std::uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

// run-tests.sh runs this away from UTC, so that the system time in place of the local one fails; a
// reading without its milliseconds falls before `before` once that is not on a whole second.
TEST(ClockTest, NowLiesBetweenTwoReadingsOfTheLocalTimeToTheMillisecond) {
    Win32Clock clock;
    for (int reading = 0; reading < 20; ++reading) {
        SYSTEMTIME before{};
        GetLocalTime(&before);
        const DateTime now = clock.Now();
        SYSTEMTIME after{};
        GetLocalTime(&after);
        ASSERT_TRUE(IsValidDate(now.year, now.month, now.day));
        ASSERT_TRUE(IsValidTime(now.hour, now.minute, now.second, now.millisecond));
        const std::uint64_t ticks = Ticks(ToSystemTime(now));
        EXPECT_LE(Ticks(before), ticks);
        EXPECT_LE(ticks, Ticks(after));
        Sleep(7);
    }
}

}  // namespace
}  // namespace vocset::win32
