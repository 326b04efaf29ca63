// Formatting and parsing the time field's text.
#include "widgets/TimeText.h"

#include <cstdio>

namespace vocset {

namespace {
constexpr std::size_t kLength = 8;
constexpr std::size_t kSeparatorPlaces[] = {2, 5};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int Digits(char tens, char ones) { return (tens == ' ' ? 0 : tens - '0') * 10 + (ones - '0'); }
}  // namespace

char TimeSeparatorOf(const TimeFormat& format) {
    const std::string& separator = format.separator;
    const bool fits = separator.size() == 1 && separator[0] > ' ' && static_cast<unsigned char>(separator[0]) < 0x80 &&
                      !IsDigit(separator[0]);
    return fits ? separator[0] : ':';
}

std::string ClockTimeText(const DateTime& time, const TimeFormat& format) {
    char text[16];
    const char separator = TimeSeparatorOf(format);
    std::snprintf(text, sizeof text, format.hourLeadingZero ? "%02d%c%02d%c%02d" : "%2d%c%02d%c%02d", time.hour,
                  separator, time.minute, separator, time.second);
    return text;
}

std::optional<TimeOfDay> ParseTimeText(std::string_view text, char separator) {
    if (text.size() != kLength) return std::nullopt;
    for (std::size_t place : kSeparatorPlaces) {
        if (text[place] != separator) return std::nullopt;
    }
    if (!(IsDigit(text[0]) || text[0] == ' ')) return std::nullopt;
    for (std::size_t place : {1, 3, 4, 6, 7}) {
        if (!IsDigit(text[place])) return std::nullopt;
    }
    const TimeOfDay time{Digits(text[0], text[1]), Digits(text[3], text[4]), Digits(text[6], text[7])};
    if (!IsValidTime(time.hour, time.minute, time.second)) return std::nullopt;
    return time;
}

}  // namespace vocset
