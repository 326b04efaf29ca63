// A file's blocks, read a large chunk at a time and handed out one block at a time; blocks written a
// chunk at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "decoder/Blocks.h"
#include "widgets/Files.h"

namespace vocset {

// What one read or write of the block loops moves: whole blocks, so that no block spans two reads.
inline constexpr std::size_t kChunkBlocks = 128;
inline constexpr std::size_t kChunkSize = kChunkBlocks * kBlockSize;

// The blocks of a file in file order, out of one chunk buffer. A chunk's read that delivers less than it
// should before the file's end (a failed read delivers nothing; a bad spot on a disk fails the whole
// read) is done again a block at a time, so that every block before the fault is read. A read that
// delivers less than a chunk is the last: the block after its whole blocks is what is left of it,
// shorter than a block or empty, as a read of that block alone would have delivered.
class ChunkedBlocks {
public:
    // Reads from the file's position. The buffer holds a chunk, or the whole file when that is smaller,
    // and is not cleared: every byte handed out was read first.
    explicit ChunkedBlocks(FileStream& file);

    // The next block, to read or change in place until the chunk is read again. Reads the next chunk
    // when the last one is handed out, unless its read was the last.
    std::span<std::uint8_t> Next();

    // True when the chunk is handed out to its end: the next call of Next reads.
    bool AtChunkEnd() const { return next_ == filled_; }

    // The whole blocks handed out since the last call or the last read, as one span; call it before
    // the next read, which reuses the buffer.
    std::span<const std::uint8_t> TakeWholeBlocks();

private:
    void ReadChunk();
    std::size_t ReadBlockByBlock();

    FileStream& file_;
    std::int64_t size_;
    std::int64_t position_;  // where the next chunk starts in the file
    std::size_t capacity_;
    std::unique_ptr<std::uint8_t[]> chunk_;
    std::size_t filled_ = 0;  // bytes the last read delivered
    std::size_t next_ = 0;    // start of the next block in the chunk
    std::size_t taken_ = 0;   // end of the blocks already taken
    bool lastRead_ = false;
};

// Writes whole blocks in one write at `offset` of the target. When that stores less, the blocks from the
// first one not stored whole are written again one at a time from its place, as a block-by-block loop
// would write them. Returns how many blocks were stored whole: all, or those before the first block
// whose own write stored less (the target keeps the bytes that the writes stored).
std::size_t WriteBlocks(FileStream& target, std::int64_t offset, std::span<const std::uint8_t> blocks);

}  // namespace vocset
