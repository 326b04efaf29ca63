// The settings page as a user works it: clicks, list choices, its two file commands, and what its
// controls show, the date picker's value and the time field's text included.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "Program.h"
#include "ui/ControlId.h"

namespace e2e {

vocset::ControlId CheckBoxId(int number);
// "CheckBox4", "ComboBox17", "Label20": the control's name in the window's layout.
std::wstring ControlName(vocset::ControlId id);

// Clicks a button or check box whose handler opens no box, and returns once the program has handled it.
void Click(HWND control);
// Chooses the item at `index` as the user does: the list's selection, then its change notice to the parent.
void ChooseItem(HWND list, int index);

// Presses "Save configuration file", saves as `path` and expects "Settings file write completed".
void SaveSettingsAs(const Program& program, const std::wstring& path);
// Presses "Read configuration file" and chooses `path`; the program's answer is left to the caller.
void ChooseSettingsToRead(const Program& program, const std::wstring& path);

// What one control should show; a field left empty is not looked at.
struct Expected {
    vocset::ControlId id;
    std::optional<bool> enabled = {};
    std::optional<bool> ticked = {};    // check boxes
    std::optional<int> selection = {};  // lists: the item's position, -1 for none
    std::optional<std::wstring> text = {};
};
// Once the program has handled what was sent before, fails naming every control that differs.
void ExpectControls(const Program& program, const std::vector<Expected>& controls, const std::wstring& when);
// The four lists of alarm rows 1 to `rows` enabled, those of the other rows disabled.
std::vector<Expected> AlarmRowsEnabled(int rows);

struct DateAndTime {
    int year, month, day, hour, minute, second;
    bool operator==(const DateAndTime&) const = default;
};
std::wstring Show(const DateAndTime& value);
DateAndTime DateAndTimeOf(const SYSTEMTIME& time);
// DateTimePicker1's value, read in the program's memory (the message's answer is a pointer there).
DateAndTime PickerValue(const Program& program);
// The time field's text for a time of day: 24-hour form in the places of the mask, the hour with a
// leading zero or a leading blank as the variant's locale writes it.
std::wstring ClockText(const Context& context, int hour, int minute, int second);

}  // namespace e2e
