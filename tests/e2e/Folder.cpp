// The scenario's work folder and the files the program leaves in it.
#include "Folder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
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

std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    Expect(file.good(), L"cannot open " + Show(path));
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace e2e
