// The key table, the block transform and the file loop of the decryption.
#include "decoder/Decryption.h"

#include <array>
#include <memory>

#include "decoder/Blocks.h"
#include "decoder/ChunkedBlocks.h"
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

namespace {
// How a run of the file loop ends.
enum class RunEnd { SourceEnded, Stopped, PartialLastBlock, WriteFailed };

// One run of the file loop. The transformed blocks wait in the chunk that was read and go out in one
// write when the chunk is used up or the run ends, so that the target holds exactly the blocks
// transformed before the run ends, however it ends. A write that stores less is done again a block at a
// time; a block that is not stored ends the run as its failed write would have ended it.
class DecryptionRun {
public:
    DecryptionRun(DecoderState& state, FileStream& source, FileStream& target, const BlockLoopHooks& hooks)
        : state_(state), blocks_(source), target_(target), length_(source.Size()), hooks_(hooks) {}

    // True only when the source has ended with every block stored.
    bool Run() {
        try {
            return Loop() == RunEnd::SourceEnded;
        } catch (...) {
            WriteWaitingBlocks();
            throw;
        }
    }

private:
    RunEnd Loop() {
        state_.blockIndex = 0;
        for (bool first = true;; first = false) {
            if (!MayReadNextBlock(hooks_, first)) return EndAfterWaitingBlocks(RunEnd::Stopped);
            const std::span<std::uint8_t> block = blocks_.Next();
            if (block.empty()) return EndAfterWaitingBlocks(RunEnd::SourceEnded);
            if (!DecryptBlock(state_, block, static_cast<std::int32_t>(block.size())))
                return EndAfterWaitingBlocks(RunEnd::PartialLastBlock);
            keyStates_[waiting_++] = state_.keyState;
            written_ += static_cast<std::int64_t>(kBlockSize);
            hooks_.setProgress(ProgressPercent(written_, length_));
            ++state_.blockIndex;
            if (blocks_.AtChunkEnd() && !WriteWaitingBlocks()) return RunEnd::WriteFailed;
        }
    }

    // The blocks still waiting were handled before the run came to its end: their failed write ends it.
    RunEnd EndAfterWaitingBlocks(RunEnd end) { return WriteWaitingBlocks() ? end : RunEnd::WriteFailed; }

    // Writes the blocks transformed since the last write. When the target stores fewer of them whole, even
    // a block at a time, leaves the block index, the key state and the progress as a failed write of the
    // first block not stored leaves them, and returns false.
    bool WriteWaitingBlocks() {
        const std::span<const std::uint8_t> waiting = blocks_.TakeWholeBlocks();
        const std::size_t count = waiting_;
        waiting_ = 0;
        if (waiting.empty()) return true;
        const std::size_t storedWhole = WriteBlocks(target_, stored_, waiting);
        stored_ += static_cast<std::int64_t>(storedWhole * kBlockSize);
        if (storedWhole == count) return true;

        const std::size_t failed = storedWhole;  // the first block not stored, among those waiting
        const std::size_t notCounted = count - failed;
        state_.blockIndex -= static_cast<std::int32_t>(notCounted - 1);
        state_.keyState = keyStates_[failed];
        written_ -= static_cast<std::int64_t>(notCounted * kBlockSize);
        hooks_.setProgress(ProgressPercent(written_, length_));
        return false;
    }

    DecoderState& state_;
    ChunkedBlocks blocks_;
    FileStream& target_;
    const std::int64_t length_;
    const BlockLoopHooks& hooks_;
    std::int64_t written_ = 0;  // bytes of the blocks handled, each counted as written whole
    std::int64_t stored_ = 0;   // bytes of the blocks stored whole: where the waiting blocks go
    // The key state after each block waiting to be written.
    std::array<std::uint16_t, kChunkBlocks> keyStates_{};
    std::size_t waiting_ = 0;
};
}  // namespace

bool DecryptRecording(DecoderState& state, const std::string& source, const std::string& target, FileSystem& files,
                      const BlockLoopHooks& hooks) {
    hooks.setProgress(0);
    // Declared in this order so that they are freed in the reverse one: the chunk, the target, the source.
    const std::unique_ptr<FileStream> input = files.OpenRead(source);
    const std::unique_ptr<FileStream> output = files.Create(target);
    return DecryptionRun(state, *input, *output, hooks).Run();
}

}  // namespace vocset
