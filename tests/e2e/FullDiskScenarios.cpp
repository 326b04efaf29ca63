// Scenarios of the decoding page on a disk that fills up: a small disk that run-e2e.sh mounts for the
// run when it may (as root), named by VOCSET_E2E_SMALL_DISK.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Boxes.h"
#include "Check.h"
#include "DecodingMessages.h"
#include "DecodingPage.h"
#include "DecodingPageScenarios.h"
#include "Folder.h"
#include "Program.h"
#include "Recordings.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;
using vocset::TextId;

namespace {

constexpr std::uint64_t kBlock = 4096;
constexpr std::uint64_t kLeftFree = 2ull << 20;

// The small disk's folder, emptied; skips the scenario when the run has none.
std::wstring SmallDisk() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"VOCSET_E2E_SMALL_DISK", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        Skip(L"no small disk to fill: run-e2e.sh mounts one only where it may mount a tmpfs (as root)");
    }
    for (const auto& name : FolderEntries(path)) DeleteFileW((std::wstring(path) + L"\\" + name).c_str());
    return path;
}

std::uint64_t FreeBytes(const std::wstring& folder) {
    ULARGE_INTEGER free{};
    Expect(GetDiskFreeSpaceExW(folder.c_str(), &free, nullptr, nullptr), L"no free space known for " + Show(folder));
    return free.QuadPart;
}

// Writes zeros into `path` until the disk has no more than `leave` bytes free.
void FillDisk(const std::wstring& path, std::uint64_t leave) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    Expect(file != INVALID_HANDLE_VALUE, L"cannot create " + Show(path));
    SetFilePointer(file, 0, nullptr, FILE_END);
    const std::vector<std::uint8_t> zeros(64 * 1024, 0);
    const std::wstring folder = path.substr(0, path.rfind(L'\\'));
    for (;;) {
        const std::uint64_t free = FreeBytes(folder);
        if (free <= leave) break;
        const auto size = static_cast<DWORD>(std::min<std::uint64_t>(zeros.size(), free - leave));
        DWORD written = 0;
        if (!WriteFile(file, zeros.data(), size, &written, nullptr) || written < size) break;
    }
    CloseHandle(file);
}

}  // namespace

// A decryption onto a disk with too little room fails as a decryption: its error message and nothing
// else, no report beside the target, and the target keeps the blocks that were stored.
void DecryptOntoFullDisk(const Context& context) {
    const std::wstring disk = SmallDisk();
    const std::wstring source = context.WorkFile(L"big.xxx");
    const std::wstring target = disk + L"\\big.wav";
    const Bytes plain = LongRecording(2048);  // 8 MiB
    WriteFileBytes(source, Encrypted(plain));
    FillDisk(disk + L"\\filler", kLeftFree);

    Program program(context);
    ShowDecodingPage(program);
    OpenRecording(program, source);
    SetText(program.Control(ControlId::Edit3), target);
    SetText(program.Control(ControlId::Edit4), kPassword);
    PressStart(program);
    WaitForMessageBox(program, context.Text(TextId::DecryptionError));
    ExpectNoBox(program);

    const Bytes stored = ReadFileBytes(target);
    Expect(stored.size() >= kBlock && stored.size() < plain.size(),
           L"the target on the full disk holds " + std::to_wstring(stored.size()) + L" bytes");
    ExpectSameBytes(stored, Bytes(plain.begin(), plain.begin() + static_cast<std::ptrdiff_t>(stored.size())),
                    L"the target against the plain recording's first bytes");
    ExpectEqual(FolderEntries(disk), std::vector<std::wstring>{L"big.wav", L"filler"},
                L"files on the full disk (no report: no check ran)");
    program.Close();
}

// A report that cannot be stored whole leaves no cut report and keeps an older one as it was.
void ReportOntoFullDisk(const Context& context) {
    const std::wstring disk = SmallDisk();
    const std::wstring recording = disk + L"\\rec.wav";
    const std::wstring report = disk + L"\\rec.txt";
    WriteFileBytes(recording, TaggedRecording(true));
    const Bytes older{'o', 'l', 'd', 'e', 'r', '\r', '\n'};
    WriteFileBytes(report, older);
    FillDisk(disk + L"\\filler", 0);

    Program program(context);
    ShowDecodingPage(program);
    OpenRecording(program, recording);
    PressStart(program);
    WaitForMessageBox(program, context.Text(TextId::UnableToWriteData) + report);
    WaitForMessageBox(program, CheckedMessage(context, L"rec.wav", true));
    ExpectRunOver(program, L"after the check", 100);
    ExpectSameBytes(ReadFileBytes(report), older, L"the older report");
    ExpectEqual(FolderEntries(disk), std::vector<std::wstring>{L"filler", L"rec.txt", L"rec.wav"},
                L"files on the full disk (no temporary file left)");
    program.Close();
}

}  // namespace e2e
