// The per-block signature check: which blocks are summed, block 0's header, the signature block.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "RecordingBuilder.h"
#include "decoder/Blocks.h"

namespace vocset {
namespace {

using testing::BlockRecording;
using testing::Bytes;
using testing::MakeBlockRecording;

std::span<const std::uint8_t> BlockOf(const Bytes& bytes, std::size_t index) {
    return std::span(bytes).subspan(index * kBlockSize, kBlockSize);
}

// Feeds the blocks in order as the check's loop does and returns each block's answer.
std::vector<bool> VerifyAll(DecoderState& state, const Bytes& bytes) {
    std::vector<bool> answers;
    for (std::size_t block = 0; block < bytes.size() / kBlockSize; ++block) {
        answers.push_back(VerifyBlock(state, BlockOf(bytes, block), static_cast<std::int32_t>(kBlockSize)));
        ++state.blockIndex;
    }
    return answers;
}

TEST(SumWords, EqualsTheWordByWordSum) {
    // All 0xFF makes every partial sum as large as it can be; low or high bytes alone check each
    // byte's weight; the ramp puts a different value in every place.
    Bytes lowBytes(kBlockSize), highBytes(kBlockSize), ramp(kBlockSize);
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        lowBytes[i] = i % 2 == 0 ? 0xFF : 0;
        highBytes[i] = i % 2 == 1 ? 0xFF : 0;
        ramp[i] = static_cast<std::uint8_t>(i * 7 + i / 13);
    }
    for (const Bytes& block : {Bytes(kBlockSize, 0xFF), Bytes(kBlockSize, 0), lowBytes, highBytes, ramp})
        EXPECT_EQ(SumWords(block), testing::WordSum(block, kBlockSize));
}

TEST(VerifyBlock, IsTrueOnlyAtTheSignatureBlockOfAValidRecording) {
    const Bytes bytes = MakeBlockRecording({.size = 6 * 4096});
    DecoderState state;
    EXPECT_EQ(VerifyAll(state, bytes), (std::vector<bool>{false, false, false, true, false, false}));
    EXPECT_EQ(state.blockLimit, 3u);
    EXPECT_EQ(state.recorderHigh, 0x0A0B0C0Du);
    EXPECT_EQ(state.recorderLow, 0x01020304u);
    EXPECT_EQ(state.storedChecksum, testing::WordSum(bytes, 3 * 4096));
    EXPECT_EQ(state.runningSum, state.storedChecksum) << "blocks after the signature block are not summed";
}

TEST(VerifyBlock, AWrongChecksumIsFalseAtTheSignatureBlock) {
    DecoderState state;
    const std::vector<bool> answers = VerifyAll(state, MakeBlockRecording({.validChecksum = false}));
    EXPECT_EQ(answers, (std::vector<bool>(4, false)));
    EXPECT_EQ(state.storedChecksum, state.runningSum + 1);
}

TEST(VerifyBlock, TheSumWrapsModulo2To32) {
    // A block of 2048 words of 65535, added to a sum about to pass 2^32.
    const Bytes block(kBlockSize, 0xFF);
    DecoderState state;
    state.blockIndex = 1;
    state.blockLimit = 2;
    state.runningSum = 0xFFFFFFF0u;
    VerifyBlock(state, block, 4096);
    EXPECT_EQ(state.runningSum, static_cast<std::uint32_t>(0xFFFFFFF0ull + 2048ull * 65535ull));
}

TEST(VerifyBlock, BlockZeroIsSummedWithTheLimitInForceBeforeItAndIsNeverTheSignatureBlock) {
    // The header says limit 0, but block 0 is summed under the limit of 1 that Start sets.
    const Bytes bytes = MakeBlockRecording({.size = 2 * 4096, .riffSize = 100});
    DecoderState state;
    EXPECT_FALSE(VerifyBlock(state, BlockOf(bytes, 0), 4096));
    EXPECT_EQ(state.runningSum, testing::WordSum(bytes, 4096));
    EXPECT_EQ(state.blockLimit, 0u);

    // With a limit of 0 in force already (left by a decryption), block 0 is not summed.
    DecoderState afterDecryption;
    afterDecryption.blockLimit = 0;
    EXPECT_FALSE(VerifyBlock(afterDecryption, BlockOf(bytes, 0), 4096));
    EXPECT_EQ(afterDecryption.runningSum, 0u);
    afterDecryption.blockIndex = 1;
    EXPECT_FALSE(VerifyBlock(afterDecryption, BlockOf(bytes, 1), 4096)) << "limit 0 names no signature block";
    EXPECT_EQ(afterDecryption.storedChecksum, 0u);
}

TEST(VerifyBlock, ALengthOtherThan4096ChangesNothing) {
    const Bytes bytes = MakeBlockRecording({});
    for (std::int32_t length : {0, 100, 4095, 4097}) {
        DecoderState state;
        EXPECT_FALSE(VerifyBlock(state, BlockOf(bytes, 0), length));
        EXPECT_EQ(state.runningSum, 0u);
        EXPECT_EQ(state.blockLimit, 1u);
        EXPECT_EQ(state.recorderHigh, 0u);
    }
}

struct LimitCase {
    std::uint32_t riffSize;
    std::uint32_t limit;
};

class BlockLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(BlockLimitTest, ComesFromTheRiffSizePlus8OnWrapping32Bits) {
    Bytes block(kBlockSize);
    WriteU32le(block, kRiffSizeOffset, GetParam().riffSize);
    DecoderState state;
    ReadBlockZeroHeader(state, block);
    EXPECT_EQ(state.blockLimit, GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(RiffSizes, BlockLimitTest,
                         ::testing::Values(LimitCase{0, 0}, LimitCase{4087, 0}, LimitCase{4088, 1}, LimitCase{8183, 1},
                                           LimitCase{8184, 2}, LimitCase{4294967287u, 1048575},
                                           LimitCase{4294967288u, 0}, LimitCase{0xFFFFFFFFu, 0}),
                         [](const ::testing::TestParamInfo<LimitCase>& info) {
                             return "Riff" + std::to_string(info.param.riffSize) + "Limit" +
                                    std::to_string(info.param.limit);
                         });

TEST(ReadBlockZeroHeader, TakesEachHalfOfTheRecorderNumberWithItsFirstWordMoreSignificant) {
    Bytes block(kBlockSize);
    const std::uint8_t number[] = {0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A, 0xF0, 0xDE};
    std::copy(std::begin(number), std::end(number), block.begin() + kRecorderHighOffset);
    DecoderState state;
    ReadBlockZeroHeader(state, block);
    EXPECT_EQ(state.recorderHigh, 0x12345678u);
    EXPECT_EQ(state.recorderLow, 0x9ABCDEF0u);
}

}  // namespace
}  // namespace vocset
