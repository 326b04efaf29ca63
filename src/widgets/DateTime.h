// A calendar date with a time of day, as the date picker holds it.
#pragma once

namespace vocset {

struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    bool operator==(const DateTime&) const = default;
};

// A day of the Gregorian calendar, years 1 to 9999.
bool IsValidDate(int year, int month, int day);
// A time of day from 00:00:00.000 to 23:59:59.999.
bool IsValidTime(int hour, int minute, int second, int millisecond = 0);

}  // namespace vocset
