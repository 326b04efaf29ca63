// The rules of the alarms: working as per alarm clocks, their number, and the cyclic alarm.
#include "app/TForm1.h"

namespace vocset {

void TForm1::EnableAlarmRows(int rows) {
    for (int row = 1; row <= kAlarmRows; ++row) {
        for (AlarmColumn column : kAlarmColumns) AlarmList(row, column).SetEnabled(row <= rows);
    }
}

void TForm1::CheckBox5Click() {
    const bool alarms = CheckBox5.Checked();
    for (Control* control :
         std::initializer_list<Control*>{&CheckBox8, &Label6, &Label7, &Label8, &Label9, &Label10, &ComboBox4}) {
        control->SetEnabled(alarms);
    }
    ComboBox4Change();
    if (alarms && !CheckBox4.Checked()) {
        services_.messages.ShowMessage(language_.Text(TextId::PleaseSetupClock));
        CheckBox4.SetChecked(true);
    }
}

void TForm1::ComboBox4Change() {
    if (!ComboBox4.Enabled()) {
        EnableAlarmRows(0);
        return;
    }
    const int index = ComboBox4.ItemIndex();
    if (index >= 0 && index < kAlarmRows) EnableAlarmRows(index + 1);
}

// The table and the cyclic alarm share one place: one of the two panels is shown.
void TForm1::CheckBox8Click() {
    const bool cyclic = CheckBox8.Checked();
    Panel4.SetVisible(!cyclic);
    Panel5.SetVisible(cyclic);
}

}  // namespace vocset
