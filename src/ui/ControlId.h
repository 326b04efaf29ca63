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

}  // namespace vocset
