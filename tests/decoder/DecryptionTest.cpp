// Decryption of one block and of a whole recording: which blocks are transformed, the key state, the
// progress, Stop, short sources and failed writes.
#include <gtest/gtest.h>

#include <algorithm>

#include "KeyReference.h"
#include "LoopRecorder.h"
#include "RecordingBuilder.h"
#include "base/ByteOrder.h"
#include "base/Errors.h"
#include "decoder/Blocks.h"
#include "decoder/Decryption.h"
#include "decoder/Progress.h"
#include "support/PosixFileSystem.h"
#include "support/TempFolder.h"

namespace vocset {
namespace {

using testing::BlockRecording;
using testing::Bytes;
using testing::LoopRecorder;
using testing::MakeBlockRecording;
using testing::ReadBytes;
using testing::WriteBytes;

struct Reference {
    Bytes bytes;
    std::uint16_t keyState;
};

// The transform of whole blocks by its definition: block 0 and the block at the limit that block 0
// gives stay plain, every other block is XORed with the stream that runs on from the seed.
Reference ReferenceDecrypt(Bytes bytes, std::uint16_t seed) {
    if (bytes.size() < kBlockSize) return {bytes, seed};
    const std::size_t limit = testing::BlockLimit(ReadU32le(bytes, kRiffSizeOffset));
    std::uint16_t state = seed;
    for (std::size_t block = 1; block < bytes.size() / kBlockSize; ++block) {
        if (block != limit)
            testing::ReferenceTransform(std::span(bytes).subspan(block * kBlockSize, kBlockSize), state);
    }
    return {bytes, state};
}

DecoderState SeededState(std::uint16_t seed) {
    DecoderState state;
    BuildKeyTable(state);
    SeedKeyState(state, seed);
    return state;
}

using testing::kEarlyInSecondChunk;
using testing::kInSecondChunk;
constexpr std::size_t kLongSource = testing::kLongRecordingBlocks;

Bytes FirstBlocks(const Bytes& bytes, std::size_t blocks) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(blocks * kBlockSize));
}

// What the progress bar shows block by block: 0 at the start, then the share of each block written.
std::vector<int> ProgressOfBlocks(std::size_t blocks, std::size_t length) {
    std::vector<int> progress{0};
    for (std::size_t block = 1; block <= blocks; ++block)
        progress.push_back(
            ProgressPercent(static_cast<std::int64_t>(block * kBlockSize), static_cast<std::int64_t>(length)));
    return progress;
}

class DecryptRecordingTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    testing::PosixFileSystem files;
    LoopRecorder loop;
    BlockLoopHooks hooks = loop.Hooks();

    bool Decrypt(DecoderState& state, const Bytes& source) {
        WriteBytes("in.xxx", source);
        return DecryptRecording(state, "in.xxx", "out.wav", files, hooks);
    }
};

struct StreamCase {
    const char* name;
    std::uint16_t seed;
    std::size_t blocks;
    std::uint32_t riffSize;
};

class DecryptRecordingStreamTest : public DecryptRecordingTest, public ::testing::WithParamInterface<StreamCase> {};

TEST_P(DecryptRecordingStreamTest, TransformsEveryBlockButTheHeaderAndSignatureBlockAsTheDefinitionSays) {
    const auto [name, seed, blocks, riffSize] = GetParam();
    const Bytes source = MakeBlockRecording({.size = blocks * kBlockSize, .riffSize = riffSize});
    DecoderState state = SeededState(seed);
    EXPECT_TRUE(Decrypt(state, source));

    const Reference expected = ReferenceDecrypt(source, seed);
    EXPECT_EQ(ReadBytes("out.wav"), expected.bytes);
    EXPECT_EQ(state.keyState, expected.keyState);
    EXPECT_EQ(state.blockIndex, static_cast<std::int32_t>(blocks));
    EXPECT_EQ(state.blockLimit, testing::BlockLimit(riffSize));
    EXPECT_EQ(state.recorderHigh, 0x0A0B0C0Du);
    EXPECT_EQ(loop.LastProgress(), 100);
}

