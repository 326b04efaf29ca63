// The run-time's conversion of text to a signed 32-bit integer.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vocset {

// Optional leading blanks, an optional "+" or "-", then decimal digits, or hexadecimal digits after
// a "$", "x" or "0x" prefix (x in either case). Nothing may follow. A decimal value must fit in 32
// signed bits, a hexadecimal one in 32 bits. Empty when the text is no such number.
std::optional<std::int32_t> TryStrToInt(std::string_view text);
// As TryStrToInt; throws NotAValidInteger for a text that is no number.
std::int32_t StrToInt(std::string_view text);

}  // namespace vocset
