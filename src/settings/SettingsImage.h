// The 512-byte recorder settings image, its field offsets, and the flag that a file was loaded into it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace vocset {

inline constexpr std::size_t kImageSize = 512;

namespace image {
inline constexpr std::size_t kMagic = 0x00;  // "Qerv" then "2", no terminator
inline constexpr std::size_t kAutomaticGain = 0x05;
inline constexpr std::size_t kGainOrVoxSensitivity = 0x06;
inline constexpr std::size_t kFileSize = 0x07;
inline constexpr std::size_t kEncryption = 0x08;
inline constexpr std::size_t kPasswordLow = 0x09;
inline constexpr std::size_t kPasswordHigh = 0x0A;
inline constexpr std::size_t kSetClock = 0x0B;
inline constexpr std::size_t kYearHigh = 0x0C;
inline constexpr std::size_t kYearLow = 0x0D;
inline constexpr std::size_t kMonth = 0x0E;
inline constexpr std::size_t kDay = 0x0F;
inline constexpr std::size_t kHour = 0x10;
inline constexpr std::size_t kMinute = 0x11;
inline constexpr std::size_t kSecond = 0x12;
inline constexpr std::size_t kAlarmMode = 0x13;
inline constexpr std::size_t kFrequency = 0x3C;
inline constexpr std::size_t kVoiceActivation = 0x3D;
inline constexpr std::size_t kLogger = 0x3E;
inline constexpr std::size_t kResolution = 0x67;
inline constexpr std::size_t kWrittenEnd = 0x68;  // bytes from here on are never written

// Alarm entries 1 to 5 lie before the frequency, voice activation and logger bytes, 6 to 10 after them.
constexpr std::size_t AlarmEntry(int k) { return k <= 5 ? 0x14 + 8 * (k - 1) : 0x3F + 8 * (k - 6); }
inline constexpr std::size_t kAlarmEntrySize = 8;
inline constexpr std::size_t kEntryEnabled = 0, kEntryDay = 1, kEntryHour = 2, kEntryMinute = 3, kEntryDuration = 4,
                             kEntryZero = 5, kEntryEndHour = 6, kEntryEndMinute = 7;

// In cyclic alarm mode these take the places of alarm entry 1's hour, minute, duration and zero byte.
inline constexpr std::size_t kCyclicStartHour = 0x16;
inline constexpr std::size_t kCyclicStartMinute = 0x17;
inline constexpr std::size_t kCyclicRunningTime = 0x18;
inline constexpr std::size_t kCyclicZero = 0x19;

// The codes that the bytes hold, the same for the writer and for showing an image.
inline constexpr std::uint8_t kNeverWritten = 0xFF;  // every byte before the writer sets it
inline constexpr std::uint8_t kFlagOff = 0, kFlagOn = 1;
inline constexpr std::uint8_t kAlarmModeOff = 0, kAlarmModeClocks = 1, kAlarmModeCyclic = 2;
inline constexpr std::uint8_t kVoxOff = 0x00, kVoxOn = 0x55, kVoxOnWithBeep = 0x56;
inline constexpr std::uint8_t kLoggerOn = 0x55, kLoggerOff = 0xFF;

// A list whose byte holds a code of each position rather than the position itself.
struct PositionCodes {
    std::array<std::uint8_t, 3> codes;  // by list position

    // No code for a position outside the list, no selection included.
    constexpr std::optional<std::uint8_t> CodeOf(int position) const {
        if (position < 0 || position >= static_cast<int>(codes.size())) return std::nullopt;
        return codes[static_cast<std::size_t>(position)];
    }
    // No position for a code that no position has.
    constexpr std::optional<int> PositionOf(std::uint8_t code) const {
        for (std::size_t position = 0; position < codes.size(); ++position) {
            if (codes[position] == code) return static_cast<int>(position);
        }
        return std::nullopt;
    }
};
inline constexpr PositionCodes kVoxSensitivityCodes{{4, 3, 2}};  // High, Middle, Low
inline constexpr PositionCodes kResolutionCodes{{2, 0, 1}};      // u-Law, 16 bit, 20 bit
}  // namespace image

struct SettingsImage {
    std::array<std::uint8_t, kImageSize> bytes{};
    // 1 after a successful read of a settings file, until the image has been shown.
    std::int32_t loaded = 0;
};

}  // namespace vocset