INSTANTIATE_TEST_SUITE_P(BlockLimits, DecryptRecordingStreamTest,
                         ::testing::Values(StreamCase{"LimitZeroEveryBlockAfterTheHeader", 1234, 6, 100},
                                           StreamCase{"LimitOneBlockTwoFromTheSeed", 1234, 6, 4096 - 8},
                                           StreamCase{"SignatureBlockMidFile", 0, 20, 9 * 4096 - 8},
                                           StreamCase{"LimitNNoSignatureBlockInTheFile", 0xFFFF, 6, 6 * 4096 - 8},
                                           StreamCase{"LimitBeyondTheFileFromAFixedPoint", 0x5FEA, 6, 40 * 4096 - 8},
                                           StreamCase{"RoundTheWholeKeyCycle", 777, 40, 39 * 4096 - 8},
                                           StreamCase{"SignatureBlockOpeningAChunk", 0x1357, kLongSource,
                                                      kChunkBlocks * 4096 - 8}),
                         [](const ::testing::TestParamInfo<StreamCase>& info) { return std::string(info.param.name); });

TEST_F(DecryptRecordingTest, AdvancesTheKeyStateByEveryTransformedBlock) {
    // From a seed on the long cycle of 32,767 double steps: 4096 × (N − 2) steps with the signature
    // block inside the file, 4096 × (N − 1) without.
    auto advanced = [](std::uint16_t state, std::size_t steps) {
        for (std::size_t i = 0; i < steps; ++i) state = testing::BitwiseCrcUpdate(state, 0xFF);
        return state;
    };
    DecoderState inside = SeededState(42);
    Decrypt(inside, MakeBlockRecording({.size = 5 * kBlockSize}));
    EXPECT_EQ(inside.keyState, advanced(42, 4096 * 3));
    DecoderState outside = SeededState(42);
    Decrypt(outside, MakeBlockRecording({.size = 5 * kBlockSize, .riffSize = 4000}));
    EXPECT_EQ(outside.keyState, advanced(42, 4096 * 4));
}

TEST_F(DecryptRecordingTest, DecryptingTheOutputAgainGivesTheInputBack) {
    const Bytes source = MakeBlockRecording({.size = 12 * kBlockSize, .riffSize = 7 * 4096 - 8});
    DecoderState first = SeededState(2024);
    Decrypt(first, source);
    const Bytes once = ReadBytes("out.wav");
    ASSERT_NE(once, source);
    DecoderState second = SeededState(2024);
    Decrypt(second, once);
    EXPECT_EQ(ReadBytes("out.wav"), source);
}

TEST_F(DecryptRecordingTest, ProcessesMessagesAndTestsStopBeforeEveryBlockTheFirstIncluded) {
    DecoderState state = SeededState(1);
    EXPECT_TRUE(Decrypt(state, MakeBlockRecording({.size = 8 * kBlockSize})));
    EXPECT_EQ(loop.progress, (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88, 100}));
    // Eight blocks and the read of no byte after them.
    ASSERT_EQ(loop.pumps.size(), 9u);
    EXPECT_EQ(loop.pumps.front(), PumpMode::Always);
    EXPECT_EQ(std::count(loop.pumps.begin(), loop.pumps.end(), PumpMode::MayDefer), 8);
}

TEST_F(DecryptRecordingTest, ALastBlockShorterThan4096BytesIsNeitherTransformedNorWritten) {
    Bytes source = MakeBlockRecording({.size = 3 * kBlockSize + 100});
    DecoderState state = SeededState(5);
    EXPECT_FALSE(Decrypt(state, source));
    EXPECT_EQ(loop.progress, (std::vector<int>{0, 33, 66, 99}));
    source.resize(3 * kBlockSize);
    EXPECT_EQ(ReadBytes("out.wav"), ReferenceDecrypt(source, 5).bytes);
}

TEST_F(DecryptRecordingTest, AnEmptySourceGivesAnEmptyTarget) {
    DecoderState state = SeededState(5);
    EXPECT_TRUE(Decrypt(state, {}));
    EXPECT_TRUE(ReadBytes("out.wav").empty());
    EXPECT_EQ(loop.progress, (std::vector<int>{0}));
    EXPECT_EQ(state.keyState, 5);
}

