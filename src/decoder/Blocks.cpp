// Block 0's header, the word sum and the per-block signature check.
#include "decoder/Blocks.h"

#include <array>

#include "base/ByteOrder.h"

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
    // The block as 128 rows of 32 bytes, each column summed apart in 16 bits (128 × 255 cannot
    // overflow): the even columns hold the words' low bytes, the odd ones their high bytes. The same
    // sum modulo 2^32, in a form the compiler turns into wide vector additions.
    constexpr std::size_t kColumns = 32;
    std::array<std::uint16_t, kColumns> columns{};
    for (std::size_t row = 0; row < kBlockSize; row += kColumns) {
        for (std::size_t column = 0; column < kColumns; ++column)
            columns[column] = static_cast<std::uint16_t>(columns[column] + block[row + column]);
    }
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    for (std::size_t column = 0; column < kColumns; column += 2) {
        low += columns[column];
        high += columns[column + 1];
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
