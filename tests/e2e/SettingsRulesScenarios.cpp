// Scenarios of the settings page's rules: voice activation, the alarms and their number, and the
// password field's key filter and range check, worked through clicks and typing.
#include "SettingsRulesScenarios.h"

#include "Boxes.h"
#include "Check.h"
#include "Folder.h"
#include "Keyboard.h"
#include "OtherWindow.h"
#include "Program.h"
#include "SettingsImageExpectation.h"
#include "SettingsPage.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

using vocset::ComboBoxId;
using vocset::ControlId;
using vocset::LabelId;
using vocset::TextId;

namespace {

constexpr int kVoxSensitivityLow = 2;  // the position of "Low" in ComboBox49

// The save's fields from a window where only what `changes` names was touched.
std::vector<ImageField> TouchedFields(const std::vector<ImageField>& changes) {
    return WithFields(UntouchedWindowFields(), changes);
}

void ExpectSaved(const Context& context, const std::vector<ImageField>& fields) {
    ExpectSettingsImage(ReadFileBytes(context.WorkFile(L"duza.ini")), fields);
}

// Ticks "Working as per alarm clocks" with the clock unticked and answers the message that follows.
void SwitchAlarmsOn(const Program& program) {
    PostClick(program.Control(ControlId::CheckBox5));
    WaitForMessageBox(program, program.Given().Text(TextId::PleaseSetupClock));
    ExpectNoBox(program);
}

// Ticks "Sound encrypting", clicks into the password field, types `typed` over what it holds and
// waits until the field shows `shown`.
HWND TypePassword(const Program& program, const std::wstring& typed, const std::wstring& shown) {
    Click(program.Control(ControlId::CheckBox3));
    HWND password = program.Control(ControlId::Edit1);
    FocusByClick(password);
    PostSelectAll(password);
    PostCharacters(password, typed);
    WaitFor(L"Edit1 (password) to hold " + Show(shown) + L" after typing " + Show(typed),
            [&] { return TextOf(password) == shown; });
    return password;
}

bool Focused(HWND control) { return FocusedWindow(control) == control; }

}  // namespace

// Voice activation takes the gain controls away and gives the sensitivity; a save then stores the
// sensitivity and the beep. Unticked, the gain comes back without the automatic gain's tick.
void VoiceActivationRule(const Context& context) {
    Program program(context);
    Click(program.Control(ControlId::CheckBox1));
    ExpectControls(program,
                   {{.id = ControlId::CheckBox1, .ticked = true},
                    {.id = ControlId::CheckBox2, .enabled = false, .ticked = false},
                    {.id = ComboBoxId(1), .enabled = false},
                    {.id = LabelId(1), .enabled = false},
                    {.id = ControlId::CheckBox9, .enabled = true, .ticked = false},
                    {.id = ComboBoxId(49), .enabled = true},
                    {.id = LabelId(20), .enabled = true}},
                   L"after ticking CheckBox1 (VOX)");

    Click(program.Control(ControlId::CheckBox9));
    ChooseItem(program.Control(ComboBoxId(49)), kVoxSensitivityLow);
    SaveSettingsAs(program, context.WorkFile(L"duza.ini"));
    ExpectSaved(context, TouchedFields({{L"automatic gain (unticked by VOX)", 0x05, {0}},
                                        {L"VOX sensitivity (Low)", 0x06, {2}},
                                        {L"voice activation (on, with a beep)", 0x3D, {0x56}}}));

    Click(program.Control(ControlId::CheckBox1));
    ExpectControls(program,
                   {{.id = ControlId::CheckBox1, .ticked = false},
                    {.id = ControlId::CheckBox2, .enabled = true, .ticked = false},
                    {.id = ComboBoxId(1), .enabled = true},
                    {.id = LabelId(1), .enabled = true},
                    {.id = ControlId::CheckBox9, .enabled = false, .ticked = true},
                    {.id = ComboBoxId(49), .enabled = false, .selection = kVoxSensitivityLow},
                    {.id = LabelId(20), .enabled = false}},
                   L"after unticking CheckBox1 (VOX)");
    program.Close();
}

// Alarms need the clock: ticking them asks once to set the clock up and then ticks it; the clock
// box then cannot be unticked while alarms are on.
void AlarmsNeedTheClock(const Context& context) {
    Program program(context);
    SwitchAlarmsOn(program);
    std::vector<Expected> alarmsOn = {
        {.id = ControlId::CheckBox5, .ticked = true},
        {.id = ControlId::CheckBox4, .enabled = true, .ticked = true},
        {.id = LabelId(5), .enabled = true},
        {.id = ControlId::DateTimePicker1, .enabled = true},
        {.id = ControlId::MaskEdit1, .enabled = true},
        {.id = ControlId::CheckBox6, .enabled = true},
        {.id = ControlId::CheckBox8, .enabled = true},
        {.id = LabelId(6), .enabled = true},
        {.id = ComboBoxId(4), .enabled = true, .selection = 0},
    };
    const auto oneRow = AlarmRowsEnabled(1);
    alarmsOn.insert(alarmsOn.end(), oneRow.begin(), oneRow.end());
    ExpectControls(program, alarmsOn, L"after ticking CheckBox5 (alarms) and answering the message");

    Click(program.Control(ControlId::CheckBox4));
    ExpectNoBox(program);
    ExpectControls(program, alarmsOn, L"after clicking CheckBox4 (clock) while alarms are on");
    program.Close();
}

