// The walk over a recording's chunks to its cue points and labels, on well-formed and damaged files.
#include <gtest/gtest.h>

#include "RecordingBuilder.h"
#include "base/Errors.h"
#include "decoder/CueInfo.h"
#include "decoder/CueReport.h"
#include "support/Fakes.h"
#include "support/PosixFileSystem.h"
#include "support/TempFolder.h"

namespace vocset {
namespace {

using testing::Bytes;
using testing::Chunk;
using testing::CueChunk;
using testing::Join;
using testing::LabelList;
using testing::Tag;
using testing::WavHead;

const std::vector<Tag> kTwoTags = {{.id = 1, .position = 8000, .label = std::string("one\0", 4)},
                                   {.id = 2, .position = 16000, .chunk = "slnt", .label = "second"}};

class CueInfoTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    testing::PosixFileSystem files;
    testing::FakeLocale locale;

    CueInfo Read(const Bytes& bytes) {
        testing::WriteBytes("r.wav", bytes);
        auto file = files.OpenRead("r.wav");
        return ReadCueInfo(*file, locale);
    }
    static std::vector<std::string> Labels(const CueInfo& info) {
        std::vector<std::string> labels;
        for (const TLabl& label : info.list.labl) labels.push_back(label.s);
        return labels;
    }
};

TEST_F(CueInfoTest, ReadsTheCuePointsAndTheirLabels) {
    const CueInfo info = Read(testing::TaggedHead(kTwoTags));
    ASSERT_EQ(info.cue.CueNum, 2);
    ASSERT_EQ(info.cue.data.size(), 2u);
    EXPECT_EQ(info.cue.idCue, (ChunkId{'c', 'u', 'e', ' '}));
    EXPECT_EQ(info.cue.data[0].idCue, 1);
    EXPECT_EQ(info.cue.data[0].PlayPos, 8000);
    EXPECT_EQ(info.cue.data[1].idData, (ChunkId{'s', 'l', 'n', 't'}));
    EXPECT_EQ(info.list.idList, (ChunkId{'L', 'I', 'S', 'T'}));
    EXPECT_EQ(info.list.idAdtl, (ChunkId{'a', 'd', 't', 'l'}));
    EXPECT_EQ(Labels(info), (std::vector<std::string>{"one", "second"})) << "zero bytes are dropped";
}

struct WalkCase {
    const char* name;
    std::vector<std::string> before;  // ids of empty chunks between the format chunk and the cue chunk
    bool found;
};

class ChunkWalkTest : public CueInfoTest, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(ChunkWalkTest, FindsTheCueChunkOnlyAfterAnFChunkThenADChunkEachAtMostOnce) {
    Bytes chunks;
    // Odd sizes, and data that would look like a cue chunk to a walk that skipped too little.
    for (const std::string& id : GetParam().before) chunks = Join({chunks, Chunk(id, Bytes(5, 'c'))});
    const CueInfo info = Read(WavHead({chunks, CueChunk(kTwoTags), LabelList(kTwoTags)}));
    EXPECT_EQ(info.cue.CueNum, GetParam().found ? 2 : 0);
    EXPECT_EQ(info.list.labl.size(), GetParam().found ? 2u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Orders, ChunkWalkTest,
                         ::testing::Values(WalkCase{"CueFirst", {}, true}, WalkCase{"Fact", {"fact"}, true},
                                           WalkCase{"Data", {"data"}, true},
                                           WalkCase{"FactData", {"fact", "data"}, true},
                                           // Only the first byte counts, and only in lower case.
                                           WalkCase{"OtherIdsOfTheSameLetters", {"fXYZ", "d123"}, true},
                                           WalkCase{"CapitalData", {"DATA"}, false},
                                           WalkCase{"ListBeforeCue", {"data", "LIST"}, false},
                                           WalkCase{"TwoFactChunks", {"fact", "fact"}, false},
                                           WalkCase{"DataBeforeFact", {"data", "fact"}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CueInfoTest, TheFormatChunkEndsWhereItsSizeSaysWithNoPadByte) {
    for (std::int32_t formatSize : {18, 17, 14}) {
        const CueInfo info = Read(WavHead({CueChunk(kTwoTags), LabelList(kTwoTags)}, formatSize));
        EXPECT_EQ(info.cue.CueNum, 2) << "format size " << formatSize;
    }
}

TEST_F(CueInfoTest, LabelsFollowEachOtherWithNoPadByteAndPairWithCuePointsByOrder) {
    // "abc" and its zero (LablLen 8); an odd LablLen of 7; a label whose cue point id names another.
    const std::vector<Tag> tags = {{.id = 1, .label = std::string("abc\0", 4), .cuePointId = 3},
                                   {.id = 2, .label = "xyz", .cuePointId = 1},
                                   {.id = 3, .label = "last", .cuePointId = 2}};
    const CueInfo info = Read(WavHead({CueChunk(tags), LabelList(tags)}));
    EXPECT_EQ(info.list.labl[0].LablLen, 8);
    EXPECT_EQ(info.list.labl[1].LablLen, 7);
    EXPECT_EQ(info.list.labl[0].CuePointId, 3);
    EXPECT_EQ(Labels(info), (std::vector<std::string>{"abc", "xyz", "last"}));
}

TEST_F(CueInfoTest, LabelBytesAreTextInTheAnsiCodePage) {
    const std::vector<Tag> tags = {{.label = "\xCF\xF0\xE8\xEC\xE5\xF0"}, {.label = "caf\xE9"}};
    locale.codePage = 1251;
    EXPECT_EQ(Labels(Read(WavHead({CueChunk(tags), LabelList(tags)})))[0], "Пример");
    locale.codePage = 1252;
    EXPECT_EQ(Labels(Read(WavHead({CueChunk(tags), LabelList(tags)})))[1], "café");
}

TEST_F(CueInfoTest, ANegativeCueCountIsARangeCheckError) {
    try {
        Read(WavHead({CueChunk(kTwoTags, -1), LabelList(kTwoTags)}));
        FAIL() << "no error";
    } catch (const PlatformError& error) {
        EXPECT_STREQ(error.what(), "Range check error");
    }
}

TEST_F(CueInfoTest, ACueCountBeyondTheFileIsHeldToTheWholeRecordsItHolds) {
    // Two records and 23 bytes after the cue chunk's head: two whole records, the labels are gone.
    const Bytes twoRecords = CueChunk(kTwoTags, INT32_MAX);
    const CueInfo info = Read(WavHead({twoRecords, Bytes(23, 0x55)}));
    EXPECT_EQ(info.cue.CueNum, 2);
    EXPECT_EQ(info.cue.data[1].PlayPos, 16000);
    EXPECT_EQ(info.list.idList, (ChunkId{0x55, 0x55, 0x55, 0x55}));
    // The 11 bytes left make one label's head, partly; its text would lie past the end.
    ASSERT_EQ(info.list.labl.size(), 1u);
    EXPECT_EQ(info.list.labl[0].LablLen, 0x55555555);
    EXPECT_EQ(info.list.labl[0].s, "");

    // A cue chunk whose size claims three records, and a file that holds the third one exactly.
    const CueInfo exact = Read(WavHead({CueChunk(kTwoTags, 3, 4 + 3 * 24), Bytes(24, 0)}));
    EXPECT_EQ(exact.cue.CueNum, 3);
    EXPECT_TRUE(exact.list.labl.empty()) << "a list that the file does not hold makes no labels";
}

TEST_F(CueInfoTest, ALabelLengthOf4OrLessReadsNoText) {
    const std::vector<Tag> tags = {{.id = 1, .lablLen = -5}, {.id = 2, .lablLen = 0}, {.id = 3, .label = "next"}};
    EXPECT_EQ(Labels(Read(WavHead({CueChunk(tags), LabelList(tags)}))), (std::vector<std::string>{"", "", "next"}));
}

TEST_F(CueInfoTest, AHugeLabelLengthEndsAtTheEndOfTheFile) {
    const std::vector<Tag> tags = {{.id = 1, .label = "huge label", .lablLen = INT32_MAX}, {.id = 2, .label = "lost"}};
    const CueInfo info = Read(WavHead({CueChunk(tags), LabelList(tags)}));
    // The second label's record becomes text, its zero bytes dropped; no label is made for it.
    ASSERT_EQ(info.list.labl.size(), 1u);
    EXPECT_EQ(info.list.labl[0].s, "huge labellabl\x08lost");
}

// A row of the report's table, from its fields as they are written.
std::string Row(const std::string& id, const std::string& position, const std::string& chunk,
                const std::string& label) {
    return "| " + id + " | " + position + " | " + chunk + " | " + label + std::string(50 - label.size(), ' ') + " |";
}

// The report of r.wav: its title, the count of rows and, when there are any, the table.
std::vector<std::string> Report(const std::vector<std::string>& rows) {
    const std::string rule = "|------|------------|------|----------------------------------------------------|";
    std::vector<std::string> lines = {"File tags \"r.wav\"", "Number of tags: " + std::to_string(rows.size())};
    if (rows.empty()) return lines;
    lines.insert(lines.end(), {rule, "heading", rule});
    lines.insert(lines.end(), rows.begin(), rows.end());
    lines.push_back(rule);
    return lines;
}

const Bytes kAudio = Chunk("data", Bytes(2400, 'A'));
const Tag kHugeLabel = {.id = 1, .position = 8000, .label = "huge label", .lablLen = INT32_MAX};
const Tag kLost = {.id = 2, .position = 16000, .label = "lost"};
const std::string kFirstRow = Row("0001", "0000008000", "data", "one");
const std::string kSecondRow = Row("0002", "0000016000", "slnt", "second");

struct DamagedCase {
    const char* name;
    Bytes recording;
    std::vector<std::string> rows;
};

class DamagedTagsTest : public CueInfoTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedTagsTest, ReadsNoMoreThanTheCueChunkTheListChunkAndTheFileHold) {
    const CueInfo info = Read(GetParam().recording);
    std::vector<std::string> lines;
    FormatCueReport(lines, info.cue, "C:\\r.wav", info.list, {"File tags ", "Number of tags: ", "heading", ""}, locale);
    EXPECT_EQ(lines, Report(GetParam().rows));
}

INSTANTIATE_TEST_SUITE_P(
    Recordings, DamagedTagsTest,
    ::testing::Values(
        // Right after the format chunk, a cue chunk that holds no points claims 2^31 - 1 of them: read to
        // the end of the file, the audio would make a row of every 24 bytes.
        DamagedCase{
            "CueBeforeTheAudioWithAHugeCount", WavHead({Chunk("fact", Bytes(8)), CueChunk({}, INT32_MAX), kAudio}), {}},
        DamagedCase{"CueBeforeTheAudioWithACountBeyondItsPoints",
                    WavHead({CueChunk(kTwoTags, INT32_MAX), LabelList(kTwoTags), kAudio}),
                    {kFirstRow, kSecondRow}},
        // The chunk's size holds one point: the labels' list is read right after it, from the second.
        DamagedCase{"CueLengthShorterThanItsCount",
                    WavHead({CueChunk(kTwoTags, 2, 4 + 24), LabelList(kTwoTags), kAudio}),
                    {Row("0001", "0000008000", "data", "")}},
        // The file holds two whole points and 23 bytes, which make the list's head and part of a label's.
        DamagedCase{"CueLengthBeyondTheFile",
                    WavHead({CueChunk(kTwoTags, INT32_MAX, INT32_MAX), Bytes(23, 'U')}),
                    {Row("0001", "0000008000", "data", ""), Row("0002", "0000016000", "slnt", "")}},
        // The label's text ends where the list does, before the audio; the list holds no second label.
        DamagedCase{"LabelLengthBeyondTheListChunk",
                    WavHead({CueChunk({kHugeLabel, kLost}), LabelList({kHugeLabel}), kAudio}),
                    {Row("0001", "0000008000", "data", "huge label"), Row("0002", "0000016000", "data", "")}},
        // The label's length runs over the next label's record, which becomes its text, to the list's end.
        DamagedCase{
            "LabelLengthBeyondItsSubChunk",
            WavHead({CueChunk({kHugeLabel, kLost}), LabelList({kHugeLabel, kLost}), kAudio}),
            {Row("0001", "0000008000", "data", "huge labellabl\x08lost"), Row("0002", "0000016000", "data", "")}},
        DamagedCase{
            "ListChunkLongerThanTheFile",
            WavHead({CueChunk({kHugeLabel, kLost}), LabelList({kHugeLabel, kLost}, INT32_MAX), Bytes{'e', 'n', 'd'}}),
            {Row("0001", "0000008000", "data", "huge labellabl\x08lostend"), Row("0002", "0000016000", "data", "")}},
        // A list whose size holds only its type has no labels.
        DamagedCase{"ListLengthOfItsTypeAlone",
                    WavHead({CueChunk(kTwoTags), LabelList(kTwoTags, 4), kAudio}),
                    {Row("0001", "0000008000", "data", ""), Row("0002", "0000016000", "slnt", "")}},
        // The list ends 6 bytes into the second label's head: the text after that head is not read.
        DamagedCase{"ListEndingInsideALabelsHead",
                    WavHead({CueChunk(kTwoTags), LabelList(kTwoTags, 4 + 16 + 6), kAudio}),
                    {kFirstRow, Row("0002", "0000016000", "slnt", "")}},
        // A count of 0 is no error: the report says that there are no tags.
        DamagedCase{"CueChunkWithNoPoints", WavHead({CueChunk({}), LabelList({}), kAudio}), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CueInfoTest, AReportKeepsAtMostTheCeilingOfCuePointsPairedWithTheirLabels) {
    std::vector<Tag> tags(kMaxCuePoints + 2);
    for (std::size_t i = 0; i < tags.size(); ++i)
        tags[i] = {.id = static_cast<std::int32_t>(i), .label = "t" + std::to_string(i)};
    const CueInfo info = Read(WavHead({CueChunk(tags), LabelList(tags)}));
    ASSERT_EQ(info.cue.CueNum, kMaxCuePoints);
    ASSERT_EQ(info.cue.data.size(), static_cast<std::size_t>(kMaxCuePoints));
    EXPECT_EQ(info.cue.data.back().idCue, kMaxCuePoints - 1);
    // The list is read after all the points the chunk holds, so that the labels kept still pair.
    ASSERT_EQ(info.list.labl.size(), static_cast<std::size_t>(kMaxCuePoints));
    EXPECT_EQ(info.list.labl.back().s, "t" + std::to_string(kMaxCuePoints - 1));
}

TEST_F(CueInfoTest, AReportKeepsAtMostTheCeilingOfLabelTextAndSkipsTheRest) {
    const std::vector<Tag> tags = {{.id = 1, .label = std::string(kMaxLabelBytes - 3, 'x')},
                                   {.id = 2, .label = "abcdef"},
                                   {.id = 3, .label = "next"}};
    const CueInfo info = Read(WavHead({CueChunk(tags), LabelList(tags)}));
    ASSERT_EQ(Labels(info).size(), 3u);
    EXPECT_EQ(Labels(info)[0].size(), static_cast<std::size_t>(kMaxLabelBytes - 3));
    EXPECT_EQ(Labels(info)[1], "abc");
    EXPECT_EQ(Labels(info)[2], "") << "the third label's record is found past the text skipped";
    EXPECT_EQ(info.list.labl[2].LablLen, 8);
}

TEST_F(CueInfoTest, AMoveBeforeTheStartFailsAndLeavesThePosition) {
    // The fact chunk's size would move 1000 bytes back: the position stays after its header, where
    // the cue chunk's header is read next.
    const CueInfo info = Read(WavHead({Chunk("fact", {}, -1000), CueChunk(kTwoTags), LabelList(kTwoTags)}));
    EXPECT_EQ(info.cue.CueNum, 2);
}

TEST_F(CueInfoTest, AFileTooShortForItsHeadersHasNoTags) {
    const Bytes whole = testing::TaggedHead(kTwoTags);
    for (std::size_t size : {0, 10, 36, 44, 70}) {
        const CueInfo info = Read(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
        EXPECT_EQ(info.cue.CueNum, 0) << size;
        EXPECT_TRUE(info.cue.data.empty());
    }
}

}  // namespace
}  // namespace vocset
