// Files held in memory for the fuzz targets, with Windows' rule that a file held open cannot be opened
// again.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "widgets/Files.h"

namespace vocset::fuzzing {

class MemoryFileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    std::unique_ptr<FileStream> OpenRead(const std::string& path) override;
    std::unique_ptr<FileStream> Create(const std::string& path) override;
    std::unique_ptr<FileStream> CreateTemporaryBeside(const std::string& target, std::string& name) override;
    void MoveReplacing(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) noexcept override { files.erase(path); }
    std::string CurrentDirectory() override { return "C:\\"; }

    std::map<std::string, std::vector<std::uint8_t>> files;

private:
    friend class MemoryStream;
    std::unique_ptr<FileStream> Open(const std::string& path);
    std::set<std::string> open_;
};

}  // namespace vocset::fuzzing
