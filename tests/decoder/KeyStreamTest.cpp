// The key table, the key-stream step, and the precomputed stream against the step-by-step definition.
#include <gtest/gtest.h>

#include <string>

#include "KeyReference.h"
#include "RecordingBuilder.h"
#include "decoder/Blocks.h"
#include "decoder/Decryption.h"

namespace vocset {
namespace {

using testing::Bytes;

KeyTable BuiltTable() {
    DecoderState state;
    BuildKeyTable(state);
    return state.keyTable;
}

TEST(BuildKeyTable, FillsTheCrc16CcittByteTable) {
    const KeyTable table = BuiltTable();
    EXPECT_EQ(table[0], 0x0000);
    EXPECT_EQ(table[1], 0x1021);
    EXPECT_EQ(table[255], 0x1EF0);
    DecoderState again;
    again.keyTable[7] = 0xBEEF;
    BuildKeyTable(again);
    BuildKeyTable(again);
    EXPECT_EQ(again.keyTable, table);
}

TEST(KeyStep, IsABitwiseCrcUpdateWithTheByte0xFFForEveryState) {
    const KeyTable table = BuiltTable();
    for (std::uint32_t state = 0; state < 65536; ++state) {
        ASSERT_EQ(KeyStep(table, static_cast<std::uint16_t>(state)),
                  testing::BitwiseCrcUpdate(static_cast<std::uint16_t>(state), 0xFF))
            << state;
    }
}

Bytes VariedBlock(int seed) {
    Bytes block(kBlockSize);
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 7 + seed);
    return block;
}

// Seeds of the long cycle (32,767 keys, so 40 blocks wrap round it) and the two fixed points of the
// double step (0x5FEA and 0xAFF5), whose cycle is shorter than a block.
class KeyStreamTest : public ::testing::TestWithParam<std::uint16_t> {};

TEST_P(KeyStreamTest, EqualsTheStepByStepStreamBlockAfterBlock) {
    const KeyTable table = BuiltTable();
    KeyStream stream;
    std::uint16_t fast = GetParam();
    std::uint16_t reference = GetParam();
    for (int block = 0; block < 40; ++block) {
        Bytes actual = VariedBlock(block);
        Bytes expected = actual;
        stream.Apply(table, fast, actual);
        testing::ReferenceTransform(expected, reference);
        ASSERT_EQ(actual, expected) << "block " << block;
        ASSERT_EQ(fast, reference) << "block " << block;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, KeyStreamTest, ::testing::Values(0, 1, 1234, 0x5FEA, 0xAFF5, 0xFFFF),
                         [](const ::testing::TestParamInfo<std::uint16_t>& info) {
                             return "Seed" + std::to_string(info.param);
                         });

TEST(KeyStream, FollowsAStateOrTableChangedBetweenBlocks) {
    KeyTable table = BuiltTable();
    KeyStream stream;
    std::uint16_t state = 99;
    Bytes block = VariedBlock(0);
    stream.Apply(table, state, block);

    // A new seed, as a new run gives it.
    state = 4321;
    std::uint16_t reference = 4321;
    Bytes actual = VariedBlock(1);
    Bytes expected = actual;
    stream.Apply(table, state, actual);
    testing::ReferenceTransform(expected, reference);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(state, reference);

    // Tables whose double step is not invertible, the all-zero one of a reset state among them: from
    // the seed the states run through a tail into a short cycle.
    for (std::uint16_t mask : {0x0000, 0xF00F, 0x0FF0}) {
        for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<std::uint16_t>(i * 0x0101 & mask);
        state = 0x1234;
        reference = 0x1234;
        for (int round = 0; round < 10; ++round) {
            actual = VariedBlock(round);
            expected = actual;
            stream.Apply(table, state, actual);
            for (std::size_t i = 0; i < expected.size(); i += 2) {
                for (int step = 0; step < 2; ++step)
                    reference = static_cast<std::uint16_t>(table[(reference >> 8) ^ 0xFF] ^ (reference << 8));
                expected[i] ^= static_cast<std::uint8_t>(reference);
                expected[i + 1] ^= static_cast<std::uint8_t>(reference >> 8);
            }
            ASSERT_EQ(actual, expected) << "mask " << mask << ", block " << round;
            ASSERT_EQ(state, reference);
        }
    }
}

}  // namespace
}  // namespace vocset
