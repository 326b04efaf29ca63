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
    bool operator==(const DateTime&) const = default;
};

}  // namespace vocset
