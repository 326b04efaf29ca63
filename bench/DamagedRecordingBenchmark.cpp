// Times the signature check of damaged recordings whose tags claim more than their chunks hold, next
// to a valid recording of the same size, with the peak resident size and the report's size of each.
//
// Usage: damaged_recording_benchmark [size in MB, default 200] [folder, default the temporary folder]
// Built by `cmake --workflow --preset bench`, optimised as the program ships. Each check runs in a
// child process of its own, so that its peak resident size is its own; every recording has a valid
// signature in its last block, so that the block loop reads the whole file in every case.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "decoder/Blocks.h"
#include "decoder/CueInfo.h"
#include "decoder/RecordingBuilder.h"
#include "decoder/ReportFile.h"
#include "decoder/SignatureCheck.h"
#include "support/Fakes.h"
#include "support/PosixFileSystem.h"

namespace {

using namespace vocset;
using testing::Bytes;
using testing::Chunk;

constexpr std::size_t kMegabyte = 1024 * 1024;
constexpr std::int32_t kHuge = INT32_MAX;
constexpr std::size_t kChunkSizeOffset = 4;

// A recording's chunks: those between the fact chunk and the data chunk, and those after the data,
// which runs to the end of the checksummed blocks.
struct Layout {
    Bytes beforeData;
    Bytes afterData;
};

// Each layout is made only in the child process that writes its recording, so that the checks' child
// processes, forked from a small parent, show only what the check itself takes.
struct Case {
    const char* name;
    std::function<Layout()> layout;
};

Bytes WithChunkSize(Bytes chunk, std::int32_t size) {
    WriteU32le(chunk, kChunkSizeOffset, static_cast<std::uint32_t>(size));
    return chunk;
}

std::vector<Case> Cases() {
    static const std::vector<testing::Tag> kHugeLabel = {{.id = 1, .label = "abc", .lablLen = kHuge}};
    return {
        {"valid: cue and LIST after the data",
         [] {
             const std::vector<testing::Tag> tags = {{.id = 1, .position = 8000, .label = std::string("first\0", 6)},
                                                     {.id = 2, .position = 16000, .label = std::string("second\0", 7)},
                                                     {.id = 3, .position = 24000, .label = std::string("third\0", 6)}};
             return Layout{{}, testing::Join({testing::CueChunk(tags), testing::LabelList(tags)})};
         }},
        {"cue before the data, count 2^31-1",
         [] {
             return Layout{testing::CueChunk({}, kHuge), {}};
         }},
        {"label length 2^31-1, LIST before the data",
         [] {
             return Layout{testing::Join({testing::CueChunk(kHugeLabel), testing::LabelList(kHugeLabel)}), {}};
         }},
        // Lengths as damaged as the counts: only the fixed ceilings keep these small.
        {"as above, cue length 2^31-1 too",
         [] {
             Bytes hugeCount;
             testing::AppendU32(hugeCount, static_cast<std::uint32_t>(kHuge));
             return Layout{Chunk("cue ", hugeCount, kHuge), {}};
         }},
        {"as above, LIST length 2^31-1 too",
         [] {
             return Layout{
                 testing::Join({testing::CueChunk(kHugeLabel), WithChunkSize(testing::LabelList(kHugeLabel), kHuge)}),
                 {}};
         }},
        // As many tags and as much label text as a report keeps: kMaxCuePoints labels of 16 bytes,
        // their zeros included, kMaxLabelBytes in all.
        {"valid: the most tags and label text kept",
         [] {
             std::vector<testing::Tag> tags(kMaxCuePoints);
             for (std::size_t i = 0; i < tags.size(); ++i)
                 tags[i] = {.id = static_cast<std::int32_t>(i),
                            .label = "label " + std::to_string(100000 + i) + std::string(4, '\0')};
             return Layout{{}, testing::Join({testing::CueChunk(tags), testing::LabelList(tags)})};
         }},
    };
}

// Copies the part of `bytes`, placed at `at` in the file, that falls into the block at `offset`.
void Overlay(std::span<std::uint8_t> block, std::size_t offset, const Bytes& bytes, std::size_t at) {
    for (std::size_t i = std::max(offset, at); i < std::min(offset + block.size(), at + bytes.size()); ++i)
        block[i - offset] = bytes[i - at];
}

// Blocks 0 to n − 2 are checksummed, varied bytes under the chunks; block n − 1 holds their sum.
// Written 1 MB at a time; not timed.
void CreateRecording(FileSystem& files, const std::string& path, std::size_t blocks, const Layout& layout) {
    const std::size_t content = kBlockSize * (blocks - 1);
    auto headWithData = [&](std::int32_t dataSize) {
        return testing::WavHead({Chunk("fact", Bytes(8)), layout.beforeData, Chunk("data", {}, dataSize)});
    };
    Bytes head = headWithData(0);
    head = headWithData(static_cast<std::int32_t>(content - head.size() - layout.afterData.size()));
    WriteU32le(head, kRiffSizeOffset, static_cast<std::uint32_t>(content - 8));

    const auto file = files.Create(path);
    std::vector<std::uint8_t> buffer(kMegabyte);
    std::size_t used = 0;
    std::uint32_t seed = 12345;
    std::uint32_t sum = 0;
    for (std::size_t index = 0; index < blocks; ++index) {
        std::span<std::uint8_t> block(buffer.data() + used, kBlockSize);
        for (std::uint8_t& byte : block) byte = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
        const std::size_t offset = kBlockSize * index;
        Overlay(block, offset, head, 0);
        Overlay(block, offset, layout.afterData, content - layout.afterData.size());
        if (index == blocks - 1) WriteU32le(buffer, used + kStoredChecksumOffset, sum);
        else sum += SumWords(block);
        used += kBlockSize;
        if (used == buffer.size() || index == blocks - 1) {
            file->Write(std::span(buffer).first(used));
            used = 0;
        }
    }
}

// The check in this process: exit status 0 for a valid signature, 1 for an invalid one, 2 for an error.
[[noreturn]] void CheckAndExit(const std::string& path) {
    int status = 2;
    try {
        testing::PosixFileSystem files;
        testing::FakeLocale locale;
        testing::RecordingMessageBoxes messages;
        const BlockLoopHooks hooks{[](PumpMode) {}, [] { return false; }, [](int) {}};
        const ReportTexts texts{"File tags ", "Number of tags: ", "heading", "Unable to write data to a file "};
        DecoderState state;
        status = CheckSignature(state, path, {files, locale, messages, hooks, texts}) ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "check failed: %s\n", error.what());
    }
    std::fflush(nullptr);
    ::_exit(status);
}

