// Scenarios of the real-time clock's fields: "System time" keeps them with the computer's clock
// until a click in the time field stops it, and a typed time of day reaches the date picker.
#include "SettingsRulesScenarios.h"

#include <cstdlib>
#include <optional>

#include "Check.h"
#include "Keyboard.h"
#include "Program.h"
#include "SettingsPage.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

using vocset::ControlId;

namespace {

// How far the fields may be behind or ahead of the driver's own reading of the clock.
constexpr long long kClockSlackSeconds = 2;
// The clock ticks every second; a loaded machine may deliver a tick late.
constexpr DWORD kTickPatienceMs = 5000;
// Long enough for two ticks of a running clock.
constexpr DWORD kTwoTicksMs = 2500;

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

void StartClock(const Program& program) {
    Click(program.Control(ControlId::CheckBox4));
    Click(program.Control(ControlId::CheckBox6));
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
    std::wstring shown = TextOf(time);
    for (int tick = 1; tick <= 2; ++tick) {
        shown = NextTimeText(program, shown);
        ExpectComputerTime(program, L"after tick " + std::to_wstring(tick));
    }

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
