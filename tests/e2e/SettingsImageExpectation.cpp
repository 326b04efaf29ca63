// The settings file that a save must produce, as named fields over a 512-byte image of 0xFF.
#include "SettingsImageExpectation.h"

#include <algorithm>
#include <array>

#include "Check.h"

namespace e2e {

namespace {

constexpr std::array<std::size_t, 10> kAlarmEntryOffsets = {0x14, 0x1C, 0x24, 0x2C, 0x34, 0x3F, 0x47, 0x4F, 0x57, 0x5F};
constexpr std::size_t kShownDifferences = 12;

// Field names by byte; bytes that no field covers keep the fill.
std::vector<std::wstring> NamesByOffset(const std::vector<ImageField>& fields) {
    std::vector<std::wstring> names(kSettingsFileSize, L"unwritten");
    for (const auto& field : fields) {
        for (std::size_t i = 0; i < field.bytes.size(); ++i) names[field.offset + i] = field.name;
    }
    return names;
}

}  // namespace

std::size_t AlarmEntryOffset(int number) { return kAlarmEntryOffsets.at(static_cast<std::size_t>(number - 1)); }

std::vector<ImageField> WithFields(std::vector<ImageField> fields, const std::vector<ImageField>& changes) {
    for (const auto& change : changes) {
        const auto same = std::find_if(fields.begin(), fields.end(),
                                       [&](const ImageField& field) { return field.offset == change.offset; });
        if (same == fields.end()) fields.push_back(change);
        else *same = change;
    }
    return fields;
}

std::vector<std::uint8_t> SettingsImageOf(const std::vector<ImageField>& fields) {
    std::vector<std::uint8_t> image(kSettingsFileSize, 0xFF);
    for (const auto& field : fields) {
        std::copy(field.bytes.begin(), field.bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(field.offset));
    }
    return image;
}

std::vector<ImageField> UntouchedWindowFields() {
    std::vector<ImageField> fields = {
        {L"magic", 0x00, {'Q', 'e', 'r', 'v', '2'}},
        {L"automatic gain", 0x05, {1}},
        {L"gain or VOX sensitivity (neither list enabled)", 0x06, {0xFF}},
        {L"size of recording file (250 Mb)", 0x07, {2}},
        {L"sound encryption", 0x08, {0}},
        {L"password (\"0\", low byte first)", 0x09, {0, 0}},
        {L"set the recorder's clock", 0x0B, {0}},
        {L"year 2010, high byte first", 0x0C, {0x07, 0xDA}},
        {L"month", 0x0E, {1}},
        {L"day", 0x0F, {1}},
        {L"hour, minute, second", 0x10, {0, 0, 0}},
        {L"alarm mode (none)", 0x13, {0}},
        {L"sampling frequency (16 kHz)", 0x3C, {1}},
        {L"voice activation (off)", 0x3D, {0}},
        {L"logger (off)", 0x3E, {0xFF}},
        {L"resolution (16 bit)", 0x67, {0}},
    };
    for (std::size_t k = 0; k < kAlarmEntryOffsets.size(); ++k) {
        // disabled; day 1, 00:00, 1 hour, ending at 01:00
        fields.push_back({L"alarm entry " + std::to_wstring(k + 1), kAlarmEntryOffsets[k], {0, 1, 0, 0, 1, 0, 1, 0}});
    }
    return fields;
}

void ExpectSettingsImage(const std::vector<std::uint8_t>& file, const std::vector<ImageField>& fields) {
    ExpectEqual(static_cast<int>(file.size()), static_cast<int>(kSettingsFileSize), L"size of the settings file");
    const auto expected = SettingsImageOf(fields);
    const auto names = NamesByOffset(fields);
    std::wstring differences;
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < kSettingsFileSize; ++offset) {
        if (file[offset] == expected[offset]) continue;
        if (++count <= kShownDifferences) {
            differences += L"\n      " + Hex(static_cast<unsigned>(offset), 3) + L" " + names[offset] + L": expected " +
                           Hex(expected[offset]) + L", got " + Hex(file[offset]);
        }
    }
    Expect(count == 0, L"the settings file differs in " + std::to_wstring(count) + L" bytes:" + differences);
}

}  // namespace e2e
