// The time field's text: the clock's form and the parse back into a time of day.
#include <gtest/gtest.h>

#include "widgets/TimeText.h"

namespace vocset {
namespace {

TEST(TimeTextTest, TheClockWritesTwentyFourHoursInTheMasksPlaces) {
    struct Case {
        int hour = 0, minute = 0, second = 0;
        TimeFormat format;
        const char* text;
    };
    const Case cases[] = {
        {9, 7, 5, {":", false}, " 9:07:05"},  // a 12-hour region: no AM/PM, no 12-hour hour
        {21, 7, 5, {":", false}, "21:07:05"},  {0, 0, 0, {":", false}, " 0:00:00"},  {9, 7, 5, {":", true}, "09:07:05"},
        {23, 59, 59, {".", true}, "23.59.59"}, {9, 7, 5, {"", false}, " 9:07:05"},  // no separator that fits one place
        {9, 7, 5, {"h", false}, " 9h07h05"},   {9, 7, 5, {"::", false}, " 9:07:05"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClockTimeText({2026, 12, 10, c.hour, c.minute, c.second, 999}, c.format), c.text);
    }
}

TEST(TimeTextTest, OnlyAFullValidTextIsATimeOfDay) {
    struct Case {
        const char* text;
        char separator;
        bool valid;
        int hour = 0, minute = 0, second = 0;
    };
    const Case cases[] = {
        {"21:07:05", ':', true, 21, 7, 5},
        {" 9:07:05", ':', true, 9, 7, 5},
        {"09:07:05", ':', true, 9, 7, 5},
        {"00:00:00", ':', true, 0, 0, 0},
        {"23:59:59", ':', true, 23, 59, 59},
        {"23.59.59", '.', true, 23, 59, 59},
        {"  :  :  ", ':', false},
        {" 9:07: 5", ':', false},  // an empty place
        {"9 :07:05", ':', false},
        {"  :07:05", ':', false},
        {"24:00:00", ':', false},
        {"12:60:00", ':', false},
        {"12:00:60", ':', false},
        {"21.07.05", ':', false},  // not the region's separator
        {"21:07:05 ", ':', false},
        {"1:07:05", ':', false},
        {"2a:07:05", ':', false},
    };
    for (const Case& c : cases) {
        const auto time = ParseTimeText(c.text, c.separator);
        ASSERT_EQ(time.has_value(), c.valid) << c.text;
        if (!time) continue;
        EXPECT_EQ(time->hour, c.hour) << c.text;
        EXPECT_EQ(time->minute, c.minute) << c.text;
        EXPECT_EQ(time->second, c.second) << c.text;
    }
}

}  // namespace
}  // namespace vocset