TEST_F(DecryptRecordingTest, ASourceShorterThanABlockIsRefusedAtBlockZero) {
    DecoderState state = SeededState(5);
    EXPECT_FALSE(Decrypt(state, Bytes(100, 0x42)));
    EXPECT_TRUE(ReadBytes("out.wav").empty());
    EXPECT_EQ(loop.progress, (std::vector<int>{0}));
    EXPECT_EQ(state.blockLimit, 1u);
    EXPECT_EQ(state.recorderHigh, 0u);
}

TEST_F(DecryptRecordingTest, OneBlockIsCopiedAsItStands) {
    const Bytes source = MakeBlockRecording({.size = kBlockSize});
    DecoderState state = SeededState(5);
    EXPECT_TRUE(Decrypt(state, source));
    EXPECT_EQ(ReadBytes("out.wav"), source);
    EXPECT_EQ(state.keyState, 5);
    EXPECT_EQ(loop.LastProgress(), 100);
}

TEST_F(DecryptRecordingTest, StopEndsTheRunBeforeTheNextBlockKeepingTheBlocksWritten) {
    const Bytes source = MakeBlockRecording({.size = kLongSource * kBlockSize});
    // Before the first block, inside the first chunk, inside the second.
    for (int stopAt : {0, 2, static_cast<int>(kInSecondChunk)}) {
        LoopRecorder stopping;
        stopping.stopAtPump = stopAt;
        const BlockLoopHooks stoppingHooks = stopping.Hooks();
        WriteBytes("in.xxx", source);
        DecoderState state = SeededState(5);
        EXPECT_FALSE(DecryptRecording(state, "in.xxx", "out.wav", files, stoppingHooks));
        const Bytes expected = ReferenceDecrypt(source, 5).bytes;
        EXPECT_EQ(ReadBytes("out.wav"), Bytes(expected.begin(), expected.begin() + stopAt * 4096));
        EXPECT_EQ(stopping.pumps.size(), static_cast<std::size_t>(stopAt + 1));
    }
}

TEST_F(DecryptRecordingTest, AnErrorInsideTheLoopLeavesTheTargetHoldingTheBlocksTransformedBeforeIt) {
    const Bytes source = MakeBlockRecording({.size = kLongSource * kBlockSize});
    loop.whilePumping = [](int pump) {
        if (pump == static_cast<int>(kInSecondChunk)) throw PlatformError("raised inside the loop");
    };
    DecoderState state = SeededState(5);
    EXPECT_THROW(Decrypt(state, source), PlatformError);
    EXPECT_EQ(ReadBytes("out.wav"), ReferenceDecrypt(FirstBlocks(source, kInSecondChunk), 5).bytes);
    EXPECT_EQ(files.openStreams(), 0);
}

// How the source ends, or stops delivering: the loop handles the blocks before, as one block read
// after another would have.
struct SourceEndCase {
    const char* name;
    std::size_t size;        // bytes in the source
    std::int64_t readLimit;  // reads deliver nothing from here on; -1: every byte can be read
    bool failWholeRead;      // a read that meets the limit delivers nothing at all
    bool result;
    std::size_t blocks;  // blocks decrypted and written
};

class DecryptRecordingSourceEndTest : public DecryptRecordingTest,
                                      public ::testing::WithParamInterface<SourceEndCase> {};

TEST_P(DecryptRecordingSourceEndTest, HandlesEveryWholeBlockBeforeTheEndAndNoOther) {
    const SourceEndCase& end = GetParam();
    const Bytes source = MakeBlockRecording({.size = end.size, .riffSize = kEarlyInSecondChunk * 4096 - 8});
    files.readLimit = end.readLimit;
    files.failWholeMove = end.failWholeRead;
    DecoderState state = SeededState(99);
    EXPECT_EQ(Decrypt(state, source), end.result);

    const Reference expected = ReferenceDecrypt(FirstBlocks(source, end.blocks), 99);
    EXPECT_EQ(ReadBytes("out.wav"), expected.bytes);
    EXPECT_EQ(state.keyState, expected.keyState);
    EXPECT_EQ(state.blockIndex, static_cast<std::int32_t>(end.blocks));
    EXPECT_EQ(state.recorderLow, end.blocks > 0 ? 0x01020304u : 0u);
    // Messages and Stop before each block, and before the read that ended the run.
    EXPECT_EQ(loop.pumps.size(), end.blocks + 1);
    EXPECT_EQ(loop.stopTests, static_cast<int>(end.blocks + 1));
    EXPECT_EQ(loop.progress, ProgressOfBlocks(end.blocks, end.size));
}

