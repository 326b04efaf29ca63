// The key stream of encrypted recordings: one step of the key state, and a precomputed stream of keys.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vocset {

using KeyTable = std::array<std::uint16_t, 256>;

// One key-stream step: the table-driven CRC-16/CCITT register update with the input byte 0xFF.
std::uint16_t KeyStep(const KeyTable& table, std::uint16_t state);

// The keys that follow a key state. A word's key is the state after two steps; the keys depend on the
// table and the state only, never on the data, so one run of the state sequence, computed once, serves
// every block: the double step is a map on 16-bit states, so from any state the sequence runs into a
// cycle of at most 65,536 states, and a block's 2048 keys are one contiguous slice of it.
class KeyStream {
public:
    // XORs the 2048 keys that follow `state` into the first 4096 bytes of the block, taken as
    // little-endian words, and advances `state` by 4096 steps, exactly as stepping word by word would.
    void Apply(const KeyTable& table, std::uint16_t& state, std::span<std::uint8_t> block);

private:
    void Rebuild(const KeyTable& table, std::uint16_t origin);

    KeyTable table_{};
    // Key k, the state after 2(k + 1) steps from the origin, as its low byte then its high byte.
    std::vector<std::uint8_t> keyBytes_;
    std::size_t tail_ = 0;       // keys before the sequence enters its cycle
    std::size_t period_ = 0;     // length of the cycle, in keys
    std::size_t position_ = 0;   // keys already used since the origin, kept within tail_ + period_
    std::uint16_t current_ = 0;  // the state after those keys
};

}  // namespace vocset
