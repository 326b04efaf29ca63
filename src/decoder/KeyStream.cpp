// The key-stream step and the precomputed key stream.
#include "decoder/KeyStream.h"

#include <algorithm>

#include "base/ByteOrder.h"
#include "decoder/Blocks.h"

namespace vocset {

namespace {
std::uint16_t DoubleStep(const KeyTable& table, std::uint16_t state) { return KeyStep(table, KeyStep(table, state)); }
}  // namespace

std::uint16_t KeyStep(const KeyTable& table, std::uint16_t state) {
    return static_cast<std::uint16_t>(table[(state >> 8) ^ 0xFF] ^ (state << 8));
}

void KeyStream::Rebuild(const KeyTable& table, std::uint16_t origin) {
    // The first repeated state closes the cycle; a table that makes the map invertible gives no tail.
    std::vector<bool> seen(65536);
    std::vector<std::uint16_t> states;
    states.reserve(seen.size());
    std::uint16_t state = origin;
    while (!seen[state]) {
        seen[state] = true;
        states.push_back(state);
        state = DoubleStep(table, state);
    }
    tail_ = static_cast<std::size_t>(std::find(states.begin(), states.end(), state) - states.begin());
    period_ = states.size() - tail_;

    // The slice of a block may start at any key before tail_ + period_, so the keys run on for one
    // more block, repeating the cycle.
    const std::size_t keyCount = states.size() + kWordsPerBlock;
    keyBytes_.resize(2 * keyCount);
    for (std::size_t k = 0; k < keyCount; ++k) {
        const std::size_t stateIndex = k + 1;
        const std::uint16_t key =
            stateIndex < states.size() ? states[stateIndex] : states[tail_ + (stateIndex - tail_) % period_];
        WriteU16le(keyBytes_, 2 * k, key);
    }
    table_ = table;
    position_ = 0;
    current_ = origin;
}

void KeyStream::Apply(const KeyTable& table, std::uint16_t& state, std::span<std::uint8_t> block) {
    if (keyBytes_.empty() || state != current_ || table != table_) Rebuild(table, state);

    const std::uint8_t* keys = keyBytes_.data() + 2 * position_;
    for (std::size_t i = 0; i < kBlockSize; ++i) block[i] ^= keys[i];

    current_ = static_cast<std::uint16_t>(keys[kBlockSize - 2] | keys[kBlockSize - 1] << 8);
    position_ += kWordsPerBlock;
    if (position_ >= tail_ + period_) position_ = tail_ + (position_ - tail_) % period_;
    state = current_;
}

}  // namespace vocset
