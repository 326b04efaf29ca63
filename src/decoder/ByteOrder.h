// Little-endian reads and writes of 16- and 32-bit numbers at byte offsets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vocset {

inline std::uint16_t ReadU16le(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

inline std::uint32_t ReadU32le(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return ReadU16le(bytes, offset) | static_cast<std::uint32_t>(ReadU16le(bytes, offset + 2)) << 16;
}

inline std::int32_t ReadI32le(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int32_t>(ReadU32le(bytes, offset));
}

}  // namespace vocset
