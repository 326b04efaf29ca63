// Recordings made by tests: whole 4096-byte blocks with a RIFF header, a recorder number and a
// checksum block, optionally encrypted.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/ByteOrder.h"

namespace vocset::testing {

using Bytes = std::vector<std::uint8_t>;

struct RecordingSpec {
    int checksummedBlocks = 3;  // blocks 0 .. n-1; block n holds the checksum
    int blocksAfter = 0;        // further blocks after the checksum block
    std::uint32_t recorderHigh = 0x12345678;
    std::uint32_t recorderLow = 0x9ABCDEF0;
    bool validChecksum = true;
};

inline std::uint32_t WordSum(const Bytes& bytes, std::size_t end) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < end; i += 2) sum += static_cast<std::uint32_t>(bytes[i] | bytes[i + 1] << 8);
    return sum;
}

// A plain WAV recording: RIFF size 4096·n − 8, so blocks 0 to n − 1 are summed and block n holds the sum.
inline Bytes MakeRecording(const RecordingSpec& recording = {}) {
    const std::size_t block = 4096;
    Bytes bytes(block * static_cast<std::size_t>(recording.checksummedBlocks + 1 + recording.blocksAfter));
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + i / 4096);
    const char riff[] = {'R', 'I', 'F', 'F'};
    std::copy(riff, riff + 4, bytes.begin());
    WriteU32le(bytes, 4, static_cast<std::uint32_t>(block * static_cast<std::size_t>(recording.checksummedBlocks) - 8));
    // The recorder number's halves put their first word in the more significant place.
    WriteU16le(bytes, 44, static_cast<std::uint16_t>(recording.recorderHigh >> 16));
    WriteU16le(bytes, 46, static_cast<std::uint16_t>(recording.recorderHigh));
    WriteU16le(bytes, 48, static_cast<std::uint16_t>(recording.recorderLow >> 16));
    WriteU16le(bytes, 50, static_cast<std::uint16_t>(recording.recorderLow));
    // No cue chunk: the format chunk of 16 bytes is followed by a data chunk.
    const char head[] = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    std::copy(head, head + 8, bytes.begin() + 8);
    WriteU32le(bytes, 16, 16);
    bytes[36] = 'd';
    WriteU32le(bytes, 40, static_cast<std::uint32_t>(bytes.size() - 44));
    const std::size_t signature = block * static_cast<std::size_t>(recording.checksummedBlocks);
    WriteU32le(bytes, signature, WordSum(bytes, signature) + (recording.validChecksum ? 0 : 1));
    return bytes;
}

}  // namespace vocset::testing
