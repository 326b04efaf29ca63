// The walk over the RIFF chunks to the cue chunk and the label list after it.
#include "decoder/CueInfo.h"

#include <algorithm>
#include <limits>
#include <span>

#include "base/ByteOrder.h"
#include "base/Errors.h"

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

// A reader that knows the file's length and its own position, so that counts and lengths from the file
// can be held to them without asking the file.
class ChunkReader {
public:
    explicit ChunkReader(FileStream& file)
        : file_(file), size_(file.Size()), position_(file.Seek(0, SeekOrigin::Current)) {}

    // Reads up to N bytes; those the file does not supply stay zero.
    template <std::size_t N>
    std::array<std::uint8_t, N> Read() {
        return ReadBefore<N>(std::numeric_limits<std::int64_t>::max());
    }
    // Reads up to N bytes, none at or past `end`; those not read stay zero.
    template <std::size_t N>
    std::array<std::uint8_t, N> ReadBefore(std::int64_t end) {
        std::array<std::uint8_t, N> bytes{};
        Take(std::span(bytes).first(static_cast<std::size_t>(std::min<std::int64_t>(N, BytesBefore(end)))));
        return bytes;
    }
    // A move before the start of the file fails and leaves the position as it was.
    void Move(std::int64_t offset) {
        if (offset == 0) return;
        const std::int64_t moved = file_.Seek(offset, SeekOrigin::Current);
        if (moved >= 0) position_ = moved;
    }
    std::int64_t Position() const { return position_; }
    // The bytes from the position to `end`, none when the position is at or past it.
    std::int64_t BytesBefore(std::int64_t end) const { return std::max<std::int64_t>(0, end - position_); }
    // Where the data of a chunk whose header starts at `start` ends by its size, or the file's end
    // when that comes first.
    std::int64_t ChunkEnd(std::int64_t start, std::int32_t size) const {
        return std::min(start + static_cast<std::int64_t>(kChunkHeaderSize) + size, size_);
    }
    // Reads `count` bytes, or fewer when a read fails, appending those other than 0.
    std::vector<std::uint8_t> ReadNonZeroBytes(std::int64_t count) {
        std::vector<std::uint8_t> bytes;
        std::array<std::uint8_t, kLabelReadSize> buffer;
        for (std::int64_t left = count; left > 0;) {
            const std::size_t wanted = static_cast<std::size_t>(std::min<std::int64_t>(left, kLabelReadSize));
            const std::size_t got = Take(std::span(buffer).first(wanted));
            if (got == 0) break;
            for (std::size_t i = 0; i < got; ++i) {
                if (buffer[i] != 0) bytes.push_back(buffer[i]);
            }
            left -= static_cast<std::int64_t>(got);
        }
        return bytes;
    }

private:
    std::size_t Take(std::span<std::uint8_t> bytes) {
        const std::size_t got = file_.Read(bytes);
        position_ += static_cast<std::int64_t>(got);
        return got;
    }

    FileStream& file_;
    std::int64_t size_;
    std::int64_t position_;
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

// Reads the cue points that the cue chunk's length, the file and kMaxCuePoints all hold, and leaves the
// position after those that the chunk and the file hold, where the label list follows.
void ReadCuePoints(ChunkReader& reader, TCue& cue) {
    const std::int64_t start = reader.Position();
    const auto head = reader.Read<kCueHeadSize>();
    cue.idCue = IdAt(head, kChunkIdOffset);
    cue.CueLen = ReadI32le(head, kChunkSizeOffset);
    cue.CueNum = ReadI32le(head, kCueNumOffset);
    if (cue.CueNum < 0) throw RangeCheckError();
    const std::int64_t held = std::min<std::int64_t>(
        cue.CueNum, reader.BytesBefore(reader.ChunkEnd(start, cue.CueLen)) / static_cast<std::int64_t>(kCueDataSize));
    cue.CueNum = static_cast<std::int32_t>(std::min<std::int64_t>(held, kMaxCuePoints));
    cue.data.reserve(static_cast<std::size_t>(cue.CueNum));
    for (std::int32_t i = 0; i < cue.CueNum; ++i) cue.data.push_back(ParseCueData(reader.Read<kCueDataSize>()));
    // Points beyond the ceiling are skipped, so that the labels still pair with the points by order.
    reader.Move((held - cue.CueNum) * static_cast<std::int64_t>(kCueDataSize));
}

// Reads a label for each of the first `count` cue points while the list chunk and the file hold more.
// A label's text ends at its own length, at the list's end or the file's, whichever comes first; of
// all the labels' text, only the first kMaxLabelBytes are kept and the rest is skipped unread.
void ReadLabels(ChunkReader& reader, std::int32_t count, Locale& locale, TList& list) {
    const std::int64_t start = reader.Position();
    const auto head = reader.Read<kListHeadSize>();
    list.idList = IdAt(head, kChunkIdOffset);
    list.ListLen = ReadI32le(head, kListLenOffset);
    list.idAdtl = IdAt(head, kAdtlOffset);
    const std::int64_t end = reader.ChunkEnd(start, list.ListLen);
    std::int64_t textLeft = kMaxLabelBytes;
    for (std::int32_t i = 0; i < count && reader.BytesBefore(end) > 0; ++i) {
        const auto labelHead = reader.ReadBefore<kLablHeadSize>(end);
        TLabl label;
        label.idLabl = IdAt(labelHead, kChunkIdOffset);
        label.LablLen = ReadI32le(labelHead, kLablLenOffset);
        label.CuePointId = ReadI32le(labelHead, kCuePointIdOffset);
        const std::int64_t length = std::min(label.LablLen - kLablLenBeforeText, reader.BytesBefore(end));
        const std::int64_t kept = std::clamp<std::int64_t>(length, 0, textLeft);
        label.s = locale.FromAnsi(reader.ReadNonZeroBytes(kept));
        reader.Move(std::max<std::int64_t>(0, length - kept));
        textLeft -= kept;
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
