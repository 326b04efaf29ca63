// The scenario's work folder and the files the program leaves in it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

void MakeEmptyFolder(const std::wstring& path);
// Names of the folder's entries, sorted.
std::vector<std::wstring> FolderEntries(const std::wstring& path);
// The file's first `limit` bytes, or all of a shorter file.
std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path, std::size_t limit = SIZE_MAX);
void WriteFileBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
// Makes the file this long; bytes added at its end are zeros and take no room on disk.
void ResizeFile(const std::wstring& path, std::uint64_t size);
// The file's size, or -1 when there is none.
std::int64_t FileSize(const std::wstring& path);
// True when the file exists and no process, the program included, holds it open.
bool NobodyHolds(const std::wstring& path);

}  // namespace e2e