// Three alarm clocks enable three rows, and the save marks exactly those entries in use.
void AlarmCountSaved(const Context& context) {
    Program program(context);
    SwitchAlarmsOn(program);
    HWND count = program.Control(ComboBoxId(4));
    for (int alarms : {10, 5, 3}) {
        ChooseItem(count, alarms - 1);
        ExpectControls(program, AlarmRowsEnabled(alarms), L"with " + std::to_wstring(alarms) + L" alarm clocks");
    }
    SaveSettingsAs(program, context.WorkFile(L"duza.ini"));
    std::vector<ImageField> changes = {{L"set the recorder's clock", 0x0B, {1}}, {L"alarm mode (clocks)", 0x13, {1}}};
    for (int entry = 1; entry <= 3; ++entry) {
        // in use; day 1, 00:00, 1 hour, ending at 01:00
        changes.push_back(
            {L"alarm entry " + std::to_wstring(entry), AlarmEntryOffset(entry), {1, 1, 0, 0, 1, 0, 1, 0}});
    }
    ExpectSaved(context, TouchedFields(changes));
    program.Close();
}

// Only digits reach the password field, at most five of them; Backspace works.
void PasswordKeepsDigits(const Context& context) {
    Program program(context);
    HWND password = TypePassword(program, L"1a2-3 4", L"1234");
    const struct {
        std::wstring typed;
        std::wstring shown;
    } steps[] = {
        {L"$56789", L"12345"},
        {L"\b", L"1234"},
        {L"x9", L"12349"},
    };
    for (const auto& step : steps) {
        PostCharacters(password, step.typed);
        WaitFor(L"Edit1 (password) to hold " + Show(step.shown) + L" after typing " + Show(step.typed),
                [&] { return TextOf(password) == step.shown; });
    }
    ExpectNoBox(program);
    program.Close();
}

// Leaving the password field with a value above the range, by a click or by Tab, brings the
// message once and the focus back, with the text as it was and the clicked control untouched.
void PasswordRangeOnLeaving(const Context& context) {
    Program program(context);
    HWND password = TypePassword(program, L"65536", L"65536");
    HWND logger = program.Control(ControlId::CheckBox7);
    HWND fileSize = program.Control(ComboBoxId(2));
    const int fileSizeChosen = ComboSelection(fileSize);
    const struct {
        const wchar_t* how;
        void (*leave)(HWND password, HWND logger, HWND fileSize);
    } ways[] = {
        {L"a click on CheckBox7 (logger)", [](HWND, HWND logger, HWND) { PostClick(logger); }},
        {L"Tab", [](HWND password, HWND, HWND) { PostKey(password, VK_TAB); }},
        {L"a click on ComboBox2 (file size)",
         [](HWND, HWND, HWND fileSize) {
             PostMessageW(fileSize, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
             PostMessageW(fileSize, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
         }},
    };
    for (const auto& way : ways) {
        way.leave(password, logger, fileSize);
        WaitForMessageBox(program, context.Text(TextId::EnterNumberInRange));
        const std::wstring how = way.how;
        WaitFor(L"the focus back in Edit1 after leaving it by " + how, [&] { return Focused(password); });
        ExpectNoBox(program);
        ExpectControls(program,
                       {{.id = ControlId::Edit1, .text = L"65536"},
                        {.id = ControlId::CheckBox7, .ticked = false},
                        {.id = ComboBoxId(2), .selection = fileSizeChosen}},
                       L"after leaving Edit1 by " + how);
        Expect(!Send(fileSize, CB_GETDROPPEDSTATE), L"ComboBox2 (file size) dropped down after " + how);
    }

    // The top of the range passes silently.
    PostSelectAll(password);
    PostCharacters(password, L"65535");
    WaitFor(L"Edit1 (password) to hold \"65535\"", [&] { return TextOf(password) == L"65535"; });
    PostKey(password, VK_TAB);
    WaitFor(L"the focus to leave Edit1 holding 65535", [&] { return !Focused(password); });
    ExpectNoBox(program);
    program.Close();
}

// Enter in the password field presses "Save configuration file" without the range check, and the
// save stores the value above the range by its low 16 bits.
void EnterInPasswordSaves(const Context& context) {
    Program program(context);
    HWND password = TypePassword(program, L"65536", L"65536");
    PostEnter(password);
    AnswerFileDialog(program, context.WorkFile(L"duza.ini"));
    WaitForMessageBox(program, context.Text(TextId::SettingsWriteCompleted));
    ExpectNoBox(program);
    ExpectSaved(context, TouchedFields({{L"sound encryption", 0x08, {1}},
                                        {L"password (65536 by its low 16 bits)", 0x09, {0, 0}}}));
    WaitFor(L"the focus back in Edit1 after the save", [&] { return Focused(password); });
    ExpectEqual(TextOf(password), std::wstring(L"65536"), L"Edit1 (password) after the save");
    program.Close();
}

// Switching to another program and back, or minimising the window and restoring it, with a value
// above the range in the password field, is no move of the focus: no message, and the focus back in
// the field; leaving it then checks the range.
void PasswordKeptAcrossSwitching(const Context& context) {
    Program program(context);
    HWND password = TypePassword(program, L"65536", L"65536");
    MinimiseAndRestore(program.Window());
    WaitFor(L"the focus back in Edit1 after restoring the window", [&] { return Focused(password); });
    ExpectNoBox(program);
    {
        OtherWindow other;
        Activate(other.Handle());
        WaitFor(L"Edit1 (password) to lose the focus to another program's window", [&] { return !Focused(password); });
        ExpectNoBox(program);
        Activate(program.Window());
    }
    WaitFor(L"the focus back in Edit1 after switching back", [&] { return Focused(password); });
    ExpectNoBox(program);

    PostKey(password, VK_TAB);
    WaitForMessageBox(program, context.Text(TextId::EnterNumberInRange));
    WaitFor(L"the focus back in Edit1 after the message", [&] { return Focused(password); });
    program.Close();
}

}  // namespace e2e
