// Scenarios of the decoding page.
#include "DecodingPageScenarios.h"

#include <optional>

#include "Boxes.h"
#include "Check.h"
#include "Program.h"
#include "Registry.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;

// While "Save file" is disabled, Enter in the source or password field clicks Start, which first
// stores the password field as pass; with no source it shows nothing and brings Start back.
void EnterClicksStart(const Context& context) {
    WriteProgramValue(L"pass", L"4321");
    Program program(context);
    ShowPage(program.Control(ControlId::PageControl1), 1);
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
        WaitFor(L"Enter in " + std::wstring(row.name) + L" to store pass " + Show(row.typedPassword),
                [&] { return ReadProgramValue(L"pass") == std::optional(row.typedPassword); });
        ExpectNoBox(program);
        ExpectEqual(IsShown(program.Control(ControlId::BitBtn5)), true, L"BitBtn5 (Start) shown after the run");
        ExpectEqual(IsShown(program.Control(ControlId::BitBtn6)), false, L"BitBtn6 (Stop) shown after the run");
    }
    program.Close();
}

}  // namespace e2e
