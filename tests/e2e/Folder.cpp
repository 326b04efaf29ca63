// The scenario's work folder and the files the program leaves in it.
#include "Folder.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "Check.h"

namespace e2e {

void MakeEmptyFolder(const std::wstring& path) {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    Expect(std::filesystem::create_directories(path, error), L"cannot make the folder " + Show(path));
}

std::vector<std::wstring> FolderEntries(const std::wstring& path) {
    std::vector<std::wstring> names;
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
        names.push_back(entry.path().filename().wstring());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path, std::size_t limit) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary | std::ios::ate);
    Expect(file.good(), L"cannot open " + Show(path));
    std::vector<std::uint8_t> bytes(std::min(static_cast<std::size_t>(file.tellg()), limit));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Expect(file.good(), L"cannot read " + Show(path));
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Expect(file.good(), L"cannot write " + Show(path));
}

void ResizeFile(const std::wstring& path, std::uint64_t size) {
    std::error_code error;
    std::filesystem::resize_file(path, size, error);
    Expect(!error, L"cannot resize " + Show(path));
}

std::int64_t FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<std::int64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

bool NobodyHolds(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace e2e
