// Scripted stand-ins for the outside world: message boxes that record, dialogs that answer as told,
// an in-memory registry, a locale with a single-byte code page, and a message pump that runs hooks.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "widgets/FileDialog.h"
#include "widgets/Services.h"

namespace vocset::testing {

// Told true when a modal box opens and false once it has closed: the platform deactivates the
// window while a box of its own has the focus.
using BoxOpenHook = std::function<void(bool open)>;

class RecordingMessageBoxes : public MessageBoxes {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    // Runs inside the box, as if the user did something while it is open (then it closes).
    std::function<void(const std::string&)> whileOpen;
    BoxOpenHook opened;
};

// Each Execute takes the next answer: a name to confirm, or nullopt to cancel.
class ScriptedDialogs : public FileDialogRunner {
public:
    bool Execute(FileDialog& dialog) override;
    std::deque<std::optional<std::string>> answers;
    // Runs inside the dialog, before the user answers it (a tick of the timer, say).
    std::function<void()> whileOpen;
    BoxOpenHook opened;
    // What each dialog held when it was shown.
    struct Shown {
        FileDialogKind kind;
        std::string fileName, initialDir, filter, defaultExt;
        int filterIndex;
    };
    std::vector<Shown> shown;
};

struct StoredValue {
    bool isString = true;
    std::string text;
};

class MemoryRegistry : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenCurrentUserKey(const std::string& path) override;
    bool refuseOpen = false;    // the key can be neither opened nor created
    bool refuseWrites = false;  // the key opens, but every write fails
    std::map<std::string, std::map<std::string, StoredValue>> keys;
    int openKeys = 0;
};

// Code page 1252 for bytes 0x00-0x7F and 0xA0-0xFF (Latin-1), or code page 1251's Cyrillic letters
// for 0xC0-0xFF; other bytes map to "?". Lower case: ASCII letters and Cyrillic А-Я.
class FakeLocale : public Locale {
public:
    explicit FakeLocale(int codePage = 1252) : codePage(codePage) {}
    std::string LowerCase(const std::string& text) override;
    std::string FromAnsi(std::span<const std::uint8_t> bytes) override;
    std::string ToAnsi(const std::string& text) override;
    TimeFormat LongTimeFormat() override { return timeFormat; }
    int codePage;
    TimeFormat timeFormat;
};

// A clock that shows a set time, until a test moves it on.
class FakeClock : public Clock {
public:
    DateTime Now() override {
        ++readings;
        return now;
    }
    DateTime now{2026, 12, 10, 21, 7, 5, 250};
    int readings = 0;
};

// A pump that runs a hook at each call, as if the user acted while messages were processed.
class ScriptedPump : public MessagePump {
public:
    void ProcessMessages(PumpMode mode) override;
    std::function<void(int call)> onCall;
    int calls = 0;
    std::vector<PumpMode> modes;
};

}  // namespace vocset::testing
