// The rows of the main window's layout.
#include "ui/Layout.h"

#include <array>
#include <cstdio>

namespace vocset {

namespace {
using enum ControlId;
using K = ControlKind;
using T = TextId;

// clang-format off
constexpr ControlSpec kRows[] = {
    {.id = PageControl1, .kind = K::PageControl, .parent = None, .left = 0, .top = 0, .width = 720, .height = 625},
    {.id = TabSheet1, .kind = K::TabSheet, .parent = PageControl1, .left = 4, .top = 24, .width = 712, .height = 597, .text = T::TabSheet1},
    {.id = TabSheet2, .kind = K::TabSheet, .parent = PageControl1, .left = 4, .top = 24, .width = 712, .height = 597, .text = T::TabSheet2},

    // Page 1: recording settings on the left, clock settings on the right, the button bar below.
    {.id = GroupBox1, .kind = K::GroupBox, .parent = TabSheet1, .left = 0, .top = 0, .width = 224, .height = 556, .text = T::GroupBox1},
    {.id = GroupBox2, .kind = K::GroupBox, .parent = TabSheet1, .left = 224, .top = 0, .width = 488, .height = 556, .text = T::GroupBox2},
    {.id = Panel1, .kind = K::Panel, .parent = TabSheet1, .left = 0, .top = 556, .width = 712, .height = 41},

    {.id = CheckBox1, .kind = K::CheckBox, .parent = GroupBox1, .left = 16, .top = 32, .width = 193, .text = T::CheckBox1},
    {.id = CheckBox9, .kind = K::CheckBox, .parent = GroupBox1, .left = 16, .top = 55, .width = 193, .text = T::CheckBox9, .enabled = false},
    {.id = Label20, .kind = K::Label, .parent = GroupBox1, .left = 16, .top = 78, .width = 0, .text = T::Label20},
    {.id = ComboBox49, .kind = K::ComboBox, .parent = GroupBox1, .left = 16, .top = 97, .width = 145, .items = ItemList::VoxSensitivity, .itemIndex = 0, .enabled = false},
    {.id = CheckBox2, .kind = K::CheckBox, .parent = GroupBox1, .left = 16, .top = 132, .width = 193, .text = T::CheckBox2, .checked = true},
    {.id = Label1, .kind = K::Label, .parent = GroupBox1, .left = 16, .top = 156, .width = 0, .text = T::Label1, .enabled = false},
    {.id = ComboBox1, .kind = K::ComboBox, .parent = GroupBox1, .left = 16, .top = 180, .width = 145, .items = ItemList::Gain, .itemIndex = 2, .enabled = false},
    {.id = LabelId(2), .kind = K::Label, .parent = GroupBox1, .left = 16, .top = 212, .width = 0, .text = T::Label2},
    {.id = ComboBoxId(2), .kind = K::ComboBox, .parent = GroupBox1, .left = 16, .top = 236, .width = 145, .items = ItemList::FileSize, .itemIndex = 2},
    {.id = CheckBox3, .kind = K::CheckBox, .parent = GroupBox1, .left = 16, .top = 268, .width = 193, .text = T::CheckBox3},
    {.id = LabelId(3), .kind = K::Label, .parent = GroupBox1, .left = 16, .top = 300, .width = 0, .text = T::Label3, .enabled = false},
    {.id = Edit1, .kind = K::Edit, .parent = GroupBox1, .left = 120, .top = 292, .width = 49, .fixedText = "0", .enabled = false, .maxLength = 5},
    {.id = LabelId(4), .kind = K::Label, .parent = GroupBox1, .left = 16, .top = 324, .width = 0, .text = T::Label4},
    {.id = ComboBoxId(3), .kind = K::ComboBox, .parent = GroupBox1, .left = 16, .top = 348, .width = 145, .items = ItemList::Frequency, .itemIndex = 1},
    {.id = LabelId(14), .kind = K::Label, .parent = GroupBox1, .left = 16, .top = 388, .width = 0, .text = T::Label14},
    {.id = ComboBoxId(45), .kind = K::ComboBox, .parent = GroupBox1, .left = 16, .top = 407, .width = 145, .items = ItemList::Resolution, .itemIndex = 1},
    {.id = CheckBox7, .kind = K::CheckBox, .parent = GroupBox1, .left = 16, .top = 446, .width = 193, .text = T::CheckBox7},

    {.id = CheckBox4, .kind = K::CheckBox, .parent = GroupBox2, .left = 16, .top = 32, .width = 209, .text = T::CheckBox4},
    {.id = LabelId(5), .kind = K::Label, .parent = GroupBox2, .left = 16, .top = 56, .width = 0, .text = T::Label5, .enabled = false},
    {.id = DateTimePicker1, .kind = K::DateTimePicker, .parent = GroupBox2, .left = 16, .top = 80, .width = 113, .enabled = false, .format = "dd.MM.yyyy"},
    {.id = MaskEdit1, .kind = K::MaskEdit, .parent = GroupBox2, .left = 136, .top = 80, .width = 61, .fixedText = "  :  :  ", .enabled = false, .maxLength = 8, .format = "!90:00:00;1; "},
    {.id = CheckBox6, .kind = K::CheckBox, .parent = GroupBox2, .left = 224, .top = 79, .width = 129, .text = T::CheckBox6, .enabled = false},
    {.id = CheckBox5, .kind = K::CheckBox, .parent = GroupBox2, .left = 16, .top = 120, .width = 185, .text = T::CheckBox5},
    {.id = CheckBox8, .kind = K::CheckBox, .parent = GroupBox2, .left = 224, .top = 120, .width = 185, .text = T::CheckBox8, .enabled = false},

    // The alarm table; its forty lists follow below, row by row.
    {.id = Panel4, .kind = K::Panel, .parent = GroupBox2, .left = 2, .top = 136, .width = 484, .height = 418},
    {.id = LabelId(6), .kind = K::Label, .parent = Panel4, .left = 14, .top = 17, .width = 0, .text = T::Label6, .enabled = false},
    {.id = ComboBoxId(4), .kind = K::ComboBox, .parent = Panel4, .left = 14, .top = 41, .width = 145, .items = ItemList::AlarmCount, .itemIndex = 0, .dropDownCount = 10, .enabled = false},
    {.id = LabelId(7), .kind = K::Label, .parent = Panel4, .left = 14, .top = 73, .width = 0, .text = T::Label7, .enabled = false},
    {.id = LabelId(9), .kind = K::Label, .parent = Panel4, .left = 94, .top = 73, .width = 0, .text = T::Label9, .enabled = false},
    {.id = LabelId(10), .kind = K::Label, .parent = Panel4, .left = 150, .top = 73, .width = 0, .text = T::Label10, .enabled = false},
    {.id = LabelId(8), .kind = K::Label, .parent = Panel4, .left = 222, .top = 73, .width = 0, .text = T::Label8, .enabled = false},

    // The cyclic alarm, in the place of the alarm table's upper part; its top follows the language.
    {.id = Panel5, .kind = K::Panel, .parent = GroupBox2, .left = 16, .top = 0, .width = 449, .height = 98, .visible = false},
    {.id = LabelId(15), .kind = K::Label, .parent = Panel5, .left = 3, .top = 7, .width = 0, .text = T::Label15},
    {.id = LabelId(16), .kind = K::Label, .parent = Panel5, .left = 3, .top = 26, .width = 0, .text = T::Label16},
    {.id = LabelId(17), .kind = K::Label, .parent = Panel5, .left = 55, .top = 26, .width = 0, .text = T::Label17},
    {.id = LabelId(18), .kind = K::Label, .parent = Panel5, .left = 215, .top = 7, .width = 0, .text = T::Label18},
    {.id = LabelId(19), .kind = K::Label, .parent = Panel5, .left = 215, .top = 26, .width = 0, .text = T::Label19},
    {.id = ComboBoxId(47), .kind = K::ComboBox, .parent = Panel5, .left = 0, .top = 45, .width = 49, .items = ItemList::Hours, .itemIndex = 0},
    {.id = ComboBoxId(46), .kind = K::ComboBox, .parent = Panel5, .left = 55, .top = 45, .width = 49, .items = ItemList::Minutes, .itemIndex = 0},
    {.id = ComboBoxId(48), .kind = K::ComboBox, .parent = Panel5, .left = 212, .top = 45, .width = 49, .items = ItemList::Durations, .itemIndex = 0},

    {.id = BitBtn2, .kind = K::BitBtn, .parent = Panel1, .left = 16, .top = 8, .width = 177, .text = T::BitBtn2, .glyph = Glyph::OpenFolder},
    {.id = BitBtn1, .kind = K::BitBtn, .parent = Panel1, .left = 518, .top = 8, .width = 185, .text = T::BitBtn1, .isDefault = true, .glyph = Glyph::FloppyDisk},

    // Page 2: decoding and verifying.
    {.id = LabelId(11), .kind = K::Label, .parent = TabSheet2, .left = 184, .top = 31, .width = 0, .text = T::Label11},
    {.id = BitBtn3, .kind = K::BitBtn, .parent = TabSheet2, .left = 16, .top = 48, .width = 145, .text = T::BitBtn3, .glyph = Glyph::OpenFolder},
    {.id = Edit2, .kind = K::Edit, .parent = TabSheet2, .left = 184, .top = 50, .width = 505},
    {.id = LabelId(12), .kind = K::Label, .parent = TabSheet2, .left = 184, .top = 87, .width = 0, .text = T::Label12},
    {.id = BitBtn4, .kind = K::BitBtn, .parent = TabSheet2, .left = 16, .top = 104, .width = 145, .text = T::BitBtn4, .enabled = false, .isDefault = true, .glyph = Glyph::FloppyDisk},
    {.id = Edit3, .kind = K::Edit, .parent = TabSheet2, .left = 184, .top = 106, .width = 505, .enabled = false},
    {.id = LabelId(13), .kind = K::Label, .parent = TabSheet2, .left = 456, .top = 145, .width = 0, .text = T::Label13},
    {.id = ProgressBar1, .kind = K::ProgressBar, .parent = TabSheet2, .left = 64, .top = 168, .width = 369, .height = 17},
    {.id = Edit4, .kind = K::Edit, .parent = TabSheet2, .left = 456, .top = 164, .width = 121},
    {.id = BitBtn5, .kind = K::BitBtn, .parent = TabSheet2, .left = 288, .top = 216, .width = 145, .text = T::BitBtn5, .isDefault = true},
    {.id = BitBtn6, .kind = K::BitBtn, .parent = TabSheet2, .left = 288, .top = 216, .width = 145, .text = T::BitBtn6, .visible = false, .isDefault = true},

    {.id = Timer1, .kind = K::Timer, .parent = None, .left = 0, .top = 0, .width = 0, .enabled = false},
};

constexpr int kAlarmRowTops[kAlarmRows] = {97, 129, 161, 193, 225, 256, 288, 320, 352, 384};

struct AlarmColumnPlace {
    AlarmColumn column;
    int left, width;
    ItemList items;
};
constexpr AlarmColumnPlace kAlarmColumnPlaces[] = {
    {AlarmColumn::Day, 14, 73, ItemList::Days}, {AlarmColumn::Hour, 94, 49, ItemList::Hours},
    {AlarmColumn::Minute, 150, 49, ItemList::Minutes}, {AlarmColumn::Duration, 222, 49, ItemList::Durations}};

constexpr DialogSpec kDialogs[] = {
    {OpenDialog1, false, "WAV files|*.wav|XXX files|*.xxx|All files|*.wav;*.xxx", 3, "", ""},
    {SaveDialog1, true, "WAV file|*.wav", 1, "*.wav", ""},
    {OpenDialog2, false, "duza.ini|duza.ini", 1, "*.ini", "duza.ini"},
    {SaveDialog2, true, "duza.ini|duza.ini", 1, "*.ini", "duza.ini"},
};
// clang-format on

std::vector<std::string> Numbers(int first, int last, const char* format) {
    std::vector<std::string> items;
    char text[8];
    for (int n = first; n <= last; ++n) {
        std::snprintf(text, sizeof text, format, n);
        items.emplace_back(text);
    }
    return items;
}

std::vector<std::string> Texts(const Language& language, std::initializer_list<TextId> ids) {
    std::vector<std::string> items;
    for (TextId id : ids) items.push_back(language.Text(id));
    return items;
}
}  // namespace

int StandardHeight(ControlKind kind) {
    switch (kind) {
    case K::CheckBox: return 17;
    case K::ComboBox:
    case K::Edit:
    case K::MaskEdit:
    case K::DateTimePicker: return 21;
    case K::BitBtn: return 25;
    case K::Label: return 13;
    case K::ProgressBar: return 17;
    default: return 0;
    }
}

std::vector<ControlSpec> MainWindowLayout(const Language& language) {
    std::vector<ControlSpec> rows(std::begin(kRows), std::end(kRows));
    for (ControlSpec& row : rows) {
        if (row.id == Panel5) row.top = language.panel5Top;
    }
    // The alarm table's forty lists, row by row, after its column headings.
    auto tableEnd = rows.begin();
    while (tableEnd->id != LabelId(8)) ++tableEnd;
    std::vector<ControlSpec> alarmLists;
    for (int row = 1; row <= kAlarmRows; ++row) {
        for (const AlarmColumnPlace& c : kAlarmColumnPlaces) {
            // clang-format off
            alarmLists.push_back({.id = AlarmListId(row, c.column), .kind = K::ComboBox, .parent = Panel4,
                                  .left = c.left, .top = kAlarmRowTops[row - 1], .width = c.width, .items = c.items,
                                  .itemIndex = 0, .enabled = false});
            // clang-format on
        }
    }
    rows.insert(tableEnd + 1, alarmLists.begin(), alarmLists.end());
    for (ControlSpec& row : rows) {
        if (row.height == 0) row.height = StandardHeight(row.kind);
    }
    return rows;
}

std::span<const DialogSpec> MainWindowDialogs() { return kDialogs; }

std::vector<std::string> ItemTexts(ItemList items, const Language& language) {
    switch (items) {
    case ItemList::None: return {};
    case ItemList::VoxSensitivity: return Texts(language, {T::VoxHigh, T::VoxMiddle, T::VoxLow});
    case ItemList::Gain:
        return Texts(language, {T::GainMinus12, T::GainMinus6, T::Gain0, T::Gain6, T::Gain12, T::Gain18});
    case ItemList::FileSize:
        return Texts(language, {T::Size50, T::Size100, T::Size250, T::Size500, T::Size1000, T::Size1800});
    case ItemList::Frequency: return Texts(language, {T::Freq8, T::Freq16, T::Freq24, T::Freq32});
    case ItemList::Resolution: return Texts(language, {T::ResolutionULaw, T::Resolution16, T::Resolution20});
    case ItemList::AlarmCount: return Numbers(1, 10, "%d");
    case ItemList::Days: return Numbers(1, 31, "%d");
    case ItemList::Hours: return Numbers(0, 23, "%02d");
    case ItemList::Minutes: return Numbers(0, 59, "%02d");
    case ItemList::Durations: return Numbers(1, 23, "%d");
    }
    return {};
}

}  // namespace vocset
