// The 4096-byte block layout of a recording: block 0's header fields, the block limit, the signature
// block, and the check of one block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "decoder/DecoderState.h"

namespace vocset {

inline constexpr std::size_t kBlockSize = 4096;
inline constexpr std::size_t kWordsPerBlock = kBlockSize / 2;

// Fields of block 0.
inline constexpr std::size_t kRiffSizeOffset = 4;
inline constexpr std::size_t kRecorderHighOffset = 44;
inline constexpr std::size_t kRecorderLowOffset = 48;
// The stored checksum at the start of the signature block.
inline constexpr std::size_t kStoredChecksumOffset = 0;

// Sets the block limit and the recorder number from block 0.
void ReadBlockZeroHeader(DecoderState& state, std::span<const std::uint8_t> block);

// The sum of the block's 2048 little-endian words, modulo 2^32.
std::uint32_t SumWords(std::span<const std::uint8_t> block);

// True when the block index equals the block limit; callers take block 0 as the header first.
bool IsSignatureBlock(const DecoderState& state);

// Sums a checksummed block, reads the header from block 0 and compares at the signature block; true
// only at the signature block when its stored checksum equals the running sum.
bool VerifyBlock(DecoderState& state, std::span<const std::uint8_t> block, std::int32_t length);

}  // namespace vocset
