// Identities of the main window's controls; the numbers are also the Win32 control ids.
#pragma once

namespace vocset {

// clang-format off
enum class ControlId : int {
    None = 0,
    PageControl1 = 100, TabSheet1, TabSheet2,
    GroupBox1 = 111, GroupBox2,
    Panel1 = 121, Panel4 = 124, Panel5,
    CheckBox1 = 201, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7, CheckBox8, CheckBox9,
    ComboBox1 = 301,  // ComboBoxN = 300 + N, N = 1..49
    ComboBox49 = 349,
    Edit1 = 401, Edit2, Edit3, Edit4,
    MaskEdit1 = 411,
    DateTimePicker1 = 421,
    Label1 = 501,  // LabelN = 500 + N, N = 1..20
    Label20 = 520,
    BitBtn1 = 601, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6,
    ProgressBar1 = 701,
    Timer1 = 801,
    OpenDialog1 = 901, SaveDialog1, OpenDialog2, SaveDialog2,
};
// clang-format on

constexpr ControlId ComboBoxId(int number) { return static_cast<ControlId>(300 + number); }
constexpr ControlId LabelId(int number) { return static_cast<ControlId>(500 + number); }
constexpr int IdNumber(ControlId id) { return static_cast<int>(id); }

// The alarm table: row k (1 to 10) is made of the lists ComboBox(4k+1) to ComboBox(4k+4).
inline constexpr int kAlarmRows = 10;
enum class AlarmColumn : int { Day, Hour, Minute, Duration };
inline constexpr AlarmColumn kAlarmColumns[] = {AlarmColumn::Day, AlarmColumn::Hour, AlarmColumn::Minute,
                                                AlarmColumn::Duration};
constexpr ControlId AlarmListId(int row, AlarmColumn column) {
    return ComboBoxId(4 * row + 1 + static_cast<int>(column));
}
static_assert(AlarmListId(1, AlarmColumn::Day) == ComboBoxId(5) &&
              AlarmListId(10, AlarmColumn::Duration) == ComboBoxId(44));

}  // namespace vocset
