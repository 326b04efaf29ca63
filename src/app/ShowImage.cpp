// Showing the settings image in the controls of the settings page, and "Read configuration file".
#include <string>

#include "app/TForm1.h"
#include "settings/SettingsFile.h"
#include "widgets/Errors.h"
#include "widgets/TimeText.h"

namespace vocset {

using namespace image;

// The stored date and time, read as the numbers they are, whatever the user's date order.
void TForm1::ShowStoredDateTime() {
    const auto& b = settingsImage_.bytes;
    const int year = 256 * b[kYearHigh] + b[kYearLow];
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

// The image holds list positions and codes, never texts: a position outside a list leaves it
// without selection, a code that a check box does not know leaves it as it was.
void TForm1::ShowBuf() {
    const auto& b = settingsImage_.bytes;
    CheckBox2.SetChecked(b[kAutomaticGain] == 1);

    // One byte feeds both lists: the gain position, and the sensitivity codes 4, 3 and 2.
    const std::uint8_t gainOrSensitivity = b[kGainOrVoxSensitivity];
    ComboBox1.SetItemIndex(gainOrSensitivity);
    if (gainOrSensitivity >= 2 && gainOrSensitivity <= 4) ComboBox49.SetItemIndex(4 - gainOrSensitivity);

    ComboBox2.SetItemIndex(b[kFileSize]);
    CheckBox3.SetChecked(b[kEncryption] == 1);
    Edit1.SetText(std::to_string(b[kPasswordLow] + 256 * b[kPasswordHigh]));
    CheckBox4.SetChecked(b[kSetClock] == 1);
    ShowStoredDateTime();

    switch (b[kAlarmMode]) {
    case kAlarmModeOff:
        CheckBox5.SetChecked(false);
        CheckBox8.SetChecked(false);
        break;
    case kAlarmModeClocks:
        CheckBox5.SetChecked(true);
        CheckBox8.SetChecked(false);
        break;
    case kAlarmModeCyclic:
        CheckBox5.SetChecked(true);
        CheckBox8.SetChecked(true);
        break;
    default: break;
    }
    CheckBox6.SetChecked(false);

    // The highest entry from 2 on that is marked in use gives the number of alarm clocks.
    ComboBox4.SetItemIndex(0);
    for (int k = 2; k <= 10; ++k) {
        if (b[AlarmEntry(k) + kEntryEnabled] == 1) ComboBox4.SetItemIndex(k - 1);
    }
    ComboBox4Change();

    ComboBox47.SetItemIndex(b[kCyclicStartHour]);
    ComboBox46.SetItemIndex(b[kCyclicStartMinute]);
    ComboBox48.SetItemIndex(b[kCyclicRunningTime] - 1);
    for (int k = 1; k <= 10; ++k) {
        const std::size_t entry = AlarmEntry(k);
        const int first = 5 + 4 * (k - 1);
        ComboBoxNumber(first).SetItemIndex(b[entry + kEntryDay] - 1);
        ComboBoxNumber(first + 1).SetItemIndex(b[entry + kEntryHour]);
        ComboBoxNumber(first + 2).SetItemIndex(b[entry + kEntryMinute]);
        ComboBoxNumber(first + 3).SetItemIndex(b[entry + kEntryDuration] - 1);
    }

    switch (b[kResolution]) {
    case 0: ComboBox45.SetItemIndex(1); break;  // 16 bit
    case 1: ComboBox45.SetItemIndex(2); break;  // 20 bit, which the list no longer holds
    case 2: ComboBox45.SetItemIndex(0); break;  // u-Law
    default: break;
    }
    // Unlike the resolution list's own rule, this one does not look at voice activation.
    if (ComboBox45.ItemIndex() == 2) {
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

    ComboBox3.SetItemIndex(b[kFrequency]);
    switch (b[kVoiceActivation]) {
    case kVoxOn:
        CheckBox1.SetChecked(true);
        CheckBox9.SetChecked(false);
        break;
    case kVoxOnWithBeep:
        CheckBox1.SetChecked(true);
        CheckBox9.SetChecked(true);
        break;
    case kVoxOff:
    case 0xFF:
        CheckBox1.SetChecked(false);
        CheckBox9.SetChecked(false);
        break;
    default: break;
    }
    if (b[kLogger] == kLoggerOn) CheckBox7.SetChecked(true);
    if (b[kLogger] == kLoggerOff) CheckBox7.SetChecked(false);
    settingsImage_.loaded = 0;
}

void TForm1::BitBtn2Click() {
    OpenDialog2.fileName = kSettingsFileName;
    OpenDialog2.initialDir = services_.files.CurrentDirectory();
    if (!OpenDialog2.Execute()) return;
    if (!IsSettingsFileName(OpenDialog2.fileName)) {
        services_.messages.ShowMessage(language_.Text(TextId::OpenedFileShouldBeNamed));
        return;
    }
    if (!ReadSettingsFile(OpenDialog2.fileName, settingsImage_, services_.files)) {
        services_.messages.ShowMessage(language_.Text(TextId::SettingsNotFound));
        return;
    }
    services_.messages.ShowMessage(language_.Text(TextId::SettingsReadComplete));
    CheckBox6.SetChecked(false);
    ShowBuf();
}

}  // namespace vocset
