// The small interfaces through which the window's handlers reach the outside world.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "widgets/DateTime.h"
#include "widgets/Files.h"

namespace vocset {

class FileDialog;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box with the text, one OK button, no icon and the application title as caption.
    virtual void ShowMessage(const std::string& text) = 0;
    // The default error box: error icon, one OK button; `text` already follows ErrorBoxText.
    virtual void ShowError(const std::string& text) = 0;
};

class FileDialogRunner {
public:
    virtual ~FileDialogRunner() = default;
    // Shows the dialog modally; true when the user confirmed a name, which is then in the dialog.
    virtual bool Execute(FileDialog& dialog) = 0;
};

enum class RegistryValueKind { Missing, String, Other };

// An open registry key.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    virtual RegistryValueKind Kind(const std::string& name) = 0;
    virtual std::string ReadString(const std::string& name) = 0;  // only for a value of kind String
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Opens, or creates when missing, a key under HKEY_CURRENT_USER with full access; null on failure.
    virtual std::unique_ptr<RegistryKey> OpenCurrentUserKey(const std::string& path) = 0;
};

enum class PumpMode {
    Always,   // look at the queue now
    MayDefer  // the platform may skip the look when it looked only a moment ago
};

class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Lets the window process all its pending messages; handlers may run inside.
    virtual void ProcessMessages(PumpMode mode) = 0;
};

// How the user's regional settings write a time of day.
struct TimeFormat {
    std::string separator = ":";   // between hours, minutes and seconds
    bool hourLeadingZero = false;  // "09" rather than "9"
};

// Conversions that follow the user's locale and the system's ANSI code page.
class Locale {
public:
    virtual ~Locale() = default;
    virtual std::string LowerCase(const std::string& text) = 0;
    virtual std::string FromAnsi(std::span<const std::uint8_t> bytes) = 0;
    virtual std::string ToAnsi(const std::string& text) = 0;
    virtual TimeFormat LongTimeFormat() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The computer's current local date and time, to the millisecond.
    virtual DateTime Now() = 0;
};

struct Services {
    MessageBoxes& messages;
    FileDialogRunner& dialogs;
    Registry& registry;
    MessagePump& pump;
    FileSystem& files;
    Locale& locale;
    Clock& clock;
};

}  // namespace vocset
