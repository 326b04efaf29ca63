// Files opened with no sharing through CreateFileW, and the file-system operations around them.
#include <algorithm>
#include <vector>

#include "base/Errors.h"
#include "base/Paths.h"
#include "win32/SystemError.h"
#include "win32/WideText.h"
#include "win32/Win32Services.h"

namespace vocset::win32 {

namespace {
std::string FullPath(const std::string& path) {
    const std::wstring name = Widen(path);
    const DWORD length = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::vector<wchar_t> full(length, L'\0');
    GetFullPathNameW(name.c_str(), length, full.data(), nullptr);
    return Narrow(full.data());
}

std::string LastErrorText() { return SystemErrorText(GetLastError()); }

class Win32FileStream : public FileStream {
public:
    explicit Win32FileStream(HANDLE file) : file_(file) {}
    ~Win32FileStream() override { CloseHandle(file_); }
    Win32FileStream(const Win32FileStream&) = delete;
    Win32FileStream& operator=(const Win32FileStream&) = delete;

    std::size_t Read(std::span<std::uint8_t> buffer) override {
        DWORD moved = 0;
        return ReadFile(file_, buffer.data(), Chunk(buffer.size()), &moved, nullptr) ? moved : 0;
    }

    std::size_t Write(std::span<const std::uint8_t> bytes) override {
        DWORD moved = 0;
        return WriteFile(file_, bytes.data(), Chunk(bytes.size()), &moved, nullptr) ? moved : 0;
    }

    // The system refuses a position before the start and leaves the position as it was.
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override {
        const DWORD method = origin == SeekOrigin::Begin     ? FILE_BEGIN
                             : origin == SeekOrigin::Current ? FILE_CURRENT
                                                             : FILE_END;
        LARGE_INTEGER distance{};
        distance.QuadPart = offset;
        LARGE_INTEGER position{};
        return SetFilePointerEx(file_, distance, &position, method) ? position.QuadPart : -1;
    }

    std::int64_t Size() override {
        LARGE_INTEGER size{};
        return GetFileSizeEx(file_, &size) ? size.QuadPart : 0;
    }

private:
    static DWORD Chunk(std::size_t size) { return static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD)); }
    HANDLE file_;
};

HANDLE OpenHandle(const std::string& path, DWORD access, DWORD disposition) {
    return CreateFileW(Widen(path).c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}
}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<FileStream> Win32FileSystem::OpenRead(const std::string& path) {
    HANDLE file = OpenHandle(path, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        const std::string reason = LastErrorText();
        throw CannotOpenFile(FullPath(path), reason);
    }
    return std::make_unique<Win32FileStream>(file);
}

std::unique_ptr<FileStream> Win32FileSystem::Create(const std::string& path) {
    HANDLE file = OpenHandle(path, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        const std::string reason = LastErrorText();
        throw CannotCreateFile(FullPath(path), reason);
    }
    return std::make_unique<Win32FileStream>(file);
}

std::unique_ptr<FileStream> Win32FileSystem::CreateTemporaryBeside(const std::string& target, std::string& name) {
    const std::string fullTarget = FullPath(target);
    wchar_t temporary[MAX_PATH] = {};
    if (GetTempFileNameW(Widen(ExtractFileDir(fullTarget)).c_str(), L"voc", 0, temporary) == 0) {
        throw CannotCreateFile(fullTarget, LastErrorText());
    }
    // GetTempFileNameW made the file; open it again, alone, for the stream.
    name = Narrow(temporary);
    HANDLE file = OpenHandle(name, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        const std::string reason = LastErrorText();
        DeleteFileW(temporary);
        throw CannotCreateFile(fullTarget, reason);
    }
    return std::make_unique<Win32FileStream>(file);
}

// Windows refuses to move over a read-only file; Wine replaces it, so the attribute is tested here.
// A file that someone holds open is found by opening it for deletion with no sharing: that gives
// the sharing violation that creating it would give, where the move would say access denied.
void Win32FileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    const std::wstring source = Widen(from);
    const std::wstring target = Widen(to);
    const auto refuse = [&](DWORD code) { throw CannotCreateFile(FullPath(to), SystemErrorText(code)); };
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_READONLY) refuse(ERROR_ACCESS_DENIED);
        HANDLE probe = CreateFileW(target.c_str(), DELETE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe == INVALID_HANDLE_VALUE) refuse(GetLastError());
        CloseHandle(probe);
        // The moved file carries its own attributes; give it the ones of the file it replaces.
        constexpr DWORD kKept = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;
        const DWORD kept = attributes & kKept;
        if (!SetFileAttributesW(source.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL)) refuse(GetLastError());
    }
    if (!MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        refuse(GetLastError());
    }
}

void Win32FileSystem::Remove(const std::string& path) noexcept { DeleteFileW(Widen(path).c_str()); }

std::string Win32FileSystem::CurrentDirectory() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::vector<wchar_t> folder(length, L'\0');
    GetCurrentDirectoryW(length, folder.data());
    return Narrow(folder.data());
}

}  // namespace vocset::win32