struct Run {
    int status = -1;
    double seconds = 0;
    double peakMegabytes = 0;
};

Run InChildProcess(const std::function<void()>& work) {
    std::fflush(nullptr);  // else the child would print what is still buffered here once more
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    Run run;
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024;  // kilobytes on Linux
    return run;
}

// The number on the report's count line, or "-" when there is no report.
std::string ReportedCount(const std::string& reportName) {
    std::ifstream report(reportName);
    std::string line;
    const std::string count = "Number of tags: ";
    while (std::getline(report, line)) {
        if (line.rfind(count, 0) == 0) return line.substr(count.size(), line.find('\r') - count.size());
    }
    return "-";
}

const char* Verdict(int status) {
    switch (status) {
    case 0: return "valid";
    case 1: return "invalid";
    case 2: return "error";
    default: return "crashed";
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200;
    const std::filesystem::path folder =
        argc > 2 ? std::filesystem::path(argv[2]) : std::filesystem::temp_directory_path();
    const std::size_t blocks = std::max<std::size_t>(2, megabytes * kMegabyte / kBlockSize);
    const std::string recording = (folder / "vocset-damaged.wav").string();
    const std::string reportName = ReportFileName(recording, "txt");
    testing::PosixFileSystem files;

    std::printf("recordings: %zu MB (%zu blocks) in %s; one child process per check\n", blocks * kBlockSize / kMegabyte,
                blocks, folder.string().c_str());
    std::printf("%-44s %-8s %8s %14s %14s %12s\n", "recording", "verdict", "time s", "peak RSS MB", "report bytes",
                "tags");
    const Run idle = InChildProcess([] {});
    std::printf("%-44s %-8s %8s %14.1f %14s %12s\n", "(the process alone, no check)", "-", "-", idle.peakMegabytes, "-",
                "-");
    bool allValid = true;
    for (const Case& check : Cases()) {
        InChildProcess([&] { CreateRecording(files, recording, blocks, check.layout()); });
        files.Remove(reportName);
        ::sync();
        const Run run = InChildProcess([&] { CheckAndExit(recording); });
        std::error_code error;
        const auto reportBytes = std::filesystem::file_size(reportName, error);
        std::printf("%-44s %-8s %8.3f %14.1f %14s %12s\n", check.name, Verdict(run.status), run.seconds,
                    run.peakMegabytes, error ? "-" : std::to_string(reportBytes).c_str(),
                    ReportedCount(reportName).c_str());
        std::fflush(stdout);
        allValid = allValid && run.status == 0;
    }
    files.Remove(recording);
    files.Remove(reportName);
    return allValid ? 0 : 1;
}
