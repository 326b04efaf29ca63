// A time of day as the time field shows it: 24-hour form in the places of the mask "!90:00:00",
// with the regional time separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "widgets/DateTime.h"
#include "widgets/Services.h"

namespace vocset {

struct TimeOfDay {
    int hour, minute, second;
};

// The one character that stands between the fields: the region's separator, or ":" where it has
// none that fits one place.
char TimeSeparatorOf(const TimeFormat& format);

// " 9:07:05" or "09:07:05" (as the region writes the hour), "21:07:05".
std::string ClockTimeText(const DateTime& time, const TimeFormat& format);

// The time of day in an 8-place text of that form: the first hour place may be blank, the other
// digits are required, the separators stand at their places. Empty for an empty place, another
// character, an hour above 23, or minutes or seconds above 59.
std::optional<TimeOfDay> ParseTimeText(std::string_view text, char separator);

}  // namespace vocset
