// Block 0's header, the word sum and the per-block signature check.
#include "decoder/Blocks.h"

#include "decoder/ByteOrder.h"

namespace vocset {

namespace {
// The halves of the recorder number put their first word in the more significant place.
std::uint32_t ReadHighWordFirst(std::span<const std::uint8_t> block, std::size_t offset) {
    return static_cast<std::uint32_t>(ReadU16le(block, offset)) << 16 | ReadU16le(block, offset + 2);
}
}  // namespace

void ReadBlockZeroHeader(DecoderState& state, std::span<const std::uint8_t> block) {
    // The addition wraps on 32 bits, as the recorder computes it.
    state.blockLimit = (ReadU32le(block, kRiffSizeOffset) + 8u) / kBlockSize;
    state.recorderHigh = ReadHighWordFirst(block, kRecorderHighOffset);
    state.recorderLow = ReadHighWordFirst(block, kRecorderLowOffset);
}

std::uint32_t SumWords(std::span<const std::uint8_t> block) {
    // Summing low and high bytes apart gives the same value modulo 2^32 and lets the compiler vectorise.
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    for (std::size_t i = 0; i < kBlockSize; i += 2) {
        low += block[i];
        high += block[i + 1];
    }
    return low + (high << 8);
}

bool IsSignatureBlock(const DecoderState& state) {
    return static_cast<std::int64_t>(state.blockIndex) == state.blockLimit;
}

bool VerifyBlock(DecoderState& state, std::span<const std::uint8_t> block, std::int32_t length) {
    if (length != static_cast<std::int32_t>(kBlockSize) || block.size() < kBlockSize) return false;
    // The sum uses the limit in force before block 0 sets it.
    if (static_cast<std::int64_t>(state.blockIndex) < state.blockLimit) state.runningSum += SumWords(block);
    if (state.blockIndex == 0) {
        ReadBlockZeroHeader(state, block);
        return false;
    }
    if (!IsSignatureBlock(state)) return false;
    state.storedChecksum = ReadU32le(block, kStoredChecksumOffset);
    return state.runningSum == state.storedChecksum;
}

}  // namespace vocset
