// Scenarios of start-up and of the settings file "duza.ini".
#include "SettingsFileScenarios.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "Boxes.h"
#include "Check.h"
#include "Folder.h"
#include "Program.h"
#include "Registry.h"
#include "SettingsImageExpectation.h"
#include "SettingsPage.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;
using vocset::TextId;

namespace {

// A "duza.ini" of known bytes in the work folder, neither the program's image nor 0xFF throughout;
// put there after start-up, which would show it.
std::vector<std::uint8_t> PutOldSettingsFile(const Context& context) {
    std::vector<std::uint8_t> bytes(512);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 13 + 5);
    WriteFileBytes(context.WorkFile(L"duza.ini"), bytes);
    return bytes;
}

// Presses "Save configuration file", saves as the work folder's "duza.ini" and expects the error box
// that refuses to create it for `reason`, the system's text in the locale's language.
void ExpectSaveRefused(const Program& program, const std::wstring& reason) {
    Expect(!reason.empty(), L"the system has no text for the error");
    const std::wstring file = program.Given().WorkFile(L"duza.ini");
    PostClick(program.Control(ControlId::BitBtn1));
    AnswerFileDialog(program, file);
    ExpectEqual(WaitForErrorBox(program, L"Cannot create file"), L"Cannot create file \"" + file + L"\". " + reason,
                L"text of the error box");
    ExpectNoBox(program);
}

// After a refused save: the old "duza.ini" as it was, alone in the work folder.
void ExpectOldFileAlone(const Context& context, const std::vector<std::uint8_t>& bytes, DWORD attributes) {
    const std::wstring file = context.WorkFile(L"duza.ini");
    ExpectSameBytes(ReadFileBytes(file), bytes, L"duza.ini after the refused save");
    ExpectEqual(Hex(GetFileAttributesW(file.c_str()), 8), Hex(attributes, 8),
                L"attributes of duza.ini after the refused save");
    ExpectEqual(FolderEntries(context.workFolder), std::vector<std::wstring>{L"duza.ini"},
                L"files in the work folder after the refused save");
}

void ExpectList(const Program& program, ControlId id, const std::wstring& name, const std::vector<TextId>& items,
                int selection) {
    std::vector<std::wstring> texts;
    for (TextId item : items) texts.push_back(program.Given().Text(item));
    HWND list = program.Control(id);
    ExpectEqual(ComboItems(list), texts, L"items of " + name);
    ExpectEqual(ComboSelection(list), selection, L"selected item of " + name);
}

}  // namespace

void InitialWindow(const Context& context) {
    Program program(context);
    HWND pages = program.Control(ControlId::PageControl1);
    ExpectEqual(CurrentPage(pages), 0, L"page shown at start");

    ExpectList(program, vocset::ComboBoxId(3), L"ComboBox3 (sampling frequency)", {TextId::Freq8, TextId::Freq16}, 1);
    ExpectList(program, vocset::ComboBoxId(45), L"ComboBox45 (resolution)",
               {TextId::ResolutionULaw, TextId::Resolution16}, 1);

    const struct {
        ControlId id;
        TextId text;
    } captions[] = {
        {ControlId::CheckBox1, TextId::CheckBox1}, {ControlId::CheckBox2, TextId::CheckBox2},
        {ControlId::CheckBox3, TextId::CheckBox3}, {ControlId::CheckBox4, TextId::CheckBox4},
        {ControlId::CheckBox5, TextId::CheckBox5}, {ControlId::CheckBox6, TextId::CheckBox6},
        {ControlId::CheckBox7, TextId::CheckBox7}, {ControlId::CheckBox8, TextId::CheckBox8},
        {ControlId::CheckBox9, TextId::CheckBox9}, {ControlId::BitBtn1, TextId::BitBtn1},
        {ControlId::BitBtn2, TextId::BitBtn2},     {ControlId::BitBtn3, TextId::BitBtn3},
        {ControlId::BitBtn4, TextId::BitBtn4},     {ControlId::BitBtn5, TextId::BitBtn5},
        {ControlId::BitBtn6, TextId::BitBtn6},
    };
    for (const auto& caption : captions) {
        ExpectEqual(TextOf(program.Control(caption.id)), context.Text(caption.text),
                    L"caption of control " + std::to_wstring(vocset::IdNumber(caption.id)));
    }
    for (int number = 1; number <= 9; ++number) {
        ExpectEqual(IsChecked(program.Control(CheckBoxId(number))), number == 2,
                    L"CheckBox" + std::to_wstring(number) + L" ticked");
    }
    ExpectEqual(IsShown(program.Control(ControlId::Panel4)), true, L"Panel4 (alarm clocks) shown");
    ExpectEqual(IsShown(program.Control(ControlId::Panel5)), false, L"Panel5 (cyclic alarm) shown");
    ExpectEqual(IsEnabled(program.Control(ControlId::BitBtn4)), false, L"BitBtn4 (Save file) enabled");
    ExpectEqual(IsEnabled(program.Control(ControlId::Edit3)), false, L"Edit3 (decrypted file) enabled");

    ShowPage(pages, 1);
    ExpectEqual(CurrentPage(pages), 1, L"page shown after choosing the decoding page");
    ExpectEqual(IsShown(program.Control(ControlId::BitBtn5)), true, L"BitBtn5 (Start) shown");
    ExpectEqual(IsShown(program.Control(ControlId::BitBtn6)), false, L"BitBtn6 (Stop) shown");
    program.Close();
}

