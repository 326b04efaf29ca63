// The extended-precision percentage of the block loops.
#include <gtest/gtest.h>

#include <string>

#include <cfloat>
#include <cmath>
#include <random>

#include "decoder/Progress.h"

namespace vocset {
namespace {

struct PercentCase {
    std::int64_t done;
    std::int64_t length;
    int percent;
};

class ProgressPercentTest : public ::testing::TestWithParam<PercentCase> {};

TEST_P(ProgressPercentTest, GivesTheExtendedPrecisionValue) {
    EXPECT_EQ(ProgressPercent(GetParam().done, GetParam().length), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(Examples, ProgressPercentTest,
                         ::testing::Values(
                             // 12.5 goes to the even 12, 37.5 to 38.
                             PercentCase{4096, 32768, 12}, PercentCase{3 * 4096, 32768, 38},
                             PercentCase{5 * 4096, 32768, 62}, PercentCase{7 * 4096, 32768, 88},
                             // Just below 29.5 in extended precision.
                             PercentCase{59 * 4096, 819200, 29},
                             // Exactly 57.5 once rounded to a 64-bit significand: to the even 58.
                             PercentCase{23 * 4096, 163840, 58}, PercentCase{4096, 3 * 4096 + 100, 33},
                             PercentCase{3 * 4096, 3 * 4096 + 100, 99},
                             // 4.5 less than 2^-60 away: the exact value rounds up, the extended one down.
                             PercentCase{72057594029928071, 1601279867331734911, 4},
                             // Sizes beyond 32 bits are taken whole.
                             PercentCase{std::int64_t{1} << 31, std::int64_t{1} << 32, 50},
                             PercentCase{8192, (std::int64_t{1} << 32) + 8192, 0},
                             PercentCase{(std::int64_t{1} << 62) - 1, INT64_MAX, 50},
                             PercentCase{INT64_MAX - 1, INT64_MAX, 100},
                             // Outside a run's counts: nothing done is 0, all of it (or more) is 100.
                             PercentCase{0, 4096, 0}, PercentCase{4096, 4096, 100}, PercentCase{8192, 4096, 100},
                             PercentCase{4096, 0, 100}),
                         [](const ::testing::TestParamInfo<PercentCase>& info) {
                             return std::to_string(info.param.done) + "Of" + std::to_string(info.param.length);
                         });

#if defined(__x86_64__) && LDBL_MANT_DIG == 64
// On x86-64 Linux, long double is the x87 80-bit format: the reference the integer arithmetic follows.
int X87Percent(std::int64_t done, std::int64_t length) {
    const long double ratio = static_cast<long double>(done) / static_cast<long double>(length);
    return static_cast<int>(std::nearbyintl(ratio * 100.0L));
}

TEST(ProgressPercentAgainstX87, AgreesForRandomCountsAndLengths) {
    std::mt19937_64 random(20240521);
    for (int i = 0; i < 200000; ++i) {
        // Lengths of every magnitude, from one block to the largest 64-bit size.
        const int bits = 12 + static_cast<int>(random() % 52);
        const std::int64_t length =
            static_cast<std::int64_t>(random() >> (64 - bits)) | (std::int64_t{1} << (bits - 1));
        const bool blockMultiple = i % 2 == 0;
        std::int64_t done = static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(length)) + 1;
        if (blockMultiple) done = std::max<std::int64_t>(4096, done / 4096 * 4096);
        if (done > length) continue;
        ASSERT_EQ(ProgressPercent(done, length), X87Percent(done, length)) << done << " / " << length;
    }
}

TEST(ProgressPercentAgainstX87, AgreesAtEveryBlockOfSmallFiles) {
    for (std::int64_t blocks = 1; blocks <= 400; ++blocks) {
        for (std::int64_t extra : {0, 1, 100, 4095}) {
            const std::int64_t length = blocks * 4096 + extra;
            for (std::int64_t done = 4096; done <= length; done += 4096)
                ASSERT_EQ(ProgressPercent(done, length), X87Percent(done, length)) << done << " / " << length;
        }
    }
}
#endif

}  // namespace
}  // namespace vocset
