// Fuzz target: the cue-tag reader and the report's lines over arbitrary recording bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "MemoryFileSystem.h"
#include "base/Errors.h"
#include "base/Utf8.h"
#include "decoder/CueInfo.h"
#include "decoder/CueReport.h"
#include "support/Fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vocset;
    fuzzing::MemoryFileSystem files;
    files.files["C:\\r.wav"].assign(data, data + size);
    testing::FakeLocale locale(size % 2 == 0 ? 1252 : 1251);
    const auto file = files.OpenRead("C:\\r.wav");
    try {
        const CueInfo info = ReadCueInfo(*file, locale);
        std::vector<std::string> lines;
        FormatCueReport(lines, info.cue, "C:\\r.wav", info.list, {"title ", "count: ", "heading", "unable "}, locale);
        // Every cue point makes one row between the heading's rules and the closing rule.
        if (info.cue.CueNum != 0 && lines.size() != static_cast<std::size_t>(info.cue.CueNum) + 6) __builtin_trap();
        // No more rows than the whole records that the cue chunk's length and the file hold, nor than the
        // ceiling; no more label text than the labels' lengths, the list chunk's and the ceiling allow.
        const std::size_t rows = info.cue.CueNum == 0 ? 0 : lines.size() - 6;
        const std::int64_t chunkRecords = std::max<std::int64_t>(0, std::int64_t{info.cue.CueLen} - 4) / 24;
        if (static_cast<std::int64_t>(rows) > chunkRecords || rows > size / 24 ||
            rows > static_cast<std::size_t>(kMaxCuePoints))
            __builtin_trap();
        std::int64_t text = 0;
        for (const TLabl& label : info.list.labl) {
            const auto length = static_cast<std::int64_t>(Utf16Length(label.s));
            if (length > std::max<std::int64_t>(0, std::int64_t{label.LablLen} - 4)) __builtin_trap();
            text += length;
        }
        if (text > std::max<std::int64_t>(0, std::int64_t{info.list.ListLen} - 4) || text > kMaxLabelBytes)
            __builtin_trap();
    } catch (const PlatformError&) {
        // A negative cue count: the one error a recording can raise here.
    }
    return 0;
}
