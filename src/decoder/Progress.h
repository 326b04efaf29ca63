// The progress bar's percentage of a block loop.
#pragma once

#include <cstdint>

namespace vocset {

// done / length, times 100, each operation rounded to nearest in extended precision (a 64-bit
// significand), then rounded to the nearest integer, a value halfway going to the even one. Computed
// in integers, so that every compiler gives the same values. A count of 0 or less gives 0, and a count
// that reaches the length gives 100 (also for a length of 0 or less).
// Extended, not double, keeps the percentages the bar has always shown: 819,200 bytes after 59 blocks show 29, not 30.
int ProgressPercent(std::int64_t done, std::int64_t length);

}  // namespace vocset
