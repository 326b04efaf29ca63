// Times the decryption and the signature check of a large recording against a plain block copy.
//
// Usage: decoder_benchmark [size in MB, default 1024] [folder, default the temporary folder]
// Build with -DCMAKE_BUILD_TYPE=Release. The three operations run in turn, three rounds; the fastest
// run of each counts, so that the page cache and write-back weigh alike on all three.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "decoder/Blocks.h"
#include "decoder/Decryption.h"
#include "decoder/ReportFile.h"
#include "decoder/SignatureCheck.h"
#include "support/Fakes.h"
#include "support/PosixFileSystem.h"

namespace {

using namespace vocset;

constexpr std::uint16_t kSeed = 0x2B67;
constexpr std::size_t kMegabyte = 1024 * 1024;

void PutU32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

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
            PutU32(block, kRiffSizeOffset, static_cast<std::uint32_t>(kBlockSize * (blocks - 1) - 8));
            std::copy_n("data", 4, block.begin() + 36);
            PutU32(block, 40, static_cast<std::uint32_t>(kBlockSize * blocks - 44));
        }
        if (index == blocks - 1)
            PutU32(block, kStoredChecksumOffset, plain.runningSum);
        else
            plain.runningSum += SumWords(block);
        cipher.blockIndex = static_cast<std::int32_t>(index);
        DecryptBlock(cipher, block, static_cast<std::int32_t>(kBlockSize));
        used += kBlockSize;
        if (used == buffer.size() || index == blocks - 1) {
            file->Write(std::span(buffer).first(used));
            used = 0;
        }
    }
}

void PlainCopy(FileSystem& files, const std::string& source, const std::string& target) {
    const auto input = files.OpenRead(source);
    const auto output = files.Create(target);
    std::array<std::uint8_t, kBlockSize> buffer;
    while (const std::size_t got = input->Read(buffer)) {
        if (output->Write(std::span(buffer).first(got)) == 0) break;
    }
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

// The previous operation's output is flushed first, untimed, so that its write-back does not slow this
// one. Keeps the fastest wall and CPU times over the rounds.
void Measure(Timing& best, const std::function<void()>& operation) {
    ::sync();
    const double cpuStart = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    operation();
    best.wall = std::min(best.wall, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    best.cpu = std::min(best.cpu, CpuSeconds() - cpuStart);
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1024;
    const std::filesystem::path folder =
        argc > 2 ? std::filesystem::path(argv[2]) : std::filesystem::temp_directory_path();
    const std::size_t blocks = std::max<std::size_t>(2, megabytes * kMegabyte / kBlockSize);
    const std::string source = (folder / "vocset-bench.xxx").string();
    const std::string copy = (folder / "vocset-bench-copy.xxx").string();
    const std::string target = (folder / "vocset-bench.wav").string();

    testing::PosixFileSystem files;
    CreateRecording(files, source, blocks);

    testing::FakeLocale locale;
    testing::RecordingMessageBoxes messages;
    int progress = 0;
    const BlockLoopHooks hooks{[](PumpMode) {}, [] { return false; }, [&](int position) { progress = position; }};
    const ReportTexts texts{"File tags ", "Number of tags: ", "heading", "Unable to write data to a file "};

    bool decrypted = false;
    bool valid = false;
    const std::function<void()> operations[] = {
        [&] { PlainCopy(files, source, copy); },
        [&] {
            DecoderState state;
            BuildKeyTable(state);
            SeedKeyState(state, kSeed);
            decrypted = DecryptRecording(state, source, target, files, hooks);
        },
        [&] {
            DecoderState state;
            valid = CheckSignature(state, target, {files, locale, messages, hooks, texts});
        }};
    Timing best[3];
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 3; ++i) Measure(best[i], operations[i]);
    }

    const double size = static_cast<double>(blocks * kBlockSize) / kMegabyte;
    std::printf("recording: %.0f MB (%zu blocks) in %s; fastest of 3 rounds\n", size, blocks, folder.string().c_str());
    std::printf("                          wall s     MB/s   ratio    cpu s   ratio\n");
    const char* names[] = {"(a) plain block copy", "(b) DecryptRecording", "(c) CheckSignature"};
    for (int i = 0; i < 3; ++i) {
        std::printf("%-22s %9.3f %8.1f %7.3f %8.3f %7.3f\n", names[i], best[i].wall, size / best[i].wall,
                    best[i].wall / best[0].wall, best[i].cpu, best[i].cpu / best[0].cpu);
    }
    std::printf("decryption result %s; signature %s; last progress %d\n", decrypted ? "True" : "False",
                valid ? "valid" : "NOT VALID", progress);

    for (const std::string& path : {source, copy, target, ReportFileName(target, "txt")}) files.Remove(path);
    return decrypted && valid ? 0 : 1;
}
