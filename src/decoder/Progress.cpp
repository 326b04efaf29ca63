// Extended-precision percentage, computed exactly with 64-bit integers.
#include "decoder/Progress.h"

#include <optional>

namespace vocset {

namespace {
constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

// significand × 2^exponent, the significand with its top bit set: an extended-precision number.
struct Extended {
    std::uint64_t significand;
    int exponent;
};

// Whether kept + dropped / 2^count (0 < count < 64) rounds up to nearest, halfway to even.
bool RoundsUp(std::uint64_t kept, std::uint64_t dropped, int count) {
    const std::uint64_t half = std::uint64_t{1} << (count - 1);
    return dropped > half || (dropped == half && (kept & 1) != 0);
}

// numerator / denominator for 0 < numerator < denominator, rounded to a 64-bit significand.
Extended Divide(std::uint64_t numerator, std::uint64_t denominator) {
    // Long division, one quotient bit per step; the remainder stays below the denominator (< 2^63).
    std::uint64_t remainder = numerator;
    int exponent = 0;
    auto nextBit = [&] {
        remainder <<= 1;
        --exponent;
        if (remainder < denominator) return std::uint64_t{0};
        remainder -= denominator;
        return std::uint64_t{1};
    };
    std::uint64_t significand = 0;
    while (significand == 0) significand = nextBit();
    for (int bit = 1; bit < 64; ++bit) significand = significand << 1 | nextBit();
    // The next bit is the rounding bit; any remainder beyond it lies strictly between.
    const std::uint64_t roundBit = nextBit();
    ++exponent;
    if (roundBit != 0 && (remainder != 0 || (significand & 1) != 0)) {
        if (++significand == 0) {
            significand = kTopBit;
            ++exponent;
        }
    }
    return {significand, exponent};
}

// value × factor, for a factor from 2 to 2^32 - 1, rounded to a 64-bit significand.
Extended MultiplyBy(Extended value, std::uint32_t factor) {
    // The exact product as high:low, from the two 32-bit halves of the significand.
    const std::uint64_t lowPart = (value.significand & 0xFFFFFFFFu) * factor;
    const std::uint64_t highPart = (value.significand >> 32) * factor;
    std::uint64_t low = lowPart + (highPart << 32);
    std::uint64_t high = (highPart >> 32) + (low < lowPart ? 1 : 0);

    // The product has 65 to 96 bits: shift out the bits of high.
    int shift = 0;
    while ((high >> shift) != 0) ++shift;
    std::uint64_t kept = high << (64 - shift) | low >> shift;
    const std::uint64_t dropped = low & ((std::uint64_t{1} << shift) - 1);
    int exponent = value.exponent + shift;
    if (RoundsUp(kept, dropped, shift) && ++kept == 0) {
        kept = kTopBit;
        ++exponent;
    }
    return {kept, exponent};
}

// The nearest integer, halfway to even, of a value below 2^57, so that some of its bits are fraction.
int RoundToInteger(Extended value) {
    const int fractionBits = -value.exponent;
    // Below 2^64 × 2^-65 = 1/2.
    if (fractionBits > 64) return 0;
    if (fractionBits == 64) return value.significand > kTopBit ? 1 : 0;
    const std::uint64_t whole = value.significand >> fractionBits;
    const std::uint64_t fraction = value.significand & ((std::uint64_t{1} << fractionBits) - 1);
    return static_cast<int>(whole + (RoundsUp(whole, fraction, fractionBits) ? 1 : 0));
}

// The exact value rounded to the nearest integer, unless it lies too near a halfway point for that to
// be the rounded extended result: the two roundings of the extended arithmetic move the value by less
// than 2^-56, so away from a halfway point they cannot change the integer it rounds to. Called for
// every block of a run, where the long division would take a good share of the time.
std::optional<int> ExactPercentAwayFromHalfway(std::uint64_t done, std::uint64_t length) {
    if (done >= std::uint64_t{1} << 56) return std::nullopt;  // done × 100 must fit
    const std::uint64_t scaled = done * 100;
    const std::uint64_t whole = scaled / length;
    const std::uint64_t twiceFraction = 2 * (scaled % length);  // in units of 1 / (2 × length)
    const std::uint64_t distance = twiceFraction > length ? twiceFraction - length : length - twiceFraction;
    // Farther than 2^-41 from the halfway point.
    if (distance <= (length >> 40) + 1) return std::nullopt;
    return static_cast<int>(whole + (twiceFraction > length ? 1 : 0));
}
}  // namespace

int ProgressPercent(std::int64_t done, std::int64_t length) {
    if (done <= 0) return 0;
    if (done >= length) return 100;
    if (const std::optional<int> percent =
            ExactPercentAwayFromHalfway(static_cast<std::uint64_t>(done), static_cast<std::uint64_t>(length)))
        return *percent;
    const Extended ratio = Divide(static_cast<std::uint64_t>(done), static_cast<std::uint64_t>(length));
    return RoundToInteger(MultiplyBy(ratio, 100));
}

}  // namespace vocset
