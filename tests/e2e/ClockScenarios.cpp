// Scenarios of the real-time clock's fields: "System time" keeps them with the computer's clock
// until a click in the time field stops it, pauses while a field has the keyboard focus and runs
// while another window has it, and a typed time of day reaches the date picker.
#include "SettingsRulesScenarios.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "Boxes.h"
#include "Check.h"
#include "Folder.h"
#include "Keyboard.h"
#include "OtherWindow.h"
#include "Program.h"
#include "SettingsPage.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;
using vocset::TextId;

namespace {

// How far the fields may be behind or ahead of the driver's own reading of the clock.
constexpr long long kClockSlackSeconds = 2;
// The clock ticks every second; a loaded machine may deliver a tick late.
constexpr DWORD kTickPatienceMs = 5000;
// Long enough for two ticks of a running clock.
constexpr DWORD kTwoTicksMs = 2500;
// How long the user leaves the save dialog open: three ticks.
constexpr DWORD kDialogOpenMs = 3000;
// Where the settings file holds the date and time: year (high byte first), month, day, hour,
// minute, second.
constexpr std::size_t kStoredClockOffset = 0x0C;

long long SecondsOf(const SYSTEMTIME& time) {
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return static_cast<long long>((static_cast<ULONGLONG>(file.dwHighDateTime) << 32 | file.dwLowDateTime) / 10000000);
}

long long SecondsOf(const DateAndTime& value) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(value.year);
    time.wMonth = static_cast<WORD>(value.month);
    time.wDay = static_cast<WORD>(value.day);
    time.wHour = static_cast<WORD>(value.hour);
    time.wMinute = static_cast<WORD>(value.minute);
    time.wSecond = static_cast<WORD>(value.second);
    return SecondsOf(time);
}

// Both clock fields show the computer's local date and time, the time field in its clock text.
void ExpectComputerTime(const Program& program, const std::wstring& when) {
    const std::wstring text = TextOf(program.Control(ControlId::MaskEdit1));
    const DateAndTime value = PickerValue(program);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    Expect(
        std::llabs(SecondsOf(value) - SecondsOf(now)) <= kClockSlackSeconds,
        L"DateTimePicker1's value " + when + L" is " + Show(value) + L" at the computer's " + Show(DateAndTimeOf(now)));
    bool matches = false;
    for (long long shift = -kClockSlackSeconds; shift <= kClockSlackSeconds; ++shift) {
        const long long shifted = (now.wHour * 60 + now.wMinute) * 60 + now.wSecond + shift;
        const int second = static_cast<int>((shifted + 86400) % 86400);
        matches = matches || text == ClockText(program.Given(), second / 3600, second / 60 % 60, second % 60);
    }
    Expect(matches, L"MaskEdit1 (time) " + when + L" shows " + Show(text) + L" at the computer's " +
                        Show(ClockText(program.Given(), now.wHour, now.wMinute, now.wSecond)));
}

// Waits until the time field shows another text than `shown`, and returns it.
std::wstring NextTimeText(const Program& program, const std::wstring& shown) {
    HWND time = program.Control(ControlId::MaskEdit1);
    return *WaitFor(
        L"MaskEdit1 (time) to move on from " + Show(shown),
        [&]() -> std::optional<std::wstring> {
            std::wstring text = TextOf(time);
            if (text == shown) return std::nullopt;
            return text;
        },
        kTickPatienceMs);
}

// The next two ticks each move the time field on, both fields to the computer's time.
void ExpectTwoTicks(const Program& program, const std::wstring& when) {
    std::wstring shown = TextOf(program.Control(ControlId::MaskEdit1));
    for (int tick = 1; tick <= 2; ++tick) {
        shown = NextTimeText(program, shown);
        ExpectComputerTime(program, L"after tick " + std::to_wstring(tick) + L" " + when);
    }
}

void StartClock(const Program& program) {
    Click(program.Control(ControlId::CheckBox4));
    Click(program.Control(ControlId::CheckBox6));
}

// The ticks leave the time field alone while the clock runs.
void ExpectPaused(const Program& program, const std::wstring& when) {
    HWND time = program.Control(ControlId::MaskEdit1);
    const std::wstring paused = TextOf(time);
    ExpectSteady(
        L"MaskEdit1 (time) " + when, [&] { return TextOf(time) == paused; }, kTwoTicksMs);
}

// Tab from "System time" round to the time field: unlike a click in it, this leaves the clock running.
HWND TabIntoTimeField(const Program& program) {
    HWND time = program.Control(ControlId::MaskEdit1);
    TabUntilFocused(time);
    ExpectPaused(program, L"while it has the keyboard focus");
    return time;
}

// When the window is active again, the time field has the focus again and the ticks pause.
void ExpectBackInTimeField(const Program& program, const std::wstring& after) {
    HWND time = program.Control(ControlId::MaskEdit1);
    WaitFor(L"the focus back in MaskEdit1 (time) after " + after, [&] { return FocusedWindow(time) == time; });
    ExpectPaused(program, L"with the focus back in it after " + after);
}

DateAndTime WithTimeOfDay(DateAndTime value, int hour, int minute, int second) {
    value.hour = hour;
    value.minute = minute;
    value.second = second;
    return value;
}

}  // namespace

