// The recording decoder's one set of per-run values.
#pragma once

#include <cstdint>

#include "decoder/KeyStream.h"

namespace vocset {

struct DecoderState {
    KeyTable keyTable{};
    std::uint16_t keyState = 0;
    std::int32_t blockIndex = 0;
    std::uint32_t blockLimit = 1;
    std::uint32_t recorderHigh = 0;
    std::uint32_t recorderLow = 0;
    std::uint32_t runningSum = 0;
    std::uint32_t storedChecksum = 0;
    // Keys precomputed from keyTable and keyState; it follows them, so it never needs resetting.
    KeyStream keyStream;

    // The values that Start gives every field before a run.
    void Reset() { *this = DecoderState{}; }
};

}  // namespace vocset
