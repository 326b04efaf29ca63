// In-memory file streams: reads and writes move bytes at the position, seeks before the start fail.
#include "MemoryFileSystem.h"

#include <algorithm>

#include "base/Errors.h"

namespace vocset::fuzzing {

class MemoryStream : public FileStream {
public:
    MemoryStream(MemoryFileSystem& owner, std::string path) : owner_(owner), path_(std::move(path)) {}
    ~MemoryStream() override { owner_.open_.erase(path_); }

    std::size_t Read(std::span<std::uint8_t> buffer) override {
        const std::vector<std::uint8_t>& bytes = Bytes();
        if (position_ >= static_cast<std::int64_t>(bytes.size())) return 0;
        const std::size_t count = std::min(buffer.size(), bytes.size() - static_cast<std::size_t>(position_));
        std::copy_n(bytes.begin() + position_, count, buffer.begin());
        position_ += static_cast<std::int64_t>(count);
        return count;
    }
    std::size_t Write(std::span<const std::uint8_t> data) override {
        std::vector<std::uint8_t>& bytes = Bytes();
        const std::size_t end = static_cast<std::size_t>(position_) + data.size();
        if (bytes.size() < end) bytes.resize(end);
        std::copy(data.begin(), data.end(), bytes.begin() + position_);
        position_ = static_cast<std::int64_t>(end);
        return data.size();
    }
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override {
        const std::int64_t base = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? position_ : Size();
        if (offset < -base) return -1;
        position_ = base + offset;
        return position_;
    }
    std::int64_t Size() override { return static_cast<std::int64_t>(Bytes().size()); }

private:
    std::vector<std::uint8_t>& Bytes() { return owner_.files[path_]; }

    MemoryFileSystem& owner_;
    std::string path_;
    std::int64_t position_ = 0;
};

std::unique_ptr<FileStream> MemoryFileSystem::Open(const std::string& path) {
    open_.insert(path);
    return std::make_unique<MemoryStream>(*this, path);
}

std::unique_ptr<FileStream> MemoryFileSystem::OpenRead(const std::string& path) {
    if (!FileExists(path)) throw CannotOpenFile(path, "The system cannot find the file specified.");
    if (open_.count(path) != 0) throw CannotOpenFile(path, "Sharing violation.");
    return Open(path);
}

std::unique_ptr<FileStream> MemoryFileSystem::Create(const std::string& path) {
    if (open_.count(path) != 0) throw CannotCreateFile(path, "Sharing violation.");
    files[path].clear();
    return Open(path);
}

std::unique_ptr<FileStream> MemoryFileSystem::CreateTemporaryBeside(const std::string& target, std::string& name) {
    for (int attempt = 0;; ++attempt) {
        name = target + "." + std::to_string(attempt) + ".tmp";
        if (!FileExists(name)) return Create(name);
    }
}

void MemoryFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    if (!FileExists(from)) throw CannotCreateFile(to, "The system cannot find the file specified.");
    if (open_.count(from) != 0 || open_.count(to) != 0) throw CannotCreateFile(to, "Sharing violation.");
    std::vector<std::uint8_t> bytes = std::move(files[from]);
    files.erase(from);
    files[to] = std::move(bytes);
}

}  // namespace vocset::fuzzing
