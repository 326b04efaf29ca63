// Handing out a file's blocks from chunk reads, and writing blocks a chunk at a time.
#include "decoder/ChunkedBlocks.h"

#include <algorithm>

namespace vocset {

namespace {
// Whole blocks that cover the file, at least one, at most a chunk.
std::size_t CapacityFor(std::int64_t fileSize) {
    const auto bytes = static_cast<std::size_t>(std::clamp<std::int64_t>(fileSize, 1, kChunkSize));
    return (bytes + kBlockSize - 1) / kBlockSize * kBlockSize;
}
}  // namespace

ChunkedBlocks::ChunkedBlocks(FileStream& file)
    : file_(file),
      size_(file.Size()),
      position_(file.Seek(0, SeekOrigin::Current)),
      capacity_(CapacityFor(size_)),
      chunk_(std::make_unique_for_overwrite<std::uint8_t[]>(capacity_)) {}

std::span<std::uint8_t> ChunkedBlocks::Next() {
    if (next_ == filled_ && !lastRead_) ReadChunk();
    const std::size_t size = std::min(kBlockSize, filled_ - next_);
    const std::span<std::uint8_t> block(chunk_.get() + next_, size);
    next_ += size;
    return block;
}

void ChunkedBlocks::ReadChunk() {
    // A read that ends at the file's end delivers less than a chunk, as it should.
    const auto expected = static_cast<std::size_t>(std::clamp<std::int64_t>(size_ - position_, 0, capacity_));
    filled_ = file_.Read(std::span(chunk_.get(), capacity_));
    if (filled_ < expected) filled_ = ReadBlockByBlock();
    position_ += static_cast<std::int64_t>(filled_);
    lastRead_ = filled_ < capacity_;
    next_ = 0;
    taken_ = 0;
}

// The chunk again from its start, a block at a time, up to the first block that delivers less.
std::size_t ChunkedBlocks::ReadBlockByBlock() {
    file_.Seek(position_, SeekOrigin::Begin);
    std::size_t filled = 0;
    while (filled < capacity_) {
        const std::size_t got = file_.Read(std::span(chunk_.get() + filled, kBlockSize));
        filled += got;
        if (got < kBlockSize) break;
    }
    return filled;
}

std::span<const std::uint8_t> ChunkedBlocks::TakeWholeBlocks() {
    const std::size_t start = taken_;
    taken_ += (next_ - taken_) / kBlockSize * kBlockSize;
    return std::span<const std::uint8_t>(chunk_.get() + start, taken_ - start);
}

std::size_t WriteBlocks(FileStream& target, std::int64_t offset, std::span<const std::uint8_t> blocks) {
    const std::size_t stored = target.Write(blocks);
    if (stored >= blocks.size()) return blocks.size() / kBlockSize;
    std::size_t block = stored / kBlockSize;
    target.Seek(offset + static_cast<std::int64_t>(block * kBlockSize), SeekOrigin::Begin);
    for (; block * kBlockSize < blocks.size(); ++block) {
        if (target.Write(blocks.subspan(block * kBlockSize, kBlockSize)) < kBlockSize) break;
    }
    return block;
}

}  // namespace vocset
