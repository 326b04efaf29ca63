// Text to integer, as the run-time converts it.
#include <gtest/gtest.h>

#include "base/Conversions.h"
#include "base/Errors.h"

namespace vocset {
namespace {

struct Case {
    const char* text;
    std::optional<std::int32_t> value;
};

TEST(ConversionsTest, TryStrToInt) {
    // clang-format off
    const Case cases[] = {
        {"0", 0}, {"42", 42}, {" 42", 42}, {"   +7", 7}, {"-1", -1}, {"65536", 65536},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt}, {"$FF", 255}, {"xff", 255}, {"X10", 16}, {"0x1F", 31}, {"0XaB", 171},
        {"-$10", -16}, {"$FFFFFFFF", -1}, {"$100000000", std::nullopt}, {"$80000000", INT32_MIN},
        {"", std::nullopt}, {" ", std::nullopt}, {"-", std::nullopt}, {"$", std::nullopt}, {"0x", std::nullopt},
        {"12a", std::nullopt}, {"42 ", std::nullopt}, {"\t42", std::nullopt}, {"4 2", std::nullopt},
        {"00012", 12}, {"99999999999999999999", std::nullopt}, {"$G", std::nullopt},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(TryStrToInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(ConversionsTest, StrToIntRaisesTheRunTimeError) {
    EXPECT_EQ(StrToInt("123"), 123);
    try {
        StrToInt("");
        FAIL();
    } catch (const PlatformError& error) {
        EXPECT_STREQ(error.what(), "'''' is not a valid integer value");
    }
    EXPECT_THROW(StrToInt("7b"), PlatformError);
}

}  // namespace
}  // namespace vocset
