// The walk over the RIFF chunks to the cue chunk and the label list after it.
#include "decoder/CueInfo.h"

#include <algorithm>
#include <span>

#include "decoder/ByteOrder.h"
#include "widgets/Errors.h"

namespace vocset {

namespace {
// The file's head: RIFF header (12 bytes), format chunk header (8) and 16 bytes of format data.
constexpr std::size_t kHeadSize = 36;
constexpr std::size_t kFormatSizeOffset = 16;
constexpr std::int64_t kFormatDataRead = 16;

// A chunk header: id, then size.
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kChunkIdOffset = 0;
constexpr std::size_t kChunkSizeOffset = 4;

// The cue chunk's head: id, size, number of points.
constexpr std::size_t kCueHeadSize = 12;
constexpr std::size_t kCueNumOffset = 8;

// One cue point.
constexpr std::size_t kCueDataSize = 24;
constexpr std::size_t kCueIdOffset = 0;
constexpr std::size_t kPlayPosOffset = 4;
constexpr std::size_t kIdDataOffset = 8;
constexpr std::size_t kChunkStartOffset = 12;
constexpr std::size_t kBlockStartOffset = 16;
constexpr std::size_t kSampleOffsetOffset = 20;

// The label list's head: id, size, list type.
constexpr std::size_t kListHeadSize = 12;
constexpr std::size_t kListLenOffset = 4;
constexpr std::size_t kAdtlOffset = 8;

// A label's head: id, size, cue point id; the size counts the cue point id and the text.
constexpr std::size_t kLablHeadSize = 12;
constexpr std::size_t kLablLenOffset = 4;
constexpr std::size_t kCuePointIdOffset = 8;
constexpr std::int64_t kLablLenBeforeText = 4;

constexpr std::size_t kLabelReadSize = 4096;

// A reader that remembers the file's length, so that counts from the file can be held against it.
class ChunkReader {
public:
    explicit ChunkReader(FileStream& file) : file_(file), size_(file.Size()) {}

    // Reads up to N bytes; those the file does not supply stay zero.
    template <std::size_t N>
    std::array<std::uint8_t, N> Read() {
        std::array<std::uint8_t, N> bytes{};
        file_.Read(bytes);
        return bytes;
    }
    // A move before the start of the file fails and leaves the position as it was.
    void Move(std::int64_t offset) { file_.Seek(offset, SeekOrigin::Current); }
    std::int64_t Remaining() { return std::max<std::int64_t>(0, size_ - file_.Seek(0, SeekOrigin::Current)); }
    // Reads up to `count` bytes, no further than the file's end, appending those other than 0.
    std::vector<std::uint8_t> ReadNonZeroBytes(std::int64_t count) {
        std::vector<std::uint8_t> bytes;
        std::array<std::uint8_t, kLabelReadSize> buffer;
        for (std::int64_t left = std::min(count, Remaining()); left > 0;) {
            const std::size_t wanted = static_cast<std::size_t>(std::min<std::int64_t>(left, kLabelReadSize));
            const std::size_t got = file_.Read(std::span(buffer).first(wanted));
            if (got == 0) break;
            for (std::size_t i = 0; i < got; ++i) {
                if (buffer[i] != 0) bytes.push_back(buffer[i]);
            }
            left -= static_cast<std::int64_t>(got);
        }
        return bytes;
    }

private:
    FileStream& file_;
    std::int64_t size_;
};

ChunkId IdAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    ChunkId id;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), id.size(), id.begin());
    return id;
}

TCueData ParseCueData(std::span<const std::uint8_t> bytes) {
    TCueData point;
    point.idCue = ReadI32le(bytes, kCueIdOffset);
    point.PlayPos = ReadI32le(bytes, kPlayPosOffset);
    point.idData = IdAt(bytes, kIdDataOffset);
    point.ChunkStart = ReadI32le(bytes, kChunkStartOffset);
    point.BlockStart = ReadI32le(bytes, kBlockStartOffset);
    point.SampleOffset = ReadI32le(bytes, kSampleOffsetOffset);
    return point;
}

void ReadCuePoints(ChunkReader& reader, TCue& cue) {
    const auto head = reader.Read<kCueHeadSize>();
    cue.idCue = IdAt(head, kChunkIdOffset);
    cue.CueLen = ReadI32le(head, kChunkSizeOffset);
    cue.CueNum = ReadI32le(head, kCueNumOffset);
    if (cue.CueNum < 0) throw RangeCheckError();
    // Only the whole records that the file holds are read.
    const std::int64_t holds = reader.Remaining() / static_cast<std::int64_t>(kCueDataSize);
    cue.CueNum = static_cast<std::int32_t>(std::min<std::int64_t>(cue.CueNum, holds));
    cue.data.reserve(static_cast<std::size_t>(cue.CueNum));
    for (std::int32_t i = 0; i < cue.CueNum; ++i) cue.data.push_back(ParseCueData(reader.Read<kCueDataSize>()));
}

void ReadLabels(ChunkReader& reader, std::int32_t count, Locale& locale, TList& list) {
    const auto head = reader.Read<kListHeadSize>();
    list.idList = IdAt(head, kChunkIdOffset);
    list.ListLen = ReadI32le(head, kListLenOffset);
    list.idAdtl = IdAt(head, kAdtlOffset);
    // Labels that the file does not hold are not made: each one read takes at least one byte.
    for (std::int32_t i = 0; i < count && reader.Remaining() > 0; ++i) {
        const auto labelHead = reader.Read<kLablHeadSize>();
        TLabl label;
        label.idLabl = IdAt(labelHead, kChunkIdOffset);
        label.LablLen = ReadI32le(labelHead, kLablLenOffset);
        label.CuePointId = ReadI32le(labelHead, kCuePointIdOffset);
        label.s = locale.FromAnsi(reader.ReadNonZeroBytes(label.LablLen - kLablLenBeforeText));
        list.labl.push_back(std::move(label));
    }
}
}  // namespace

CueInfo ReadCueInfo(FileStream& file, Locale& locale) {
    ChunkReader reader(file);
    CueInfo info;
    const auto head = reader.Read<kHeadSize>();
    // To the end of the format chunk, whose size is taken as it stands, with no pad byte.
    reader.Move(static_cast<std::int64_t>(ReadI32le(head, kFormatSizeOffset)) - kFormatDataRead);

    auto chunk = reader.Read<kChunkHeaderSize>();
    // Each skip moves over the chunk's data and reads the header after it.
    auto skipIfNamed = [&](char first) {
        if (chunk[kChunkIdOffset] != static_cast<std::uint8_t>(first)) return;
        reader.Move(ReadI32le(chunk, kChunkSizeOffset));
        chunk = reader.Read<kChunkHeaderSize>();
    };
    skipIfNamed('f');
    skipIfNamed('d');
    if (chunk[kChunkIdOffset] != static_cast<std::uint8_t>('c')) return info;

    reader.Move(-static_cast<std::int64_t>(kChunkHeaderSize));
    ReadCuePoints(reader, info.cue);
    ReadLabels(reader, info.cue.CueNum, locale, info.list);
    return info;
}

}  // namespace vocset
