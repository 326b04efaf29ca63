// File streams and the file system, as the handlers and the decoder reach them.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace vocset {

enum class SeekOrigin { Begin, Current, End };

// An open file, held with no sharing until the object is destroyed. Reads and writes return the
// number of bytes moved: 0, without an error, when the system call fails.
class FileStream {
public:
    virtual ~FileStream() = default;
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
    virtual std::size_t Write(std::span<const std::uint8_t> bytes) = 0;
    // Returns the new position, or -1 (position unchanged) when it would lie before the start.
    virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;
    virtual std::int64_t Size() = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // True for an existing file; a folder of that name does not count.
    virtual bool FileExists(const std::string& path) = 0;
    // Opens an existing file for reading; throws CannotOpenFile with the full path.
    virtual std::unique_ptr<FileStream> OpenRead(const std::string& path) = 0;
    // Creates the file for reading and writing, replacing one of that name; throws CannotCreateFile.
    virtual std::unique_ptr<FileStream> Create(const std::string& path) = 0;
    // Creates a new, uniquely named file in the folder of `target`, and returns its name in `name`;
    // throws CannotCreateFile naming `target`.
    virtual std::unique_ptr<FileStream> CreateTemporaryBeside(const std::string& target, std::string& name) = 0;
    // Moves `from` over `to` in one step, replacing `to`, with the data on disk before it returns.
    // A replaced file keeps its attributes. Throws CannotCreateFile naming `to`, leaving both files
    // as they were, when the move fails, when `to` is read-only (the reason is the system's text for
    // access denied) and when someone holds `to` open (the text for a sharing violation).
    virtual void MoveReplacing(const std::string& from, const std::string& to) = 0;
    // Deletes a file; a failure is ignored.
    virtual void Remove(const std::string& path) noexcept = 0;
    virtual std::string CurrentDirectory() = 0;
};

}  // namespace vocset