INSTANTIATE_TEST_SUITE_P(
    Ends, DecryptRecordingSourceEndTest,
    ::testing::Values(SourceEndCase{"AtAChunkBoundary", 2 * kChunkBlocks * 4096, -1, false, true, 2 * kChunkBlocks},
                      SourceEndCase{"InAPartialBlockAfterTwoChunks", kLongSource * 4096 + 100, -1, false, false,
                                    kLongSource},
                      SourceEndCase{"ReadCutAtABlockBoundary", kLongSource * 4096, kInSecondChunk * 4096, false, true,
                                    kInSecondChunk},
                      SourceEndCase{"ReadCutInsideABlock", kLongSource * 4096, kInSecondChunk * 4096 + 100, false,
                                    false, kInSecondChunk},
                      // A read that meets a bad spot fails whole: the blocks of its chunk before the spot are read
                      // one at a time, and the read of the block over it, which delivers nothing, ends the source.
                      SourceEndCase{"ReadFailingInsideTheSecondChunk", kLongSource * 4096, kInSecondChunk * 4096 + 100,
                                    true, true, kInSecondChunk},
                      SourceEndCase{"ReadFailingAtTheFirstBlockOfAChunk", kLongSource * 4096, kChunkBlocks * 4096 + 100,
                                    true, true, kChunkBlocks},
                      SourceEndCase{"ReadFailingAtTheFirstBlock", kLongSource * 4096, 100, true, true, 0},
                      SourceEndCase{"ReadFailingInTheLastChunk", kLongSource * 4096 + 100,
                                    (2 * kChunkBlocks + 50) * 4096 + 100, true, true, 2 * kChunkBlocks + 50},
                      // A read of the last chunk cut inside a block before the file's end: the same partial block as a
                      // read of that block alone.
                      SourceEndCase{"ReadCutInsideABlockOfTheLastChunk", kLongSource * 4096,
                                    (2 * kChunkBlocks + 50) * 4096 + 100, false, false, 2 * kChunkBlocks + 50}),
    [](const ::testing::TestParamInfo<SourceEndCase>& info) { return std::string(info.param.name); });

// A target that stores fewer bytes than it is given (a full disk): the decryption fails, ending as a
// failed write of the first block not stored would have ended it, block by block.
struct ShortWriteCase {
    const char* name;
    std::int64_t budget;  // bytes the target takes in all
    bool failWholeWrite;  // the write that meets the budget stores nothing at all
    std::size_t failed;   // the first block not stored
};

class DecryptRecordingShortWriteTest : public DecryptRecordingTest,
                                       public ::testing::WithParamInterface<ShortWriteCase> {};

TEST_P(DecryptRecordingShortWriteTest, FailsAsAFailedWriteOfTheFirstBlockNotStored) {
    const ShortWriteCase& write = GetParam();
    const Bytes source =
        MakeBlockRecording({.size = kLongSource * kBlockSize, .riffSize = kEarlyInSecondChunk * 4096 - 8});
    files.writeBudget = write.budget;
    files.failWholeMove = write.failWholeWrite;
    DecoderState state = SeededState(99);
    EXPECT_FALSE(Decrypt(state, source));

    // The target holds what it stored and nothing written after it.
    const Bytes expected = ReferenceDecrypt(source, 99).bytes;
    const std::size_t held = write.failWholeWrite ? write.failed * kBlockSize : static_cast<std::size_t>(write.budget);
    EXPECT_EQ(ReadBytes("out.wav"), Bytes(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(held)));
    // The failed block was transformed and counted, with nothing stored.
    EXPECT_EQ(state.blockIndex, static_cast<std::int32_t>(write.failed + 1));
    EXPECT_EQ(state.keyState, ReferenceDecrypt(FirstBlocks(source, write.failed + 1), 99).keyState);
    EXPECT_EQ(state.recorderLow, 0x01020304u);
    // The blocks of the failed block's chunk were handled, with their messages, Stop tests and progress,
    // before the chunk was written; the progress then goes back to the blocks stored.
    const std::size_t handled = std::min((write.failed / kChunkBlocks + 1) * kChunkBlocks, kLongSource);
    std::vector<int> progress = ProgressOfBlocks(handled, source.size());
    progress.push_back(ProgressOfBlocks(write.failed, source.size()).back());
    EXPECT_EQ(loop.progress, progress);
    EXPECT_EQ(loop.pumps.size(), handled);
    EXPECT_EQ(loop.stopTests, static_cast<int>(handled));
}

