// A measurement for the Wine benchmark, not a scenario: Start on a large encrypted recording
// through the real window.
#include "DecodingTiming.h"

#include <windows.h>

#include <chrono>
#include <cstdio>

#include "Boxes.h"
#include "Check.h"
#include "DecodingMessages.h"
#include "DecodingPage.h"
#include "Folder.h"
#include "Program.h"
#include "Recordings.h"
#include "Registry.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

namespace {

// A run of a large recording may be slow under Wine; the measurement is what tells how slow.
constexpr DWORD kRunPatienceMs = 600000;

}  // namespace

void TimeDecoding(const Context& context, int megabytes) {
    const std::wstring source = context.WorkFile(L"timing.xxx");
    const std::wstring target = context.WorkFile(L"timing.wav");
    const std::wstring report = context.WorkFile(L"timing.txt");
    const std::size_t blocks = static_cast<std::size_t>(megabytes) * 256;
    if (FileSize(source) != static_cast<std::int64_t>(blocks * 4096)) {
        WriteFileBytes(source, Encrypted(LongRecording(blocks)));
    }
    DeleteFileW(target.c_str());
    DeleteFileW(report.c_str());
    DeleteProgramKey();

    Program program(context);
    ShowDecodingPage(program);
    OpenRecording(program, source);
    SetText(program.Control(vocset::ControlId::Edit4), kPassword);
    const auto started = std::chrono::steady_clock::now();
    PressStart(program);
    // The report is saved just before the message; looking for it costs the program nothing, unlike
    // looking at its windows, so the driver does not slow down what it measures.
    WaitFor(
        L"the report of the run", [&] { return FileSize(report) >= 0; }, kRunPatienceMs);
    HWND box = WaitForOpenMessageBox(program, L"the closing message", kPatienceMs);
    const auto elapsed = std::chrono::steady_clock::now() - started;
    ExpectEqual(MessageText(box), DecryptedMessage(context, L"timing.xxx", L"timing.wav", true),
                L"text of the closing message");
    PressOk(box, L"the closing message");
    program.Close();
    std::printf("start_to_message_ms %lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
    std::fflush(stdout);
}

}  // namespace e2e
