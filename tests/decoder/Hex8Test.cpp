// Eight hexadecimal digits of the recorder number's halves.
#include <gtest/gtest.h>

#include "decoder/Hex8.h"

namespace vocset {
namespace {

TEST(Hex8, WritesEightUpperCaseDigitsWithLeadingZeros) {
    EXPECT_EQ(Hex8(0), "00000000");
    EXPECT_EQ(Hex8(255), "000000FF");
    EXPECT_EQ(Hex8(0x1234ABCD), "1234ABCD");
    EXPECT_EQ(Hex8(0xFFFFFFFF), "FFFFFFFF");
}

}  // namespace
}  // namespace vocset
