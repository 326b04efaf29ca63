// Scenarios of the decoding page: the registry values it keeps and the names its dialogs give.
#include "DecodingPageScenarios.h"

#include <optional>
#include <vector>

#include "Boxes.h"
#include "Check.h"
#include "DecodingPage.h"
#include "Folder.h"
#include "Program.h"
#include "Recordings.h"
#include "Registry.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;

namespace {

std::wstring StoredValue(const std::wstring& name) { return ReadProgramValue(name).value_or(L"(none)"); }

const vocset::Language& OtherLanguage(const Context& context) {
    return &context.language == &vocset::kEnglish ? vocset::kRussian : vocset::kEnglish;
}

// After Start with no source: pass holds the password field, no box is open and Start is back.
void ExpectPasswordStored(const Program& program, const std::wstring& how, const std::wstring& password) {
    WaitFor(how + L" to store pass " + Show(password),
            [&] { return ReadProgramValue(L"pass") == std::optional(password); });
    ExpectRunOver(program, L"after " + how, 0);
}

}  // namespace

// While "Save file" is disabled, Enter in the source or password field clicks Start, which first
// stores the password field as pass; with no source it shows nothing and brings Start back.
void EnterClicksStart(const Context& context) {
    WriteProgramValue(L"pass", L"4321");
    Program program(context);
    ShowDecodingPage(program);
    HWND password = program.Control(ControlId::Edit4);
    const struct {
        ControlId field;
        const wchar_t* name;
        std::wstring typedPassword;
    } cases[] = {
        {ControlId::Edit4, L"Edit4 (password)", L"99"},
        {ControlId::Edit2, L"Edit2 (source)", L"77"},
    };
    for (const auto& row : cases) {
        SetText(password, row.typedPassword);
        HWND field = program.Control(row.field);
        FocusByClick(field);
        PostEnter(field);
        ExpectPasswordStored(program, L"Enter in " + std::wstring(row.name), row.typedPassword);
    }
    program.Close();
}

// Save file stores the chosen target's folder as dst, and the next Open file proposes its target there.
void TargetFolderRemembered(const Context& context) {
    const std::wstring recordings = context.WorkFile(L"recordings");
    const std::wstring decoded = context.WorkFile(L"decoded");
    MakeEmptyFolder(recordings);
    MakeEmptyFolder(decoded);
    const std::wstring source = recordings + L"\\rec.xxx";
    WriteFileBytes(source, Encrypted(TaggedRecording(true)));

    Program program(context);
    ShowDecodingPage(program);
    OpenRecording(program, source);
    ExpectEqual(StoredValue(L"dst"), std::wstring(L"(none)"), L"dst before Save file");
    const std::wstring chosen = decoded + L"\\out.wav";
    ExpectEqual(NameOf(ChooseTarget(program, chosen)), std::wstring(L"rec.wav"), L"name that the save dialog proposes");
    ExpectEqual(TextOf(program.Control(ControlId::Edit3)), chosen, L"Edit3 (decrypted file) after Save file");
    ExpectEqual(StoredValue(L"dst"), decoded, L"dst after Save file");
    ExpectEqual(StoredValue(L"src"), recordings, L"src after Save file");

    OpenRecording(program, source);
    ExpectEqual(TextOf(program.Control(ControlId::Edit3)), decoded + L"\\rec.wav",
                L"Edit3 (decrypted file) proposed once dst is stored");
    ExpectEqual(FolderEntries(decoded), std::vector<std::wstring>{}, L"files in the target folder");
    program.Close();
}

// Both variants keep the password in the same value: what Start stores in one, the other shows.
void PasswordSharedWithOtherVariant(const Context& context) {
    if (context.otherProgramPath.empty()) Skip(L"no other variant given (run-e2e.sh --other <vocset.exe>)");
    const std::wstring typed = L"31 ключ";
    {
        Program program(context);
        ShowDecodingPage(program);
        SetText(program.Control(ControlId::Edit4), typed);
        PressStart(program);
        ExpectPasswordStored(program, L"Start", typed);
        program.Close();
    }
    const Context other{OtherLanguage(context), context.otherProgramPath, context.workFolder, {}};
    Program program(other);
    ExpectEqual(TextOf(program.Control(ControlId::Edit4)), typed, L"Edit4 (password) in the other variant");
    program.Close();
}

}  // namespace e2e
