// POSIX files behind the FileSystem interface.
#include "support/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/Errors.h"

namespace vocset::testing {

namespace {
std::string FullPath(const std::string& path) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}
}  // namespace

class PosixStream : public FileStream {
public:
    PosixStream(PosixFileSystem& owner, std::string path, int fd) : owner_(owner), path_(std::move(path)), fd_(fd) {}
    ~PosixStream() override {
        ::close(fd_);
        owner_.open_.erase(path_);
    }
    std::size_t Read(std::span<std::uint8_t> buffer) override {
        ++owner_.reads;
        std::size_t wanted = WantedPastPassingFault(owner_.passingReadFaultAt, buffer.size());
        if (owner_.readLimit >= 0) {
            const std::int64_t readable = std::max<std::int64_t>(0, owner_.readLimit - ::lseek(fd_, 0, SEEK_CUR));
            if (static_cast<std::int64_t>(wanted) > readable)
                wanted = owner_.failWholeMove ? 0 : static_cast<std::size_t>(readable);
        }
        std::size_t total = 0;
        while (total < wanted) {
            ssize_t n = ::read(fd_, buffer.data() + total, wanted - total);
            if (n <= 0) break;
            total += static_cast<std::size_t>(n);
        }
        return total;
    }
    std::size_t Write(std::span<const std::uint8_t> bytes) override {
        ++owner_.writes;
        std::size_t wanted = WantedPastPassingFault(owner_.passingWriteFaultAt, bytes.size());
        if (owner_.writeBudget >= 0) {
            if (static_cast<std::int64_t>(wanted) > owner_.writeBudget)
                wanted = owner_.failWholeMove ? 0 : static_cast<std::size_t>(owner_.writeBudget);
            owner_.writeBudget -= static_cast<std::int64_t>(wanted);
        }
        ssize_t n = wanted ? ::write(fd_, bytes.data(), wanted) : 0;
        return n < 0 ? 0 : static_cast<std::size_t>(n);
    }
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override {
        int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
        off_t position = ::lseek(fd_, static_cast<off_t>(offset), whence);
        return position < 0 ? -1 : static_cast<std::int64_t>(position);
    }
    std::int64_t Size() override {
        struct stat status {};
        return ::fstat(fd_, &status) == 0 ? static_cast<std::int64_t>(status.st_size) : 0;
    }

private:
    // The bytes a move of `size` may move: those before the fault's offset (none when failWholeMove is
    // set), once, for a move of more than a block over it; all of them otherwise.
    std::size_t WantedPastPassingFault(std::int64_t& faultAt, std::size_t size) {
        const std::int64_t position = ::lseek(fd_, 0, SEEK_CUR);
        if (faultAt < position || size <= kBlock || faultAt >= position + static_cast<std::int64_t>(size)) return size;
        const auto before = static_cast<std::size_t>(faultAt - position);
        faultAt = -1;
        return owner_.failWholeMove ? 0 : before;
    }
    static constexpr std::size_t kBlock = 4096;

    PosixFileSystem& owner_;
    std::string path_;
    int fd_;
};

std::string PosixFileSystem::Local(std::string path) const {
    if (backslashSeparates) std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool PosixFileSystem::FileExists(const std::string& path) {
    struct stat status {};
    return ::stat(Local(path).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::unique_ptr<FileStream> PosixFileSystem::OpenStream(const std::string& path, bool create, bool exclusive) {
    std::string full = FullPath(path);
    auto fail = [&](const char* reason) -> PlatformError {
        return create ? CannotCreateFile(full, reason) : CannotOpenFile(full, reason);
    };
    if (open_.count(full)) throw fail("Sharing violation.");
    int flags = create ? (O_RDWR | O_CREAT | (exclusive ? O_EXCL : O_TRUNC)) : O_RDONLY;
    int fd = ::open(full.c_str(), flags, 0644);
    if (fd < 0) throw fail(std::strerror(errno));
    open_.insert(full);
    return std::make_unique<PosixStream>(*this, full, fd);
}

std::unique_ptr<FileStream> PosixFileSystem::OpenRead(const std::string& path) {
    return OpenStream(Local(path), false, false);
}

std::unique_ptr<FileStream> PosixFileSystem::Create(const std::string& path) {
    return OpenStream(Local(path), true, false);
}

std::unique_ptr<FileStream> PosixFileSystem::CreateTemporaryBeside(const std::string& target, std::string& name) {
    const std::string full = FullPath(Local(target));
    std::filesystem::path folder = std::filesystem::path(full).parent_path();
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string candidate = (folder / ("vocset" + std::to_string(attempt) + ".tmp")).string();
        if (std::filesystem::exists(candidate)) continue;
        try {
            auto stream = OpenStream(candidate, true, true);
            name = candidate;
            return stream;
        } catch (const PlatformError&) {
            throw CannotCreateFile(full, std::strerror(errno));
        }
    }
    throw CannotCreateFile(full, "No temporary name left.");
}

// A target without any write permission bit is read-only, as Wine shows such a file; the replaced
// file keeps the target's mode.
void PosixFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    std::string full = FullPath(Local(to));
    struct stat target {};
    const bool replacing = ::stat(full.c_str(), &target) == 0;
    if (replacing && !(target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) throw CannotCreateFile(full, "Access denied.");
    if (failMoves || open_.count(full)) throw CannotCreateFile(full, "Sharing violation.");
    if (replacing && ::chmod(Local(from).c_str(), target.st_mode & 07777) != 0)
        throw CannotCreateFile(full, std::strerror(errno));
    if (std::rename(Local(from).c_str(), full.c_str()) != 0) throw CannotCreateFile(full, std::strerror(errno));
}

void PosixFileSystem::Remove(const std::string& path) noexcept { ::unlink(Local(path).c_str()); }

std::string PosixFileSystem::CurrentDirectory() { return std::filesystem::current_path().string(); }

}  // namespace vocset::testing
