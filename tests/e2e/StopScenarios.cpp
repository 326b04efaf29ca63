// Scenarios of the decoding page: runs that Stop ends, and runs that an error ends until Stop.
#include <cstdint>
#include <vector>

#include "Boxes.h"
#include "Check.h"
#include "DecodingPage.h"
#include "DecodingPageScenarios.h"
#include "Folder.h"
#include "Program.h"
#include "Recordings.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;
using vocset::TextId;

namespace {

// Long enough that a run is still going when the driver sees it begin; it takes no room on disk.
constexpr std::uint64_t kLongRecordingSize = 400ull << 20;

// Presses Stop and answers its message.
void PressStop(const Program& program) {
    PostClick(program.Control(ControlId::BitBtn6));
    WaitForMessageBox(program, program.Given().Text(TextId::DecodingStopped));
}

}  // namespace

// Stop during a decryption ends it before the next block: its message and no other, the target
// keeps the whole blocks written so far, and no signature check follows.
void StopDuringDecryption(const Context& context) {
    const std::wstring source = context.WorkFile(L"long.xxx");
    const std::wstring target = context.WorkFile(L"long.wav");
    WriteHollowRecording(source, kLongRecordingSize);

    Program program(context);
    ShowDecodingPage(program);
    OpenRecording(program, source);
    SetText(program.Control(ControlId::Edit4), kPassword);
    PressStart(program);
    WaitFor(L"the decryption to write its first block", [&] { return Running(program) && FileSize(target) > 0; });
    PressStop(program);
    WaitFor(L"the stopped run to close " + Show(target), [&] { return NobodyHolds(target); });
    ExpectRunOver(program, L"after Stop", 0);

    const std::int64_t written = FileSize(target);
    Expect(written % 4096 == 0 && written < static_cast<std::int64_t>(kLongRecordingSize),
           L"the stopped target holds " + std::to_wstring(written) + L" bytes: not whole blocks short of the source");
    ExpectSameBytes(ReadFileBytes(target, 4096), ReadFileBytes(source, 4096), L"block 0 of the stopped target");
    ExpectEqual(FolderEntries(context.workFolder), std::vector<std::wstring>{L"long.wav", L"long.xxx"},
                L"files in the work folder (no report: no check ran)");
    program.Close();
}

// A source typed by hand that does not exist: the default error box, with Stop still shown until it
// is pressed; nothing is written.
void MissingSourceTyped(const Context& context) {
    const struct {
        std::wstring source;
        std::wstring target;
        std::wstring password;
    } cases[] = {
        {context.WorkFile(L"missing.wav"), L"", L""},
        {context.WorkFile(L"missing.xxx"), context.WorkFile(L"missing.wav"), kPassword},
    };
    Program program(context);
    ShowDecodingPage(program);
    for (const auto& row : cases) {
        SetText(program.Control(ControlId::Edit2), row.source);
        SetText(program.Control(ControlId::Edit3), row.target);
        SetText(program.Control(ControlId::Edit4), row.password);
        PressStart(program);
        WaitForErrorBox(program, L"Cannot open file \"" + row.source + L"\". ");
        ExpectNoBox(program);
        Expect(Running(program), L"Start shown or Stop hidden after the error for " + Show(row.source));
        ExpectEqual(ProgressPosition(program), 0, L"position of ProgressBar1 after the error");
        PressStop(program);
        ExpectRunOver(program, L"after Stop", 0);
        ExpectEqual(FolderEntries(context.workFolder), std::vector<std::wstring>{},
                    L"files in the work folder after " + Show(row.source));
    }
    program.Close();
}

}  // namespace e2e
