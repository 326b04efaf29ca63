// The widget kinds of the main window, each owning its state and carrying the event rules the
// handlers rely on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "widgets/Control.h"
#include "widgets/DateTime.h"
#include "widgets/EditMask.h"

namespace vocset {

class Label : public Control {
public:
    using Control::Control;
};

// Panels and group boxes: containers whose visibility and enabled state are their own.
class Panel : public Control {
public:
    using Control::Control;
};

class GroupBox : public Control {
public:
    using Control::Control;
};

class TabSheet : public Control {
public:
    using Control::Control;
};

class PageControl : public Control {
public:
    using Control::Control;
    int ActivePageIndex() const { return activePage_; }
    void SetActivePageIndex(int index);
    // The user chose a tab.
    void UserSelectPage(int index) { SetActivePageIndex(index); }

private:
    int activePage_ = 0;
};

// Setting the state from code runs the click handler when, and only when, the state changes; a
// click of the user toggles the state through the same path.
class CheckBox : public Control {
public:
    using Control::Control;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    void UserClick() { SetChecked(!checked_); }
    Handler OnClick;

private:
    bool checked_ = false;
};

// A drop-down list of fixed items. Setting the index from code runs nothing; an index outside
// 0..count-1 leaves no selection (-1). A choice of the user sets the index and runs the change handler.
class ComboBox : public Control {
public:
    using Control::Control;
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    void DeleteItem(int index);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    void UserSelect(int index);
    Handler OnChange;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

// A one-line edit. Setting the text runs the change handler when the text changes. A typed
// character passes the key-press handler first, which may replace it or swallow it (set it to 0).
class Edit : public Control {
public:
    using Control::Control;
    void SetText(const std::string& text) override;
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }
    // Returns the character to insert, 0 when the handler swallowed it.
    char16_t UserKeyPress(char16_t key);
    // The user changed the text by typing or pasting.
    void UserSetText(const std::string& text) { SetText(text); }
    void UserClick() { Fire(OnClick); }
    Handler OnChange;
    Handler OnClick;
    std::function<void(char16_t& key)> OnKeyPress;

private:
    int maxLength_ = 0;  // 0: no limit
};

// An edit whose text follows an input mask, such as "!90:00:00;1; " for a time of day (see
// EditMask.h). A text set from code is conformed to the mask; the user's typing, deleting and
// pasting edit it at the caret, each change running the change handler once.
class MaskEdit : public Edit {
public:
    using Edit::Edit;
    const std::string& EditMask() const { return editMask_; }
    // Both conform the text to the new mask, as a text set from code.
    void SetEditMask(const std::string& mask);
    void SetTimeSeparator(char separator);
    void SetText(const std::string& text) override;

    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    // Where the user put the caret or selection; held inside the text.
    void UserSetSelection(int start, int length);
    // A typed character: the key-press handler sees it first and may swallow it; then Backspace (8)
    // or the mask's typing rule.
    void UserType(char16_t key);
    void UserDelete();
    void UserPaste(const std::string& text);
    // Returns the selected text, which is then blanked.
    std::string UserCut();

private:
    MaskedText Editing() const { return {Text(), selStart_, selLength_}; }
    void Commit(const MaskedText& edited);
    void Reconform();

    std::string editMask_;
    char timeSeparator_ = ':';
    vocset::EditMask mask_;
    int selStart_ = 0;
    int selLength_ = 0;
};

// A date picker: a date shown by a display format, together with a time of day that the picker
// keeps but does not show.
class DateTimePicker : public Control {
public:
    using Control::Control;
    const DateTime& Value() const { return value_; }
    void SetValue(const DateTime& value);
    const std::string& Format() const { return format_; }
    void SetFormat(const std::string& format) { format_ = format; }
    // Sets the date; the time of day stays.
    void SetDate(int year, int month, int day);
    // The user picked a date.
    void UserSetDate(int year, int month, int day) { SetDate(year, month, day); }
    // The calendar holds the Gregorian dates from 14 September 1752 to 31 December 9999.
    static bool CanHold(int year, int month, int day);
    void UserClick() { Fire(OnClick); }
    Handler OnClick;
    Handler OnUserInput;

private:
    DateTime value_;
    std::string format_;
};

// A push button with an optional picture; default buttons take the Enter key (see EnterKey.h).
class BitBtn : public Control {
public:
    using Control::Control;
    bool IsDefault() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    void Click() { Fire(OnClick); }
    Handler OnClick;

private:
    bool default_ = false;
};

class ProgressBar : public Control {
public:
    using Control::Control;
    int Position() const { return position_; }
    // Held to the range 0..100.
    void SetPosition(int position);

private:
    int position_ = 0;
};

// A timer runs while it is enabled.
class Timer : public Control {
public:
    using Control::Control;
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds) { interval_ = milliseconds; }
    void Tick() { Fire(OnTimer); }
    Handler OnTimer;

private:
    int interval_ = 1000;
};

}  // namespace vocset
