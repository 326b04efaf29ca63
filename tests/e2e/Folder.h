// The scenario's work folder and the files the program leaves in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

void MakeEmptyFolder(const std::wstring& path);
// Names of the folder's entries, sorted.
std::vector<std::wstring> FolderEntries(const std::wstring& path);
std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path);

}  // namespace e2e
