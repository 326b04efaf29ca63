// Reading and writing the settings file.
#include "settings/SettingsFile.h"

#include "widgets/WriteFileWhole.h"

namespace vocset {

bool WriteSettingsFile(const std::string& fileName, const SettingsPage& page, SettingsImage& image, FileSystem& files) {
    BuildSettingsImage(page, image);
    return WriteFileWhole(files, fileName, [&](FileStream& stream) { return stream.Write(image.bytes) == kImageSize; });
}

bool ReadSettingsFile(const std::string& fileName, SettingsImage& image, FileSystem& files) {
    image.loaded = 0;
    if (!files.FileExists(fileName)) return false;
    auto stream = files.OpenRead(fileName);
    if (stream->Size() != static_cast<std::int64_t>(kImageSize)) return false;
    std::array<std::uint8_t, kImageSize> bytes{};
    if (stream->Read(bytes) != kImageSize) return false;
    image.bytes = bytes;
    image.loaded = 1;
    return true;
}

}  // namespace vocset
