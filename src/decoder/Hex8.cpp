// Fixed-width upper-case hexadecimal.
#include "decoder/Hex8.h"

namespace vocset {

std::string Hex8(std::uint32_t value) {
    std::string digits(8, '0');
    for (auto position = digits.rbegin(); position != digits.rend(); ++position) {
        const unsigned digit = value & 0xF;
        *position = static_cast<char>(digit < 10 ? '0' + digit : 'A' + (digit - 10));
        value >>= 4;
    }
    return digits;
}

}  // namespace vocset
