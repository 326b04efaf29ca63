// The settings file that a save must produce, as named fields over a 512-byte image of 0xFF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

constexpr std::size_t kSettingsFileSize = 512;

struct ImageField {
    std::wstring name;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

// The fields of a save from a window that nobody has touched since it started.
std::vector<ImageField> UntouchedWindowFields();

// Fails, naming each differing byte by its field, unless `file` is the image of `fields`.
void ExpectSettingsImage(const std::vector<std::uint8_t>& file, const std::vector<ImageField>& fields);

}  // namespace e2e
