// Recordings built byte by byte for the decoder's tests: RIFF chunks with cue points and labels, and
// whole-block recordings with a given RIFF size, recorder number and a correct or wrong checksum.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "decoder/ChunkedBlocks.h"
#include "support/Recording.h"

namespace vocset::testing {

// Block counts for the loops' chunked reads: a recording of two chunks and part of a third, a block
// inside its second chunk, and one before it where a signature block can stand.
inline constexpr std::size_t kLongRecordingBlocks = 2 * kChunkBlocks + 88;
inline constexpr std::size_t kInSecondChunk = kChunkBlocks + 44;
inline constexpr std::size_t kEarlyInSecondChunk = kChunkBlocks + 34;

inline void AppendId(Bytes& bytes, std::string_view id) {
    for (std::size_t i = 0; i < 4; ++i) bytes.push_back(i < id.size() ? static_cast<std::uint8_t>(id[i]) : 0);
}

inline void AppendU32(Bytes& bytes, std::uint32_t value) {
    bytes.resize(bytes.size() + 4);
    WriteU32le(bytes, bytes.size() - 4, value);
}

inline Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// A chunk: id, size (the data's length unless given), data, and no pad byte.
inline Bytes Chunk(std::string_view id, const Bytes& data, std::optional<std::int32_t> size = {}) {
    Bytes bytes;
    AppendId(bytes, id);
    AppendU32(bytes, static_cast<std::uint32_t>(size.value_or(static_cast<std::int32_t>(data.size()))));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

// The RIFF header and a format chunk of `formatSize` bytes; the chunks follow.
inline Bytes WavHead(std::initializer_list<Bytes> chunks, std::int32_t formatSize = 16) {
    Bytes bytes;
    AppendId(bytes, "RIFF");
    AppendU32(bytes, 0);
    AppendId(bytes, "WAVE");
    return Join({bytes, Chunk("fmt ", Bytes(static_cast<std::size_t>(formatSize), 0x11)), Join(chunks)});
}

struct Tag {
    std::int32_t id = 1;
    std::int32_t position = 0;
    std::string chunk = "data";
    std::string label = {};                    // the label's bytes as they stand in the file
    std::optional<std::int32_t> lablLen = {};  // the label's text and its cue point id unless given
    std::int32_t cuePointId = 0;
};

// The cue chunk; its count is the number of tags, and its size that of its data, unless given.
inline Bytes CueChunk(const std::vector<Tag>& tags, std::optional<std::int32_t> count = {},
                      std::optional<std::int32_t> size = {}) {
    Bytes data;
    AppendU32(data, static_cast<std::uint32_t>(count.value_or(static_cast<std::int32_t>(tags.size()))));
    for (const Tag& tag : tags) {
        AppendU32(data, static_cast<std::uint32_t>(tag.id));
        AppendU32(data, static_cast<std::uint32_t>(tag.position));
        AppendId(data, tag.chunk);
        for (int unused = 0; unused < 3; ++unused) AppendU32(data, 0);
    }
    return Chunk("cue ", data, size);
}

// The LIST chunk of type "adtl" with one "labl" sub-chunk per tag; its size that of its data unless given.
inline Bytes LabelList(const std::vector<Tag>& tags, std::optional<std::int32_t> size = {}) {
    Bytes data;
    AppendId(data, "adtl");
    for (const Tag& tag : tags) {
        Bytes text(tag.label.begin(), tag.label.end());
        Bytes label;
        AppendU32(label, static_cast<std::uint32_t>(tag.cuePointId));
        label.insert(label.end(), text.begin(), text.end());
        const Bytes sub = Chunk("labl", label, tag.lablLen.value_or(static_cast<std::int32_t>(label.size())));
        data.insert(data.end(), sub.begin(), sub.end());
    }
    return Chunk("LIST", data, size);
}

// The chunks of a recorder's file: a "fact" chunk holding the recorder number (bytes 44 to 51), an
// empty data chunk, then the tags.
inline Bytes TaggedHead(const std::vector<Tag>& tags) {
    return WavHead({Chunk("fact", Bytes(8)), Chunk("data", {}), CueChunk(tags), LabelList(tags)});
}

struct BlockRecording {
    std::size_t size = 4 * 4096;            // bytes in the file
    std::uint32_t riffSize = 3 * 4096 - 8;  // gives the block limit: 3 here, the fourth block holds the sum
    std::uint32_t recorderHigh = 0x0A0B0C0D;
    std::uint32_t recorderLow = 0x01020304;
    bool validChecksum = true;
    Bytes head = WavHead({Chunk("fact", Bytes(8)), Chunk("data", {})});
};

inline std::size_t BlockLimit(std::uint32_t riffSize) { return (riffSize + 8u) / 4096; }

// Varied bytes, the head at byte 0, the RIFF size and recorder number over it, and the checksum of the
// blocks before the block limit at the start of that block when the file holds it.
inline Bytes MakeBlockRecording(const BlockRecording& layout) {
    Bytes bytes(layout.size);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 167 + i / 4096 * 13);
    std::copy(layout.head.begin(),
              layout.head.begin() + static_cast<std::ptrdiff_t>(std::min(layout.head.size(), bytes.size())),
              bytes.begin());
    if (bytes.size() < 52) return bytes;
    WriteU32le(bytes, 4, layout.riffSize);
    WriteU16le(bytes, 44, static_cast<std::uint16_t>(layout.recorderHigh >> 16));
    WriteU16le(bytes, 46, static_cast<std::uint16_t>(layout.recorderHigh));
    WriteU16le(bytes, 48, static_cast<std::uint16_t>(layout.recorderLow >> 16));
    WriteU16le(bytes, 50, static_cast<std::uint16_t>(layout.recorderLow));
    const std::size_t signature = 4096 * BlockLimit(layout.riffSize);
    if (signature != 0 && signature + 4 <= bytes.size())
        WriteU32le(bytes, signature, WordSum(bytes, signature) + (layout.validChecksum ? 0 : 1));
    return bytes;
}

// A file of the given size that takes no room on disk: zeros, for sizes beyond 32 bits.
inline void CreateSparseFile(const std::string& path, std::uintmax_t size) {
    { std::ofstream create(path); }
    std::filesystem::resize_file(path, size);
}

}  // namespace vocset::testing
