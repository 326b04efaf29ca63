// Fuzz target: arbitrary 512-byte settings images shown on a headless window, again and again and
// after user actions that the bytes beyond the image choose; the controls must always be in a state
// that the settings rules can explain.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "MemoryFileSystem.h"
#include "app/TForm1.h"
#include "support/Fakes.h"

namespace {

using namespace vocset;

[[noreturn]] void Broken(const char* what) {
    std::fprintf(stderr, "broken rule: %s\n", what);
    __builtin_trap();
}

void Expect(bool condition, const char* what) {
    if (!condition) Broken(what);
}

// What holds whatever the user did and whatever image was shown.
void CheckRules(TForm1& form) {
    Expect(!form.CheckBox5.Checked() || form.CheckBox4.Checked(), "alarms on without the clock");
    Expect(form.Panel4.Visible() != form.Panel5.Visible(), "exactly one alarm panel shown");
    Expect(form.Panel5.Visible() == form.CheckBox8.Checked(), "the cyclic panel follows its box");
    Expect(form.ComboBox4.Enabled() == form.CheckBox5.Checked(), "the alarm count follows the alarms");
    Expect(form.Label3.Enabled() == form.CheckBox3.Checked() && form.Edit1.Enabled() == form.CheckBox3.Checked(),
           "the password follows encryption");
    const bool clock = form.CheckBox4.Checked();
    Expect(form.Label5.Enabled() == clock && form.DateTimePicker1.Enabled() == clock &&
               form.MaskEdit1.Enabled() == clock && form.CheckBox6.Enabled() == clock,
           "the clock fields follow the clock");
    Expect(
        form.CheckBox9.Enabled() == form.CheckBox1.Checked() && form.ComboBox49.Enabled() == form.CheckBox1.Checked(),
        "the beep and the sensitivity follow VOX");
    Expect(form.Label1.Enabled() == form.ComboBox1.Enabled(), "the gain's label and list agree");
    const int rows = form.ComboBox4.Enabled() ? form.ComboBox4.ItemIndex() + 1 : 0;
    for (int k = 1; k <= kAlarmRows; ++k) {
        for (AlarmColumn column : kAlarmColumns) {
            Expect(form.AlarmList(k, column).Enabled() == (k <= rows), "the alarm rows follow the count");
        }
    }
    const DateTime& value = form.DateTimePicker1.Value();
    Expect(DateTimePicker::CanHold(value.year, value.month, value.day), "a date the picker holds");
    Expect(IsValidTime(value.hour, value.minute, value.second, value.millisecond), "a time of day");
    Expect(form.MaskEdit1.Text().size() == 8, "the time field keeps its mask's length");
}

struct Snapshot {
    std::vector<int> values;
    std::string texts;
    DateTime date;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const TForm1& form) {
    Snapshot snapshot{{}, form.Edit1.Text() + "|" + form.MaskEdit1.Text(), form.DateTimePicker1.Value()};
    for (int number = 1; number <= 9; ++number) {
        snapshot.values.push_back(
            dynamic_cast<CheckBox&>(*form.Find(static_cast<ControlId>(IdNumber(ControlId::CheckBox1) + number - 1)))
                .Checked());
    }
    for (int number = 1; number <= 49; ++number) snapshot.values.push_back(form.ComboBoxNumber(number).ItemIndex());
    return snapshot;
}

bool Usable(const Control& control) {
    for (const Control* c = &control; c; c = c->Parent()) {
        if (!c->Enabled() || !c->Visible()) return false;
    }
    return true;
}

// One user action, chosen by two bytes; only what a user could do to an enabled, shown control.
void Act(TForm1& form, testing::FakeClock& clock, std::uint8_t kind, std::uint8_t argument) {
    switch (kind % 5) {
    case 0: {
        auto& box =
            dynamic_cast<CheckBox&>(*form.Find(static_cast<ControlId>(IdNumber(ControlId::CheckBox1) + argument % 9)));
        if (Usable(box)) box.UserClick();
        break;
    }
    case 1: {
        ComboBox& list = form.ComboBoxNumber(1 + argument % 49);
        if (Usable(list) && !list.Items().empty()) list.UserSelect(argument % static_cast<int>(list.Items().size()));
        break;
    }
    case 2: {
        const ControlId targets[] = {ControlId::Edit1, ControlId::MaskEdit1, ControlId::DateTimePicker1,
                                     ControlId::CheckBox7, ControlId::BitBtn1};
        Control& target = *form.Find(targets[argument % 5]);
        if (Usable(target)) form.Focus().UserMovedTo(target);
        break;
    }
    case 3:
        if (Usable(form.Edit1)) form.Edit1.UserSetText(std::to_string(argument * 331));
        break;
    default:
        clock.now.second = argument % 60;
        form.Timer1.Tick();
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kImageSize) return 0;
    testing::RecordingMessageBoxes messages;
    testing::ScriptedDialogs dialogs;
    testing::MemoryRegistry registry;
    testing::ScriptedPump pump;
    fuzzing::MemoryFileSystem files;
    testing::FakeLocale locale;
    testing::FakeClock clock;
    Services services{messages, dialogs, registry, pump, files, locale, clock};
    const Language& language = size % 2 ? kRussian : kEnglish;
    TForm1 form(services, language);
    form.Dispatcher().Run([&] { form.FormCreate(); });

    for (std::size_t i = kImageSize; i + 1 < size; i += 2) {
        form.Dispatcher().Run([&] { Act(form, clock, data[i], data[i + 1]); });
    }
    CheckRules(form);
    // A user may leave an out-of-range password, which the range check answers; a shown image never asks it.
    const std::string clockMessage = language.Text(TextId::PleaseSetupClock);
    for (const std::string& message : messages.messages) {
        Expect(message == clockMessage || message == language.Text(TextId::EnterNumberInRange),
               "only the clock and the password's range messages while acting");
    }
    messages.messages.clear();

    std::memcpy(form.SettingsImage().bytes.data(), data, kImageSize);
    // The first show can differ from the next only where a rule of the state before it ran (the
    // clock box ticked again while alarms were on); from then on the same image gives the same values.
    Snapshot second;
    for (int show = 0; show < 3; ++show) {
        messages.errors.clear();
        form.SettingsImage().loaded = 1;
        form.Dispatcher().Run([&] { form.ShowBuf(); });
        CheckRules(form);
        for (const std::string& error : messages.errors) {
            const bool dateError =
                error == "Failed to set calendar date or time." || error.ends_with("'' is not a valid date and time.");
            Expect(dateError, "only the date can fail");
        }
        Expect((form.SettingsImage().loaded == 0) == messages.errors.empty(), "the flag is cleared by a full show");
        if (messages.errors.empty()) {
            Expect(!form.CheckBox6.Checked() && !form.Timer1.Enabled(), "the clock stopped");
            Expect(std::to_string(data[9] + 256 * data[10]) == form.Edit1.Text(), "the password");
        }
        if (show == 1) second = Take(form);
        if (show == 2) Expect(Take(form) == second, "showing the image again gives the same values");
    }
    for (const std::string& message : messages.messages) Expect(message == clockMessage, "only the clock message");
    return 0;
}
