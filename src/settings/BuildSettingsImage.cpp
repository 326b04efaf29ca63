// The settings page turned into the 512 bytes of the settings image.
#include "settings/SettingsFile.h"

#include <algorithm>

#include "base/ByteOrder.h"
#include "base/Conversions.h"

namespace vocset {

namespace {
using namespace image;

// A field that holds a list position holds its low 8 bits: no selection (-1) gives 0xFF.
std::uint8_t Position(const ComboBox& list) { return static_cast<std::uint8_t>(list.ItemIndex()); }
// A field that holds position + 1 holds 0 for no selection.
std::uint8_t PositionPlusOne(const ComboBox& list) { return static_cast<std::uint8_t>(list.ItemIndex() + 1); }
std::uint8_t Flag(bool on) { return on ? kFlagOn : kFlagOff; }

void WriteAlarmEntry(std::uint8_t* entry, const AlarmRow& row) {
    entry[kEntryEnabled] = Flag(row.day.Enabled());
    entry[kEntryDay] = PositionPlusOne(row.day);
    entry[kEntryHour] = Position(row.hour);
    entry[kEntryMinute] = Position(row.minute);
    entry[kEntryDuration] = PositionPlusOne(row.duration);
    entry[kEntryZero] = 0;
    // The remainder takes the sign of the dividend, as the positions may be -1.
    entry[kEntryEndHour] = static_cast<std::uint8_t>((row.hour.ItemIndex() + row.duration.ItemIndex() + 1) % 24);
    entry[kEntryEndMinute] = Position(row.minute);
}
}  // namespace

void BuildSettingsImage(const SettingsPage& page, SettingsImage& image) {
    auto& b = image.bytes;
    b.fill(kNeverWritten);
    const char magic[] = {'Q', 'e', 'r', 'v', '2'};
    std::copy(std::begin(magic), std::end(magic), b.begin() + kMagic);
    b[kAutomaticGain] = Flag(page.automaticGain.Checked());
    if (page.gain.Enabled()) b[kGainOrVoxSensitivity] = Position(page.gain);
    // A position without a code leaves the byte as it was, here and for the resolution.
    if (page.voxSensitivity.Enabled()) {
        b[kGainOrVoxSensitivity] =
            kVoxSensitivityCodes.CodeOf(page.voxSensitivity.ItemIndex()).value_or(b[kGainOrVoxSensitivity]);
    }
    b[kFileSize] = Position(page.fileSize);
    b[kEncryption] = Flag(page.encryption.Checked());

    // The password is written whatever the state of encryption. The remainder and the quotient truncate
    // toward zero: a value above 65535 keeps its low 16 bits, but "-1" is stored as FF 00, not FF FF.
    const std::int32_t password = StrToInt(page.password.Text());
    b[kPasswordLow] = static_cast<std::uint8_t>(password % 256);
    b[kPasswordHigh] = static_cast<std::uint8_t>(password / 256);

    b[kSetClock] = Flag(page.setClock.Checked());
    const DateTime& date = page.date.Value();
    WriteU16be(b, kYearHigh, static_cast<std::uint16_t>(date.year));
    b[kMonth] = static_cast<std::uint8_t>(date.month);
    b[kDay] = static_cast<std::uint8_t>(date.day);
    b[kHour] = static_cast<std::uint8_t>(date.hour);
    b[kMinute] = static_cast<std::uint8_t>(date.minute);
    b[kSecond] = static_cast<std::uint8_t>(date.second);
    b[kAlarmMode] = page.alarmClocks.Checked() ? kAlarmModeClocks : kAlarmModeOff;

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

    b[kResolution] = kResolutionCodes.CodeOf(page.resolution.ItemIndex()).value_or(b[kResolution]);
    b[kFrequency] = Position(page.frequency);
    b[kVoiceActivation] = !page.voiceActivation.Checked() ? kVoxOff : page.beep.Checked() ? kVoxOnWithBeep : kVoxOn;
    b[kLogger] = page.logger.Checked() ? kLoggerOn : kLoggerOff;
}

}  // namespace vocset
