// The cue points and labels of a recording, read from its RIFF chunks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "widgets/Files.h"
#include "widgets/Services.h"

namespace vocset {

// A 4-character id: the 4 bytes as they stand in the file.
using ChunkId = std::array<std::uint8_t, 4>;

// One cue point, 24 bytes in the file.
struct TCueData {
    std::int32_t idCue = 0;
    std::int32_t PlayPos = 0;
    ChunkId idData{};
    std::int32_t ChunkStart = 0;
    std::int32_t BlockStart = 0;
    std::int32_t SampleOffset = 0;
};

// The cue chunk's head and its points; data holds CueNum entries.
struct TCue {
    ChunkId idCue{};
    std::int32_t CueLen = 0;
    std::int32_t CueNum = 0;
    std::vector<TCueData> data;
};

// One label sub-chunk; s is its bytes, zero bytes dropped, as text in the ANSI code page.
struct TLabl {
    ChunkId idLabl{};
    std::int32_t LablLen = 0;
    std::int32_t CuePointId = 0;
    std::string s;
};

// The label list chunk's head and its records: label i belongs to cue point i. Labels that the file
// does not hold are missing from labl and count as empty.
struct TList {
    ChunkId idList{};
    std::int32_t ListLen = 0;
    ChunkId idAdtl{};
    std::vector<TLabl> labl;
};

struct CueInfo {
    TCue cue;
    TList list;
};

// Ceilings on what a report keeps, so that a recording whose counts and chunk lengths are all damaged
// still makes a report of bounded size: at most this many cue points, and this many bytes of label
// text in all (the label that reaches it loses its end, later ones are empty).
inline constexpr std::int32_t kMaxCuePoints = 16384;
inline constexpr std::int64_t kMaxLabelBytes = 256 * 1024;

// Reads the tags of a recording open at byte 0, leaving the position where reading stopped. Looks for
// the cue chunk right after the format chunk, or after an "f" chunk, a "d" chunk or both, comparing
// only an id's first byte; sizes are used as they stand, with no pad bytes, and the label list is read
// right after the cue points. Reads nothing that its chunk or the file does not hold: the cue count is
// cut to the whole records in the cue chunk's length and in the file, then to kMaxCuePoints; a label's
// text ends at its own length, the list chunk's end and the file's end. Fields that are not read stay
// zero. Throws RangeCheckError for a negative cue count.
CueInfo ReadCueInfo(FileStream& file, Locale& locale);

}  // namespace vocset
