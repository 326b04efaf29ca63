// The key table, the block transform and the file loop of the decryption.
#include "decoder/Decryption.h"

#include <array>
#include <memory>

#include "decoder/Blocks.h"
#include "decoder/Progress.h"

namespace vocset {

namespace {
constexpr std::uint32_t kPolynomial = 0x1021;
}  // namespace

void BuildKeyTable(DecoderState& state) {
    for (std::uint32_t i = 0; i < state.keyTable.size(); ++i) {
        std::uint32_t value = i << 8;
        for (int bit = 0; bit < 8; ++bit) value = (value & 0x8000) != 0 ? (value << 1) ^ kPolynomial : value << 1;
        state.keyTable[i] = static_cast<std::uint16_t>(value);
    }
}

void SeedKeyState(DecoderState& state, std::uint16_t seed) { state.keyState = seed; }

bool DecryptBlock(DecoderState& state, std::span<std::uint8_t> block, std::int32_t length) {
    if (length != static_cast<std::int32_t>(kBlockSize) || block.size() < kBlockSize) return false;
    // Block 0 is always the header, whatever the limit in force says.
    if (state.blockIndex == 0) {
        ReadBlockZeroHeader(state, block);
    } else if (!IsSignatureBlock(state)) {
        state.keyStream.Apply(state.keyTable, state.keyState, block);
    }
    return true;
}

bool DecryptRecording(DecoderState& state, const std::string& source, const std::string& target, FileSystem& files,
                      const BlockLoopHooks& hooks) {
    hooks.setProgress(0);
    // Declared in this order so that they are freed in the reverse one: buffer, target, source.
    const std::unique_ptr<FileStream> input = files.OpenRead(source);
    const std::int64_t length = input->Size();
    const std::unique_ptr<FileStream> output = files.Create(target);
    std::array<std::uint8_t, kBlockSize> buffer;

    std::int64_t written = 0;
    state.blockIndex = 0;
    for (bool first = true;; first = false) {
        if (!MayReadNextBlock(hooks, first)) return false;
        const std::size_t got = input->Read(buffer);
        if (got == 0) return true;
        if (!DecryptBlock(state, buffer, static_cast<std::int32_t>(got))) return false;
        const std::size_t stored = output->Write(buffer);
        written += static_cast<std::int64_t>(stored);
        hooks.setProgress(ProgressPercent(written, length));
        ++state.blockIndex;
        if (stored == 0) return true;
    }
}

}  // namespace vocset
