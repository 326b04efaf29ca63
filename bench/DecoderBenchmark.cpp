// Times the decryption and the signature check of a large recording against a plain copy and a plain
// read in chunks of the loops' size, and shows that the loops' memory does not grow with the recording.
//
// Usage: decoder_benchmark [size in MB, default 1024] [folder, default the temporary folder]
// Built by `cmake --workflow --preset bench`, optimised as the program ships. The four operations run
// in turn, three rounds; the fastest run of each counts, so that the page cache and write-back weigh
// alike on all four.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "decoder/Blocks.h"
#include "decoder/ChunkedBlocks.h"
#include "decoder/Decryption.h"
#include "decoder/ReportFile.h"
#include "decoder/SignatureCheck.h"
#include "support/Fakes.h"
#include "support/PosixFileSystem.h"
#include "support/Recording.h"

namespace {

using namespace vocset;

constexpr std::uint16_t kSeed = 0x2B67;
constexpr std::size_t kMegabyte = 1024 * 1024;
constexpr std::size_t kSmallMegabytes = 10;

// An encrypted recording of `blocks` blocks whose last block holds the checksum of all before it, so
// that its decryption has a valid signature. Written 1 MB at a time; not timed.
void CreateRecording(FileSystem& files, const std::string& path, std::size_t blocks) {
    const auto file = files.Create(path);
    DecoderState plain;
    DecoderState cipher;
    BuildKeyTable(cipher);
    SeedKeyState(cipher, kSeed);
    std::vector<std::uint8_t> buffer(kMegabyte);
    std::size_t used = 0;
    std::uint32_t seed = 12345;
    for (std::size_t index = 0; index < blocks; ++index) {
        std::span<std::uint8_t> block(buffer.data() + used, kBlockSize);
        for (std::uint8_t& byte : block) byte = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
        if (index == 0) {
            // RIFF header, a format chunk of 16 bytes and a data chunk to the end of the file: no tags.
            const char head[] = "RIFF\0\0\0\0WAVEfmt \x10\0\0\0";
            std::copy(head, head + sizeof head - 1, block.begin());
            WriteU32le(block, kRiffSizeOffset, static_cast<std::uint32_t>(kBlockSize * (blocks - 1) - 8));
            std::copy_n("data", 4, block.begin() + 36);
            WriteU32le(block, 40, static_cast<std::uint32_t>(kBlockSize * blocks - 44));
        }
        if (index == blocks - 1) WriteU32le(block, kStoredChecksumOffset, plain.runningSum);
        else plain.runningSum += SumWords(block);
        cipher.blockIndex = static_cast<std::int32_t>(index);
        DecryptBlock(cipher, block, static_cast<std::int32_t>(kBlockSize));
        used += kBlockSize;
        if (used == buffer.size() || index == blocks - 1) {
            file->Write(std::span(buffer).first(used));
            used = 0;
        }
    }
}

// The floors of the two loops: the same bytes moved in the same chunks, with nothing done to them.
void ChunkedCopy(FileSystem& files, const std::string& source, const std::string& target) {
    const auto input = files.OpenRead(source);
    const auto output = files.Create(target);
    std::vector<std::uint8_t> buffer(kChunkSize);
    while (const std::size_t got = input->Read(buffer)) {
        if (output->Write(std::span(buffer).first(got)) < got) break;
    }
}

void ChunkedRead(FileSystem& files, const std::string& source) {
    const auto input = files.OpenRead(source);
    std::vector<std::uint8_t> buffer(kChunkSize);
    while (input->Read(buffer) == buffer.size()) {}
}

struct Timing {
    double wall = 1e300;  // seconds
    double cpu = 1e300;   // user and system seconds of this process
};

double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long PeakResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One operation and the file it writes, if any.
struct Operation {
    std::string output;
    std::function<void()> run;
};

// Untimed first: the operation's old output is removed, so that no run pays for truncating a large
// file, and the previous operation's output is flushed, so that its write-back does not slow this
// one. Keeps the fastest wall and CPU times over the rounds.
void Measure(Timing& best, FileSystem& files, const Operation& operation) {
    if (!operation.output.empty() && files.FileExists(operation.output)) files.Remove(operation.output);
    ::sync();
    const double cpuStart = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    operation.run();
    best.wall = std::min(best.wall, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    best.cpu = std::min(best.cpu, CpuSeconds() - cpuStart);
}

// The four operations on one recording, in turn, with their outcome.
struct Bench {
    FileSystem& files;
    std::string source;
    std::string copy;
    std::string target;
    bool decrypted = false;
    bool valid = false;
    int progress = -1;

    std::vector<Operation> Operations() {
        return {{copy, [this] { ChunkedCopy(files, source, copy); }},
                {"", [this] { ChunkedRead(files, copy); }},
                {target,
                 [this] {
                     DecoderState state;
                     BuildKeyTable(state);
                     SeedKeyState(state, kSeed);
                     decrypted = DecryptRecording(state, source, target, files, Hooks());
                 }},
                {ReportFileName(target, "txt"), [this] {
                     testing::FakeLocale locale;
                     testing::RecordingMessageBoxes messages;
                     const ReportTexts texts{"File tags ", "Number of tags: ", "heading",
                                             "Unable to write data to a file "};
                     DecoderState state;
                     valid = CheckSignature(state, target, {files, locale, messages, Hooks(), texts});
                 }}};
    }
    BlockLoopHooks Hooks() {
        return {[](PumpMode) {}, [] { return false; }, [this](int position) { progress = position; }};
    }
    bool Passed() const { return decrypted && valid && progress == 100; }
    void RemoveFiles() {
        for (const std::string& path : {source, copy, target, ReportFileName(target, "txt")}) files.Remove(path);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1024;
    const std::filesystem::path folder =
        argc > 2 ? std::filesystem::path(argv[2]) : std::filesystem::temp_directory_path();
    auto blocksOf = [](std::size_t size) { return std::max<std::size_t>(2, size * kMegabyte / kBlockSize); };
    auto benchIn = [&](testing::PosixFileSystem& files, const std::string& name) {
        return Bench{files, (folder / (name + ".xxx")).string(), (folder / (name + "-copy.xxx")).string(),
                     (folder / (name + ".wav")).string()};
    };
    testing::PosixFileSystem files;

    // A small recording first, every operation once: the peak resident size after it is what the
    // buffers take, and a large recording must leave it where it is.
    Bench small = benchIn(files, "vocset-bench-small");
    CreateRecording(files, small.source, blocksOf(kSmallMegabytes));
    for (const Operation& operation : small.Operations()) operation.run();
    const long smallPeak = PeakResidentKilobytes();

    Bench large = benchIn(files, "vocset-bench");
    const std::size_t blocks = blocksOf(megabytes);
    CreateRecording(files, large.source, blocks);
    const std::vector<Operation> operations = large.Operations();
    Timing best[4];
    for (int round = 0; round < 3; ++round) {
        for (std::size_t i = 0; i < operations.size(); ++i) Measure(best[i], files, operations[i]);
    }
    const long largePeak = PeakResidentKilobytes();

    const double size = static_cast<double>(blocks * kBlockSize) / kMegabyte;
    std::printf("recording: %.0f MB (%zu blocks) in %s; chunks of %zu KiB; fastest of 3 rounds\n", size, blocks,
                folder.string().c_str(), kChunkSize / 1024);
    std::printf("                          wall s     MB/s    cpu s\n");
    const char* names[] = {"(a) chunked copy", "(b) chunked read", "(c) DecryptRecording", "(d) CheckSignature"};
    for (int i = 0; i < 4; ++i)
        std::printf("%-22s %9.3f %8.1f %8.3f\n", names[i], best[i].wall, size / best[i].wall, best[i].cpu);
    std::printf("decryption / chunked copy  %5.2f wall, %5.2f cpu\n", best[2].wall / best[0].wall,
                best[2].cpu / best[0].cpu);
    std::printf("check / chunked read       %5.2f wall, %5.2f cpu\n", best[3].wall / best[1].wall,
                best[3].cpu / best[1].cpu);
    std::printf("peak resident size: %ld KiB after the %zu MB recording, %ld KiB after the %.0f MB one\n", smallPeak,
                kSmallMegabytes, largePeak, size);
    std::printf("decryption result %s; signature %s; last progress %d\n", large.decrypted ? "True" : "False",
                large.valid ? "valid" : "NOT VALID", large.progress);

    small.RemoveFiles();
    large.RemoveFiles();
    return small.Passed() && large.Passed() ? 0 : 1;
}
