// Scenarios of showing a settings file in the controls: a "duza.ini" found at start-up, and
// "Read configuration file" with its refusals, its date error and a save and read round trip.
#include "ReadSettingsScenarios.h"

#include <cstdint>
#include <vector>

#include "Boxes.h"
#include "Check.h"
#include "Folder.h"
#include "Program.h"
#include "SettingsImageExpectation.h"
#include "SettingsPage.h"
#include "Wait.h"
#include "Window.h"

namespace e2e {

using vocset::AlarmColumn;
using vocset::AlarmListId;
using vocset::ComboBoxId;
using vocset::ControlId;
using vocset::LabelId;
using vocset::TextId;

namespace {

struct Alarm {
    int day, hour, minute, hours;
};
// Rows 1 to 3 in use, each of the four lists away from its first item; the others differ by row.
constexpr Alarm kAlarms[10] = {
    {10, 22, 30, 5}, {31, 0, 59, 23}, {1, 23, 0, 1}, {4, 4, 20, 4}, {5, 5, 25, 5},
    {6, 6, 30, 6},   {7, 7, 35, 7},   {8, 8, 40, 8}, {9, 9, 45, 9}, {28, 12, 50, 12},
};
constexpr int kAlarmsInUse = 3;

std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value); }

// Settings away from the window's defaults in every control that the image sets, as a save of
// them writes them but for the automatic gain, which voice activation unticks when they are shown.
std::vector<ImageField> ChosenSettings(const DateAndTime& clock) {
    std::vector<ImageField> fields = {
        {L"magic", 0x00, {'Q', 'e', 'r', 'v', '2'}},
        {L"automatic gain (on)", 0x05, {1}},
        {L"VOX sensitivity (Low)", 0x06, {2}},
        {L"size of recording file (1000 Mb)", 0x07, {4}},
        {L"sound encryption (on)", 0x08, {1}},
        {L"password (12345, low byte first)", 0x09, {0x39, 0x30}},
        {L"set the recorder's clock (on)", 0x0B, {1}},
        {L"year, high byte first", 0x0C, {Byte(clock.year >> 8), Byte(clock.year)}},
        {L"month", 0x0E, {Byte(clock.month)}},
        {L"day", 0x0F, {Byte(clock.day)}},
        {L"hour, minute, second", 0x10, {Byte(clock.hour), Byte(clock.minute), Byte(clock.second)}},
        {L"alarm mode (clocks)", 0x13, {1}},
        {L"sampling frequency (8 kHz)", 0x3C, {0}},
        {L"voice activation (on, with a beep)", 0x3D, {0x56}},
        {L"logger (on)", 0x3E, {0x55}},
        {L"resolution (u-Law)", 0x67, {2}},
    };
    for (int entry = 1; entry <= 10; ++entry) {
        const Alarm& alarm = kAlarms[entry - 1];
        fields.push_back({L"alarm entry " + std::to_wstring(entry),
                          AlarmEntryOffset(entry),
                          {Byte(entry <= kAlarmsInUse), Byte(alarm.day), Byte(alarm.hour), Byte(alarm.minute),
                           Byte(alarm.hours), 0, Byte((alarm.hour + alarm.hours) % 24), Byte(alarm.minute)}});
    }
    return fields;
}

// What a save of the shown ChosenSettings writes.
std::vector<ImageField> ChosenSettingsSaved(const DateAndTime& clock) {
    return WithFields(ChosenSettings(clock), {{L"automatic gain (unticked by VOX)", 0x05, {0}}});
}

