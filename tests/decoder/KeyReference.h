// The key stream by its definition, step by step with a bitwise CRC-16/CCITT update, for the tests
// to hold the decoder's table-driven and precomputed stream against.
#pragma once

#include <cstdint>
#include <span>

namespace vocset::testing {

// The CRC-16/CCITT register (polynomial 0x1021, most significant bit first) after taking in one byte.
inline std::uint16_t BitwiseCrcUpdate(std::uint16_t crc, std::uint8_t byte) {
    std::uint32_t value = crc ^ (static_cast<std::uint32_t>(byte) << 8);
    for (int bit = 0; bit < 8; ++bit) value = (value & 0x8000) != 0 ? (value << 1) ^ 0x1021 : value << 1;
    return static_cast<std::uint16_t>(value);
}

// XORs each word of the block with the state after two more steps, advancing the state.
inline void ReferenceTransform(std::span<std::uint8_t> block, std::uint16_t& state) {
    for (std::size_t i = 0; i + 1 < block.size(); i += 2) {
        state = BitwiseCrcUpdate(BitwiseCrcUpdate(state, 0xFF), 0xFF);
        block[i] ^= static_cast<std::uint8_t>(state);
        block[i + 1] ^= static_cast<std::uint8_t>(state >> 8);
    }
}

}  // namespace vocset::testing