INSTANTIATE_TEST_SUITE_P(
    Writes, DecryptRecordingShortWriteTest,
    ::testing::Values(
        ShortWriteCase{"NothingStored", 0, false, 0},
        ShortWriteCase{"PartOfABlockInTheFirstChunk", 4096 + 100, false, 1},
        ShortWriteCase{"SecondChunkStoresNothing", kChunkBlocks * 4096, false, kChunkBlocks},
        ShortWriteCase{"PartOfTheSecondChunk", kInSecondChunk * 4096 + 100, false, kInSecondChunk},
        // A write that meets the full disk fails whole: its blocks are written again one at a time, and the
        // first that does not fit ends the run.
        ShortWriteCase{"WriteFailingInsideTheSecondChunk", kInSecondChunk * 4096 + 100, true, kInSecondChunk},
        ShortWriteCase{"WriteFailingAtTheFirstBlockOfAChunk", kChunkBlocks * 4096 + 100, true, kChunkBlocks},
        ShortWriteCase{"WriteFailingAtTheFirstBlock", 100, true, 0},
        ShortWriteCase{"WriteFailingInTheLastChunk", (2 * kChunkBlocks + 50) * 4096 + 100, true, 2 * kChunkBlocks + 50},
        ShortWriteCase{"PartOfTheLastChunk", (2 * kChunkBlocks + 50) * 4096 + 7, false, 2 * kChunkBlocks + 50}),
    [](const ::testing::TestParamInfo<ShortWriteCase>& info) { return std::string(info.param.name); });

// A fault that passes: the failed chunk is done again a block at a time, every block succeeds, and
// the run goes on with chunks, as a healthy run ends.
TEST_F(DecryptRecordingTest, AChunkThatFailsOnceIsDoneAgainBlockByBlockAndTheRunGoesOnWithChunks) {
    struct Case {
        const char* name;
        std::int64_t readFaultAt;
        std::int64_t writeFaultAt;
        bool failWholeMove;  // the failed move moves nothing, else the bytes before the fault
        int blocksAgain;     // reads or writes of single blocks after the failed one
    };
    // The fault lies 100 bytes into the 45th block of the second chunk. A read is done again from the
    // chunk's start, a write from the first block that it did not store whole.
    constexpr std::int64_t kFault = kInSecondChunk * 4096 + 100;
    constexpr int kAfterFault = static_cast<int>(2 * kChunkBlocks - kInSecondChunk);
    const Case cases[] = {{"ReadFailing", kFault, -1, true, static_cast<int>(kChunkBlocks)},
                          {"ReadCut", kFault, -1, false, static_cast<int>(kChunkBlocks)},
                          {"WriteFailing", -1, kFault, true, static_cast<int>(kChunkBlocks)},
                          {"WriteCut", -1, kFault, false, kAfterFault}};
    const Bytes source =
        MakeBlockRecording({.size = kLongSource * kBlockSize, .riffSize = kEarlyInSecondChunk * 4096 - 8});
    for (const Case& c : cases) {
        LoopRecorder recorder;
        const BlockLoopHooks recorderHooks = recorder.Hooks();
        files.passingReadFaultAt = c.readFaultAt;
        files.passingWriteFaultAt = c.writeFaultAt;
        files.failWholeMove = c.failWholeMove;
        files.reads = files.writes = 0;
        WriteBytes("in.xxx", source);
        DecoderState state = SeededState(99);
        EXPECT_TRUE(DecryptRecording(state, "in.xxx", "out.wav", files, recorderHooks)) << c.name;

        const Reference expected = ReferenceDecrypt(source, 99);
        EXPECT_EQ(ReadBytes("out.wav"), expected.bytes) << c.name;
        EXPECT_EQ(state.keyState, expected.keyState) << c.name;
        EXPECT_EQ(state.blockIndex, static_cast<std::int32_t>(kLongSource)) << c.name;
        EXPECT_EQ(recorder.progress, ProgressOfBlocks(kLongSource, source.size())) << c.name;
        EXPECT_EQ(recorder.pumps.size(), kLongSource + 1) << c.name;
        EXPECT_EQ(recorder.stopTests, static_cast<int>(kLongSource + 1)) << c.name;
        // Three chunks, the one that failed among them, then its blocks again one at a time.
        EXPECT_EQ(files.reads, 3 + (c.readFaultAt >= 0 ? c.blocksAgain : 0)) << c.name;
        EXPECT_EQ(files.writes, 3 + (c.writeFaultAt >= 0 ? c.blocksAgain : 0)) << c.name;
    }
}