// The controls that show ChosenSettings in a window that showed no image before.
std::vector<Expected> ChosenSettingsShown(const Context& context, const DateAndTime& clock) {
    std::vector<Expected> controls = {
        {.id = ControlId::CheckBox1, .ticked = true},
        {.id = ControlId::CheckBox2, .enabled = false, .ticked = false},
        {.id = LabelId(1), .enabled = false},
        {.id = ComboBoxId(1), .enabled = false, .selection = 2},
        {.id = ControlId::CheckBox9, .enabled = true, .ticked = true},
        {.id = LabelId(20), .enabled = true},
        {.id = ComboBoxId(49), .enabled = true, .selection = 2},
        {.id = ComboBoxId(2), .selection = 4},
        {.id = ControlId::CheckBox3, .ticked = true},
        {.id = LabelId(3), .enabled = true},
        {.id = ControlId::Edit1, .enabled = true, .text = L"12345"},
        {.id = ControlId::CheckBox4, .ticked = true},
        {.id = LabelId(5), .enabled = true},
        {.id = ControlId::DateTimePicker1, .enabled = true},
        {.id = ControlId::MaskEdit1,
         .enabled = true,
         .text = ClockText(context, clock.hour, clock.minute, clock.second)},
        {.id = ControlId::CheckBox6, .enabled = true, .ticked = false},
        {.id = ControlId::CheckBox5, .ticked = true},
        {.id = ControlId::CheckBox8, .enabled = true, .ticked = false},
        {.id = ComboBoxId(4), .enabled = true, .selection = kAlarmsInUse - 1},
        // The cyclic alarm's lists show entry 1's start time and duration.
        {.id = ComboBoxId(47), .selection = kAlarms[0].hour},
        {.id = ComboBoxId(46), .selection = kAlarms[0].minute},
        {.id = ComboBoxId(48), .selection = kAlarms[0].hours - 1},
        {.id = ComboBoxId(3), .selection = 0},
        {.id = ComboBoxId(45), .selection = 0},
        {.id = ControlId::CheckBox7, .ticked = true},
    };
    for (int row = 1; row <= vocset::kAlarmRows; ++row) {
        const Alarm& alarm = kAlarms[row - 1];
        const bool inUse = row <= kAlarmsInUse;
        controls.push_back({.id = AlarmListId(row, AlarmColumn::Day), .enabled = inUse, .selection = alarm.day - 1});
        controls.push_back({.id = AlarmListId(row, AlarmColumn::Hour), .enabled = inUse, .selection = alarm.hour});
        controls.push_back({.id = AlarmListId(row, AlarmColumn::Minute), .enabled = inUse, .selection = alarm.minute});
        controls.push_back(
            {.id = AlarmListId(row, AlarmColumn::Duration), .enabled = inUse, .selection = alarm.hours - 1});
    }
    return controls;
}

void ExpectChosenSettingsShown(const Program& program, const DateAndTime& clock, const std::wstring& when) {
    ExpectControls(program, ChosenSettingsShown(program.Given(), clock), when);
    ExpectEqual(PickerValue(program), clock, L"DateTimePicker1's value " + when);
    ExpectEqual(IsShown(program.Control(ControlId::Panel4)), true, L"Panel4 (alarm clocks) shown " + when);
    ExpectEqual(IsShown(program.Control(ControlId::Panel5)), false, L"Panel5 (cyclic alarm) shown " + when);
}

// Reads `path` through "Read configuration file" and answers its "Settings file read complete".
void ReadSettings(const Program& program, const std::wstring& path) {
    ChooseSettingsToRead(program, path);
    WaitForMessageBox(program, program.Given().Text(TextId::SettingsReadComplete));
}

std::wstring MadeFolder(const Context& context, const std::wstring& name) {
    const std::wstring folder = context.WorkFile(name);
    MakeEmptyFolder(folder);
    return folder;
}

// Controls that an image sets, as the window shows them when it opens.
const std::vector<Expected> kUntouchedControls = {
    {.id = ControlId::CheckBox3, .ticked = false},     {.id = ControlId::Edit1, .enabled = false, .text = L"0"},
    {.id = ControlId::CheckBox4, .ticked = false},     {.id = ControlId::CheckBox5, .ticked = false},
    {.id = ControlId::CheckBox1, .ticked = false},     {.id = ComboBoxId(2), .selection = 2},
    {.id = ControlId::MaskEdit1, .text = L"  :  :  "},
};
const DateAndTime kUntouchedPicker = {2010, 1, 1, 0, 0, 0};

// An untouched window's save with the file size, the encryption, the password and the clock
// changed, and 2016-`month`-`day` 9:07:00 as its date, which must be one that does not exist; the
// alarms and voice activation on, which only the steps after the date would show.
std::vector<ImageField> DateErrorImage(int month, int day) {
    return WithFields(UntouchedWindowFields(), {
                                                   {L"size of recording file (50 Mb)", 0x07, {0}},
                                                   {L"sound encryption (on)", 0x08, {1}},
                                                   {L"password (777)", 0x09, {0x09, 0x03}},
                                                   {L"set the recorder's clock (on)", 0x0B, {1}},
                                                   {L"year 2016", 0x0C, {0x07, 0xE0}},
                                                   {L"month", 0x0E, {Byte(month)}},
                                                   {L"day", 0x0F, {Byte(day)}},
                                                   {L"hour, minute, second", 0x10, {9, 7, 0}},
                                                   {L"alarm mode (clocks)", 0x13, {1}},
                                                   {L"voice activation (on)", 0x3D, {0x55}},
                                               });
}

