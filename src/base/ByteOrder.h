// Reads and writes of 16- and 32-bit numbers at byte offsets: little-endian, and the one big-endian field.
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

inline void WriteU16le(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void WriteU32le(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    WriteU16le(bytes, offset, static_cast<std::uint16_t>(value));
    WriteU16le(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

// High byte first, as the settings image stores the year.
inline std::uint16_t ReadU16be(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] << 8 | bytes[offset + 1]);
}

inline void WriteU16be(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(value);
}

}  // namespace vocset
