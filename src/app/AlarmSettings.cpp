// The rules of the alarms: working as per alarm clocks, their number, and the cyclic alarm.
#include "app/TForm1.h"

namespace vocset {

namespace {
constexpr int kAlarmRows = 10;
constexpr int kFirstAlarmList = 5;  // ComboBox5: the day of row 1
constexpr int kListsPerRow = 4;
}  // namespace

void TForm1::EnableAlarmRows(int rows) {
    for (int row = 1; row <= kAlarmRows; ++row) {
        for (int column = 0; column < kListsPerRow; ++column) {
            ComboBoxNumber(kFirstAlarmList + kListsPerRow * (row - 1) + column).SetEnabled(row <= rows);
        }
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