// A DateErrorImage shown in a window that showed no image before: the settings before the date,
// the window's defaults from the date on.
void ExpectShownUpToTheDate(const Program& program, const std::wstring& when) {
    ExpectControls(program,
                   {{.id = ComboBoxId(2), .selection = 0},
                    {.id = ControlId::CheckBox3, .ticked = true},
                    {.id = ControlId::Edit1, .enabled = true, .text = L"777"},
                    {.id = ControlId::CheckBox4, .ticked = true},
                    {.id = ControlId::MaskEdit1, .enabled = true, .text = L"  :  :  "},
                    {.id = ControlId::CheckBox5, .ticked = false},
                    {.id = ControlId::CheckBox1, .ticked = false}},
                   when);
    ExpectEqual(PickerValue(program), kUntouchedPicker, L"DateTimePicker1's value " + when);
}

// A box that start-up shows, seen while the main window is still hidden; returned open.
HWND WaitForBoxBeforeWindow(const Program& program, const std::wstring& what) {
    HWND box = WaitForOpenMessageBox(program, what, kPatienceMs);
    Expect(!IsShown(program.Window()), L"the main window is shown while " + what + L" is open");
    return box;
}

// Once start-up's box is closed the window is shown, active, with the focus on its first control.
void ExpectWindowShownAfterBox(Program& program, const std::wstring& what) {
    program.WaitUntilShown();
    ExpectNoBox(program);
    HWND pages = program.Control(ControlId::PageControl1);
    WaitFor(L"the focus on PageControl1 once the window is shown after " + what,
            [&] { return FocusedWindow(pages) == pages; });
    ExpectEqual(ActiveWindow(program.Window()) == program.Window(), true,
                L"the main window active once it is shown after " + what);
}

}  // namespace

// A "duza.ini" in the program's folder at start-up is shown when the window appears, its date as
// stored whatever the locale's order of day and month, its time of day in the time field.
void SettingsShownAtStart(const Context& context) {
    for (const DateAndTime clock : {DateAndTime{2016, 3, 5, 9, 7, 0}, DateAndTime{2016, 12, 25, 21, 7, 5}}) {
        WriteFileBytes(context.WorkFile(L"duza.ini"), SettingsImageOf(ChosenSettings(clock)));
        Program program(context);
        ExpectNoBox(program);
        ExpectChosenSettingsShown(program, clock, L"at start-up with the clock at " + Show(clock));
        program.Close();
    }
}

// A "duza.ini" whose date does not exist: the error box comes before the window is shown, modal
// to it, and the window then opens showing the settings before the date.
void InvalidDateBoxBeforeWindow(const Context& context) {
    WriteFileBytes(context.WorkFile(L"duza.ini"), SettingsImageOf(DateErrorImage(13, 5)));
    Program program(context, Program::BeforeShown{});
    const std::wstring what = L"the error box for month 13";
    HWND box = WaitForBoxBeforeWindow(program, what);
    ExpectEqual(IsEnabled(program.Window()), false, L"the main window enabled while " + what + L" is open");
    ExpectEqual(AnswerErrorBox(box, what, L"''"), std::wstring(L"''5.13.2016 9:7:0'' is not a valid date and time."),
                L"text of " + what);
    ExpectWindowShownAfterBox(program, what);
    ExpectShownUpToTheDate(program, L"at start-up after the date error");
    program.Close();
}

// A "duza.ini" with the alarms on and the clock off: the alarms' rule asks for the clock before
// the window is shown, and the window then opens showing the whole image, the clock ticked.
void ClockBoxBeforeWindow(const Context& context) {
    const DateAndTime clock{2016, 3, 5, 9, 7, 0};
    WriteFileBytes(
        context.WorkFile(L"duza.ini"),
        SettingsImageOf(WithFields(ChosenSettings(clock), {{L"set the recorder's clock (off)", 0x0B, {0}}})));
    Program program(context, Program::BeforeShown{});
    const std::wstring what = L"the message asking for the clock";
    HWND box = WaitForBoxBeforeWindow(program, what);
    ExpectEqual(MessageText(box), context.Text(TextId::PleaseSetupClock), L"text of " + what);
    PressOk(box, what);
    ExpectWindowShownAfterBox(program, what);
    ExpectChosenSettingsShown(program, clock, L"at start-up after " + what);
    program.Close();
}

