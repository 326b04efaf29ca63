// The main window's layout: every control with its kind, parent, place at 96 DPI, text, items and
// initial state. Both language variants use this one table.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "ui/ControlId.h"
#include "ui/Language.h"
#include "ui/TextId.h"
#include "widgets/DateTime.h"

namespace vocset {

// clang-format off
enum class ControlKind {
    PageControl, TabSheet, GroupBox, Panel, Label, CheckBox, ComboBox, Edit, MaskEdit, DateTimePicker,
    BitBtn, ProgressBar, Timer
};

enum class ItemList {
    None, VoxSensitivity, Gain, FileSize, Frequency, Resolution,
    AlarmCount,  // "1" to "10"
    Days,        // "1" to "31"
    Hours,       // "00" to "23"
    Minutes,     // "00" to "59"
    Durations    // "1" to "23"
};
// clang-format on

// The position of "20 bit" in the resolution list as the layout fills it; start-up removes that item.
inline constexpr int kResolution20Bit = 2;

enum class Glyph { None, OpenFolder, FloppyDisk };

struct ControlSpec {
    ControlId id;
    ControlKind kind;
    ControlId parent;
    int left, top, width;
    int height = 0;  // 0: the kind's standard height
    TextId text = TextId::None;
    const char* fixedText = nullptr;  // a text that is the same in both languages
    ItemList items = ItemList::None;
    int itemIndex = -1;
    int dropDownCount = 8;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool isDefault = false;
    int maxLength = 0;
    Glyph glyph = Glyph::None;
    const char* format = nullptr;  // input mask of a masked edit, display format of a date picker
};

struct DialogSpec {
    ControlId id;
    bool save;
    const char* filter;
    int filterIndex;
    const char* defaultExt;
    const char* fileName;
};

struct FormSpec {
    int clientWidth, clientHeight;
    const char* fontFace;
    int fontPixelHeight;
};

inline constexpr FormSpec kMainForm{720, 625, "MS Sans Serif", 11};  // 8 points at 96 DPI
inline constexpr DateTime kDatePickerInitialValue{2010, 1, 1, 0, 0, 0};
inline constexpr int kTimer1Interval = 1000;

// Standard heights of the kinds that have one, in pixels.
int StandardHeight(ControlKind kind);

// The rows in creation order, parents before children, with the language's own values filled in.
std::vector<ControlSpec> MainWindowLayout(const Language& language);
std::span<const DialogSpec> MainWindowDialogs();
std::vector<std::string> ItemTexts(ItemList items, const Language& language);

}  // namespace vocset
