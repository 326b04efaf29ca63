// Real files for tests, with Windows' rules that a file held open cannot be opened again and that a
// move does not replace a read-only or open file.
#pragma once

#include <set>
#include <string>

#include "widgets/Files.h"

namespace vocset::testing {

class PosixFileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override;
    std::unique_ptr<FileStream> Create(const std::string& path) override;
    std::unique_ptr<FileStream> CreateTemporaryBeside(const std::string& target, std::string& name) override;
    void MoveReplacing(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) noexcept override;
    std::string CurrentDirectory() override;

    // Test controls: writes store at most this many bytes in all (then 0), like a full disk.
    std::int64_t writeBudget = -1;
    // Reads deliver no byte at or past this offset of a file, like a part of a disk that cannot be read.
    std::int64_t readLimit = -1;
    // When set, a read or write that would pass those limits or meet a passing fault moves no byte at
    // all, as a failed system call does, instead of the bytes up to them.
    bool failWholeMove = false;
    // A passing fault at an offset of a file: the first read (or write) of more than one 4096-byte block
    // over it moves only the bytes before it (none with failWholeMove); the moves after it, over it too,
    // succeed. -1: none.
    std::int64_t passingReadFaultAt = -1;
    std::int64_t passingWriteFaultAt = -1;
    // Calls of Read and of Write on every stream.
    int reads = 0;
    int writes = 0;
    // When set, every move fails.
    bool failMoves = false;
    // When set, "\" separates folders in a name, as on Windows; otherwise it is part of a file's name.
    bool backslashSeparates = false;
    int openStreams() const { return static_cast<int>(open_.size()); }

private:
    friend class PosixStream;
    std::unique_ptr<FileStream> OpenStream(const std::string& path, bool create, bool exclusive);
    std::string Local(std::string path) const;
    std::set<std::string> open_;
};

}  // namespace vocset::testing
