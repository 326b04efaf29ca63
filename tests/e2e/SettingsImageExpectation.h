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

// The offset of alarm entry `number` (1 to 10).
std::size_t AlarmEntryOffset(int number);

// The fields of a save from a window that nobody has touched since it started.
std::vector<ImageField> UntouchedWindowFields();
// `fields` with each of `changes` in place of the field at its offset, or added where none is.
std::vector<ImageField> WithFields(std::vector<ImageField> fields, const std::vector<ImageField>& changes);

// The 512 bytes of `fields` over the fill.
std::vector<std::uint8_t> SettingsImageOf(const std::vector<ImageField>& fields);

// Fails, naming each differing byte by its field, unless `file` is the image of `fields`.
void ExpectSettingsImage(const std::vector<std::uint8_t>& file, const std::vector<ImageField>& fields);

}  // namespace e2e