// "System time" copies the computer's date and time into both fields and keeps them running; a click
// in the time field stops them, also once the focus has left it, while "System time" keeps its tick;
// unticked and ticked again, it copies the time at once and runs again.
void SystemTimeFollowsClock(const Context& context) {
    Program program(context);
    StartClock(program);
    HWND time = program.Control(ControlId::MaskEdit1);
    HWND systemTime = program.Control(ControlId::CheckBox6);
    ExpectComputerTime(program, L"right after ticking CheckBox6 (system time)");
    ExpectTwoTicks(program, L"of the running clock");

    FocusByClick(time);
    // Out of both clock fields, so that only a stopped clock keeps them still.
    PostKey(time, VK_TAB);
    WaitFor(L"Tab to move the focus from MaskEdit1 to CheckBox6", [&] { return FocusedWindow(time) == systemTime; });
    const std::wstring stopped = TextOf(time);
    const DateAndTime stoppedValue = PickerValue(program);
    ExpectSteady(
        L"MaskEdit1 (time) after a click in it", [&] { return TextOf(time) == stopped; }, kTwoTicksMs);
    ExpectEqual(PickerValue(program), stoppedValue, L"DateTimePicker1's value after a click in MaskEdit1");
    ExpectControls(program, {{.id = ControlId::CheckBox6, .ticked = true}}, L"after a click in MaskEdit1");

    Click(systemTime);
    Click(systemTime);
    ExpectComputerTime(program, L"right after ticking CheckBox6 again");
    NextTimeText(program, TextOf(time));
    ExpectComputerTime(program, L"a tick after ticking CheckBox6 again");
    program.Close();
}

// Enter in the time field opens the save dialog; while the dialog has the focus the clock runs on,
// so the file holds the time of the save, not the time at which the field took the focus.
void SystemTimeRunsInDialog(const Context& context) {
    Program program(context);
    StartClock(program);
    HWND time = TabIntoTimeField(program);
    SYSTEMTIME tabbedIn{};
    GetLocalTime(&tabbedIn);

    PostEnter(time);
    HWND dialog = WaitForOpenFileDialog(program);
    ExpectTwoTicks(program, L"with the save dialog open");
    ExpectSteady(
        L"the save dialog's being open", [&] { return IsWindow(dialog) != FALSE; }, kDialogOpenMs);
    AnswerFileDialog(dialog, context.WorkFile(L"duza.ini"));
    SYSTEMTIME saved{};
    GetLocalTime(&saved);
    WaitForMessageBox(program, context.Text(TextId::SettingsWriteCompleted));

    const std::vector<std::uint8_t> file = ReadFileBytes(context.WorkFile(L"duza.ini"));
    ExpectEqual(static_cast<int>(file.size()), 512, L"size of the saved duza.ini");
    const std::uint8_t* clock = file.data() + kStoredClockOffset;
    const DateAndTime stored{256 * clock[0] + clock[1], clock[2], clock[3], clock[4], clock[5], clock[6]};
    Expect(std::llabs(SecondsOf(stored) - SecondsOf(saved)) <= kClockSlackSeconds,
           L"bytes 0x0C-0x12 of duza.ini hold " + Show(stored) + L", saved at " + Show(DateAndTimeOf(saved)) +
               L" (the time field took the focus at " + Show(DateAndTimeOf(tabbedIn)) + L")");
    ExpectBackInTimeField(program, L"the save");
    program.Close();
}

// Another program's window takes the keyboard focus from the time field: the clock runs on while
// it is active, and pauses again once the user comes back.
void SystemTimeRunsInBackground(const Context& context) {
    Program program(context);
    StartClock(program);
    HWND time = TabIntoTimeField(program);
    {
        OtherWindow other;
        Activate(other.Handle());
        WaitFor(L"MaskEdit1 (time) to lose the focus to another program's window",
                [&] { return FocusedWindow(time) != time; });
        ExpectTwoTicks(program, L"with another program active");
        Activate(program.Window());
    }
    ExpectBackInTimeField(program, L"switching back from another program");
    program.Close();
}

// Digits typed into the time field fill its places and skip the separators; once no place is
// empty, the date picker's time of day follows, its date kept. A blank first place is a one-digit hour.
void TypedTimeSetsPicker(const Context& context) {
    Program program(context);
    StartClock(program);
    HWND time = program.Control(ControlId::MaskEdit1);
    FocusByClick(time);
    const DateAndTime before = PickerValue(program);
    PostSelectAll(time);
    const struct {
        const wchar_t* typed;
        const wchar_t* shown;
    } steps[] = {
        {L"2", L"2 :  :  "}, {L"1", L"21:  :  "}, {L"x3", L"21:3 :  "}, {L"4", L"21:34:  "}, {L"5", L"21:34:5 "},
    };
    for (const auto& step : steps) {
        PostCharacters(time, step.typed);
        WaitFor(L"MaskEdit1 (time) to show " + Show(std::wstring(step.shown)) + L" after typing " +
                    Show(std::wstring(step.typed)),
                [&] { return TextOf(time) == step.shown; });
        ExpectEqual(PickerValue(program), before,
                    L"DateTimePicker1's value with MaskEdit1 showing " + Show(std::wstring(step.shown)));
    }
    PostCharacters(time, L"6");
    WaitFor(L"MaskEdit1 (time) to show \"21:34:56\"", [&] { return TextOf(time) == L"21:34:56"; });
    ExpectEqual(PickerValue(program), WithTimeOfDay(before, 21, 34, 56),
                L"DateTimePicker1's value after typing 21:34:56");

    PostSelectAll(time);
    PostCharacters(time, L" 70509");
    WaitFor(L"MaskEdit1 (time) to show \" 7:05:09\"", [&] { return TextOf(time) == L" 7:05:09"; });
    ExpectEqual(PickerValue(program), WithTimeOfDay(before, 7, 5, 9),
                L"DateTimePicker1's value after typing \" 7:05:09\"");
    program.Close();
}

}  // namespace e2e
