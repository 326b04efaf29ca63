// The rules of the real-time clock: its fields, "System time" and the running clock.
#include "app/TForm1.h"
#include "widgets/TimeText.h"

namespace vocset {

// One reading serves both fields, so that they never show two sides of a change of day.
void TForm1::ShowComputerTime() {
    const DateTime now = services_.clock.Now();
    DateTimePicker1.SetValue(now);
    MaskEdit1.SetText(ClockTimeText(now, timeFormat_));
}

void TForm1::CheckBox4Click() {
    if (!CheckBox4.Checked() && CheckBox5.Checked()) {
        // Alarms need the clock: the box is ticked again, and its rule runs once more.
        CheckBox4.SetChecked(true);
        return;
    }
    const bool setClock = CheckBox4.Checked();
    Label5.SetEnabled(setClock);
    DateTimePicker1.SetEnabled(setClock);
    MaskEdit1.SetEnabled(setClock);
    CheckBox6.SetEnabled(setClock);
}

void TForm1::CheckBox6Click() {
    if (CheckBox6.Checked()) ShowComputerTime();
    Timer1.SetEnabled(CheckBox6.Checked());
}

// The clock leaves the fields alone while the user works in one of them.
void TForm1::Timer1Timer() {
    if (CheckBox4.Checked() && !focus_.Has(DateTimePicker1) && !focus_.Has(MaskEdit1)) ShowComputerTime();
}

void TForm1::MaskEdit1Click() { Timer1.SetEnabled(false); }
void TForm1::MaskEdit1KeyPress(char16_t&) { Timer1.SetEnabled(false); }
void TForm1::DateTimePicker1Click() { Timer1.SetEnabled(false); }
void TForm1::DateTimePicker1UserInput() { Timer1.SetEnabled(false); }

// A text that is no time of day yet (a place still empty) leaves the value as it was.
void TForm1::MaskEdit1Change() {
    const std::optional<TimeOfDay> time = ParseTimeText(MaskEdit1.Text(), TimeSeparatorOf(timeFormat_));
    if (!time) return;
    DateTime value = DateTimePicker1.Value();
    value.hour = time->hour;
    value.minute = time->minute;
    value.second = time->second;
    value.millisecond = 0;
    DateTimePicker1.SetValue(value);
}

}  // namespace vocset
