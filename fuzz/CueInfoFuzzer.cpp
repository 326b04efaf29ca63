// Fuzz target: the cue-tag reader and the report's lines over arbitrary recording bytes.
#include <cstddef>
#include <cstdint>

#include "MemoryFileSystem.h"
#include "decoder/CueInfo.h"
#include "decoder/CueReport.h"
#include "support/Fakes.h"
#include "widgets/Errors.h"

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
    } catch (const PlatformError&) {
        // A negative cue count: the one error a recording can raise here.
    }
    return 0;
}
