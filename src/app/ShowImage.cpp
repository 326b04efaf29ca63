// Showing the settings image in the controls of the settings page.
#include <string>

#include "app/TForm1.h"
#include "base/ByteOrder.h"
#include "base/Errors.h"
#include "settings/SettingsImage.h"
#include "widgets/TimeText.h"

namespace vocset {

using namespace image;

// The stored date and time, read as the numbers they are, whatever the user's date order.
void TForm1::ShowStoredDateTime() {
    const auto& b = settingsImage_.bytes;
    const int year = ReadU16be(b, kYearHigh);
    const DateTime stored{year, b[kMonth], b[kDay], b[kHour], b[kMinute], b[kSecond], 0};
    if (!IsValidDate(stored.year, stored.month, stored.day) ||
        !IsValidTime(stored.hour, stored.minute, stored.second)) {
        throw NotAValidDateTime(std::to_string(stored.day) + "." + std::to_string(stored.month) + "." +
                                std::to_string(stored.year) + " " + std::to_string(stored.hour) + ":" +
                                std::to_string(stored.minute) + ":" + std::to_string(stored.second));
    }
    if (!DateTimePicker::CanHold(stored.year, stored.month, stored.day)) throw FailedToSetCalendarDate();
    DateTimePicker1.SetDate(stored.year, stored.month, stored.day);
    // The time of day reaches the date field through the time field's own rule.
    MaskEdit1.SetText(ClockTimeText(stored, timeFormat_));
}

namespace {
// The first box is set, and its rule has run, before the second one is set.
void SetInOrder(CheckBox& first, bool firstChecked, CheckBox& second, bool secondChecked) {
    first.SetChecked(firstChecked);
    second.SetChecked(secondChecked);
}
}  // namespace

// One byte feeds both lists: the gain position, and the sensitivity's codes.
void TForm1::ShowStoredGainOrSensitivity() {
    const std::uint8_t gainOrSensitivity = settingsImage_.bytes[kGainOrVoxSensitivity];
    ComboBox1.SetItemIndex(gainOrSensitivity);
    if (const auto position = kVoxSensitivityCodes.PositionOf(gainOrSensitivity)) ComboBox49.SetItemIndex(*position);
}

void TForm1::ShowStoredAlarmMode() {
    switch (settingsImage_.bytes[kAlarmMode]) {
    case kAlarmModeOff: SetInOrder(CheckBox5, false, CheckBox8, false); break;
    case kAlarmModeClocks: SetInOrder(CheckBox5, true, CheckBox8, false); break;
    case kAlarmModeCyclic: SetInOrder(CheckBox5, true, CheckBox8, true); break;
    default: break;
    }
}

// The highest entry from 2 on that is marked in use gives the number of alarm clocks.
void TForm1::ShowStoredAlarmCount() {
    ComboBox4.SetItemIndex(0);
    for (int k = 2; k <= kAlarmRows; ++k) {
        if (settingsImage_.bytes[AlarmEntry(k) + kEntryEnabled] == kFlagOn) ComboBox4.SetItemIndex(k - 1);
    }
    ComboBox4Change();
}

// The cyclic alarm's fields are the bytes of alarm entry 1's hour, minute and duration.
void TForm1::ShowStoredAlarmLists() {
    const auto& b = settingsImage_.bytes;
    ComboBox47.SetItemIndex(b[kCyclicStartHour]);
    ComboBox46.SetItemIndex(b[kCyclicStartMinute]);
    ComboBox48.SetItemIndex(b[kCyclicRunningTime] - 1);
    for (int k = 1; k <= kAlarmRows; ++k) {
        const std::size_t entry = AlarmEntry(k);
        AlarmList(k, AlarmColumn::Day).SetItemIndex(b[entry + kEntryDay] - 1);
        AlarmList(k, AlarmColumn::Hour).SetItemIndex(b[entry + kEntryHour]);
        AlarmList(k, AlarmColumn::Minute).SetItemIndex(b[entry + kEntryMinute]);
        AlarmList(k, AlarmColumn::Duration).SetItemIndex(b[entry + kEntryDuration] - 1);
    }
}

// The list's own rule does not run; unlike it, this one does not look at voice activation.
void TForm1::ShowStoredResolution() {
    if (const auto position = kResolutionCodes.PositionOf(settingsImage_.bytes[kResolution])) {
        ComboBox45.SetItemIndex(*position);  // "20 bit", which the list no longer holds, selects nothing
    }
    if (ComboBox45.ItemIndex() == kResolution20Bit) {
        CheckBox2.SetEnabled(false);
        Label1.SetEnabled(false);
        ComboBox1.SetEnabled(false);
    } else {
        CheckBox2.SetEnabled(true);
        if (!CheckBox2.Checked()) {
            Label1.SetEnabled(true);
            ComboBox1.SetEnabled(true);
        }
    }
}

void TForm1::ShowStoredVoiceActivation() {
    switch (settingsImage_.bytes[kVoiceActivation]) {
    case kVoxOn: SetInOrder(CheckBox1, true, CheckBox9, false); break;
    case kVoxOnWithBeep: SetInOrder(CheckBox1, true, CheckBox9, true); break;
    case kVoxOff:
    case kNeverWritten: SetInOrder(CheckBox1, false, CheckBox9, false); break;
    default: break;
    }
}

// The image holds list positions and codes, never texts: a position outside a list leaves it
// without selection, a code that a check box does not know leaves it as it was. The steps keep
// their order: each check box's rule runs as it is set and sees what the earlier steps left.
void TForm1::ShowBuf() {
    const auto& b = settingsImage_.bytes;
    CheckBox2.SetChecked(b[kAutomaticGain] == kFlagOn);
    ShowStoredGainOrSensitivity();
    ComboBox2.SetItemIndex(b[kFileSize]);
    CheckBox3.SetChecked(b[kEncryption] == kFlagOn);
    Edit1.SetText(std::to_string(b[kPasswordLow] + 256 * b[kPasswordHigh]));
    CheckBox4.SetChecked(b[kSetClock] == kFlagOn);
    ShowStoredDateTime();
    ShowStoredAlarmMode();
    CheckBox6.SetChecked(false);
    ShowStoredAlarmCount();
    ShowStoredAlarmLists();
    ShowStoredResolution();
    ComboBox3.SetItemIndex(b[kFrequency]);
    ShowStoredVoiceActivation();
    if (b[kLogger] == kLoggerOn) CheckBox7.SetChecked(true);
    if (b[kLogger] == kLoggerOff) CheckBox7.SetChecked(false);
    settingsImage_.loaded = 0;
}

}  // namespace vocset
