// Scenarios of the decoding page: runs that end with their closing message.
#include <vector>

#include "Boxes.h"
#include "Check.h"
#include "DecodingMessages.h"
#include "DecodingPage.h"
#include "DecodingPageScenarios.h"
#include "Folder.h"
#include "Program.h"
#include "Recordings.h"
#include "Registry.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;

// An encrypted recording opened through the dialog is decrypted into the proposed target beside it,
// byte for byte the plain recording, and the target's signature and tags are checked.
void DecryptToProposedTarget(const Context& context) {
    const std::wstring folder = context.WorkFile(L"recordings");
    MakeEmptyFolder(folder);
    const std::wstring source = folder + L"\\rec.xxx";
    const std::wstring target = folder + L"\\rec.wav";
    const Bytes plain = TaggedRecording(true);
    const Bytes encrypted = Encrypted(plain);
    WriteFileBytes(source, encrypted);

    Program program(context);
    ShowDecodingPage(program);
    OpenRecording(program, source);
    ExpectEqual(TextOf(program.Control(ControlId::Edit2)), source, L"Edit2 (source) after Open file");
    ExpectEqual(TextOf(program.Control(ControlId::Edit3)), target, L"Edit3 (decrypted file) proposed");
    ExpectEqual(IsEnabled(program.Control(ControlId::Edit3)), true, L"Edit3 (decrypted file) enabled");
    ExpectEqual(IsEnabled(program.Control(ControlId::BitBtn4)), true, L"BitBtn4 (Save file) enabled");

    SetText(program.Control(ControlId::Edit4), kPassword);
    PressStart(program);
    WaitForMessageBox(program, DecryptedMessage(context, L"rec.xxx", L"rec.wav", true));
    ExpectRunOver(program, L"after the run", 100);
    ExpectSameBytes(ReadFileBytes(target), plain, L"the decrypted file against the plain recording");
    ExpectSameBytes(ReadFileBytes(source), encrypted, L"the encrypted recording after the run");
    ExpectTagReport(context, folder + L"\\rec.txt", L"rec.wav");
    ExpectEqual(FolderEntries(folder), std::vector<std::wstring>{L"rec.txt", L"rec.wav", L"rec.xxx"},
                L"files in the recording's folder");
    program.Close();

    ExpectEqual(ReadProgramValue(L"pass").value_or(L"(none)"), std::wstring(kPassword), L"pass after the run");
    ExpectEqual(ReadProgramValue(L"src").value_or(L"(none)"), folder, L"src after the run");
    Expect(!ReadProgramValue(L"dst"), L"dst was stored although Save file was not pressed");
}

// A WAV recording's signature is checked as it stands, valid or damaged, and its tags are reported.
void CheckWavRecordings(const Context& context) {
    const struct {
        const wchar_t* name;
        const wchar_t* report;
        bool valid;
    } cases[] = {
        {L"valid.wav", L"valid.txt", true},
        {L"damaged.wav", L"damaged.txt", false},
    };
    const std::wstring folder = context.WorkFile(L"recordings");
    MakeEmptyFolder(folder);
    for (const auto& row : cases) WriteFileBytes(folder + L"\\" + row.name, TaggedRecording(row.valid));

    Program program(context);
    ShowDecodingPage(program);
    for (const auto& row : cases) {
        const std::wstring source = folder + L"\\" + row.name;
        OpenRecording(program, source);
        ExpectEqual(TextOf(program.Control(ControlId::Edit3)), std::wstring(), L"Edit3 (decrypted file)");
        ExpectEqual(IsEnabled(program.Control(ControlId::Edit3)), false, L"Edit3 (decrypted file) enabled");
        ExpectEqual(IsEnabled(program.Control(ControlId::BitBtn4)), false, L"BitBtn4 (Save file) enabled");
        PressStart(program);
        WaitForMessageBox(program, CheckedMessage(context, row.name, row.valid));
        ExpectRunOver(program, L"after the run", 100);
        ExpectSameBytes(ReadFileBytes(source), TaggedRecording(row.valid), L"the recording after its check");
        ExpectTagReport(context, folder + L"\\" + row.report, row.name);
    }
    ExpectEqual(FolderEntries(folder),
                std::vector<std::wstring>{L"damaged.txt", L"damaged.wav", L"valid.txt", L"valid.wav"},
                L"files in the recordings' folder");
    program.Close();
}

}  // namespace e2e