void FirstRunCreatesKey(const Context& context) {
    Expect(!ProgramKeyExists(), L"HKCU\\Software\\duza exists before the first run");
    Program program(context);
    Expect(ProgramKeyExists(), L"HKCU\\Software\\duza was not created at start-up");
    ExpectEqual(TextOf(program.Control(ControlId::Edit4)), std::wstring(), L"Edit4 (password) on a first run");
    program.Close();
    Expect(!ReadProgramValue(L"pass"), L"start-up stored a value pass");
}

void StoredPasswordShown(const Context& context) {
    for (const std::wstring stored : {L"4321", L"пароль 7"}) {
        WriteProgramValue(L"pass", stored);
        Program program(context);
        ExpectEqual(TextOf(program.Control(ControlId::Edit4)), stored, L"Edit4 (password) with pass stored");
        program.Close();
        ExpectEqual(ReadProgramValue(L"pass").value_or(L"(none)"), stored, L"pass after the run");
    }
}

void SaveSettingsFile(const Context& context) {
    Program program(context);
    PostClick(program.Control(ControlId::BitBtn1));
    ExpectEqual(AnswerFileDialog(program, context.WorkFile(L"duza.ini")), std::wstring(L"duza.ini"),
                L"name that the save dialog proposes");
    WaitForMessageBox(program, context.Text(TextId::SettingsWriteCompleted));
    ExpectEqual(FolderEntries(context.workFolder), std::vector<std::wstring>{L"duza.ini"},
                L"files in the work folder after the save");
    ExpectSettingsImage(ReadFileBytes(context.WorkFile(L"duza.ini")), UntouchedWindowFields());
    program.Close();
}

void SaveUnderOtherName(const Context& context) {
    Program program(context);
    for (const std::wstring name : {L"other.ini", L"xduza.ini", L"duza.ini.bak"}) {
        PostClick(program.Control(ControlId::BitBtn1));
        AnswerFileDialog(program, context.WorkFile(name));
        WaitForMessageBox(program, context.Text(TextId::SavedFileShouldBeNamed));
        ExpectNoBox(program);
        ExpectEqual(FolderEntries(context.workFolder), std::vector<std::wstring>{},
                    L"files in the work folder after saving as " + Show(name));
    }
    program.Close();
}

// A read-only "duza.ini" is not replaced: Wine's own move would replace it and drop the attribute.
void SaveOverReadOnly(const Context& context) {
    Program program(context);
    const std::wstring file = context.WorkFile(L"duza.ini");
    const auto bytes = PutOldSettingsFile(context);
    Expect(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY), L"cannot make duza.ini read-only");
    const DWORD attributes = GetFileAttributesW(file.c_str());
    Expect(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY),
           L"duza.ini did not become read-only");
    ExpectSaveRefused(program, SystemText(ERROR_ACCESS_DENIED));
    ExpectOldFileAlone(context, bytes, attributes);
    program.Close();
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);  // else Windows could not remove the work folder
}

// A "duza.ini" that another program, the driver, holds open with no sharing is not replaced.
void SaveOverHeldFile(const Context& context) {
    Program program(context);
    const std::wstring file = context.WorkFile(L"duza.ini");
    const auto bytes = PutOldSettingsFile(context);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    {
        const std::unique_ptr<void, decltype(&CloseHandle)> held(
            CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
            CloseHandle);
        Expect(held.get() != INVALID_HANDLE_VALUE, L"cannot hold duza.ini open");
        ExpectSaveRefused(program, SystemText(ERROR_SHARING_VIOLATION));
    }
    ExpectOldFileAlone(context, bytes, attributes);
    program.Close();
}

}  // namespace e2e
