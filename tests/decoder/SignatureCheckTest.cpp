// The signature check over real files: verdicts, progress, Stop, and the report saved on every way out.
#include <gtest/gtest.h>

#include "LoopRecorder.h"
#include "RecordingBuilder.h"
#include "base/Errors.h"
#include "decoder/Progress.h"
#include "decoder/SignatureCheck.h"
#include "support/Fakes.h"
#include "support/PosixFileSystem.h"
#include "support/TempFolder.h"
#include "ui/Language.h"

namespace vocset {
namespace {

using testing::BlockRecording;
using testing::Bytes;
using testing::MakeBlockRecording;
using testing::ReadBytes;
using testing::WriteBytes;

std::string ReportText(const std::string& path) {
    const Bytes bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

class CheckSignatureTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    testing::PosixFileSystem files;
    testing::FakeLocale locale;
    testing::RecordingMessageBoxes messages;
    testing::LoopRecorder loop;
    BlockLoopHooks hooks = loop.Hooks();
    ReportTexts texts{kEnglish.Text(TextId::ReportTitle), kEnglish.Text(TextId::ReportCount),
                      kEnglish.Text(TextId::ReportHeading), kEnglish.Text(TextId::UnableToWriteData)};
    DecoderState state;

    bool Check(const std::string& name) { return CheckSignature(state, name, {files, locale, messages, hooks, texts}); }
    bool Check(const Bytes& bytes, const std::string& name = "r.wav") {
        WriteBytes(name, bytes);
        return Check(name);
    }
};

TEST_F(CheckSignatureTest, AValidRecordingIsTrueAtItsSignatureBlockAndReadsNoFurther) {
    EXPECT_TRUE(Check(MakeBlockRecording({.size = 7 * 4096})));
    EXPECT_EQ(loop.progress, (std::vector<int>{0, 14, 29, 43, 100}));
    // Messages before each of the four blocks read, the first one looking at the queue without fail.
    EXPECT_EQ(loop.pumps,
              (std::vector<PumpMode>{PumpMode::Always, PumpMode::MayDefer, PumpMode::MayDefer, PumpMode::MayDefer}));
    EXPECT_EQ(state.recorderHigh, 0x0A0B0C0Du);
    EXPECT_EQ(state.recorderLow, 0x01020304u);
    EXPECT_EQ(ReportText("r.txt"), "File tags \"r.wav\"\r\nNumber of tags: 0\r\n");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(files.openStreams(), 0);
}

TEST_F(CheckSignatureTest, AChangedByteIsFalseAfterTheWholeFileIsRead) {
    Bytes bytes = MakeBlockRecording({.size = 8 * 4096, .riffSize = 7 * 4096 - 8});
    bytes[4096 + 10] ^= 1;
    EXPECT_FALSE(Check(bytes));
    EXPECT_EQ(loop.progress, (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88, 100, 100}));
    EXPECT_EQ(loop.pumps.size(), 8u);
}

TEST_F(CheckSignatureTest, AShortLastReadEndsTheCheckKeepingTheLastPercentage) {
    EXPECT_FALSE(Check(MakeBlockRecording({.size = 3 * 4096 + 100, .riffSize = 8 * 4096 - 8})));
    EXPECT_EQ(loop.progress, (std::vector<int>{0, 33, 66, 99}));
}

// Recordings of two chunks and part of a third: the verdict at the signature block, or the end at a
// read that delivers less, as one block read after another.
constexpr std::size_t kLong = testing::kLongRecordingBlocks;
constexpr std::size_t kMid = testing::kInSecondChunk;
constexpr std::size_t kEarly = testing::kEarlyInSecondChunk;

struct ChunkCase {
    const char* name;
    std::uint32_t riffSize;
    std::int64_t readLimit;  // reads deliver nothing from here on; -1: every byte can be read
    bool failWholeRead;      // a read that meets the limit delivers nothing at all
    bool valid;
    std::size_t blocks;  // blocks checked
};

class CheckSignatureChunkTest : public CheckSignatureTest, public ::testing::WithParamInterface<ChunkCase> {};

TEST_P(CheckSignatureChunkTest, ChecksEveryBlockAsABlockByBlockReadWould) {
    const ChunkCase& check = GetParam();
    const Bytes bytes = MakeBlockRecording({.size = kLong * 4096, .riffSize = check.riffSize});
    // Set once the tags have been read, so that only the loop's reads meet the limit.
    loop.whilePumping = [&](int pump) {
        if (pump == 0) files.readLimit = check.readLimit;
    };
    files.failWholeMove = check.failWholeRead;
    EXPECT_EQ(Check(bytes), check.valid);

    const std::size_t summed = std::min<std::size_t>(check.blocks, testing::BlockLimit(check.riffSize));
    EXPECT_EQ(state.runningSum, testing::WordSum(bytes, summed * 4096));
    EXPECT_EQ(state.blockIndex, static_cast<std::int32_t>(check.valid ? check.blocks - 1 : check.blocks));
    EXPECT_EQ(state.recorderLow, check.blocks > 0 ? 0x01020304u : 0u);
    // Messages and Stop before each block, and before the read that ended the check.
    EXPECT_EQ(loop.pumps.size(), check.valid ? check.blocks : check.blocks + 1);
    EXPECT_EQ(loop.stopTests, static_cast<int>(loop.pumps.size()));
    std::vector<int> progress{0};
    for (std::size_t block = 1; block <= (check.valid ? check.blocks - 1 : check.blocks); ++block)
        progress.push_back(ProgressPercent(static_cast<std::int64_t>(block * 4096), kLong * 4096));
    if (check.valid) progress.push_back(100);
    EXPECT_EQ(loop.progress, progress);
    EXPECT_TRUE(files.FileExists("r.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Reads, CheckSignatureChunkTest,
    ::testing::Values(
        ChunkCase{"SignatureBlockOpeningTheSecondChunk", kChunkBlocks * 4096 - 8, -1, false, true, kChunkBlocks + 1},
        ChunkCase{"SignatureBlockInTheLastChunk", (kLong - 1) * 4096 - 8, -1, false, true, kLong},
        ChunkCase{"ReadCutAtABlockBoundary", (kLong - 1) * 4096 - 8, kMid * 4096, false, false, kMid},
        ChunkCase{"ReadCutInsideABlock", (kLong - 1) * 4096 - 8, kMid * 4096 + 100, false, false, kMid},
        // A read that meets a bad spot fails whole: the blocks of its chunk before the spot
        // are read one at a time, up to the block over it, which delivers nothing.
        ChunkCase{"ReadFailingInsideTheSecondChunk", (kLong - 1) * 4096 - 8, kMid * 4096 + 100, true, false, kMid},
        ChunkCase{"ReadFailingAtTheFirstBlockOfAChunk", (kLong - 1) * 4096 - 8, kChunkBlocks * 4096 + 100, true, false,
                  kChunkBlocks},
        ChunkCase{"ReadFailingAtTheFirstBlock", (kLong - 1) * 4096 - 8, 100, true, false, 0},
        ChunkCase{"ReadFailingAfterTheSignatureBlock", kEarly * 4096 - 8, kMid * 4096 + 100, true, true, kEarly + 1},
        ChunkCase{"ReadFailingInTheLastChunk", (kLong - 1) * 4096 - 8, (2 * kChunkBlocks + 50) * 4096 + 100, true,
                  false, 2 * kChunkBlocks + 50}),
    [](const ::testing::TestParamInfo<ChunkCase>& info) { return std::string(info.param.name); });

// A fault that passes: the failed chunk is read again a block at a time, and the check goes on with
// chunks to its verdict.
TEST_F(CheckSignatureTest, AChunkThatFailsOnceIsReadAgainBlockByBlockAndTheCheckGoesOnWithChunks) {
    const Bytes bytes = MakeBlockRecording({.size = kLong * 4096, .riffSize = (kLong - 1) * 4096 - 8});
    // The read fails whole, or delivers the bytes before the fault.
    for (bool failWholeRead : {true, false}) {
        loop = testing::LoopRecorder{};
        loop.whilePumping = [&](int pump) {
            if (pump != 0) return;
            files.passingReadFaultAt = kMid * 4096 + 100;
            files.reads = 0;
        };
        files.failWholeMove = failWholeRead;
        state.Reset();
        EXPECT_TRUE(Check(bytes)) << failWholeRead;
        EXPECT_EQ(state.runningSum, testing::WordSum(bytes, (kLong - 1) * 4096)) << failWholeRead;
        EXPECT_EQ(loop.pumps.size(), kLong) << failWholeRead;
        EXPECT_EQ(loop.LastProgress(), 100) << failWholeRead;
        // Three chunks, the one that failed among them, then its blocks again one at a time.
        EXPECT_EQ(files.reads, 3 + static_cast<int>(kChunkBlocks)) << failWholeRead;
    }
}

TEST_F(CheckSignatureTest, ARiffSizeBelow4088NamesNoSignatureBlock) {
    EXPECT_FALSE(Check(MakeBlockRecording({.riffSize = 4087})));
    EXPECT_EQ(state.blockLimit, 0u);
    EXPECT_EQ(state.storedChecksum, 0u);
    EXPECT_EQ(loop.LastProgress(), 100);
}

TEST_F(CheckSignatureTest, TheLimitLeftByADecryptionIsInForceAtBlockZero) {
    // The decryption left a limit of 0: block 0 is not summed, so the stored sum, which counts it, fails.
    state.blockLimit = 0;
    EXPECT_FALSE(Check(MakeBlockRecording({})));
    EXPECT_EQ(state.blockLimit, 3u);
}

TEST_F(CheckSignatureTest, AHundredByteWavIsFalseAndStillGetsAReport) {
    // RIFF header, a 16-byte format chunk and a data chunk of 56 bytes: no cue chunk.
    Bytes wav = testing::WavHead({testing::Chunk("data", Bytes(56, 0x80))});
    ASSERT_EQ(wav.size(), 100u);
    EXPECT_FALSE(Check(wav));
    EXPECT_EQ(state.recorderHigh, 0u);
    EXPECT_EQ(state.blockLimit, 1u);
    EXPECT_EQ(loop.progress, (std::vector<int>{0}));
    EXPECT_EQ(ReportText("r.txt"), "File tags \"r.wav\"\r\nNumber of tags: 0\r\n");
}

TEST_F(CheckSignatureTest, TheReportListsTheTagsOfTheCheckedRecording) {
    const std::vector<testing::Tag> tags = {{.id = 1, .position = 800, .label = std::string("abc\0", 4)}};
    EXPECT_TRUE(Check(MakeBlockRecording({.head = testing::TaggedHead(tags)})));
    const std::string rule = "|------|------------|------|----------------------------------------------------|\r\n";
    EXPECT_EQ(ReportText("r.txt"), "File tags \"r.wav\"\r\nNumber of tags: 1\r\n" + rule +
                                       kEnglish.Text(TextId::ReportHeading) + "\r\n" + rule +
                                       "| 0001 | 0000000800 | data | abc" + std::string(47, ' ') + " |\r\n" + rule);
}

TEST_F(CheckSignatureTest, StopEndsTheCheckBeforeTheNextBlockAndTheReportIsWritten) {
    loop.stopAtPump = 2;
    EXPECT_FALSE(Check(MakeBlockRecording({.size = 6 * 4096})));
    EXPECT_EQ(loop.pumps.size(), 3u);
    EXPECT_EQ(loop.progress, (std::vector<int>{0, 17, 33}));
    EXPECT_EQ(state.blockIndex, 2);
    EXPECT_TRUE(files.FileExists("r.txt"));
}

TEST_F(CheckSignatureTest, TheReportIsWrittenWhenAnErrorLeavesTheLoop) {
    loop.whilePumping = [](int pump) {
        if (pump == 1) throw PlatformError("raised inside the loop");
    };
    EXPECT_THROW(Check(MakeBlockRecording({})), PlatformError);
    EXPECT_EQ(ReportText("r.txt"), "File tags \"r.wav\"\r\nNumber of tags: 0\r\n");
    EXPECT_EQ(files.openStreams(), 0);
}

TEST_F(CheckSignatureTest, ARecordingNamedTxtCannotTakeItsReportAndIsLeftUnchanged) {
    const Bytes bytes = MakeBlockRecording({});
    EXPECT_TRUE(Check(bytes, "rec.txt"));
    EXPECT_EQ(messages.messages, (std::vector<std::string>{"Unable to write data to a file rec.txt"}));
    EXPECT_EQ(ReadBytes("rec.txt"), bytes);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"rec.txt"}));
}

