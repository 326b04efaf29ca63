// Eight hexadecimal digits of a 32-bit value, for the recorder number's text.
#pragma once

#include <cstdint>
#include <string>

namespace vocset {

// Exactly 8 characters, most significant digit first, with leading zeros and upper-case letters.
std::string Hex8(std::uint32_t value);

}  // namespace vocset