// "Read configuration file" stops a running clock and shows the chosen file; its save writes the
// file again, and that file read into a new window shows the same and saves the same bytes.
void ReadSettingsFile(const Context& context) {
    const DateAndTime clock{2016, 3, 5, 9, 7, 0};
    const std::wstring chosen = MadeFolder(context, L"chosen") + L"\\duza.ini";
    const std::wstring copy = MadeFolder(context, L"copy") + L"\\duza.ini";
    const std::wstring again = MadeFolder(context, L"again") + L"\\duza.ini";
    WriteFileBytes(chosen, SettingsImageOf(ChosenSettings(clock)));
    {
        Program program(context);
        Click(program.Control(ControlId::CheckBox4));
        Click(program.Control(ControlId::CheckBox6));
        ReadSettings(program, chosen);
        ExpectChosenSettingsShown(program, clock, L"after reading " + Show(chosen));
        HWND time = program.Control(ControlId::MaskEdit1);
        const std::wstring shown = TextOf(time);
        ExpectSteady(
            L"MaskEdit1 (time) after reading the file", [&] { return TextOf(time) == shown; }, 2500);
        SaveSettingsAs(program, copy);
        ExpectSettingsImage(ReadFileBytes(copy), ChosenSettingsSaved(clock));
        program.Close();
    }
    Program program(context);
    ReadSettings(program, copy);
    ExpectChosenSettingsShown(program, clock, L"after reading the saved copy");
    SaveSettingsAs(program, again);
    ExpectSameBytes(ReadFileBytes(again), ReadFileBytes(copy), L"the copy saved again");
    program.Close();
}

// A file of another size, a missing file and another name are refused and change nothing; a date
// that does not exist ends the showing with the error box after the clock's own settings, and the
// window goes on working.
void ReadSettingsRefused(const Context& context) {
    const auto chosenImage = SettingsImageOf(ChosenSettings({2016, 3, 5, 9, 7, 0}));
    const std::wstring shortFile = MadeFolder(context, L"short") + L"\\duza.ini";
    WriteFileBytes(shortFile, std::vector<std::uint8_t>(chosenImage.begin(), chosenImage.end() - 1));
    const std::wstring otherName = MadeFolder(context, L"named") + L"\\other.ini";
    WriteFileBytes(otherName, chosenImage);
    const std::wstring february = MadeFolder(context, L"february") + L"\\duza.ini";
    WriteFileBytes(february, SettingsImageOf(DateErrorImage(2, 30)));

    Program program(context);
    const struct {
        std::wstring path;
        TextId message;
    } refusals[] = {
        {shortFile, TextId::SettingsNotFound},
        {context.WorkFile(L"duza.ini"), TextId::SettingsNotFound},
        {otherName, TextId::OpenedFileShouldBeNamed},
    };
    for (const auto& refusal : refusals) {
        ChooseSettingsToRead(program, refusal.path);
        WaitForMessageBox(program, context.Text(refusal.message));
        ExpectNoBox(program);
        ExpectControls(program, kUntouchedControls, L"after reading " + Show(refusal.path));
        ExpectEqual(PickerValue(program), kUntouchedPicker,
                    L"DateTimePicker1's value after reading " + Show(refusal.path));
    }

    ReadSettings(program, february);
    ExpectEqual(WaitForErrorBox(program, L"''"), std::wstring(L"''30.2.2016 9:7:0'' is not a valid date and time."),
                L"text of the error box for 30 February");
    ExpectNoBox(program);
    ExpectShownUpToTheDate(program, L"after the date error");

    SaveSettingsAs(program, context.WorkFile(L"duza.ini"));
    ExpectSettingsImage(ReadFileBytes(context.WorkFile(L"duza.ini")),
                        WithFields(UntouchedWindowFields(), {{L"size of recording file (50 Mb)", 0x07, {0}},
                                                             {L"sound encryption (on)", 0x08, {1}},
                                                             {L"password (777)", 0x09, {0x09, 0x03}},
                                                             {L"set the recorder's clock (on)", 0x0B, {1}}}));
    program.Close();
}

}  // namespace e2e