TEST_F(CheckSignatureTest, AShortWriteOfTheReportIsAFailedSaveInTheLanguageOfTheTexts) {
    texts.unableToWrite = kRussian.Text(TextId::UnableToWriteData);
    files.writeBudget = 5;
    const std::string path = folder.File("r.wav");
    EXPECT_TRUE(Check(MakeBlockRecording({}), path));
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{"Невозможно записать данные в файл " + folder.File("r.txt")}));
    EXPECT_FALSE(files.FileExists("r.txt"));
}

TEST_F(CheckSignatureTest, AMissingRecordingIsAnOpenErrorWithNoReport) {
    EXPECT_THROW(Check(std::string("missing.wav")), PlatformError);
    EXPECT_FALSE(files.FileExists("missing.txt"));
    EXPECT_EQ(loop.progress, (std::vector<int>{0}));
}

TEST_F(CheckSignatureTest, ANegativeCueCountIsAnErrorWithNoReportAndTheRecordingClosed) {
    const Bytes head = testing::WavHead({testing::Chunk("fact", Bytes(8)), testing::CueChunk({}, -3)});
    try {
        Check(MakeBlockRecording({.head = head}));
        FAIL() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_STREQ(error.what(), "Range check error");
    }
    EXPECT_FALSE(files.FileExists("r.txt"));
    EXPECT_EQ(files.openStreams(), 0);
    EXPECT_TRUE(loop.pumps.empty());
}