TEST_F(DecryptRecordingTest, OpenAndCreateErrorsReachTheCallerWithBothFilesClosed) {
    DecoderState state = SeededState(5);
    EXPECT_THROW(DecryptRecording(state, "missing.xxx", "out.wav", files, hooks), PlatformError);
    EXPECT_FALSE(files.FileExists("out.wav"));
    EXPECT_EQ(loop.progress, (std::vector<int>{0}));

    const Bytes source = MakeBlockRecording({});
    WriteBytes("in.xxx", source);
    try {
        DecryptRecording(state, "in.xxx", "in.xxx", files, hooks);
        FAIL() << "a target naming the open source cannot be created";
    } catch (const PlatformError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create file \"" + folder.File("in.xxx") + "\". Sharing violation.");
    }
    EXPECT_EQ(ReadBytes("in.xxx"), source);
    EXPECT_EQ(files.openStreams(), 0);
    EXPECT_TRUE(loop.pumps.empty());
}

TEST_F(DecryptRecordingTest, TheProgressOfASourceOf4GiBAndMoreIsTakenFromItsWholeSize) {
    // A sparse source of 2^32 + 8192 bytes: its low 32 bits alone would say two blocks make 100.
    testing::CreateSparseFile("in.xxx", (std::uintmax_t{1} << 32) + 8192);
    loop.stopAtPump = 3;
    DecoderState state = SeededState(5);
    EXPECT_FALSE(DecryptRecording(state, "in.xxx", "out.wav", files, hooks));
    EXPECT_EQ(loop.progress, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(ReadBytes("out.wav").size(), 3u * 4096u);
}

TEST(DecryptBlock, ALengthOtherThan4096ChangesNothing) {
    const Bytes block = MakeBlockRecording({.size = 4096});
    for (std::int32_t length : {0, 4095, 4097}) {
        DecoderState state = SeededState(5);
        state.blockIndex = 2;
        Bytes buffer = block;
        EXPECT_FALSE(DecryptBlock(state, buffer, length));
        EXPECT_EQ(buffer, block);
        EXPECT_EQ(state.keyState, 5);
        state.blockIndex = 0;
        EXPECT_FALSE(DecryptBlock(state, buffer, length));
        EXPECT_EQ(state.blockLimit, 1u);
    }
}

TEST(DecryptBlock, BlockZeroGivesTheHeaderEvenUnderALimitOfZero) {
    const Bytes block = MakeBlockRecording({.size = 4096, .riffSize = 4096 * 5 - 8});
    DecoderState state = SeededState(5);
    state.blockLimit = 0;
    Bytes buffer = block;
    EXPECT_TRUE(DecryptBlock(state, buffer, 4096));
    EXPECT_EQ(buffer, block);
    EXPECT_EQ(state.keyState, 5);
    EXPECT_EQ(state.blockLimit, 5u);
    EXPECT_EQ(state.recorderLow, 0x01020304u);
}

}  // namespace
}  // namespace vocset
