// The settings page turned into the 512 bytes of the settings image.
#include "settings/SettingsFile.h"

#include <algorithm>

#include "widgets/Conversions.h"

namespace vocset {

namespace {
using namespace image;

// A field that holds a list position holds its low 8 bits: no selection (-1) gives 0xFF.
std::uint8_t Position(const ComboBox& list) { return static_cast<std::uint8_t>(list.ItemIndex()); }
// A field that holds position + 1 holds 0 for no selection.
std::uint8_t PositionPlusOne(const ComboBox& list) { return static_cast<std::uint8_t>(list.ItemIndex() + 1); }
std::uint8_t Flag(const CheckBox& box) { return box.Checked() ? 1 : 0; }

void WriteAlarmEntry(std::uint8_t* entry, const AlarmRow& row) {
    entry[kEntryEnabled] = row.day.Enabled() ? 1 : 0;
    entry[kEntryDay] = PositionPlusOne(row.day);
    entry[kEntryHour] = Position(row.hour);
    entry[kEntryMinute] = Position(row.minute);
    entry[kEntryDuration] = PositionPlusOne(row.duration);
    entry[kEntryZero] = 0;
    // The remainder takes the sign of the dividend, as the positions may be -1.
    entry[kEntryEndHour] = static_cast<std::uint8_t>((row.hour.ItemIndex() + row.duration.ItemIndex() + 1) % 24);
    entry[kEntryEndMinute] = Position(row.minute);
}

std::uint8_t VoxSensitivityCode(int position, std::uint8_t current) {
    switch (position) {
    case 0: return 4;  // High
    case 1: return 3;  // Middle
    case 2: return 2;  // Low
    default: return current;
    }
}

std::uint8_t ResolutionCode(int position, std::uint8_t current) {
    switch (position) {
    case 0: return 2;  // u-Law
    case 1: return 0;  // 16 bit
    case 2: return 1;  // 20 bit
    default: return current;
    }
}
}  // namespace

void BuildSettingsImage(const SettingsPage& page, SettingsImage& image) {
    auto& b = image.bytes;
    b.fill(0xFF);
    const char magic[] = {'Q', 'e', 'r', 'v', '2'};
    std::copy(std::begin(magic), std::end(magic), b.begin() + kMagic);
    b[kAutomaticGain] = Flag(page.automaticGain);
    if (page.gain.Enabled()) b[kGainOrVoxSensitivity] = Position(page.gain);
    if (page.voxSensitivity.Enabled())
        b[kGainOrVoxSensitivity] = VoxSensitivityCode(page.voxSensitivity.ItemIndex(), b[kGainOrVoxSensitivity]);
    b[kFileSize] = Position(page.fileSize);
    b[kEncryption] = Flag(page.encryption);

    // The password is written whatever the state of encryption; a larger value keeps its low 16 bits.
    const std::int32_t password = StrToInt(page.password.Text());
    b[kPasswordLow] = static_cast<std::uint8_t>(password % 256);
    b[kPasswordHigh] = static_cast<std::uint8_t>(password / 256);

    b[kSetClock] = Flag(page.setClock);
    const DateTime& date = page.date.Value();
    b[kYearHigh] = static_cast<std::uint8_t>(date.year / 256);
    b[kYearLow] = static_cast<std::uint8_t>(date.year % 256);
    b[kMonth] = static_cast<std::uint8_t>(date.month);
    b[kDay] = static_cast<std::uint8_t>(date.day);
    b[kHour] = static_cast<std::uint8_t>(date.hour);
    b[kMinute] = static_cast<std::uint8_t>(date.minute);
    b[kSecond] = static_cast<std::uint8_t>(date.second);
    b[kAlarmMode] = Flag(page.alarmClocks);

    // The cyclic box keeps its tick while disabled, so it decides the layout on its own.
    if (page.cyclicAlarm.Checked()) {
        b[kAlarmMode] = kAlarmModeCyclic;
        b[kCyclicStartHour] = Position(page.cyclicStartHour);
        b[kCyclicStartMinute] = Position(page.cyclicStartMinute);
        b[kCyclicRunningTime] = PositionPlusOne(page.cyclicRunningTime);
        b[kCyclicZero] = 0;
        std::fill(b.begin() + kCyclicZero + 1, b.begin() + kWrittenEnd, 0);
    } else {
        for (int k = 1; k <= 10; ++k) WriteAlarmEntry(&b[AlarmEntry(k)], page.alarms[k - 1]);
    }

    b[kResolution] = ResolutionCode(page.resolution.ItemIndex(), b[kResolution]);
    b[kFrequency] = Position(page.frequency);
    b[kVoiceActivation] = !page.voiceActivation.Checked() ? kVoxOff : page.beep.Checked() ? kVoxOnWithBeep : kVoxOn;
    b[kLogger] = page.logger.Checked() ? kLoggerOn : kLoggerOff;
}

}  // namespace vocset