// Damaged tags right after the format and fact chunks, before the audio of a valid recording: the check
// gives its verdict and a report of what the tags' own chunks hold, not a row for every 24 bytes of audio.
struct DamagedTagsCase {
    const char* name;
    Bytes chunks;        // between the fact chunk and the data chunk
    std::string report;  // after the title and the count line's text
};

class CheckSignatureDamagedTagsTest : public CheckSignatureTest,
                                      public ::testing::WithParamInterface<DamagedTagsCase> {};

TEST_P(CheckSignatureDamagedTagsTest, ReportsOnlyWhatTheTagsChunksHold) {
    const Bytes head =
        testing::WavHead({testing::Chunk("fact", Bytes(8)), GetParam().chunks, testing::Chunk("data", {}, 4 * 4096)});
    EXPECT_TRUE(Check(MakeBlockRecording({.size = 8 * 4096, .head = head})));
    EXPECT_EQ(ReportText("r.txt"), "File tags \"r.wav\"\r\nNumber of tags: " + GetParam().report);
}

const testing::Tag kHugeLabel = {.id = 1, .position = 800, .label = "abc", .lablLen = INT32_MAX};
const std::string kRule = "|------|------------|------|----------------------------------------------------|\r\n";

INSTANTIATE_TEST_SUITE_P(
    Recordings, CheckSignatureDamagedTagsTest,
    ::testing::Values(DamagedTagsCase{"CueWithAHugeCount", testing::CueChunk({}, INT32_MAX), "0\r\n"},
                      DamagedTagsCase{
                          "LabelLengthBeyondTheListChunk",
                          testing::Join({testing::CueChunk({kHugeLabel}), testing::LabelList({kHugeLabel})}),
                          "1\r\n" + kRule + kEnglish.Text(TextId::ReportHeading) + "\r\n" + kRule +
                              "| 0001 | 0000000800 | data | abc" + std::string(47, ' ') + " |\r\n" + kRule}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckSignatureTest, ARecordingOf4GiBAndMoreIsMeasuredByItsWholeSize) {
    // A sparse file of 2^32 + 8192 bytes: by its low 32 bits alone, two blocks would be the whole file.
    testing::CreateSparseFile("big.wav", (std::uintmax_t{1} << 32) + 8192);
    loop.stopAtPump = 3;
    EXPECT_FALSE(Check(std::string("big.wav")));
    EXPECT_EQ(loop.progress, (std::vector<int>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace vocset
